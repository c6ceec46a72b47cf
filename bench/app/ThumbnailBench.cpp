#include "tools/samplegen/SampleFiles.h"
#include "tools/samplegen/SampleSet.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

// What a file manager pays for the previews of a folder: thermreport --thumbnail run as a process
// of its own for each of 100 varied snapshots, start to finish. The figures are the time per file
// and the processor time one run takes (which is what the time per file comes down to on a machine
// that nothing else keeps busy).

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

// Processor seconds, user and system, of the finished children so far.
double ChildrenSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
        double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
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
    const double processorBefore = ChildrenSeconds();
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
    state.counters["cpu_per_file"] = (ChildrenSeconds() - processorBefore) / runs;
}

} // namespace

BENCHMARK(ThumbnailProcesses)->Arg(128)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond)->UseRealTime();
