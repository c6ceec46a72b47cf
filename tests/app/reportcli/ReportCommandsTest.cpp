#include "app/cli/ReportCommands.h"
#include "app/cli/TerminalProgress.h"

#include "app/settings/Settings.h"
#include "report/ProjectFile.h"
#include "report/ProjectFileIO.h"
#include "snapshot/cQVX.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

namespace {

QString PdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

class ReportCommands : public testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("VORNEX"), QStringLiteral("Brenmor Report Writer")).clear();
        QSettings(QStringLiteral("Vornex"), QStringLiteral("Brenmor Report Writer")).clear();
        SnapshotFileFields fields;
        std::vector<qint32> raw(cQVX::Width * cQVX::Height);
        for (size_t i = 0; i < raw.size(); ++i) {
            raw[i] = 200 + int(i % 160);
        }
        fields.pixelStream = EncodePixelStream(raw);
        fields.markers = {{10, 10, 95}, {150, 100, 95}, {80, 60, 95}};
        snapshotPath = Write(QStringLiteral("a.qvx"), WriteSnapshotFile(fields));

        project = NewReportProject(QDateTime(QDate(2007, 5, 22), QTime(9, 0)));
        project.title.company = QStringLiteral("Acme");
        project.AppendInspection({snapshotPath, {}, {{10, 10, 50, 50, 2, 0xFF}}});
        project.DetailsAt(0)->name = QStringLiteral("Pump");
        projectPath = folder.filePath(QStringLiteral("p.QVR"));
        ASSERT_TRUE(SaveProjectFile(projectPath, project).Ok());
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    CommandResult Run(const QStringList& arguments, ReportProgress* progress = nullptr)
    {
        printed.clear();
        notes.clear();
        QBuffer output(&printed);
        output.open(QIODevice::WriteOnly);
        return RunReportCommand(arguments, output, progress, {}, &notes);
    }

    QTemporaryDir folder;
    QString snapshotPath;
    QString projectPath;
    ReportProject project;
    QByteArray printed;
    QStringList notes;
};

TEST_F(ReportCommands, WritesThePdfAndPrintsItsPath)
{
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    const CommandResult outcome = Run({QStringLiteral("--pdf"), pdf, projectPath});
    EXPECT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    EXPECT_EQ(printed, pdf.toUtf8() + '\n');
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Thermography Inspection Report")));
    EXPECT_TRUE(text.contains(QStringLiteral("Inspection 1 - Pump")));
    // Cursors never chosen are filled as the Generate command does: 1 and 2.
    EXPECT_TRUE(text.contains(QStringLiteral("Cursor 1 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Cursor 2 ")));
    EXPECT_TRUE(text.contains(QStringLiteral("°C")));
    EXPECT_TRUE(text.contains(QStringLiteral("Page 4 of 4")));
}

TEST_F(ReportCommands, APackedProjectMovedAnywherePrintsWithANotePerFileFound)
{
    const QString packed = folder.filePath(QStringLiteral("packed"));
    CommandResult outcome = Run({QStringLiteral("--pack"), projectPath, packed});
    ASSERT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    const qint64 size = QFileInfo(packed + "/p.QVR").size() + QFileInfo(packed + "/snapshots/a.qvx").size();
    EXPECT_EQ(printed, (packed + "/p.QVR\n2 files, " + QString::number(size) + " bytes\n").toUtf8());
    EXPECT_TRUE(notes.isEmpty());

    ASSERT_TRUE(QDir().mkpath(folder.filePath(QStringLiteral("far"))));
    const QString moved = folder.filePath(QStringLiteral("far/moved"));
    ASSERT_TRUE(QDir().rename(packed, moved));
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    outcome = Run({QStringLiteral("--pdf"), pdf, moved + "/p.QVR"});
    ASSERT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    EXPECT_EQ(notes,
              QStringList(QStringLiteral("note: %1 found at %2 (the snapshot of inspection 1)")
                              .arg(packed + "/snapshots/a.qvx", moved + "/snapshots/a.qvx")));
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("Inspection 1 - Pump")));

    // Written on Windows, without relative paths: found by the path's trailing parts.
    project.SelectionAt(0)->snapshotPath = QStringLiteral("D:\\survey\\snapshots\\a.qvx");
    Write(QStringLiteral("far/moved/p.QVR"), SerializeProject(project));
    outcome = Run({QStringLiteral("--export-json"), moved + "/p.QVR"});
    ASSERT_EQ(ExitStatusOf(outcome), 0);
    EXPECT_EQ(notes.size(), 1);
    EXPECT_TRUE(printed.contains((moved + "/snapshots/a.qvx").toUtf8()));
}

