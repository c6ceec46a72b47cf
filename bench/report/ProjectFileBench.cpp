#include "report/ProjectFileIO.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// 1000 inspections, 10 strokes each, every text field filled with typical lengths.
ReportProject LargeProject()
{
    ReportProject project;
    project.title = {"/home/inspector/logos/company-logo.jpg",
                     "Thermografie Prüfdienst GmbH",
                     "Inspector Name",
                     true,
                     {46000.5, OleDate::Valid},
                     QString(1500, u'g')};
    for (int i = 0; i < 1000; ++i) {
        const QString n = QString::number(i);
        InspectionSelection selection {
            "/home/inspector/site/snapshots/IR_" + n + ".qvx", "/home/inspector/site/photos/DC_" + n + ".jpg", {}};
        for (int s = 0; s < 10; ++s) {
            selection.strokes.push_back({10 + s, 20 + s, 200 - s, 150 - s, 2, 0x00FF00});
        }
        InspectionDetails d;
        d.name = "Main distribution board " + n;
        d.operatorName = "Operator " + n;
        d.location = "Building B, floor 2";
        d.equipment = "Breaker panel " + n;
        d.comment = QString(300, u'c');
        d.measuredLoad = "85 A";
        d.ratedLoad = "100 A";
        d.loadPercent = "85";
        d.repairPriority = i % 6;
        d.faultAction = QString(120, u'f');
        d.inspectedDate = {46000.25, OleDate::Valid};
        d.repairedDate = {46010.5, OleDate::Valid};
        d.reinspectedDate = {46020.75, OleDate::Valid};
        d.inspectedSet = d.repairedSet = d.reinspectedSet = true;
        d.inspectedInitials = "AB";
        d.repairedInitials = "CD";
        d.reinspectedInitials = "EF";
        d.cursorA = 1;
        d.cursorB = 2;
        d.indoorTemperature = "21.5";
        d.outdoorTemperature = "-3.0";
        d.humidity = "45";
        d.windSpeed = "12";
        d.pressureDifference = "0.5";
        d.materialCondition = i % 3;
        project.AppendInspection(selection, d);
    }
    return project;
}

void SaveProject(benchmark::State& state)
{
    const ReportProject project = LargeProject();
    QTemporaryDir folder;
    const QString path = folder.filePath("large.QVR");
    for (auto _ : state) {
        if (!SaveProjectFile(path, project).ok) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.counters["bytes"] = double(SerializeProject(project).size());
}
BENCHMARK(SaveProject)->Unit(benchmark::kMillisecond);

void LoadProject(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("large.QVR");
    if (!SaveProjectFile(path, LargeProject()).ok) {
        state.SkipWithError("save failed");
        return;
    }
    for (auto _ : state) {
        ProjectReadResult read = LoadProjectFile(path);
        if (!read.Ok()) {
            state.SkipWithError("load failed");
            break;
        }
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(LoadProject)->Unit(benchmark::kMillisecond);

// The same two directions in memory, without the disk.
void EncodeProject(benchmark::State& state)
{
    const ReportProject project = LargeProject();
    for (auto _ : state) {
        benchmark::DoNotOptimize(SerializeProject(project));
    }
}
BENCHMARK(EncodeProject)->Unit(benchmark::kMillisecond);

void DecodeProject(benchmark::State& state)
{
    const QByteArray bytes = SerializeProject(LargeProject());
    for (auto _ : state) {
        ProjectReadResult read = SerializeProject(QByteArrayView(bytes));
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(DecodeProject)->Unit(benchmark::kMillisecond);

} // namespace
