#include "MeasurementSettings.h"

#include <algorithm>
#include <cmath>

namespace {

// Float fields come from a file as 32-bit values: an emissivity of 0.95 reads 0.949999988.
constexpr float Slack = 1e-4f;

bool Within(float value, float low, float high)
{
    return std::isfinite(value) && value >= low - Slack && value <= high + Slack;
}

bool HasTwoDecimals(float value)
{
    const double hundredths = double(value) * 100.0;
    return std::abs(hundredths - std::round(hundredths)) < 1e-3;
}

bool InPicture(qint64 x, qint64 y)
{
    return x >= 0 && x < MeasurementSettings::PictureWidth && y >= 0 && y < MeasurementSettings::PictureHeight;
}

bool BoxInPicture(const QRect& box)
{
    const qint64 right = qint64(box.x()) + box.width();
    const qint64 bottom = qint64(box.y()) + box.height();
    return InPicture(box.x(), box.y()) && box.width() >= 1 && box.height() >= 1 &&
        right <= MeasurementSettings::PictureWidth && bottom <= MeasurementSettings::PictureHeight;
}

} // namespace

bool IsWithinLimits(const MeasurementSettings& settings)
{
    using Limits = MeasurementSettings;
    if (settings.emissivity &&
        !(Within(*settings.emissivity, Limits::MinEmissivity, Limits::MaxEmissivity) &&
          HasTwoDecimals(*settings.emissivity))) {
        return false;
    }
    if (settings.reflectedKelvin &&
        !Within(*settings.reflectedKelvin, Limits::MinReflectedKelvin, Limits::MaxReflectedKelvin)) {
        return false;
    }
    if (settings.palette && (int(*settings.palette) < 0 || int(*settings.palette) > int(PaletteKind::HighContrast))) {
        return false;
    }
    if (const auto& range = settings.manualRange) {
        if (!Within(range->lowKelvin, Limits::MinRangeKelvin, Limits::MaxRangeKelvin) ||
            !Within(range->highKelvin, Limits::MinRangeKelvin, Limits::MaxRangeKelvin) ||
            !(range->lowKelvin < range->highKelvin)) {
            return false;
        }
    }
    if (settings.spots.size() > std::size_t(Limits::MaxSpots) ||
        settings.boxes.size() > std::size_t(Limits::MaxBoxes)) {
        return false;
    }
    return std::all_of(settings.spots.begin(),
                       settings.spots.end(),
                       [](const QPoint& spot) { return InPicture(spot.x(), spot.y()); }) &&
        std::all_of(settings.boxes.begin(), settings.boxes.end(), BoxInPicture);
}
