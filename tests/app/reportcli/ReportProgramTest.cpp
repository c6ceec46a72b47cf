#include "report/ProjectFileIO.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The built program with a report mode, as a script would run it.

namespace {

struct ProgramRun
{
    int status = -1;
    QString out;
    QString err;
};

ProgramRun RunProgram(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(THERMREPORT_BINARY_DIR "/bin/thermreport"), arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "the program did not finish normally";
        return {};
    }
    return {process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(ReportProgram, WritesTheDemoLikeReportAndFailsCleanly)
{
    QTemporaryDir folder;
    const QString examples = QStringLiteral(THERMREPORT_SOURCE_DIR "/examples/");
    ReportProject project = NewReportProject(QDateTime(QDate(2026, 1, 2), QTime(3, 4)));
    project.AppendInspection(
        {examples + QStringLiteral("pump-coupling.qvx"), examples + QStringLiteral("pump-coupling.jpg"), {}});
    const QString projectPath = folder.filePath(QStringLiteral("p.QVR"));
    ASSERT_TRUE(SaveProjectFile(projectPath, project).Ok());

    const QString pdf = folder.filePath(QStringLiteral("r.pdf"));
    const ProgramRun done =
        RunProgram({QStringLiteral("--pdf"), pdf, projectPath, QStringLiteral("--unit"), QStringLiteral("f")});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_EQ(done.out, pdf + QLatin1Char('\n'));
    EXPECT_TRUE(done.err.isEmpty()) << done.err.toStdString();
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);

    const QString unwritable = folder.filePath(QStringLiteral("missing/r.pdf"));
    const ProgramRun failed = RunProgram({QStringLiteral("--pdf"), unwritable, projectPath});
    EXPECT_EQ(failed.status, 2);
    EXPECT_TRUE(failed.out.isEmpty());
    EXPECT_EQ(failed.err.count(QLatin1Char('\n')), 1) << failed.err.toStdString();
    EXPECT_TRUE(failed.err.contains(unwritable));
    EXPECT_FALSE(QFileInfo::exists(unwritable));

    const ProgramRun usage = RunProgram({QStringLiteral("--export-json")});
    EXPECT_EQ(usage.status, 64);
    EXPECT_TRUE(usage.err.contains(QStringLiteral("--export-json needs one project file")));
}

} // namespace
