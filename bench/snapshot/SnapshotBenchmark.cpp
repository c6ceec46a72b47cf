#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {
// A warm spot on a sloping background, different for every seed, as a camera would see it.
std::vector<qint32> Scene(int seed)
{
    std::vector<qint32> raw;
    raw.reserve(cQVX::PixelCount);
    const double spotX = 20 + seed % 120;
    const double spotY = 10 + (seed * 7) % 100;
    for (int row = 0; row < cQVX::Height; ++row) {
        for (int column = 0; column < cQVX::Width; ++column) {
            const double distance = std::hypot(column - spotX, row - spotY);
            const double value = 2000 + 5 * row + 1500 * std::exp(-distance * distance / 200) + (column * seed) % 7;
            raw.push_back(qint32(value));
        }
    }
    return raw;
}

// A folder of snapshot files written once for all benchmarks.
class SnapshotFolder
{
public:
    explicit SnapshotFolder(int count)
    {
        for (int seed = 0; seed < count; ++seed) {
            SnapshotFileFields fields;
            fields.pixelStream = EncodePixelStream(Scene(seed));
            fields.paletteCode = quint8(seed % 4);
            fields.markers = {{quint16(seed % 160), quint16(seed % 120), 95}, {80, 60, 95}};
            const QString path = folder.filePath(QStringLiteral("snapshot%1.qvx").arg(seed, 3, 10, QLatin1Char('0')));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly) && file.write(WriteSnapshotFile(fields)) > 0) {
                paths.append(path);
            }
        }
    }

    QTemporaryDir folder;
    QStringList paths;
};

const SnapshotFolder& Folder()
{
    static const SnapshotFolder folder(500);
    return folder;
}

// What every view of a snapshot does: load the file, decode, choose the range, render.
void LoadAndRender(const QString& path)
{
    cQVX snapshot;
    if (snapshot.Load(path) && snapshot.valid) {
        benchmark::DoNotOptimize(RenderPicture(snapshot));
    }
}

void OneSnapshotFromAFile(benchmark::State& state)
{
    const QString path = Folder().paths.value(0);
    for (auto _ : state) {
        LoadAndRender(path);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(OneSnapshotFromAFile);

void FolderOf500Snapshots(benchmark::State& state)
{
    const QStringList& paths = Folder().paths;
    for (auto _ : state) {
        for (const QString& path : paths) {
            LoadAndRender(path);
        }
    }
    state.SetItemsProcessed(state.iterations() * paths.size());
}
BENCHMARK(FolderOf500Snapshots)->Unit(benchmark::kMillisecond);

// The stages alone, to see where the time goes.
void Stage(benchmark::State& state, const std::function<void(cQVX&)>& stage)
{
    cQVX snapshot(Folder().paths.value(0));
    snapshot.LoadPixels(cQVX::Width, cQVX::Height);
    for (auto _ : state) {
        stage(snapshot);
    }
}

BENCHMARK_CAPTURE(Stage, Load, [](cQVX& snapshot) { snapshot.Load(Folder().paths.value(0)); });
BENCHMARK_CAPTURE(Stage, LoadPixels, [](cQVX& snapshot) { snapshot.LoadPixels(cQVX::Width, cQVX::Height); });
BENCHMARK_CAPTURE(Stage, AutoDisplayRange, [](cQVX& snapshot) {
    int low = 0;
    int high = 0;
    snapshot.AutoDisplayRange(low, high);
    benchmark::DoNotOptimize(low + high);
});
BENCHMARK_CAPTURE(Stage, Render, [](cQVX& snapshot) {
    benchmark::DoNotOptimize(snapshot.Render(cQVX::Width, cQVX::Height, 1, 2000, 3000));
});
BENCHMARK_CAPTURE(Stage, RenderPicture, [](cQVX& snapshot) { benchmark::DoNotOptimize(RenderPicture(snapshot)); });
} // namespace
