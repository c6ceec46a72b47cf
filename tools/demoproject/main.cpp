#include "DemoProject.h"

#include "report/ProjectFile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

// thermreport-demoproject [--buildings] EXAMPLES_DIR OUTPUT.QVR
// Writes a demo project over the bundled examples, with absolute paths for this checkout: the plant
// survey, or with --buildings the building survey.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool buildings = arguments.removeAll(QStringLiteral("--buildings")) > 0;
    QTextStream error(stderr);
    if (arguments.size() != 3) {
        error << "usage: thermreport-demoproject [--buildings] EXAMPLES_DIR OUTPUT.QVR\n";
        return 64;
    }
    const QDir examples(arguments[1]);
    const ReportProject project = buildings ? BuildBuildingsDemoProject(examples) : BuildDemoProject(examples);
    if (project.InspectionCount() == 0) {
        error << examples.absolutePath() << ": no snapshots (.qvx) found\n";
        return 1;
    }
    QSaveFile file(arguments[2]);
    if (!file.open(QIODevice::WriteOnly) || !SerializeProject(project, file) || !file.commit()) {
        error << arguments[2] << ": " << file.errorString() << '\n';
        return 1;
    }
    QTextStream(stdout) << arguments[2] << '\n';
    return 0;
}
