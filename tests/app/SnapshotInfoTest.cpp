#include "app/cli/SnapshotInfo.h"
#include "SnapshotFixtures.h"
#include "app/cli/SnapshotLoading.h"
#include "snapshot/cQVX.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ExampleExpectation
{
    const char* name;
    const char* version;
    const char* palette;
};

void PrintTo(const ExampleExpectation& example, std::ostream* out)
{
    *out << example.name;
}

class SnapshotInfoOfExample : public testing::TestWithParam<ExampleExpectation>
{
protected:
    // Loads the example's snapshot through a real file, as the command does.
    QJsonObject InfoIn(TemperatureUnit unit)
    {
        const QString path = folder.filePath(QString(GetParam().name) + ".qvx");
        if (!WriteBytes(path, WriteSnapshotFile(Snapshot().fields))) {
            ADD_FAILURE() << "cannot write " << path.toStdString();
            return {};
        }
        cQVX snapshot;
        const auto opened = OpenSnapshot(path, snapshot);
        EXPECT_TRUE(opened.Ok()) << opened.Message().toStdString();
        return SnapshotInfo(snapshot, path, unit);
    }

    SampleSpec Sample() const { return ExampleNamed(GetParam().name); }
    SceneSnapshot Snapshot() const { return RenderSceneSnapshot(Sample().scene, Sample().noiseSeed); }

    QTemporaryDir folder;
};

TEST_P(SnapshotInfoOfExample, HeaderFields)
{
    const QJsonObject info = InfoIn(TemperatureUnit::Celsius);
    const CameraSettings& camera = Sample().scene.camera;
    EXPECT_TRUE(info["valid"].toBool());
    EXPECT_EQ(info["version"].toString(), GetParam().version);
    EXPECT_EQ(info["palette"].toString(), GetParam().palette);
    EXPECT_EQ(info["paletteCode"].toInt(), camera.paletteCode);
    EXPECT_EQ(info["rangeType"].toInt(), camera.rangeType);
    EXPECT_DOUBLE_EQ(info["emissivity"].toDouble(), camera.emissivity);
    EXPECT_DOUBLE_EQ(info["reflectedTemp"].toDouble(), camera.reflectedCelsius);
    EXPECT_EQ(info["unit"].toString(), "C");
    EXPECT_EQ(info["displayLow"].toInt(), Snapshot().fields.displayLow);
    EXPECT_EQ(info["displayHigh"].toInt(), Snapshot().fields.displayHigh);
    const QJsonArray autoRange = info["autoRange"].toArray();
    ASSERT_EQ(autoRange.size(), 2);
    if (Sample().scene.parts.empty()) {
        // A uniform scene: the automatic range closes onto its one temperature (35.00, e = 1).
        EXPECT_EQ(autoRange[0].toInt(), 3500);
        EXPECT_EQ(autoRange[1].toInt(), 3500);
    } else {
        EXPECT_LT(autoRange[0].toInt(), autoRange[1].toInt());
    }
    EXPECT_FALSE(info["captureDate"].toString().isEmpty());
}

TEST_P(SnapshotInfoOfExample, MarkersShowTheIntendedTemperaturesInEveryUnit)
{
    const SceneSnapshot snapshot = Snapshot();
    const double tolerance = 0.3 + 2 * Sample().scene.camera.noiseSigma;
    const QJsonArray celsius = InfoIn(TemperatureUnit::Celsius)["markers"].toArray();
    const QJsonArray fahrenheit = InfoIn(TemperatureUnit::Fahrenheit)["markers"].toArray();
    const QJsonArray kelvin = InfoIn(TemperatureUnit::Kelvin)["markers"].toArray();
    ASSERT_EQ(celsius.size(), static_cast<qsizetype>(snapshot.markerTemperatures.size()));
    for (qsizetype i = 0; i < celsius.size(); ++i) {
        const QJsonObject marker = celsius[i].toObject();
        EXPECT_EQ(marker["x"].toInt(), snapshot.fields.markers[i].x);
        EXPECT_EQ(marker["y"].toInt(), snapshot.fields.markers[i].y);
        EXPECT_DOUBLE_EQ(marker["emissivity"].toDouble(), snapshot.fields.markers[i].emissivity / 100.0);
        const double c = marker["temperature"].toDouble();
        EXPECT_NEAR(c, snapshot.markerTemperatures[i], tolerance) << "marker " << i;
        // Each unit is rounded to hundredths on its own.
        EXPECT_NEAR(fahrenheit[i].toObject()["temperature"].toDouble(), c * 1.8 + 32, 0.02);
        EXPECT_NEAR(kelvin[i].toObject()["temperature"].toDouble(), c + 273.15, 0.011);
    }
}

INSTANTIATE_TEST_SUITE_P(Examples,
                         SnapshotInfoOfExample,
                         testing::Values(ExampleExpectation {"panel-breaker", "0.4", "ironbow"},
                                         ExampleExpectation {"connector-lug", "1.0", "rainbow"},
                                         ExampleExpectation {"fuse-holder", "0.2", "grey"},
                                         ExampleExpectation {"motor-bearing", "0.2", "rainbow"},
                                         ExampleExpectation {"pump-coupling", "0.4", "ironbow"},
                                         ExampleExpectation {"steam-valve", "0.4", "high-contrast"},
                                         ExampleExpectation {"wall-thermal-bridge", "0.4", "grey"},
                                         ExampleExpectation {"window-facade", "0.2", "ironbow"},
                                         ExampleExpectation {"uniform-plate", "1.0", "ironbow"}),
                         [](const testing::TestParamInfo<ExampleExpectation>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

TEST(SnapshotInfo, ReflectedTemperatureFollowsTheUnit)
{
    SnapshotFileFields fields = FieldsWithOnePixel(0, 0, 2000, 2000);
    fields.reflectedTemp = -800;
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_DOUBLE_EQ(SnapshotInfo(snapshot, "f", TemperatureUnit::Celsius)["reflectedTemp"].toDouble(), -8.0);
    EXPECT_DOUBLE_EQ(SnapshotInfo(snapshot, "f", TemperatureUnit::Fahrenheit)["reflectedTemp"].toDouble(), 17.6);
    EXPECT_DOUBLE_EQ(SnapshotInfo(snapshot, "f", TemperatureUnit::Kelvin)["reflectedTemp"].toDouble(), 265.15);
}

TEST(SnapshotInfo, WithoutPixelsTheDecodedValuesAreNull)
{
    SnapshotFileFields fields;
    fields.markers = {{10, 10, 95}};
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    ASSERT_FALSE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    const QJsonObject info = SnapshotInfo(snapshot, "empty.qvx", TemperatureUnit::Celsius);
    EXPECT_TRUE(info["autoRange"].isNull());
    EXPECT_TRUE(info["markers"].toArray()[0].toObject()["temperature"].isNull());
    EXPECT_EQ(info["markers"].toArray()[0].toObject()["x"].toInt(), 10);
}

} // namespace
