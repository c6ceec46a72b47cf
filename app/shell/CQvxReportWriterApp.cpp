#include "app/shell/CQvxReportWriterApp.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/language/LanguageLoader.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CQvxReportWriterView.h"
#include "app/shell/MainMenu.h"
#include "app/shell/QtTranslations.h"
#include "app/shell/StandardMessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/ImageSelectDlg.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTabWidget>
#include <QTranslator>

namespace {

// A thermal snapshot rather than a project: told by its first bytes, as the desktop's file types
// tell it. A project file starts with its version number and never so.
bool IsSnapshotFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(3) == "QVX";
}

} // namespace

CQvxReportWriterApp::CQvxReportWriterApp(QString languageFolder)
    : languageFolder(std::move(languageFolder))
{ }

CQvxReportWriterApp::~CQvxReportWriterApp()
{
    mainFrame.reset();
    document.reset();
    qtTranslator.reset();
    // No text may be read from the library once it is gone.
    SetUseLanguageLibrary(false);
    SetLanguageLibrary(nullptr);
    SetLanguage(0);
}

void CQvxReportWriterApp::InitInstance(const std::optional<QString>& projectPath)
{
    SetUpLanguage();
    document = std::make_unique<CQvxReportWriterDoc>();
    std::span<const QvxMenuItem> menu = languageLibrary ? languageLibrary->Menu(MainMenuId) : EnglishMainMenu();
    mainFrame = std::make_unique<CMainFrame>(document.get(), menu.empty() ? EnglishMainMenu() : menu);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        mainFrame->PlaceOnScreen(screen->geometry().size());
    }
    // From here on the library is the current source of texts for the whole run.
    UseLanguageResources();
    if (projectPath) {
        OpenCommandLineProject(*projectPath);
    }
}

void CQvxReportWriterApp::SetUpLanguage()
{
    LoadedLanguage loaded =
        LoadLanguage(ChooseLanguage(), languageFolder, [](LanguageProblem problem, const QString& fileName) {
            // The program's own English is in use while these are shown.
            if (problem == LanguageProblem::LibraryMissing) {
                QString text = LoadAppString(StringId::ErrorLoadingLibrary);
                StandardMessageBox(text.replace(QLatin1String("%s"), fileName), IconError, ButtonsOkCancel);
            } else {
                StandardMessageBox(LoadAppString(StringId::IncorrectLibrary), IconError, ButtonsOk);
            }
        });
    UseLoadedLanguage(loaded);
    languageLibrary = std::move(loaded.library);
    // Qt's own dialogs speak the language of the program's texts.
    qtTranslator = languageLibrary ? InstallQtTranslations(loaded.language, QtTranslationsFolder()) : nullptr;
}

void CQvxReportWriterApp::OpenCommandLineProject(const QString& projectPath)
{
    if (IsSnapshotFile(projectPath)) {
        OpenCommandLineSnapshot(projectPath);
        return;
    }
    // A project that fails to load leaves the new, untitled one in place, so that a later Save can never
    // write an empty project over the file that could not be read.
    if (document->OpenProjectPath(projectPath)) {
        return;
    }
    // Every failure but an unopenable file has had its message; a file named on the command line that
    // cannot be opened at all deserves one too.
    QFile file(projectPath);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox(JoinMessage(LoadAppString(StringId::ErrorReadingQvr), projectPath), IconError, ButtonsOk);
    }
}

void CQvxReportWriterApp::OpenCommandLineSnapshot(const QString& snapshotPath)
{
    // A snapshot opened from the file manager starts the new project with it as the first
    // inspection, shown on the Image Select page; one that cannot be shown has had its message.
    auto* imageSelect = qobject_cast<ImageSelectDlg*>(mainFrame->GetPage(1));
    if (imageSelect && imageSelect->LoadSelections({{snapshotPath, {}, {}}}, {})) {
        mainFrame->View()->Sheet()->setCurrentWidget(imageSelect);
    }
}

int CQvxReportWriterApp::Run(int argc, char** argv, const std::optional<QString>& projectPath)
{
    QApplication application(argc, argv);
    CQvxReportWriterApp app(QCoreApplication::applicationDirPath());
    app.InitInstance(projectPath);
    app.MainFrame()->show();
    return application.exec();
}
