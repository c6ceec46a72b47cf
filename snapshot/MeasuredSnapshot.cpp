#include "MeasuredSnapshot.h"

#include "TemperatureInversion.h"
#include "cQVX.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool Decoded(const cQVX& snapshot)
{
    return snapshot.Smoothed().size() == std::size_t(cQVX::PixelCount) &&
        snapshot.Raw().size() == std::size_t(cQVX::PixelCount);
}

// Raw row 0 is the picture's bottom line; columns run the same way in both.
std::size_t RawIndex(QPoint shown)
{
    return std::size_t(cQVX::Height - 1 - shown.y()) * cQVX::Width + std::size_t(shown.x());
}

const QRect PictureArea(0, 0, cQVX::Width, cQVX::Height);

quint8 PaletteCode(const cQVX& snapshot, PaletteKind kind)
{
    switch (kind) {
    case PaletteKind::Grey:
        return snapshot.greyCode;
    case PaletteKind::Rainbow:
        return snapshot.rainbowCode;
    case PaletteKind::HighContrast:
        return snapshot.highContrastCode;
    case PaletteKind::Ironbow:
        break;
    }
    return snapshot.ironbowCode;
}

} // namespace

void ApplyCorrection(cQVX& snapshot, const MeasurementSettings& settings)
{
    if (settings.emissivity && std::isfinite(*settings.emissivity)) {
        // Two decimals are whole percent, the snapshot's own measure of emissivity.
        const double percent = std::round(double(*settings.emissivity) * 100.0);
        snapshot.emissivity = quint8(std::clamp(percent, 1.0, 100.0));
    }
    if (settings.reflectedKelvin && std::isfinite(*settings.reflectedKelvin)) {
        const double hundredths = std::round((double(*settings.reflectedKelvin) - 273.15) * 100.0);
        snapshot.reflectedTemp = qint16(std::clamp(hundredths, -32768.0, 32767.0));
    }
    if (settings.palette) {
        snapshot.paletteCode = PaletteCode(snapshot, *settings.palette);
    }
}

void MeasuredColourRange(cQVX& snapshot, const MeasurementSettings& settings, double& low, double& high)
{
    if (!settings.manualRange) {
        int ownLow = 0;
        int ownHigh = 0;
        ColourRangeFor(snapshot, ownLow, ownHigh);
        low = ownLow;
        high = ownHigh;
        return;
    }
    // The range is kept in kelvin whatever unit the snapshot is read in.
    const quint8 unitCode = snapshot.unitCode;
    snapshot.unitCode = snapshot.kelvinCode;
    low = RawValueAt(snapshot, settings.manualRange->lowKelvin);
    high = RawValueAt(snapshot, settings.manualRange->highKelvin);
    snapshot.unitCode = unitCode;
}

QImage RenderMeasuredPicture(cQVX& snapshot, const MeasurementSettings& settings)
{
    ApplyCorrection(snapshot, settings);
    if (!settings.manualRange) {
        return RenderPicture(snapshot);
    }
    if (!snapshot.valid || (snapshot.Raw().empty() && !snapshot.LoadPixels(cQVX::Width, cQVX::Height))) {
        return {};
    }
    double low = 0.0;
    double high = 0.0;
    MeasuredColourRange(snapshot, settings, low, high);
    return RenderPictureInRange(snapshot, low, high);
}

float SpotTemperature(const cQVX& snapshot, QPoint shown)
{
    if (!Decoded(snapshot) || !PictureArea.contains(shown)) {
        return 0.0f;
    }
    return float(snapshot.ToTemperature(snapshot.Smoothed()[RawIndex(shown)], snapshot.emissivity / 100.0));
}

std::optional<BoxStatistics> MeasureBox(const cQVX& snapshot, QRect shown)
{
    const QRect area = shown.intersected(PictureArea);
    if (!Decoded(snapshot) || area.isEmpty()) {
        return std::nullopt;
    }
    const double emissivity = snapshot.emissivity / 100.0;
    double maximum = -std::numeric_limits<double>::infinity();
    double minimum = std::numeric_limits<double>::infinity();
    double sum = 0.0;
    QPoint hottest;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const double temperature = snapshot.ToTemperature(snapshot.Raw()[RawIndex({x, y})], emissivity);
            if (temperature > maximum) {
                maximum = temperature;
                hottest = {x, y};
            }
            minimum = std::min(minimum, temperature);
            sum += temperature;
        }
    }
    const double count = double(area.width()) * area.height();
    return BoxStatistics {float(maximum), float(minimum), float(sum / count), hottest};
}

bool LoadMeasuredSnapshot(cQVX& snapshot, const QString& path, const MeasurementSettings& settings)
{
    if (!snapshot.Load(path) || !snapshot.valid || !snapshot.LoadPixels(cQVX::Width, cQVX::Height)) {
        return false;
    }
    ApplyCorrection(snapshot, settings);
    return true;
}

int CursorCount(const cQVX& snapshot, const MeasurementSettings& settings)
{
    return std::min<int>(snapshot.markerCount, cQVX::MaxMarkers) + int(settings.spots.size());
}

float CursorTemperature(const cQVX& snapshot, const MeasurementSettings& settings, int cursor)
{
    const int markers = std::min<int>(snapshot.markerCount, cQVX::MaxMarkers);
    if (cursor < 1 || cursor > CursorCount(snapshot, settings)) {
        return 0.0f;
    }
    return cursor <= markers ? snapshot.MarkerTemperature(cursor - 1)
                             : SpotTemperature(snapshot, settings.spots[std::size_t(cursor - markers - 1)]);
}

void DrawCursor(
    QPainter* painter, const QRect& target, const cQVX& snapshot, const MeasurementSettings& settings, int cursor)
{
    const int markers = std::min<int>(snapshot.markerCount, cQVX::MaxMarkers);
    if (cursor < 1 || cursor > CursorCount(snapshot, settings)) {
        return;
    }
    if (cursor <= markers) {
        snapshot.DrawMarker(painter, target, cursor - 1);
    } else {
        DrawCrossMark(painter, target, settings.spots[std::size_t(cursor - markers - 1)], MarkerColours(cursor - 1));
    }
}

void DrawSpotsAndBoxes(QPainter* painter,
                       const QRect& target,
                       const cQVX& snapshot,
                       const MeasurementSettings& settings)
{
    const int markers = std::min<int>(snapshot.markerCount, cQVX::MaxMarkers);
    for (std::size_t index = 0; index < settings.spots.size(); ++index) {
        DrawCrossMark(painter, target, settings.spots[index], MarkerColours(markers + int(index)));
    }
    for (std::size_t index = 0; index < settings.boxes.size(); ++index) {
        const auto statistics = MeasureBox(snapshot, settings.boxes[index]);
        if (statistics) {
            DrawBoxMark(painter, target, settings.boxes[index], statistics->hottest, BoxColours(int(index)));
        }
    }
}
