#include "tools/samplegen/SceneSnapshot.h"
#include "snapshot/cQVX.h"
#include "tools/samplegen/SampleSet.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>

// The generator's promise: the program reads each marker as the temperature the scene meant.

namespace {

constexpr int VariedCount = 18;

// Samples are built inside each test (by number), so listing the tests stays cheap.
int ExampleCount()
{
    return static_cast<int>(ExampleSamples(2026).size());
}

SampleSpec SampleNumber(int index)
{
    return index < ExampleCount() ? ExampleSamples(2026)[index] : VariedSample(index - ExampleCount(), 77);
}

std::string SampleName(const testing::TestParamInfo<int>& info)
{
    if (info.param >= ExampleCount()) {
        return "varied_" + std::to_string(info.param - ExampleCount());
    }
    std::string name = ExampleSamples(2026)[info.param].scene.name.toStdString();
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}

class SceneSnapshotMarkers : public testing::TestWithParam<int>
{
};

TEST_P(SceneSnapshotMarkers, ReadBackAsTheSceneMeantThem)
{
    const SampleSpec sample = SampleNumber(GetParam());
    const SceneSnapshot snapshot = RenderSceneSnapshot(sample.scene, sample.noiseSeed);
    cQVX reader;
    ASSERT_TRUE(reader.LoadFromBytes(WriteSnapshotFile(snapshot.fields)));
    ASSERT_TRUE(reader.LoadPixels(cQVX::Width, cQVX::Height));
    ASSERT_EQ(reader.markerCount, sample.scene.markers.size());
    reader.unitCode = reader.celsiusCode;

    // Noise (averaged over the reader's 2 x 2 smoothing), the file's quantisation and the slope
    // of a marker that sits on a gentle gradient all fit within this.
    const double tolerance = 0.25 + 2.0 * sample.scene.camera.noiseSigma + (reader.rangeType >= 3 ? 0.2 : 0.0);
    for (std::size_t i = 0; i < sample.scene.markers.size(); ++i) {
        EXPECT_NEAR(reader.MarkerTemperature(static_cast<int>(i)), snapshot.markerTemperatures[i], tolerance)
            << sample.scene.markers[i].role.toStdString() << " marker " << i;
    }
}

TEST_P(SceneSnapshotMarkers, SettingsReachTheFile)
{
    const SampleSpec sample = SampleNumber(GetParam());
    const CameraSettings& camera = sample.scene.camera;
    cQVX reader;
    ASSERT_TRUE(reader.LoadFromBytes(WriteSnapshotFile(RenderSceneSnapshot(sample.scene, sample.noiseSeed).fields)));
    EXPECT_EQ(reader.paletteCode, camera.paletteCode);
    EXPECT_EQ(reader.rangeType, camera.rangeType);
    EXPECT_EQ(reader.emissivity, std::lround(camera.emissivity * 100));
    EXPECT_EQ(reader.reflectedTemp, std::lround(camera.reflectedCelsius * 100));
    const quint8 expectedUnit = camera.unit == DisplayUnit::Celsius ? reader.celsiusCode
        : camera.unit == DisplayUnit::Fahrenheit                    ? reader.fahrenheitCode
                                                                    : reader.kelvinCode;
    EXPECT_EQ(reader.unitCode, expectedUnit);
    EXPECT_EQ(reader.displayLow == 0 && reader.displayHigh == 0, camera.automaticRange);
    EXPECT_EQ(reader.extraLength > 0, camera.rangeType >= 1);
}

INSTANTIATE_TEST_SUITE_P(Samples, SceneSnapshotMarkers, testing::Range(0, ExampleCount() + VariedCount), SampleName);

TEST(SceneSnapshot, SameSeedSameFileOtherSeedOtherNoise)
{
    const SampleSpec sample = ExampleSamples(2026).front();
    const QByteArray first = WriteSnapshotFile(RenderSceneSnapshot(sample.scene, 11).fields);
    EXPECT_EQ(first, WriteSnapshotFile(RenderSceneSnapshot(sample.scene, 11).fields));
    EXPECT_NE(first, WriteSnapshotFile(RenderSceneSnapshot(sample.scene, 12).fields));
}

TEST(SceneSnapshot, ExampleSetCoversEveryPaletteCodeVersionAndRangeType)
{
    std::set<int> palettes;
    std::set<int> rangeTypes;
    std::set<std::pair<int, int>> versions;
    std::set<bool> automatic;
    std::size_t mostMarkers = 0;
    std::size_t fewestMarkers = 10;
    for (const SampleSpec& sample : ExampleSamples(2026)) {
        const CameraSettings& camera = sample.scene.camera;
        palettes.insert(camera.paletteCode);
        rangeTypes.insert(camera.rangeType);
        versions.insert({camera.versionMajor, camera.versionMinor});
        automatic.insert(camera.automaticRange);
        mostMarkers = std::max(mostMarkers, sample.scene.markers.size());
        fewestMarkers = std::min(fewestMarkers, sample.scene.markers.size());
    }
    EXPECT_EQ(palettes, (std::set<int> {0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(rangeTypes, (std::set<int> {0, 1, 2, 3}));
    EXPECT_TRUE(versions.count({0, 2}) && versions.count({0, 4}) && versions.count({1, 0}));
    EXPECT_EQ(automatic.size(), 2u);
    EXPECT_EQ(mostMarkers, 10u);
    EXPECT_EQ(fewestMarkers, 0u);
}

} // namespace
