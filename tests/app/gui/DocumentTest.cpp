#include "app/gui/CQvxReportWriterDoc.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsStores.h"
#include "report/ProjectFile.h"
#include "report/ProjectFiles.h"
#include "tests/report/SampleProjects.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SnapshotTestFiles.h"
#include "tests/support/StringSourceGuard.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

class DocumentTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ClearSettings();
    }
    void TearDown() override { ClearSettings(); }

    static void ClearSettings()
    {
        OpenFrameworkProfile()->clear();
        OpenProgramKey()->clear();
    }

    // The user's template and unit; a new project takes them.
    void Settings(ReportTemplate reportTemplate, TemperatureUnit unit)
    {
        ASSERT_EQ(WriteTemplate(int(reportTemplate)), SettingWrite::Written);
        ASSERT_EQ(WriteTempUnit(int(unit)), SettingWrite::Written);
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    // A real snapshot file and a real photo in the test folder.
    QString SnapshotOnDisk(const QString& name)
    {
        WriteAll(Path(name),
                 WriteSnapshotFile(FieldsWithImage(ImageOf([](int row, int column) { return row + column; }))));
        return Path(name);
    }

    QString PhotoOnDisk(const QString& name)
    {
        QImage photo(32, 24, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        EXPECT_TRUE(photo.save(Path(name), "JPG"));
        return Path(name);
    }

    // A project whose snapshots and images all exist in the test folder.
    ReportProject ProjectOnDisk(int inspections)
    {
        ReportProject project = FullProject(inspections);
        project.title.logoPath = PhotoOnDisk("logo.jpg");
        for (int i = 0; i < inspections; ++i) {
            InspectionSelection* selection = project.SelectionAt(i);
            selection->snapshotPath = SnapshotOnDisk(QString("snap%1.qvx").arg(i));
            if (!selection->imagePath.isEmpty()) {
                selection->imagePath = PhotoOnDisk(QString("photo%1.jpg").arg(i));
            }
        }
        return project;
    }

    // Opens a project file so that the document has something to lose.
    void OpenExisting()
    {
        existing = ProjectOnDisk(2);
        WriteAll(Path("existing.QVR"), SerializeProject(existing));
        ASSERT_TRUE(document.OpenProjectPath(Path("existing.QVR")));
        existing.SetCurrentPosition(1); // a load shows the first inspection
        ASSERT_EQ(document.Project(), existing);
    }

    // What a save into the test folder writes: the project with its paths relative to there.
    QByteArray SavedBytes(const ReportProject& project) const
    {
        ReportProject saved = project;
        saved.relativePaths = RelativeFileEntries(project, folder.path());
        return SerializeProject(saved);
    }

    void ExpectUnchanged()
    {
        EXPECT_EQ(document.Project(), existing);
        EXPECT_EQ(document.documentName(), "existing.QVR");
        EXPECT_EQ(document.documentPath(), Path("existing.QVR"));
    }

    QTemporaryDir folder;
    StringSourceGuard strings;
    ScriptedDialogs dialogs;
    CQvxReportWriterDoc document;
    ReportProject existing;
};

TEST_F(DocumentTest, StartsAsANewUntitledProject)
{
    EXPECT_EQ(document.documentName(), "Untitled");
    EXPECT_TRUE(document.documentPath().isEmpty());
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_TRUE(document.Project().title.showDate);
}

TEST_F(DocumentTest, NewDiscardsTheProjectWithoutAsking)
{
    OpenExisting();
    QSignalSpy replaced(&document, &CQvxReportWriterDoc::ProjectReplaced);
    QSignalSpy renamed(&document, &CQvxReportWriterDoc::DocumentNameChanged);
    document.New();
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_EQ(document.Project().title.company, "");
    EXPECT_EQ(document.documentName(), "Untitled");
    EXPECT_TRUE(document.documentPath().isEmpty());
    EXPECT_EQ(replaced.count(), 1);
    ASSERT_EQ(renamed.count(), 1);
    EXPECT_EQ(renamed.front().front().toString(), "Untitled");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.fileRequests.empty());
}