// Which template and unit a report is printed in: the options given, else what the project
// states, else (for an old file) the user's settings.
struct OptionsCase
{
    const char* name;
    std::optional<ReportTemplate> stated;
    std::optional<TemperatureUnit> statedUnit;
    QStringList options;
    const char* heading;
    const char* unit;
};

void PrintTo(const OptionsCase& c, std::ostream* out)
{
    *out << c.name;
}

class ReportCommandOptions : public ReportCommands, public testing::WithParamInterface<OptionsCase>
{
};

TEST_P(ReportCommandOptions, PrintsInTheTemplateAndUnitThatApply)
{
    const OptionsCase& c = GetParam();
    ASSERT_EQ(WriteTempUnit(1), SettingWrite::Written);
    ASSERT_EQ(WriteTemplate(1), SettingWrite::Written);
    project.reportTemplate = c.stated;
    project.unit = c.statedUnit;
    ASSERT_TRUE(SaveProjectFile(projectPath, project).Ok());
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(ExitStatusOf(Run(QStringList {QStringLiteral("--pdf"), pdf, projectPath} + c.options)), 0);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.heading))) << text.left(80).toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.unit)));
    // Typed temperatures print "°C" with Kelvin too, so only the other two are told apart.
    for (const char* unit : {" °F", " K "}) {
        EXPECT_EQ(text.contains(QString::fromUtf8(unit)), QByteArray(unit) == c.unit) << unit;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources,
    ReportCommandOptions,
    testing::Values(
        OptionsCase {"OldFileTakesTheSettings", std::nullopt, std::nullopt, {}, "Building Inspection Report", " °F"},
        OptionsCase {"TheProjectsOwn",
                     ReportTemplate::Maintenance,
                     TemperatureUnit::Celsius,
                     {},
                     "Thermography Inspection Report",
                     " °C"},
        OptionsCase {
            "OnlyTheUnitStated", std::nullopt, TemperatureUnit::Kelvin, {}, "Building Inspection Report", " K "},
        OptionsCase {"GivenOptionsWin",
                     ReportTemplate::Buildings,
                     TemperatureUnit::Celsius,
                     {QStringLiteral("--unit=k"), QStringLiteral("--template"), QStringLiteral("maintenance")},
                     "Thermography Inspection Report",
                     " K "}),
    [](const testing::TestParamInfo<OptionsCase>& info) { return std::string(info.param.name); });

// The labels of the colour scale beside the thermal picture of a page.
QString ScaleText(const QString& pdf, int page)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-f"),
                   QString::number(page),
                   QStringLiteral("-l"),
                   QString::number(page),
                   QStringLiteral("-r"),
                   QStringLiteral("300"),
                   QStringLiteral("-x"),
                   QStringLiteral("0"),
                   QStringLiteral("-y"),
                   QStringLiteral("1140"),
                   QStringLiteral("-W"),
                   QStringLiteral("320"),
                   QStringLiteral("-H"),
                   QStringLiteral("820"),
                   pdf,
                   QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

