// How long the Inspection Data page takes to step to the next inspection (storing the shown one,
// rendering the snapshot, decoding the photo, the measurements), to follow a change of the
// emissivity, and to paint its image strip.
#include "app/gui/CQvxReportWriterDoc.h"
#include "pages/details/DetailsDlg.h"
#include "pages/details/ImageArea.h"
#include "report/ReportProject.h"

#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

const QDir Examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));

// Every example snapshot with the photo of the same scene.
void AddExamples(ReportProject& project)
{
    for (const QString& name : Examples.entryList({QStringLiteral("*.qvx")}, QDir::Files, QDir::Name)) {
        const QString base = name.chopped(4);
        QString photo = Examples.filePath(base + QStringLiteral(".jpg"));
        if (!QFile::exists(photo)) {
            photo = Examples.filePath(base + QStringLiteral(".bmp"));
        }
        project.AppendInspection({Examples.filePath(name), photo, {}});
    }
}

void BM_NextInspection(benchmark::State& state)
{
    CQvxReportWriterDoc document;
    AddExamples(document.Project());
    DetailsDlg page(&document);
    page.resize(980, 700);
    page.show();
    for (auto _ : state) {
        page.Next();
    }
    state.counters["inspections"] = double(document.Project().InspectionCount());
}

void BM_PaintImageStrip(benchmark::State& state)
{
    CQvxReportWriterDoc document;
    AddExamples(document.Project());
    for (int i = 0; i < state.range(0); ++i) {
        document.Project().SelectionAt(0)->strokes.push_back({10 + i, 20, 400, 150 - i, 3, 0x00FF00});
    }
    DetailsDlg page(&document);
    page.resize(980, 700);
    page.show();
    auto* area = page.findChild<ImageArea*>(QStringLiteral("imageArea"));
    // At the stored size, and as large as a full-screen window shows it.
    const double scale = state.range(1) / 100.0;
    QImage inside(QSize(ImageArea::InsideWidth, ImageArea::InsideHeight) * scale, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&inside);
        painter.scale(scale, scale);
        area->PaintInside(painter);
    }
}

// One change of the emissivity on the page: the snapshot corrected, its picture rendered again,
// the cursors, difference, scale and box statistics updated, and the image strip painted.
void BM_ChangeEmissivity(benchmark::State& state)
{
    CQvxReportWriterDoc document;
    AddExamples(document.Project());
    MeasurementSettings& settings = document.Project().SelectionAt(0)->measurement;
    settings.spots = {{40, 30}, {120, 90}};
    settings.boxes = {QRect(10, 10, 60, 40), QRect(80, 50, 70, 60)};
    if (state.range(0) != 0) {
        settings.manualRange = ManualColourRange {290.0f, 330.0f};
    }
    DetailsDlg page(&document);
    page.resize(980, 700);
    page.show();
    auto* emissivity = page.findChild<QDoubleSpinBox*>(QStringLiteral("emissivityEdit"));
    auto* area = page.findChild<ImageArea*>(QStringLiteral("imageArea"));
    QImage inside(ImageArea::InsideWidth, ImageArea::InsideHeight, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        emissivity->setValue(step++ % 2 == 0 ? 0.80 : 0.81);
        QPainter painter(&inside);
        area->PaintInside(painter);
    }
    state.SetLabel(state.range(0) != 0 ? "manual range" : "automatic range");
}

BENCHMARK(BM_NextInspection)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ChangeEmissivity)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PaintImageStrip)
    ->Args({0, 100})
    ->Args({20, 100})
    ->Args({20, 240})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

} // namespace