TEST_F(DocumentTest, OpenAsksForAFileAndLoadsIt)
{
    const ReportProject project = ProjectOnDisk(3);
    WriteAll(Path("site.QVR"), SerializeProject(project));
    dialogs.ChooseNextFile(Path("site.QVR"));
    QSignalSpy replaced(&document, &CQvxReportWriterDoc::ProjectReplaced);

    ASSERT_TRUE(document.Open());
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileRequest& request = dialogs.fileRequests[0];
    EXPECT_EQ(request.kind, FileRequest::Open);
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.initialName, "Untitled");
    EXPECT_EQ(request.defaultSuffix, "QVR");
    EXPECT_EQ(request.filter, "QVX Report Files (*.QVR);;All Files (*.*)");

    EXPECT_EQ(document.documentName(), "site.QVR");
    EXPECT_EQ(document.documentPath(), Path("site.QVR"));
    EXPECT_EQ(document.Project().InspectionCount(), 3);
    EXPECT_EQ(document.Project().DetailsAt(2)->name, project.DetailsAt(2)->name);
    EXPECT_EQ(document.Project().CurrentPosition(), 1);
    EXPECT_EQ(replaced.count(), 1);
}

TEST_F(DocumentTest, CancelledOpenChangesNothing)
{
    OpenExisting();
    dialogs.ChooseNextFile(std::nullopt);
    EXPECT_FALSE(document.Open());
    ExpectUnchanged();
}

TEST_F(DocumentTest, LoadingAnEmptyProjectShowsNoInspection)
{
    WriteAll(Path("empty.QVR"), SerializeProject(ReportProject()));
    ASSERT_TRUE(document.OpenProjectPath(Path("empty.QVR")));
    EXPECT_EQ(document.Project().CurrentPosition(), 0);
}

// A failed load, whatever its cause, leaves the open project, its name and path as they were.
struct FailedLoadCase
{
    const char* name;
    std::function<QByteArray(DocumentTest&)> file; // nothing is written when it returns null
    QString message; // "%1" is the test folder
    int language = 0;
    bool asksForMissingFiles = false; // the user cancels the Missing Files dialog
};

class FailedLoad : public DocumentTest, public testing::WithParamInterface<FailedLoadCase>
{
public:
    using DocumentTest::Path;
    using DocumentTest::ProjectOnDisk;
    using DocumentTest::SnapshotOnDisk;
};

TEST_P(FailedLoad, LeavesTheOpenProjectAsItWas)
{
    OpenExisting();
    SetLanguage(GetParam().language);
    const QByteArray bytes = GetParam().file(*this);
    if (!bytes.isNull()) {
        WriteAll(Path("bad.QVR"), bytes);
    }
    QSignalSpy replaced(&document, &CQvxReportWriterDoc::ProjectReplaced);
    QSignalSpy renamed(&document, &CQvxReportWriterDoc::DocumentNameChanged);
    int asked = 0;
    dialogs.missingFiles = [&asked](cMissingFilesDlg& dialog) {
        ++asked;
        dialog.reject();
    };

    EXPECT_FALSE(document.OpenProjectPath(Path("bad.QVR")));
    EXPECT_EQ(asked, GetParam().asksForMissingFiles ? 1 : 0);
    ExpectUnchanged();
    EXPECT_EQ(replaced.count(), 0);
    EXPECT_EQ(renamed.count(), 0);
    if (GetParam().message.isEmpty()) {
        EXPECT_TRUE(dialogs.messages.empty());
        return;
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, GetParam().message.arg(folder.path()));
    EXPECT_EQ(dialogs.messages[0].icon, IconError);
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonsOk);
}

ReportProject WithSnapshot(FailedLoad& test, const QString& snapshot, const QString& image)
{
    ReportProject project = test.ProjectOnDisk(2);
    project.SelectionAt(1)->snapshotPath = snapshot;
    project.SelectionAt(1)->imagePath = image;
    return project;
}