TEST_F(ReportCommands, CommonScaleFlagGivesEveryPageTheSameScaleAndPagesAreReported)
{
    SnapshotFileFields warmer;
    std::vector<qint32> raw(cQVX::Width * cQVX::Height);
    for (size_t i = 0; i < raw.size(); ++i) {
        raw[i] = 900 + int(i % 160) * 3;
    }
    warmer.pixelStream = EncodePixelStream(raw);
    project.AppendInspection({Write(QStringLiteral("b.qvx"), WriteSnapshotFile(warmer)), {}, {}});
    ASSERT_TRUE(SaveProjectFile(projectPath, project).Ok());
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));

    ASSERT_EQ(ExitStatusOf(Run({QStringLiteral("--pdf"), pdf, projectPath})), 0);
    EXPECT_NE(ScaleText(pdf, 3), ScaleText(pdf, 4));

    struct Pages : ReportProgress
    {
        bool StartingPage(int page, int total) override
        {
            seen << QStringLiteral("%1/%2").arg(page).arg(total);
            return true;
        }
        QStringList seen;
    } pages;
    // A flag takes no value: the file names after it stay file names.
    const CommandResult outcome =
        Run({QStringLiteral("--pdf"), QStringLiteral("--common-scale"), pdf, projectPath}, &pages);
    ASSERT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    EXPECT_FALSE(ScaleText(pdf, 3).isEmpty());
    EXPECT_EQ(ScaleText(pdf, 3), ScaleText(pdf, 4));
    EXPECT_EQ(pages.seen, QStringList({"1/5", "2/5", "3/5", "4/5", "5/5"}));

    // The setting does the same when the flag is not given.
    ASSERT_EQ(WriteCommonScale(true), SettingWrite::Written);
    ASSERT_EQ(ExitStatusOf(Run({QStringLiteral("--pdf"), pdf, projectPath})), 0);
    EXPECT_EQ(ScaleText(pdf, 3), ScaleText(pdf, 4));
}

TEST(TerminalProgress, RewritesOneLineAndErasesItAtTheEnd)
{
    QByteArray shown;
    QBuffer terminal(&shown);
    terminal.open(QIODevice::WriteOnly);
    {
        TerminalProgress progress(terminal);
        EXPECT_TRUE(progress.StartingPage(9, 10));
        EXPECT_TRUE(progress.StartingPage(10, 10));
    }
    EXPECT_EQ(shown, QByteArray("\rPage 9 of 10\rPage 10 of 10\r") + QByteArray(13, ' ') + "\r");
}

// The tracking table goes to the output in the project's unit (the settings' for a file that states
// none) unless one is given. A snapshot that cannot be read is no failure: its temperatures stay
// empty, as the table of the window has them.
TEST_F(ReportCommands, ExportCsvPrintsTheTrackingTable)
{
    ASSERT_EQ(WriteTempUnit(1), SettingWrite::Written);
    CommandResult outcome = Run({QStringLiteral("--export-csv"), projectPath});
    EXPECT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    QList<QByteArray> lines = printed.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("No.,Inspection Name,Location,"));
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Cursor 1 (°F)").toUtf8()));
    EXPECT_TRUE(lines[1].startsWith("1,Pump,,,,"));
    EXPECT_TRUE(lines[1].endsWith('\r'));
    EXPECT_TRUE(lines[2].isEmpty());

    QFile::remove(snapshotPath);
    outcome = Run({QStringLiteral("--export-csv"), QStringLiteral("--unit"), QStringLiteral("k"), projectPath});
    EXPECT_EQ(ExitStatusOf(outcome), 0) << outcome.Message().toStdString();
    lines = printed.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].contains(",Cursor 1 (K),Cursor 2 (K),Difference (K),"));
    EXPECT_TRUE(lines[1].startsWith("1,Pump,,,,,,,,"));
}

// Criteria saved with the project grade its findings in both the tracking table and the report.
TEST_F(ReportCommands, CriteriaInTheFileGradeTheCsvAndThePdf)
{
    project.severityCriteria = SeverityCriteria {
        SeverityKind::Custom, {{std::numeric_limits<float>::infinity(), QStringLiteral("Any rise"), {}, 3}}};
    ASSERT_TRUE(SaveProjectFile(projectPath, project).Ok());
    ASSERT_EQ(ExitStatusOf(Run({QStringLiteral("--export-csv"), projectPath})), 0);
    const QList<QByteArray> lines = printed.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].contains(",Any rise,")) << lines[1].toStdString();

    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(ExitStatusOf(Run({QStringLiteral("--pdf"), pdf, projectPath})), 0);
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Severity Any rise"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Severity criteria: Custom")));
}

