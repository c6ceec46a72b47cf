#include "SnapshotInfo.h"

#include "TemperatureUnits.h"

#include "snapshot/SnapshotPicture.h"
#include "snapshot/SnapshotUnit.h"
#include "snapshot/cQVX.h"

#include <QJsonArray>

#include <cmath>

namespace {

double Hundredths(double value)
{
    return std::round(value * 100.0) / 100.0;
}

QString PaletteName(PaletteKind kind)
{
    switch (kind) {
    case PaletteKind::Grey:
        return "grey";
    case PaletteKind::Ironbow:
        return "ironbow";
    case PaletteKind::Rainbow:
        return "rainbow";
    case PaletteKind::HighContrast:
        return "high-contrast";
    }
    return "ironbow";
}

QJsonValue AutomaticRange(const cQVX& snapshot, bool decoded)
{
    if (!decoded) {
        return QJsonValue::Null;
    }
    int low = 0;
    int high = 0;
    snapshot.AutoDisplayRange(low, high);
    return QJsonArray {low, high};
}

QJsonArray Markers(const cQVX& snapshot, bool decoded)
{
    QJsonArray markers;
    for (int i = 0; i < snapshot.markerCount; ++i) {
        markers.append(QJsonObject {
            {"x", snapshot.markerX[i]},
            {"y", snapshot.markerY[i]},
            {"emissivity", snapshot.markerEmissivity[i] / 100.0},
            {"temperature", decoded ? QJsonValue(Hundredths(snapshot.MarkerTemperature(i))) : QJsonValue::Null},
        });
    }
    return markers;
}

} // namespace

QJsonObject SnapshotInfo(cQVX& snapshot, const QString& file, TemperatureUnit unit)
{
    UseTemperatureUnit(snapshot, unit);
    const bool decoded = snapshot.Raw().size() == std::size_t(cQVX::PixelCount);
    return QJsonObject {
        {"file", file},
        {"valid", snapshot.valid},
        {"version", QString("%1.%2").arg(snapshot.versionMajor).arg(snapshot.versionMinor)},
        {"captureDate", snapshot.CaptureDateText()},
        {"captureTime", snapshot.CaptureTimeText()},
        {"rangeType", snapshot.rangeType},
        {"paletteCode", snapshot.paletteCode},
        {"palette", PaletteName(PaletteKindFor(snapshot))},
        {"emissivity", snapshot.emissivity / 100.0},
        {"reflectedTemp", Hundredths(FromCelsius(snapshot.reflectedTemp / 100.0, unit))},
        {"displayLow", snapshot.displayLow},
        {"displayHigh", snapshot.displayHigh},
        {"autoRange", AutomaticRange(snapshot, decoded)},
        {"unit", UnitSymbol(unit)},
        {"markers", Markers(snapshot, decoded)},
    };
}
