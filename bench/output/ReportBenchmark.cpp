#include "output/PrintReport.h"

#include "report/ReportProject.h"

#include <QBuffer>
#include <QGuiApplication>

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

void BM_HundredPhotoReport(benchmark::State& state)
{
    const ReportProject project = HundredPhotoInspections();
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        if (!WriteReportPdf(buffer, QStringLiteral("benchmark.pdf"), project, {})) {
            state.SkipWithError("the report was not written");
            return;
        }
        bytes = pdf.size();
    }
    state.counters["pdf_MB"] = double(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_HundredPhotoReport)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
