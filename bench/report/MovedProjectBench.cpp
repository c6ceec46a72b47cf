#include "report/MovedFileSearch.h"
#include "report/ProjectCheck.h"
#include "report/ProjectFile.h"
#include "report/ProjectFileIO.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Inspections = 500;

// A survey of 500 inspections, each with its own copy of an example snapshot and photo, saved
// beside its files and then moved as a whole to another folder.
struct MovedSurvey
{
    QTemporaryDir root;
    QString placedProject;
    QString movedProject; // states relative paths
    QString movedOldProject; // the same, as a file without them would be
    QString inPlaceProject;

    MovedSurvey()
    {
        const QString site = root.filePath("inspector/site-2026");
        QDir().mkpath(site + "/snapshots");
        QDir().mkpath(site + "/photos");
        ReportProject project;
        for (int i = 0; i < Inspections; ++i) {
            const QString n = QString::number(i);
            const QString snapshot = site + "/snapshots/IR_" + n + ".qvx";
            const QString photo = site + "/photos/DC_" + n + ".jpg";
            QFile::copy(THERMREPORT_SOURCE_DIR "/examples/connector-lug.qvx", snapshot);
            QFile::copy(THERMREPORT_SOURCE_DIR "/examples/connector-lug.jpg", photo);
            project.AppendInspection({snapshot, photo, {}});
        }
        placedProject = site + "/site.QVR";
        SaveProjectFile(placedProject, project);
        // A copy elsewhere, stating no relative paths, for the search by trailing parts.
        QFile old(site + "/old.QVR");
        old.open(QIODevice::WriteOnly);
        old.write(SerializeProject(project));
        old.close();
        QDir().mkpath(root.filePath("usb/archive"));
        QDir().rename(site, root.filePath("usb/archive/site"));
        movedProject = root.filePath("usb/archive/site/site.QVR");
        movedOldProject = root.filePath("usb/archive/site/old.QVR");
        // The moved survey saved again where it is now, for the open without a search.
        ProjectReadResult read = LoadProjectFile(movedProject);
        FindMovedFiles(read.Value(), movedProject);
        inPlaceProject = root.filePath("usb/archive/site/in-place.QVR");
        SaveProjectFile(inPlaceProject, read.Value());
    }
};

MovedSurvey& Survey()
{
    static MovedSurvey survey;
    return survey;
}

void Open(benchmark::State& state, const QString& path, bool moved)
{
    for (auto _ : state) {
        ProjectReadResult read = LoadProjectFile(path);
        if (!read.Ok()) {
            state.SkipWithError("the survey did not read");
            break;
        }
        const MovedFileSearch search = FindMovedFiles(read.Value(), path);
        if (!search.missing.empty() || int(search.found.size()) != (moved ? 2 * Inspections : 0) ||
            CheckProjectFiles(read.Value(), search.FoundPaths())) {
            state.SkipWithError("the survey did not open");
            break;
        }
    }
}

// The files are where the project says: the search only sees that each one is there.
void OpenInPlace(benchmark::State& state)
{
    Open(state, Survey().inPlaceProject, false);
}

void OpenMovedWithRelativePaths(benchmark::State& state)
{
    Open(state, Survey().movedProject, true);
}

void OpenMovedByTrailingParts(benchmark::State& state)
{
    Open(state, Survey().movedOldProject, true);
}

// The survey is built on the first call, before any timed loop.
BENCHMARK(OpenInPlace)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(OpenMovedWithRelativePaths)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(OpenMovedByTrailingParts)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
