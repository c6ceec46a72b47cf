#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// One main for every benchmark program: the offscreen platform, the application object the pages
// need, and settings in a folder of their own so that a run leaves the user's alone.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
