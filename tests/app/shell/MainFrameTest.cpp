#include "ShellFixture.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/settings/Settings.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/MainMenu.h"
#include "report/ProjectFileIO.h"
#include "tools/demoproject/DemoProject.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <ostream>

namespace {

using MainFrameTest = ShellTest;

// Closes the next modal dialog by pressing its button `buttonName`, reporting the dialog's object name.
void PressInNextDialog(const char* buttonName, QString* dialogName)
{
    QTimer::singleShot(0, [buttonName, dialogName] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) {
            return;
        }
        *dialogName = dialog->objectName();
        if (auto* button = dialog->findChild<QPushButton*>(QLatin1String(buttonName))) {
            button->click();
        } else if (auto* plain = qobject_cast<QDialog*>(dialog)) {
            plain->done(QDialog::Rejected);
        }
    });
}

struct ExitCase
{
    const char* name;
    std::vector<int> answers;
    std::optional<QString> saveAsName; // the Save As dialog's answer, relative to the test folder
    bool closes;
    bool saved;
};

void PrintTo(const ExitCase& c, std::ostream* os)
{
    *os << c.name;
}

class ExitPromptTest : public ShellTest, public testing::WithParamInterface<ExitCase>
{
};

TEST_P(ExitPromptTest, FileExitAndTheCloseBoxAskTheSameQuestion)
{
    const ExitCase& c = GetParam();
    for (const bool byMenu : {true, false}) {
        Start();
        EditProject();
        shown.clear();
        answers.assign(c.answers.begin(), c.answers.end());
        if (c.saveAsName) {
            chosenFiles = {folder.filePath(*c.saveAsName)};
        }
        if (byMenu) {
            Trigger(CommandId::AppExit);
        } else {
            app->MainFrame()->close();
        }
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown[0].text, "Save changes to Untitled ?");
        EXPECT_EQ(shown[0].icon, IconQuestion);
        EXPECT_EQ(shown[0].buttons, ButtonsYesNoCancel);
        EXPECT_EQ(app->MainFrame()->isVisible(), !c.closes) << (byMenu ? "File Exit" : "close box");
        EXPECT_EQ(c.saveAsName && QFileInfo::exists(folder.filePath(*c.saveAsName)), c.saved);
        QFile::remove(folder.filePath("Saved.QVR"));
        chosenFiles.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(Answers,
                         ExitPromptTest,
                         testing::Values(ExitCase {"No", {ResultNo}, std::nullopt, true, false},
                                         ExitCase {"Cancel", {ResultCancel}, std::nullopt, false, false},
                                         ExitCase {"Yes then saved", {ResultYes}, QString("Saved.QVR"), true, true},
                                         // Yes, but the Save As dialog is cancelled: nothing is lost.
                                         ExitCase {"Yes then cancelled", {ResultYes}, std::nullopt, false, false}),
                         [](const testing::TestParamInfo<ExitCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST_F(MainFrameTest, ExitAfterAFailedSaveStaysOpen)
{
    Start(WriteNewProject("Kept.QVR"));
    EditProject();
    // The project's file has become a folder: the save cannot replace it.
    const QString path = app->Document()->documentPath();
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    answers = {ResultYes};
    EXPECT_FALSE(app->MainFrame()->close());
    EXPECT_TRUE(app->MainFrame()->isVisible());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "Save changes to Kept.QVR ?");
    EXPECT_EQ(shown[1].icon, IconError);
}

TEST_F(MainFrameTest, NewAsksBeforeDiscardingTheProject)
{
    Start(WriteNewProject("Plant.QVR"));
    EditProject();
    answers = {ResultCancel};
    Trigger(CommandId::FileNew);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Save changes to Plant.QVR ?");
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Plant.QVR*");

    answers = {ResultNo};
    Trigger(CommandId::FileNew);
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_TRUE(app->Document()->documentPath().isEmpty());
}

TEST_F(MainFrameTest, NewAfterYesSavesFirst)
{
    const QString path = WriteNewProject("Plant.QVR");
    Start(path);
    EditProject();
    QFile::remove(path);
    answers = {ResultYes};
    Trigger(CommandId::FileNew);
    EXPECT_TRUE(QFileInfo::exists(path)) << "Yes saves to the project's own file";
    EXPECT_TRUE(fileRequests.empty());
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
}

TEST_F(MainFrameTest, OpenAsksBeforeTheFileDialog)
{
    const QString other = WriteNewProject("Other.QVR");
    Start();
    EditProject();
    answers = {ResultCancel};
    Trigger(CommandId::FileOpen);
    EXPECT_TRUE(fileRequests.empty());

    answers = {ResultNo};
    chosenFiles = {other};
    Trigger(CommandId::FileOpen);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].kind, FileRequest::Open);
    EXPECT_EQ(fileRequests[0].title, "Open");
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Other.QVR");
}

// Looking at a project is no change: New, Open and Exit go on without a question, and the title
// shows a star only from the first edit until the next save.
TEST_F(MainFrameTest, OnlyAChangedProjectIsMarkedAndAskedAbout)
{
    const QString path = WriteNewProject("Plant.QVR");
    Start(path);
    auto* tabs = app->MainFrame()->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
    }
    tabs->setCurrentIndex(0);
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Plant.QVR");
    Trigger(CommandId::FileNew);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(app->Document()->documentPath().isEmpty());

    ASSERT_TRUE(app->Document()->OpenProjectPath(path));
    EditProject();
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Plant.QVR*");
    Trigger(CommandId::FileSave);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Plant.QVR");
    EXPECT_TRUE(app->MainFrame()->close());
    EXPECT_TRUE(shown.empty());
}

