#include "app/gui/CQvxReportWriterDoc.h"
#include "pages/imageselect/ImageSelectDlg.h"
#include "pages/thumbnails/FolderScan.h"
#include "pages/thumbnails/ThumbnailFill.h"
#include "tools/samplegen/SampleFiles.h"
#include "tools/samplegen/SampleSet.h"
#include "tools/samplegen/ScenePhoto.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <cstdio>

// How long the Image Select page takes to fill its folder lists: 500 generated snapshots, and
// 100 copies of one 4000 x 3000 photograph. The core rows make the thumbnails alone; the page
// rows run Refresh and wait until the list is complete.

namespace {

constexpr int SnapshotCount = 500;
constexpr int PhotoCount = 100;
constexpr QSize PhotoSize(4000, 3000);

struct SampleFolders
{
    QTemporaryDir root;
    QString snapshots;
    QString photos;
};

const SampleFolders& Folders()
{
    static SampleFolders* folders = [] {
        auto* made = new SampleFolders;
        QDir root(made->root.path());
        root.mkdir("snapshots");
        root.mkdir("photos");
        made->snapshots = root.filePath("snapshots");
        made->photos = root.filePath("photos");
        // Varied scenes repeat after the catalogue; write each under its own number.
        for (int i = 0; i < SnapshotCount; ++i) {
            SampleSpec sample = VariedSample(i, 2026);
            sample.scene.name = QString("snapshot%1").arg(i, 3, 10, QChar('0'));
            if (!WriteSample(sample, QDir(made->snapshots)).ok) {
                std::fprintf(stderr, "cannot write the sample snapshots\n");
                std::abort();
            }
        }
        const QString first = QDir(made->photos).filePath("photo000.jpg");
        QImageWriter writer(first, "jpg");
        writer.setQuality(90);
        writer.write(PaintScenePhoto(ExampleSamples(2026).front().scene, PhotoSize));
        for (int i = 1; i < PhotoCount; ++i) {
            QFile::copy(first, QDir(made->photos).filePath(QString("photo%1.jpg").arg(i, 3, 10, QChar('0'))));
        }
        return made;
    }();
    return *folders;
}

void CoreFill(benchmark::State& state, ThumbnailFill::Kind kind, const QString& folder, const QString& extension)
{
    const QStringList names = ListFolderFiles(folder, extension);
    for (auto _ : state) {
        benchmark::DoNotOptimize(MakeThumbnails(kind, folder, names));
    }
    state.counters["files"] = double(names.size());
}

void BM_SnapshotThumbnails(benchmark::State& state)
{
    CoreFill(state, ThumbnailFill::Snapshots, Folders().snapshots, "qvx");
}

void BM_PhotoThumbnails(benchmark::State& state)
{
    CoreFill(state, ThumbnailFill::Images, Folders().photos, "jpg");
}

// Refresh beside one list, then wait until it holds every thumbnail, events running throughout.
void PageFill(benchmark::State& state, bool snapshots)
{
    CQvxReportWriterDoc document;
    ImageSelectDlg page(&document);
    page.resize(980, 700);
    page.show();
    const char* edit = snapshots ? "snapshotFolderEdit" : "imageFolderEdit";
    const char* refresh = snapshots ? "snapshotRefreshButton" : "imageRefreshButton";
    page.findChild<QLineEdit*>(edit)->setText(snapshots ? Folders().snapshots : Folders().photos);
    // A 5 ms timer stands for the user's input: its longest gap is how long the window froze.
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    for (auto _ : state) {
        page.findChild<QPushButton*>(refresh)->click();
        sinceTick.start();
        ticker.start();
        while (page.Filling()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ticker.stop();
    }
    const qsizetype listed = snapshots ? page.SnapshotNames().size() : page.ImageNames().size();
    state.counters["files"] = double(listed);
    state.counters["longest_freeze_ms"] = double(longestGap);
}

void BM_PageSnapshotFolderFill(benchmark::State& state)
{
    PageFill(state, true);
}

void BM_PagePhotoFolderFill(benchmark::State& state)
{
    PageFill(state, false);
}

// Refresh beside both lists, then at once "Add All >>" and "<< Add All", and wait until every
// row shows its thumbnails. The rows take the whole folders before their thumbnails exist.
void BM_PageAddAllWhileFilling(benchmark::State& state)
{
    CQvxReportWriterDoc document;
    ImageSelectDlg page(&document);
    page.resize(980, 700);
    page.show();
    page.findChild<QLineEdit*>("snapshotFolderEdit")->setText(Folders().snapshots);
    page.findChild<QLineEdit*>("imageFolderEdit")->setText(Folders().photos);
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    for (auto _ : state) {
        page.RemoveAllRows();
        sinceTick.start();
        ticker.start();
        page.findChild<QPushButton*>("snapshotRefreshButton")->click();
        page.findChild<QPushButton*>("imageRefreshButton")->click();
        page.AddAll();
        page.PairAll();
        while (page.Filling()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        ticker.stop();
    }
    state.counters["rows"] = double(page.RowCount());
    state.counters["longest_freeze_ms"] = double(longestGap);
}

// A project of 100 inspections, each a snapshot with one of the large photographs.
void BM_PageProjectLoad(benchmark::State& state)
{
    CQvxReportWriterDoc document;
    ImageSelectDlg page(&document);
    const QStringList snapshots = ListFolderFiles(Folders().snapshots, "qvx");
    const QStringList photos = ListFolderFiles(Folders().photos, "jpg");
    std::vector<InspectionSelection> selections;
    for (int i = 0; i < PhotoCount; ++i) {
        selections.push_back(
            {FolderFilePath(Folders().snapshots, snapshots.at(i)), FolderFilePath(Folders().photos, photos.at(i)), {}});
    }
    const std::vector<InspectionDetails> details(selections.size());
    for (auto _ : state) {
        if (!page.LoadSelections(selections, details)) {
            state.SkipWithError("the project did not load");
        }
    }
    state.counters["inspections"] = double(page.RowCount());
}

BENCHMARK(BM_SnapshotThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PhotoThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PageSnapshotFolderFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PagePhotoFolderFill)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PageAddAllWhileFilling)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PageProjectLoad)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
