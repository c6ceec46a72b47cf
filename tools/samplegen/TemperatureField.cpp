#include "TemperatureField.h"

#include "Prng.h"

#include <algorithm>
#include <cmath>

namespace {

// Signed distance (pixels) from a pixel centre to the part's outline: negative inside.
double DistanceToOutline(const ScenePart& part, double x, double y)
{
    const QRectF& area = part.area;
    if (part.shape == PartShape::Disc) {
        const double rx = area.width() / 2.0;
        const double ry = area.height() / 2.0;
        const double nx = (x - area.center().x()) / rx;
        const double ny = (y - area.center().y()) / ry;
        return (std::hypot(nx, ny) - 1.0) * std::min(rx, ry);
    }
    const double dx = std::max(area.left() - x, x - area.right());
    const double dy = std::max(area.top() - y, y - area.bottom());
    if (dx <= 0.0 && dy <= 0.0) {
        return std::max(dx, dy);
    }
    return std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
}

double PartTemperatureAt(const ScenePart& part, double y)
{
    if (!part.bottomTemperature || part.area.height() <= 0.0) {
        return part.temperature;
    }
    const double t = std::clamp((y - part.area.top()) / part.area.height(), 0.0, 1.0);
    return part.temperature + t * (*part.bottomTemperature - part.temperature);
}

} // namespace

TemperatureField::TemperatureField()
    : values(static_cast<std::size_t>(Width) * Height, 20.0)
{ }

double TemperatureField::Minimum() const
{
    return *std::min_element(values.begin(), values.end());
}

double TemperatureField::Maximum() const
{
    return *std::max_element(values.begin(), values.end());
}

void TemperatureField::VerticalGradient(double top, double bottom)
{
    for (int y = 0; y < Height; ++y) {
        const double value = top + (bottom - top) * y / (Height - 1);
        std::fill_n(values.begin() + static_cast<std::ptrdiff_t>(Index(0, y)), Width, value);
    }
}

void TemperatureField::BlendPart(const ScenePart& part)
{
    const double edge = std::max(part.edge, 0.01);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const double distance = DistanceToOutline(part, x + 0.5, y + 0.5);
            const double weight = std::clamp(0.5 - distance / edge, 0.0, 1.0);
            if (weight > 0.0) {
                double& value = values[Index(x, y)];
                value += weight * (PartTemperatureAt(part, y + 0.5) - value);
            }
        }
    }
}

void TemperatureField::AddSpot(const ThermalSpot& spot)
{
    const double spread = std::max(spot.spread, 0.01);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const double beyondCore =
                std::max(std::hypot(x + 0.5 - spot.centre.x(), y + 0.5 - spot.centre.y()) - spot.coreRadius, 0.0);
            const double weight = std::exp(-beyondCore * beyondCore / (2.0 * spread * spread));
            double& value = values[Index(x, y)];
            value += weight * (spot.temperature - value);
        }
    }
}

void TemperatureField::AddNoise(Prng& prng, double sigma)
{
    for (double& value : values) {
        value += sigma * prng.Gaussian();
    }
}

TemperatureField BuildTemperatureField(const SceneDescription& scene)
{
    TemperatureField field;
    field.VerticalGradient(scene.topTemperature, scene.bottomTemperature);
    for (const ScenePart& part : scene.parts) {
        field.BlendPart(part);
    }
    for (const ThermalSpot& spot : scene.spots) {
        field.AddSpot(spot);
    }
    return field;
}
