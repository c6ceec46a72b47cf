#pragma once

#include <QString>

#include <memory>
#include <optional>

class CMainFrame;
class CQvxReportWriterDoc;
class LanguageLibrary;
class QTranslator;

// The application: the language of the run with its library, the document and the main window.
// One per run; the QApplication must exist before it and outlive it.
class CQvxReportWriterApp
{
public:
    // `languageFolder` is where the language libraries are looked for: the program's own folder.
    explicit CQvxReportWriterApp(QString languageFolder);
    ~CQvxReportWriterApp();
    CQvxReportWriterApp(const CQvxReportWriterApp&) = delete;
    CQvxReportWriterApp& operator=(const CQvxReportWriterApp&) = delete;

    // Start-up: the language and its library, the document, the main window with its view, then the
    // project named on the command line, if any. The main window is not shown yet.
    void InitInstance(const std::optional<QString>& projectPath);

    CMainFrame* MainFrame() const { return mainFrame.get(); }
    CQvxReportWriterDoc* Document() const { return document.get(); }

    // The whole GUI run: creates the QApplication, starts up, shows the main window and runs the
    // event loop until the main window closes. Returns the exit code.
    static int Run(int argc, char** argv, const std::optional<QString>& projectPath);

private:
    void SetUpLanguage();
    void OpenCommandLineProject(const QString& projectPath);

    QString languageFolder;
    // Declared first so that it is unloaded last, after everything that shows its texts.
    std::unique_ptr<LanguageLibrary> languageLibrary;
    std::unique_ptr<QTranslator> qtTranslator;
    std::unique_ptr<CQvxReportWriterDoc> document;
    std::unique_ptr<CMainFrame> mainFrame;
};
