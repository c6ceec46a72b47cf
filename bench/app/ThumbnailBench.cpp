#include "tools/samplegen/SampleFiles.h"
#include "tools/samplegen/SampleSet.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

// What a file manager pays for the previews of a folder: thermreport --thumbnail run as a process
// of its own for each of 100 varied snapshots, start to finish. The figure is the time per file.

namespace {

constexpr int SnapshotCount = 100;

const QStringList& Snapshots()
{
    static QTemporaryDir* folder = new QTemporaryDir;
    static const QStringList paths = [] {
        QStringList made;
        for (int i = 0; i < SnapshotCount; ++i) {
            SampleSpec sample = VariedSample(i, 2026);
            sample.scene.name = QString("snapshot%1").arg(i, 3, 10, QChar('0'));
            sample.photos.clear();
            const SampleWriteResult written = WriteSample(sample, QDir(folder->path()));
            if (!written.ok || written.files.isEmpty()) {
                std::fprintf(stderr, "cannot write the sample snapshots\n");
                std::abort();
            }
            made << written.files.first();
        }
        return made;
    }();
    return paths;
}

// Starts the program and waits for it; false unless it exited with status 0.
bool RunOnce(const QByteArray& input, const QByteArray& output, const QByteArray& size)
{
    const QByteArray program = THERMREPORT_BINARY_DIR "/bin/thermreport";
    std::vector<char*> arguments {const_cast<char*>(program.data()),
                                  const_cast<char*>("--thumbnail"),
                                  const_cast<char*>(input.data()),
                                  const_cast<char*>(output.data()),
                                  const_cast<char*>(size.data()),
                                  nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, program.data(), nullptr, nullptr, arguments.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ThumbnailProcesses(benchmark::State& state)
{
    const QStringList& snapshots = Snapshots();
    QTemporaryDir outputs;
    const QByteArray size = QByteArray::number(state.range(0));
    std::vector<std::pair<QByteArray, QByteArray>> files;
    for (int i = 0; i < snapshots.size(); ++i) {
        files.emplace_back(snapshots[i].toLocal8Bit(),
                           QDir(outputs.path()).filePath(QString("%1.png").arg(i)).toLocal8Bit());
    }
    for (auto _ : state) {
        for (const auto& [input, output] : files) {
            if (!RunOnce(input, output, size)) {
                state.SkipWithError("a thumbnail run failed");
                return;
            }
        }
    }
    const auto runs = double(state.iterations()) * double(files.size());
    state.counters["per_file"] = benchmark::Counter(runs, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(ThumbnailProcesses)->Arg(128)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
