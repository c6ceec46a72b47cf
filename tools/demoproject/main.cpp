#include "DemoProject.h"

#include "report/ProjectFile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

// thermreport-demoproject EXAMPLES_DIR OUTPUT.QVR
// Writes the demo project over the bundled examples, with absolute paths for this checkout.
int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream error(stderr);
    if (arguments.size() != 3) {
        error << "usage: thermreport-demoproject EXAMPLES_DIR OUTPUT.QVR\n";
        return 64;
    }
    const QDir examples(arguments[1]);
    const ReportProject project = BuildDemoProject(examples);
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