// Stepping through every inspection of the demo project and through every page, in either
// template, changes nothing: a save writes back the very bytes that were opened.
TEST_F(MainFrameTest, ViewingTheDemoProjectAndSavingWritesTheSameBytes)
{
    const QDir examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));
    // The plant survey is a Maintenance project, the building survey a Buildings one; the user's
    // own template is the other one each time.
    const ReportProject surveys[] = {BuildDemoProject(examples), BuildBuildingsDemoProject(examples)};
    for (const int reportTemplate : {0, 1}) {
        ASSERT_EQ(WriteTemplate(1 - reportTemplate), SettingWrite::Written);
        const QString path = folder.filePath(QStringLiteral("demo-%1.QVR").arg(reportTemplate));
        ASSERT_TRUE(SaveProjectFile(path, surveys[reportTemplate]).Ok());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray opened = file.readAll();
        file.close();

        Start(path);
        auto* tabs = app->MainFrame()->findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
        tabs->setCurrentIndex(2);
        auto* next = app->MainFrame()->findChild<QPushButton*>(QStringLiteral("nextButton"));
        ASSERT_NE(next, nullptr);
        for (int step = 0; step <= app->Document()->Project().InspectionCount(); ++step) {
            next->click();
        }
        tabs->setCurrentIndex(1);
        tabs->setCurrentIndex(0);
        tabs->setCurrentIndex(2);
        EXPECT_FALSE(app->Document()->IsModified()) << reportTemplate;
        Trigger(CommandId::FileSave);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll() == opened) << "template " << reportTemplate;
        EXPECT_TRUE(shown.empty());
        app.reset();
    }
}

// The File menu lists the last four projects, newest first, across runs; an entry whose file is
// gone is dropped with a message.
TEST_F(MainFrameTest, RecentProjectsAreListedAndAGoneOneIsDropped)
{
    QStringList paths;
    for (const char* name : {"a.QVR", "b.QVR", "c.QVR", "d.QVR", "e.QVR"}) {
        paths.append(WriteNewProject(name));
    }
    Start();
    for (const QString& path : paths) {
        ASSERT_TRUE(app->Document()->OpenProjectPath(path));
    }
    Start();
    const auto entry = [this](int number) {
        return app->MainFrame()->findChild<QAction*>(QStringLiteral("recentProject%1").arg(number));
    };
    ASSERT_NE(entry(1), nullptr);
    EXPECT_EQ(entry(1)->text(), "&1 e.QVR");
    EXPECT_EQ(entry(4)->text(), "&4 b.QVR");
    EXPECT_EQ(entry(5), nullptr);

    entry(3)->trigger();
    EXPECT_EQ(app->Document()->documentName(), "c.QVR");
    EXPECT_EQ(entry(1)->text(), "&1 c.QVR");

    // The list is now c, e, d, b.
    ASSERT_TRUE(QFile::remove(paths[4]));
    entry(2)->trigger();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              QDir::toNativeSeparators(paths[4]) +
                  " cannot be found. It has been removed from the list of recent projects.");
    EXPECT_EQ(app->Document()->documentName(), "c.QVR");
    EXPECT_EQ(entry(1)->text(), "&1 c.QVR");
    EXPECT_EQ(entry(2)->text(), "&2 d.QVR");
    EXPECT_EQ(entry(3)->text(), "&3 b.QVR");
    EXPECT_EQ(entry(4), nullptr);
}

TEST_F(MainFrameTest, SaveAsNamesTheProjectAndSaveThenWritesWithoutAsking)
{
    Start();
    chosenFiles = {folder.filePath("Named.QVR")};
    Trigger(CommandId::FileSaveAs);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].title, "Save As");
    EXPECT_EQ(fileRequests[0].initialName, "Untitled");
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Named.QVR");

    QFile::remove(folder.filePath("Named.QVR"));
    Trigger(CommandId::FileSave);
    EXPECT_EQ(fileRequests.size(), 1u);
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Named.QVR")));
}

TEST_F(MainFrameTest, SaveOfANewJapaneseProjectAsksForAName)
{
    ASSERT_EQ(WriteLanguageSetting(6), SettingWrite::Written);
    Start();
    chosenFiles = {folder.filePath("Japanese.QVR")};
    Trigger(CommandId::FileSave);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].kind, FileRequest::Save);
    EXPECT_EQ(fileRequests[0].title, "名前をつけて保存");
    EXPECT_EQ(fileRequests[0].initialName, "未命名");
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("Japanese.QVR")));
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Japanese.QVR");
}

TEST_F(MainFrameTest, SaveWithoutAFilePathAlwaysAsksForOne)
{
    Start();
    app->Document()->SetDocumentName("Pump house");
    Trigger(CommandId::FileSave);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].kind, FileRequest::Save);
    EXPECT_EQ(fileRequests[0].initialName, "Pump house");
}

TEST_F(MainFrameTest, ToolsAndHelpCommandsRunTheirDialogs)
{
    Start();
    const std::pair<unsigned int, const char*> commands[] = {{CommandId::Language, "cLanguageDlg"},
                                                             {CommandId::Template, "cTemplateDlg"},
                                                             {CommandId::ReportOptions, "cReportOptionsDlg"},
                                                             {CommandId::AppAbout, "CSplashDlg"}};
    for (const auto& [command, dialogName] : commands) {
        QString seen;
        PressInNextDialog(command == CommandId::AppAbout ? "okButton" : "cancelButton", &seen);
        Trigger(command);
        EXPECT_EQ(seen, dialogName);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(GetLanguageSetting(), -1);
    EXPECT_EQ(GetTemplate(), 0);
}

} // namespace
