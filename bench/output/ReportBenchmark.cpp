#include "output/PdfNavigation.h"
#include "output/PrintReport.h"

#include "report/ReportProject.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 100 inspections, each with a 4000 x 3000 JPEG photo and two strokes, as one A4 PDF.
ReportProject HundredPhotoInspections()
{
    const QString examples = QStringLiteral(THERMREPORT_SOURCE_DIR "/examples/");
    ReportProject project = NewReportProject(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
    project.title.company = QStringLiteral("Benchmark Ltd");
    for (int i = 0; i < 100; ++i) {
        InspectionSelection selection {examples + QStringLiteral("motor-bearing.qvx"),
                                       examples + QStringLiteral("motor-bearing.jpg"),
                                       {{60, 40, 130, 100, 3, 0x0000FF}, {230, 150, 330, 150, 2, 0x00FFFF}}};
        InspectionDetails details;
        details.name = QStringLiteral("Bearing %1").arg(i + 1);
        details.location = QStringLiteral("Hall %1").arg(i % 7);
        details.faultAction = QStringLiteral("Check lubrication and alignment.");
        details.repairPriority = i % 6;
        details.cursorA = 1;
        details.cursorB = 2;
        project.AppendInspection(selection, details);
    }
    return project;
}

// The drawn pages only, as Qt's PDF writer makes them; argument 1 renders every picture over one
// temperature range.
void BM_HundredPhotoReport(benchmark::State& state)
{
    const ReportProject project = HundredPhotoInspections();
    ReportOptions options;
    options.commonScale = state.range(0) != 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        if (!WriteReportPdf(buffer, QStringLiteral("benchmark.pdf"), project, options)) {
            state.SkipWithError("the report was not written");
            return;
        }
        bytes = pdf.size();
    }
    state.counters["pdf_MB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HundredPhotoReport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// The whole report as PrintReport writes it: the pages drawn into a temporary file, then the
// outline, links and document information added on the way to the output.
void BM_HundredPhotoNavigableReport(benchmark::State& state)
{
    const ReportProject project = HundredPhotoInspections();
    QTemporaryDir work;
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QString reason;
        if (WriteNavigableReport(buffer, work.path(), QStringLiteral("benchmark.pdf"), project, {}, nullptr, reason) !=
            ReportWrite::Written) {
            state.SkipWithError(reason.toStdString().c_str());
            return;
        }
        bytes = pdf.size();
    }
    state.counters["pdf_MB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HundredPhotoNavigableReport)->Unit(benchmark::kMillisecond)->Iterations(3);

// The PDF library's step alone, over the drawn report of 100 inspections.
void BM_NavigationStep(benchmark::State& state)
{
    const ReportProject project = HundredPhotoInspections();
    QTemporaryDir work;
    const QString drawnPath = work.filePath(QStringLiteral("drawn.pdf"));
    ReportNavigation navigation;
    {
        QFile drawn(drawnPath);
        if (!drawn.open(QIODevice::WriteOnly) ||
            !WriteReportPdf(drawn, QStringLiteral("benchmark.pdf"), project, {}, nullptr, &navigation)) {
            state.SkipWithError("the report was not drawn");
            return;
        }
    }
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        const QString reason = AddPdfNavigation(drawnPath, buffer, navigation);
        if (!reason.isEmpty()) {
            state.SkipWithError(reason.toStdString().c_str());
            return;
        }
        bytes = pdf.size();
    }
    state.counters["pdf_MB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_NavigationStep)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
