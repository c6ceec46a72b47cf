#include "ShellFixture.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/settings/Settings.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CQvxReportWriterView.h"
#include "app/shell/MainMenu.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/ImageSelectDlg.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

QStringList MenuTitles(const CMainFrame& frame)
{
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions()) {
        titles << action->text();
    }
    return titles;
}

QStringList TabCaptions(const CMainFrame& frame)
{
    QStringList captions;
    const QTabWidget* sheet = frame.View()->Sheet();
    for (int i = 0; i < sheet->count(); ++i) {
        captions << sheet->tabText(i);
    }
    return captions;
}

using StartupTest = ShellTest;

TEST_F(StartupTest, WithoutProjectStartsUntitledInEnglish)
{
    CMainFrame& frame = *Start().MainFrame();
    EXPECT_EQ(frame.windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    EXPECT_EQ(MenuTitles(frame), QStringList({"&File", "&Tools", "&Help"}));
    EXPECT_EQ(frame.CommandAction(CommandId::FileSaveAs)->text(), "Save &As...");
    EXPECT_EQ(frame.CommandAction(CommandId::FileNew)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame.CommandAction(CommandId::FileOpen)->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(frame.CommandAction(CommandId::FileSave)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(TabCaptions(frame), QStringList({"Title Page", "Image Select", "Inspection Data"}));
    EXPECT_TRUE(frame.findChildren<QToolBar*>().isEmpty());
    EXPECT_EQ(frame.findChild<QStatusBar*>(), nullptr);
    EXPECT_EQ(StringSource().language, 0);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(shownStandard.empty());
}

TEST_F(StartupTest, PagesAreReachedThroughTheMainWindow)
{
    CMainFrame& frame = *Start().MainFrame();
    const char* names[] = {"TitleDlg", "ImageSelectDlg", "DetailsDlg"};
    for (int index = 0; index < 3; ++index) {
        ASSERT_NE(frame.GetPage(index), nullptr);
        EXPECT_EQ(frame.GetPage(index)->objectName(), names[index]);
        EXPECT_EQ(frame.View()->Sheet()->widget(index), frame.GetPage(index));
    }
    EXPECT_EQ(frame.GetPage(3), nullptr);
    EXPECT_EQ(frame.GetPage(-1), nullptr);
    EXPECT_EQ(frame.View()->Sheet()->currentIndex(), 0);
}

TEST_F(StartupTest, ViewScrollsOverThePagesAndNeverShrinksThem)
{
    CMainFrame& frame = *Start().MainFrame();
    CQvxReportWriterView& view = *frame.View();
    frame.setWindowState(Qt::WindowNoState);
    frame.resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_GE(view.Sheet()->width(), 980);
    EXPECT_GE(view.Sheet()->height(), 700);
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);

    view.horizontalScrollBar()->setValue(40);
    view.verticalScrollBar()->setValue(40);
    frame.resize(620, 420);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);

    frame.resize(1400, 1000);
    QCoreApplication::processEvents();
    EXPECT_EQ(view.Sheet()->size(), view.viewport()->size());
    EXPECT_GT(view.Sheet()->width(), 980);
}

TEST_F(StartupTest, ProjectArgumentIsOpenedAndNamedInTheTitle)
{
    const QString path = WriteNewProject("Substation.QVR");
    CQvxReportWriterApp& started = Start(path);
    EXPECT_EQ(started.MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Substation.QVR");
    EXPECT_EQ(started.Document()->documentPath(), QFileInfo(path).absoluteFilePath());
    EXPECT_TRUE(shown.empty());
}

TEST_F(StartupTest, UnreadableProjectArgumentLeavesAnUntitledProject)
{
    const QString path = folder.filePath("Broken.QVR");
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x9a\x99\x99\x3f\xff", 5);
    broken.close();

    CQvxReportWriterApp& started = Start(path);
    EXPECT_EQ(started.MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_TRUE(started.Document()->documentPath().isEmpty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, IconError);

    // A later Save asks for a new name instead of writing over the file that could not be read.
    Trigger(CommandId::FileSave);
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].kind, FileRequest::Save);
    EXPECT_EQ(QFileInfo(path).size(), 5);
}

TEST_F(StartupTest, MissingProjectArgumentIsToldAndLeavesAnUntitledProject)
{
    const QString path = folder.filePath("Gone.QVR");
    CQvxReportWriterApp& started = Start(path);
    EXPECT_EQ(started.MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_TRUE(started.Document()->documentPath().isEmpty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Error reading QVR file\n" + path);
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(StartupTest, SnapshotArgumentBecomesTheFirstInspectionOfANewProject)
{
    // The file manager opens a snapshot with the program, as it opens a project.
    const QString snapshot = QStringLiteral(THERMREPORT_SOURCE_DIR "/examples/panel-breaker.qvx");
    CQvxReportWriterApp& started = Start(snapshot);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(started.MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_TRUE(started.Document()->documentPath().isEmpty());
    const auto* imageSelect = qobject_cast<ImageSelectDlg*>(started.MainFrame()->GetPage(1));
    ASSERT_NE(imageSelect, nullptr);
    ASSERT_EQ(imageSelect->RowCount(), 1);
    EXPECT_EQ(imageSelect->RowSelection(0)->snapshotPath, snapshot);
    EXPECT_EQ(started.MainFrame()->View()->Sheet()->currentWidget(), imageSelect);

    // A file that only looks like a snapshot is told and leaves the project empty.
    const QString broken = folder.filePath("broken.qvx");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("QVX\0truncated");
    file.close();
    app.reset();
    shown.clear();
    CQvxReportWriterApp& again = Start(broken);
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(qobject_cast<ImageSelectDlg*>(again.MainFrame()->GetPage(1))->RowCount(), 0);
}

TEST_F(StartupTest, JapaneseLibraryGivesTextsAndMenu)
{
    ASSERT_EQ(WriteLanguageSetting(6), SettingWrite::Written);
    CMainFrame& frame = *Start().MainFrame();
    EXPECT_EQ(StringSource().language, 6);
    EXPECT_EQ(frame.windowTitle(), "VORNEX Brenmor Report Writer - 未命名");
    EXPECT_EQ(MenuTitles(frame), QStringList({"文件", "ツール", "ヘルプ"}));
    EXPECT_EQ(frame.CommandAction(CommandId::FileNew)->text(), "新建");
    EXPECT_EQ(frame.CommandAction(CommandId::AppExit)->text(), "閉じる");
    EXPECT_EQ(frame.CommandAction(CommandId::Language)->text(), "言語");
    EXPECT_EQ(frame.CommandAction(CommandId::FileSave)->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(TabCaptions(frame), QStringList({"扉页", "图象选择", "检验数据"}));
    EXPECT_EQ(LoadAppString(1137), "はい");
    // Qt's own dialogs follow the language of the run.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "アドレス:");
    EXPECT_TRUE(shownStandard.empty());
}

TEST_F(StartupTest, ChosenLanguageWithoutLibraryIsToldThenEnglish)
{
    ASSERT_EQ(WriteLanguageSetting(1), SettingWrite::Written);
    CMainFrame& frame = *Start().MainFrame();
    ASSERT_EQ(shownStandard.size(), 1u);
    EXPECT_EQ(shownStandard[0].text, "Error loading:\nQVX German.so");
    EXPECT_EQ(shownStandard[0].caption, "Report Writer");
    EXPECT_EQ(shownStandard[0].icon, IconError);
    EXPECT_EQ(shownStandard[0].buttons, ButtonsOkCancel);
    EXPECT_EQ(frame.windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_EQ(StringSource().language, 0);
    EXPECT_EQ(MenuTitles(frame), QStringList({"&File", "&Tools", "&Help"}));
    // The choice stays stored: the user may still install the library.
    EXPECT_EQ(GetLanguageSetting(), 1);
}

TEST_F(StartupTest, LibraryOfAnotherLanguageIsToldThenEnglish)
{
    ASSERT_EQ(WriteLanguageSetting(6), SettingWrite::Written);
    app = std::make_unique<CQvxReportWriterApp>(QStringLiteral(FAKE_LANGUAGE_FOLDER));
    app->InitInstance(std::nullopt);
    ASSERT_EQ(shownStandard.size(), 1u);
    EXPECT_EQ(shownStandard[0].text, "Error incorrect DLL");
    EXPECT_EQ(shownStandard[0].buttons, ButtonsOk);
    EXPECT_EQ(app->MainFrame()->windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_EQ(StringSource().language, 0);
}

TEST_F(StartupTest, LocaleLanguageWithoutLibraryStartsInEnglishSilently)
{
    // The tests run in the C locale, which reads as United States English: the "US" library, not shipped.
    CMainFrame& frame = *Start().MainFrame();
    EXPECT_TRUE(shownStandard.empty());
    EXPECT_EQ(frame.windowTitle(), "VORNEX Brenmor Report Writer - Untitled");
    EXPECT_EQ(StringSource().language, 0);
}

} // namespace