struct FailureCase
{
    const char* name;
    int exitStatus;
    const char* message;
    std::function<QStringList(const QString& pdf, const QString& project, const QTemporaryDir& folder)> arguments;
};

void PrintTo(const FailureCase& failure, std::ostream* out)
{
    *out << failure.name;
}

class ReportCommandFailures : public ReportCommands, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(ReportCommandFailures, OneLineNamingTheProblemAndNoOutputFile)
{
    const FailureCase& failure = GetParam();
    Write(QStringLiteral("junk.QVR"), QByteArray(3, '\x01'));
    const QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    const CommandResult outcome = Run(failure.arguments(pdf, projectPath, folder));
    EXPECT_EQ(ExitStatusOf(outcome), failure.exitStatus);
    EXPECT_TRUE(outcome.Message().contains(QString::fromUtf8(failure.message))) << outcome.Message().toStdString();
    EXPECT_FALSE(outcome.Message().contains(QLatin1Char('\n')));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(printed.isEmpty());
    EXPECT_EQ(QDir(folder.path()).entryList({QStringLiteral("out.pdf*")}, QDir::Files), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs,
    ReportCommandFailures,
    testing::Values(
        FailureCase {"missingProject",
                     2,
                     "none.QVR: cannot open",
                     [](const QString& pdf, const QString&, const QTemporaryDir& folder) {
                         return QStringList {QStringLiteral("--pdf"), pdf, folder.filePath(QStringLiteral("none.QVR"))};
                     }},
        FailureCase {"unreadableProject",
                     2,
                     "junk.QVR: Error reading QVR file",
                     [](const QString& pdf, const QString&, const QTemporaryDir& folder) {
                         return QStringList {QStringLiteral("--pdf"), pdf, folder.filePath(QStringLiteral("junk.QVR"))};
                     }},
        FailureCase {"noInspections",
                     2,
                     "empty.QVR: No reports selected",
                     [](const QString& pdf, const QString&, const QTemporaryDir& folder) {
                         const QString empty = folder.filePath(QStringLiteral("empty.QVR"));
                         EXPECT_TRUE(SaveProjectFile(empty, NewReportProject(QDateTime::currentDateTime())).Ok());
                         return QStringList {QStringLiteral("--pdf"), pdf, empty};
                     }},
        FailureCase {"missingSnapshot",
                     2,
                     "a.qvx: cannot open the snapshot of inspection 1",
                     [](const QString& pdf, const QString& project, const QTemporaryDir& folder) {
                         QFile::remove(folder.filePath(QStringLiteral("a.qvx")));
                         return QStringList {QStringLiteral("--pdf"), pdf, project};
                     }},
        FailureCase {"brokenSnapshot",
                     2,
                     "a.qvx: not a valid snapshot file",
                     [](const QString& pdf, const QString& project, const QTemporaryDir& folder) {
                         QFile file(folder.filePath(QStringLiteral("a.qvx")));
                         file.open(QIODevice::WriteOnly);
                         file.write("not a snapshot");
                         return QStringList {QStringLiteral("--pdf"), pdf, project};
                     }},
        FailureCase {"packMissingFile",
                     2,
                     "a.qvx: cannot find the snapshot of inspection 1",
                     [](const QString&, const QString& project, const QTemporaryDir& folder) {
                         QFile::remove(folder.filePath(QStringLiteral("a.qvx")));
                         return QStringList {QStringLiteral("--pack"), project, folder.filePath(QStringLiteral("out"))};
                     }},
        FailureCase {"packIntoAFolderThatHoldsFiles",
                     2,
                     "the folder exists and is not empty",
                     [](const QString&, const QString& project, const QTemporaryDir& folder) {
                         return QStringList {QStringLiteral("--pack"), project, folder.path()};
                     }},
        FailureCase {"packWithoutAFolder",
                     64,
                     "--pack needs a project file and a folder",
                     [](const QString&, const QString& project, const QTemporaryDir&) {
                         return QStringList {QStringLiteral("--pack"), project};
                     }},
        FailureCase {"outputFolderMissing",
                     2,
                     "Error saving PDF file",
                     [](const QString&, const QString& project, const QTemporaryDir& folder) {
                         return QStringList {
                             QStringLiteral("--pdf"), folder.filePath(QStringLiteral("no/such/out.pdf")), project};
                     }},
        FailureCase {"noProjectGiven",
                     64,
                     "needs an output file and a project file",
                     [](const QString& pdf, const QString&, const QTemporaryDir&) {
                         return QStringList {QStringLiteral("--pdf"), pdf};
                     }},
        FailureCase {"unknownUnit",
                     64,
                     "unknown unit",
                     [](const QString& pdf, const QString& project, const QTemporaryDir&) {
                         return QStringList {
                             QStringLiteral("--pdf"), pdf, project, QStringLiteral("--unit"), QStringLiteral("x")};
                     }},
        FailureCase {"unknownTemplate",
                     64,
                     "unknown template",
                     [](const QString& pdf, const QString& project, const QTemporaryDir&) {
                         return QStringList {QStringLiteral("--pdf"), pdf, project, QStringLiteral("--template=x")};
                     }},
        FailureCase {
            "valueForTheCommonScaleFlag",
            64,
            "unexpected option --common-scale",
            [](const QString& pdf, const QString& project, const QTemporaryDir&) {
                return QStringList {QStringLiteral("--pdf"), pdf, project, QStringLiteral("--common-scale=yes")};
            }},
        FailureCase {
            "commonScaleForJson",
            64,
            "unexpected option --common-scale",
            [](const QString&, const QString& project, const QTemporaryDir&) {
                return QStringList {QStringLiteral("--export-json"), project, QStringLiteral("--common-scale")};
            }},
        FailureCase {
            "csvMissingProject",
            2,
            "none.QVR: cannot open",
            [](const QString&, const QString&, const QTemporaryDir& folder) {
                return QStringList {QStringLiteral("--export-csv"), folder.filePath(QStringLiteral("none.QVR"))};
            }},
        FailureCase {
            "csvUnreadableProject",
            2,
            "junk.QVR: Error reading QVR file",
            [](const QString&, const QString&, const QTemporaryDir& folder) {
                return QStringList {QStringLiteral("--export-csv"), folder.filePath(QStringLiteral("junk.QVR"))};
            }},
        FailureCase {"csvNoProjectGiven",
                     64,
                     "--export-csv needs one project file",
                     [](const QString&, const QString&, const QTemporaryDir&) {
                         return QStringList {QStringLiteral("--export-csv")};
                     }},
        FailureCase {"csvUnknownUnit",
                     64,
                     "unknown unit",
                     [](const QString&, const QString& project, const QTemporaryDir&) {
                         return QStringList {QStringLiteral("--export-csv"), project, QStringLiteral("--unit=x")};
                     }},
        FailureCase {"templateForCsv",
                     64,
                     "unexpected option --template",
                     [](const QString&, const QString& project, const QTemporaryDir&) {
                         return QStringList {QStringLiteral("--export-csv"), project, QStringLiteral("--template=x")};
                     }},
        FailureCase {"unitForJson",
                     64,
                     "unexpected option --unit",
                     [](const QString&, const QString& project, const QTemporaryDir&) {
                         return QStringList {
                             QStringLiteral("--export-json"), project, QStringLiteral("--unit"), QStringLiteral("c")};
                     }}),
    [](const testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(ReportCommandNames, OnlyTheReportModes)
{
    EXPECT_TRUE(IsReportCommand({QStringLiteral("--pdf")}));
    EXPECT_TRUE(IsReportCommand({QStringLiteral("--export-json"), QStringLiteral("x")}));
    EXPECT_TRUE(IsReportCommand({QStringLiteral("--export-csv"), QStringLiteral("x")}));
    EXPECT_FALSE(IsReportCommand({QStringLiteral("--info"), QStringLiteral("--pdf")}));
    EXPECT_FALSE(IsReportCommand({}));
}

} // namespace