INSTANTIATE_TEST_SUITE_P(
    Causes,
    FailedLoad,
    testing::Values(FailedLoadCase {"MissingFile", [](DocumentTest&) { return QByteArray(); }, ""},
                    FailedLoadCase {"Truncated",
                                    [](DocumentTest&) { return SerializeProject(FullProject(2)).chopped(3); },
                                    "Error reading QVR file"},
                    FailedLoadCase {"Empty", [](DocumentTest&) { return QByteArray(""); }, "Error reading QVR file"},
                    FailedLoadCase {"CountMismatch",
                                    [](DocumentTest&) {
                                        // Two selections, no details records.
                                        const QByteArray selection =
                                            Layout::Wide("a.qvx") + Layout::Wide("") + Layout::Int32(0);
                                        return SerializeProject(FullProject(0)).chopped(8) + Layout::Int32(2) +
                                            selection + selection + Layout::Int32(0);
                                    },
                                    "QVR File Error\nNumber of selections is not equal to number of reports"},
                    FailedLoadCase {"EmptySnapshotPath",
                                    [](DocumentTest& t) {
                                        return SerializeProject(WithSnapshot(static_cast<FailedLoad&>(t), "", ""));
                                    },
                                    "Empty snapshot name.\nAborting Load."},
                    FailedLoadCase {"MissingSnapshot",
                                    [](DocumentTest& t) {
                                        auto& test = static_cast<FailedLoad&>(t);
                                        return SerializeProject(WithSnapshot(test, test.Path("gone.qvx"), ""));
                                    },
                                    "",
                                    0,
                                    true},
                    FailedLoadCase {"MissingSnapshotPathFirst",
                                    [](DocumentTest& t) {
                                        auto& test = static_cast<FailedLoad&>(t);
                                        return SerializeProject(WithSnapshot(test, test.Path("gone.qvx"), ""));
                                    },
                                    "",
                                    6,
                                    true},
                    FailedLoadCase {"UnreadableSnapshot",
                                    [](DocumentTest& t) {
                                        auto& test = static_cast<FailedLoad&>(t);
                                        WriteAll(test.Path("junk.qvx"), "not a snapshot");
                                        return SerializeProject(WithSnapshot(test, test.Path("junk.qvx"), ""));
                                    },
                                    "Failed to get bitmap from snapshot\nAborting Load."},
                    FailedLoadCase {"MissingImage",
                                    [](DocumentTest& t) {
                                        auto& test = static_cast<FailedLoad&>(t);
                                        const QString snapshot = test.SnapshotOnDisk("here.qvx");
                                        return SerializeProject(WithSnapshot(test, snapshot, test.Path("gone.jpg")));
                                    },
                                    "",
                                    0,
                                    true},
                    FailedLoadCase {"UndecodableImage",
                                    [](DocumentTest& t) {
                                        auto& test = static_cast<FailedLoad&>(t);
                                        WriteAll(test.Path("junk.jpg"), "not a picture");
                                        const QString snapshot = test.SnapshotOnDisk("here.qvx");
                                        return SerializeProject(WithSnapshot(test, snapshot, test.Path("junk.jpg")));
                                    },
                                    "Failed to load Jpeg.\nAborting Load."}),
    [](const testing::TestParamInfo<FailedLoadCase>& info) { return info.param.name; });

TEST_F(DocumentTest, SaveOfAnUntitledProjectAsksForAName)
{
    dialogs.ChooseNextFile(std::nullopt);
    EXPECT_FALSE(document.Save());
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileRequest& request = dialogs.fileRequests[0];
    EXPECT_EQ(request.kind, FileRequest::Save);
    EXPECT_EQ(request.title, "Save As");
    EXPECT_EQ(request.initialName, "Untitled");
    EXPECT_EQ(request.defaultSuffix, "QVR");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
    EXPECT_EQ(document.documentName(), "Untitled");
}

