#include "SceneSnapshot.h"

#include "Prng.h"
#include "Radiometry.h"
#include "TemperatureField.h"
#include "snapshot/ByteView.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int Width = TemperatureField::Width;
constexpr int Height = TemperatureField::Height;

double ValueScale(quint8 rangeType)
{
    return rangeType <= 2 ? 100.0 : 10.0;
}

qint16 ToStoredValue(double value)
{
    return static_cast<qint16>(
        std::clamp<double>(std::round(value), std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

// Raw values in the reader's layout: raw row 0 is the bottom row of the picture.
std::vector<qint32> RawImage(const TemperatureField& field, const CameraSettings& camera)
{
    const double scale = ValueScale(camera.rangeType);
    std::vector<qint32> raw(static_cast<std::size_t>(Width) * Height);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const double apparent = ApparentTemperature(field.At(x, y), camera.emissivity, camera.reflectedCelsius);
            raw[static_cast<std::size_t>(Height - 1 - y) * Width + x] = ToStoredValue(apparent * scale);
        }
    }
    return raw;
}

// Camera bookkeeping that nothing interprets; it only has to have the right shape per range type.
QByteArray OptionalBlock(const CameraSettings& camera, qint16 low, qint16 high)
{
    ByteWriter writer(ByteOrder::Big);
    if (camera.rangeType == 1) {
        writer.Write<quint8>(1);
        writer.Write<qint16>(low);
        writer.Write<qint32>(20260615);
        writer.Write<qint16>(high);
        writer.Write<qint16>(static_cast<qint16>(std::lround(camera.emissivity * 100)));
        writer.Write<qint32>(0x00010000);
        for (qint16 word : std::array<qint16, 5> {0, 160, 120, 9, 1}) {
            writer.Write<qint16>(word);
        }
    } else if (camera.rangeType >= 2) {
        for (qint16 word : std::array<qint16, 9> {camera.rangeType, low, high, 160, 120, 9, 0, 0, 1}) {
            writer.Write<qint16>(word);
        }
    }
    return writer.Bytes();
}

void SetTimestamps(SnapshotFileFields& fields, const QDateTime& captured)
{
    const QDateTime first =
        captured.isValid() ? captured.toUTC() : QDateTime(QDate(2026, 6, 15), QTime(10, 30), Qt::UTC);
    const QDateTime second = first.addSecs(2);
    fields.captureHour = first.time().hour();
    fields.captureMinute = first.time().minute();
    fields.captureSecond = first.time().second();
    fields.captureDay = first.date().day();
    fields.captureMonth = first.date().month();
    fields.captureYear = first.date().year();
    fields.secondHour = second.time().hour();
    fields.secondMinute = second.time().minute();
    fields.secondSecond = second.time().second();
    fields.secondDay = second.date().day();
    fields.secondMonth = second.date().month();
    fields.secondYear = second.date().year();
}

} // namespace

quint8 UnitCodeFor(DisplayUnit unit, quint8 versionMajor, quint8 versionMinor)
{
    const bool old = versionMajor == 0 && versionMinor <= 2;
    switch (unit) {
    case DisplayUnit::Celsius:
        return old ? 1 : 0;
    case DisplayUnit::Fahrenheit:
        return old ? 2 : 1;
    case DisplayUnit::Kelvin:
        return old ? 0 : 2;
    }
    return 0;
}

SceneSnapshot RenderSceneSnapshot(const SceneDescription& scene, quint64 noiseSeed)
{
    // Work with the values as the file stores them, so the program's correction undoes ours exactly.
    CameraSettings camera = scene.camera;
    camera.emissivity = std::clamp(std::round(camera.emissivity * 100.0), 1.0, 100.0) / 100.0;
    camera.reflectedCelsius = std::round(camera.reflectedCelsius * 100.0) / 100.0;
    TemperatureField field = BuildTemperatureField(scene);

    SceneSnapshot snapshot;
    for (const SceneMarker& marker : scene.markers) {
        snapshot.markerTemperatures.push_back(field.At(marker.x, marker.y));
    }

    const double scale = ValueScale(camera.rangeType);
    qint16 low = 0;
    qint16 high = 0;
    if (!camera.automaticRange) {
        const double margin = 1.0 + 0.03 * (field.Maximum() - field.Minimum());
        low = ToStoredValue(
            std::floor(ApparentTemperature(field.Minimum() - margin, camera.emissivity, camera.reflectedCelsius)) *
            scale);
        high = ToStoredValue(
            std::ceil(ApparentTemperature(field.Maximum() + margin, camera.emissivity, camera.reflectedCelsius)) *
            scale);
    }

    Prng noise(noiseSeed);
    field.AddNoise(noise, camera.noiseSigma);

    SnapshotFileFields& fields = snapshot.fields;
    fields.versionMajor = camera.versionMajor;
    fields.versionMinor = camera.versionMinor;
    SetTimestamps(fields, camera.captured);
    fields.shortText = scene.shortText;
    fields.longText = scene.longText;
    fields.rangeType = camera.rangeType;
    fields.rangeSubtype = 0;
    fields.reflectedTemp = ToStoredValue(camera.reflectedCelsius * 100.0);
    fields.paletteCode = camera.paletteCode;
    fields.displayLow = low;
    fields.displayHigh = high;
    fields.unitCode = UnitCodeFor(camera.unit, camera.versionMajor, camera.versionMinor);
    fields.emissivity = static_cast<quint8>(std::lround(camera.emissivity * 100.0));
    for (const SceneMarker& marker : scene.markers) {
        // The file counts marker x from the right edge of the shown picture.
        fields.markers.push_back(
            {static_cast<quint16>(Width - 1 - marker.x), static_cast<quint16>(marker.y), fields.emissivity});
    }
    fields.extraBlock = OptionalBlock(camera, low, high);
    fields.pixelStream = EncodePixelStream(RawImage(field, camera));
    return snapshot;
}
