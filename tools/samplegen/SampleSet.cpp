#include "SampleSet.h"

#include "Prng.h"
#include "TemperatureField.h"
#include "tools/samplegen/scenes/SceneVariation.h"
#include "tools/samplegen/scenes/Scenes.h"

#include <cmath>

namespace {

PhotoSpec Jpeg(int width, int height, int quality = 85)
{
    return PhotoSpec {"jpg", QSize(width, height), quality};
}

PhotoSpec Bitmap(int width, int height)
{
    return PhotoSpec {"bmp", QSize(width, height), -1};
}

// Photos per scene, in catalogue order: mostly small JPEGs, two bitmaps, one portrait and one
// full-size camera JPEG (smooth content keeps it small).
std::vector<PhotoSpec> ExamplePhotos(const QString& name)
{
    if (name == "motor-bearing") {
        return {Jpeg(4000, 3000, 75)};
    }
    if (name == "fuse-holder") {
        return {Jpeg(480, 640)};
    }
    if (name == "wall-thermal-bridge" || name == "uniform-plate") {
        return {Bitmap(320, 240)};
    }
    return {Jpeg(640, 480)};
}

quint64 MixSeed(quint64 seed, quint64 index)
{
    // splitmix64 step: neighbouring indexes get unrelated streams.
    quint64 z = seed + 0x9E3779B97F4A7C15ULL * (index + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void ChooseCamera(CameraSettings& camera, double hottest, Prng& prng)
{
    static const std::pair<quint8, quint8> versions[] = {{0, 2}, {0, 3}, {0, 4}, {1, 0}};
    const auto [major, minor] = versions[prng.Between(0, 3)];
    camera.versionMajor = major;
    camera.versionMinor = minor;
    camera.paletteCode = static_cast<quint8>(prng.Between(0, 6));
    // Hundredths of a degree cannot hold much above 300 degrees.
    camera.rangeType = static_cast<quint8>(hottest > 250.0 ? 3 : prng.Between(0, 3));
    camera.unit = static_cast<DisplayUnit>(prng.Between(0, 2));
    camera.emissivity = prng.Between(60, 100) / 100.0;
    camera.reflectedCelsius = std::round(prng.Uniform(10.0, 35.0) * 10.0) / 10.0;
    camera.automaticRange = prng.Chance(0.5);
    const QDate day = QDate(2020, 1, 1).addDays(prng.Between(0, 2500));
    camera.captured = QDateTime(day, QTime(prng.Between(0, 23), prng.Between(0, 59), prng.Between(0, 59)), Qt::UTC);
}

} // namespace

std::vector<SampleSpec> ExampleSamples(quint64 seed)
{
    std::vector<SampleSpec> samples;
    quint64 index = 0;
    for (SceneBuilder build : SceneCatalogue()) {
        SceneVariation canonical;
        SampleSpec sample {build(canonical), MixSeed(seed, index++), {}};
        sample.photos = ExamplePhotos(sample.scene.name);
        samples.push_back(std::move(sample));
    }
    return samples;
}

SampleSpec VariedSample(int index, quint64 seed)
{
    const std::vector<SceneBuilder>& catalogue = SceneCatalogue();
    const quint64 mixed = MixSeed(seed, static_cast<quint64>(index));
    SceneVariation variation(mixed);
    SampleSpec sample {catalogue[static_cast<std::size_t>(index) % catalogue.size()](variation), mixed + 1, {}};

    Prng prng(mixed + 2);
    ChooseCamera(sample.scene.camera, BuildTemperatureField(sample.scene).Maximum(), prng);
    sample.scene.markers.resize(
        static_cast<std::size_t>(prng.Between(0, static_cast<int>(sample.scene.markers.size()))));
    sample.scene.name = QString("snapshot-%1").arg(index + 1, 4, 10, QChar('0'));
    return sample;
}