TEST_F(DocumentTest, SaveAsWritesTheProjectAndNamesTheDocument)
{
    document.Project() = ProjectOnDisk(2);
    dialogs.ChooseNextFile(Path("report.QVR"));
    ASSERT_TRUE(document.SaveAs());
    EXPECT_EQ(ReadAll(Path("report.QVR")), SavedBytes(document.Project()));
    EXPECT_EQ(document.documentName(), "report.QVR");
    EXPECT_EQ(document.documentPath(), Path("report.QVR"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocumentTest, SaveAsOffersTheCurrentName)
{
    OpenExisting();
    dialogs.ChooseNextFile(std::nullopt);
    EXPECT_FALSE(document.SaveAs());
    EXPECT_EQ(dialogs.fileRequests.at(0).initialName, "existing.QVR");
}

TEST_F(DocumentTest, SaveOfANamedProjectWritesItsFileWithoutAsking)
{
    OpenExisting();
    document.Project().DetailsAt(0)->comment = "changed";
    ASSERT_TRUE(document.Save());
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(ReadAll(Path("existing.QVR")), SavedBytes(document.Project()));
    EXPECT_EQ(document.documentName(), "existing.QVR");
}

TEST_F(DocumentTest, PagesGatherTheirValuesBeforeTheBytesAreWritten)
{
    OpenExisting();
    QObject::connect(&document, &CQvxReportWriterDoc::GatherForSaving, [this] {
        document.Project().title.company = "typed, not yet stored";
    });
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(SerializeProject(ReadAll(Path("existing.QVR"))).Value().title.company, "typed, not yet stored");
}

TEST_F(DocumentTest, FailedSaveAsTellsTheUserAndKeepsTheName)
{
    OpenExisting();
    dialogs.ChooseNextFile(Path("missing/report.QVR"));
    EXPECT_FALSE(document.SaveAs());
    ExpectUnchanged();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Error writing QVR file\n" + Path("missing/report.QVR")));
    EXPECT_EQ(dialogs.messages[0].icon, IconError);
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonsOk);
}

TEST_F(DocumentTest, FailedSaveTellsTheUserAndKeepsTheName)
{
    OpenExisting();
    // The file's name is now taken by a folder, so the save cannot replace it.
    ASSERT_TRUE(QFile::remove(Path("existing.QVR")));
    ASSERT_TRUE(QDir(folder.path()).mkdir("existing.QVR"));
    EXPECT_FALSE(document.Save());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Error writing QVR file\n" + Path("existing.QVR")));
    EXPECT_EQ(document.documentName(), "existing.QVR");
    EXPECT_TRUE(QFileInfo(Path("existing.QVR")).isDir());
}

TEST_F(DocumentTest, ANewProjectTakesTheUsersTemplateAndUnit)
{
    Settings(ReportTemplate::Buildings, TemperatureUnit::Kelvin);
    document.New();
    EXPECT_EQ(document.Project().reportTemplate, ReportTemplate::Buildings);
    EXPECT_EQ(document.Project().unit, TemperatureUnit::Kelvin);
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentTest, AProjectIsShownInTheTemplateAndUnitItStates)
{
    Settings(ReportTemplate::Maintenance, TemperatureUnit::Celsius);
    ReportProject project = ProjectOnDisk(1);
    project.reportTemplate = ReportTemplate::Buildings;
    project.unit = TemperatureUnit::Fahrenheit;
    WriteAll(Path("stated.QVR"), SerializeProject(project));
    ASSERT_TRUE(document.OpenProjectPath(Path("stated.QVR")));
    EXPECT_EQ(document.Template(), ReportTemplate::Buildings);
    EXPECT_EQ(document.Unit(), TemperatureUnit::Fahrenheit);
}

TEST_F(DocumentTest, AnOldFileTakesTheSettingsAndKeepsItsBytesUntilChanged)
{
    OpenExisting();
    const QByteArray old = ReadAll(Path("existing.QVR"));
    // Settings changed after the opening do not change what the project is shown in.
    Settings(ReportTemplate::Buildings, TemperatureUnit::Fahrenheit);
    EXPECT_EQ(document.Project().reportTemplate, std::nullopt);
    EXPECT_EQ(document.Template(), ReportTemplate::Maintenance);
    EXPECT_EQ(document.Unit(), TemperatureUnit::Celsius);

    // Saved unchanged, the file states no template or unit; only where its files lie.
    ASSERT_TRUE(document.Save());
    const QByteArray resaved = ReadAll(Path("existing.QVR"));
    EXPECT_TRUE(resaved.startsWith(old));
    const ProjectReadResult merely = SerializeProject(resaved);
    ASSERT_TRUE(merely.Ok());
    EXPECT_EQ(merely.Value().reportTemplate, std::nullopt);
    EXPECT_EQ(merely.Value().unit, std::nullopt);
    EXPECT_EQ(merely.Value().relativePaths.size(), ProjectFileEntries(document.Project()).size());

    // Once the user changed something, the file says what it was changed in.
    document.SetModified();
    ASSERT_TRUE(document.Save());
    const ProjectReadResult saved = SerializeProject(ReadAll(Path("existing.QVR")));
    ASSERT_TRUE(saved.Ok());
    EXPECT_EQ(saved.Value().reportTemplate, ReportTemplate::Maintenance);
    EXPECT_EQ(saved.Value().unit, TemperatureUnit::Celsius);
    EXPECT_TRUE(ReadAll(Path("existing.QVR")).startsWith(old));
}

TEST_F(DocumentTest, ChangingTheUnitConvertsTheTypedValuesOfEveryInspection)
{
    OpenExisting();
    QSignalSpy changing(&document, &CQvxReportWriterDoc::ReportOptionsChanging);
    QSignalSpy changed(&document, &CQvxReportWriterDoc::ReportOptionsChanged);
    document.ChangeUnit(TemperatureUnit::Fahrenheit);
    for (int index : {0, 1}) {
        const InspectionDetails& details = *document.Project().DetailsAt(index);
        EXPECT_EQ(details.indoorTemperature, "70,7");
        EXPECT_EQ(details.outdoorTemperature, "26.6");
        EXPECT_EQ(details.windSpeed, "7.5");
        EXPECT_EQ(details.humidity, "45");
    }
    EXPECT_EQ(document.Project().unit, TemperatureUnit::Fahrenheit);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(changing.count(), 1);
    EXPECT_EQ(changed.count(), 1);

    document.ChangeUnit(TemperatureUnit::Fahrenheit);
    EXPECT_EQ(changed.count(), 1);
    // Back to a unit typed in Celsius and km/h; the wind speed keeps one decimal.
    document.ChangeUnit(TemperatureUnit::Kelvin);
    EXPECT_EQ(document.Project().DetailsAt(0)->indoorTemperature, "21,5");
    EXPECT_EQ(document.Project().DetailsAt(0)->outdoorTemperature, "-3");
    EXPECT_EQ(document.Project().DetailsAt(0)->windSpeed, "12.1");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(DocumentTest, ChangingTheTemplateIsAChangeOfTheProject)
{
    OpenExisting();
    QSignalSpy changed(&document, &CQvxReportWriterDoc::ReportOptionsChanged);
    document.ChangeTemplate(ReportTemplate::Maintenance);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(document.IsModified());
    document.ChangeTemplate(ReportTemplate::Buildings);
    EXPECT_EQ(document.Project().reportTemplate, ReportTemplate::Buildings);
    EXPECT_EQ(document.Project().DetailsAt(0)->indoorTemperature, "21,5");
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(changed.count(), 1);
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(SerializeProject(ReadAll(Path("existing.QVR"))).Value().reportTemplate, ReportTemplate::Buildings);
}

} // namespace
