#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/cQVX.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// A decoded snapshot of a warm spot on a sloping background.
void LoadScene(cQVX& snapshot)
{
    std::vector<qint32> raw;
    raw.reserve(cQVX::PixelCount);
    for (int row = 0; row < cQVX::Height; ++row) {
        for (int column = 0; column < cQVX::Width; ++column) {
            const double distance = std::hypot(column - 90.0, row - 50.0);
            raw.push_back(qint32(2000 + 5 * row + 1500 * std::exp(-distance * distance / 200)));
        }
    }
    SnapshotFileFields fields;
    fields.pixelStream = EncodePixelStream(raw);
    fields.markers = {{40, 30, 95}, {120, 90, 95}};
    snapshot.LoadFromBytes(WriteSnapshotFile(fields));
    snapshot.LoadPixels(cQVX::Width, cQVX::Height);
}

// The whole picture as boxes when `wholePicture`, otherwise five boxes of a typical size.
MeasurementSettings EverySetting(bool wholePicture)
{
    MeasurementSettings settings;
    settings.reflectedKelvin = 290.0f;
    settings.palette = PaletteKind::Rainbow;
    settings.manualRange = ManualColourRange {285.0f, 330.0f};
    for (int index = 0; index < MeasurementSettings::MaxSpots; ++index) {
        settings.spots.emplace_back(10 + 14 * index, 5 + 11 * index);
    }
    for (int index = 0; index < MeasurementSettings::MaxBoxes; ++index) {
        settings.boxes.push_back(wholePicture ? QRect(0, 0, cQVX::Width, cQVX::Height)
                                              : QRect(5 + 30 * index, 10 + 20 * index, 30, 25));
    }
    return settings;
}

// What follows a new emissivity: the picture in its range and every number of the inspection.
void NewEmissivity(benchmark::State& state)
{
    cQVX snapshot;
    LoadScene(snapshot);
    MeasurementSettings settings = EverySetting(state.range(0) != 0);
    int step = 0;
    for (auto _ : state) {
        settings.emissivity = (step++ % 2) != 0 ? 0.80f : 0.95f;
        benchmark::DoNotOptimize(RenderMeasuredPicture(snapshot, settings));
        for (int cursor = 1; cursor <= CursorCount(snapshot, settings); ++cursor) {
            benchmark::DoNotOptimize(CursorTemperature(snapshot, settings, cursor));
        }
        for (const QRect& box : settings.boxes) {
            benchmark::DoNotOptimize(MeasureBox(snapshot, box));
        }
    }
}
BENCHMARK(NewEmissivity)->Arg(0)->Arg(1)->ArgNames({"wholePictureBoxes"})->Unit(benchmark::kMicrosecond);

} // namespace
