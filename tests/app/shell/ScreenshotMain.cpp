// Pictures of the main window and the small dialogs, in English and in Japanese, for looking at the
// interface as a user would: shell_screenshots OUTPUT_FOLDER (run under a display, e.g. xvfb-run).

#include "app/dialogs/CSplashDlg.h"
#include "app/dialogs/cLanguageDlg.h"
#include "app/dialogs/cSeverityCriteriaDlg.h"
#include "app/language/LanguageLoader.h"
#include "app/settings/Settings.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CQvxReportWriterApp.h"
#include "app/strings/StringSource.h"
#include "output/SeverityTables.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTest>

#include <cstdio>

namespace {

bool Save(QWidget& widget, const QString& path)
{
    widget.show();
    QTest::qWait(200);
    return widget.grab().save(path);
}

bool ShootLanguage(int language, const QString& folder, const QString& name)
{
    if (WriteLanguageSetting(language) != SettingWrite::Written) {
        return false;
    }
    CQvxReportWriterApp app(QCoreApplication::applicationDirPath());
    app.InitInstance(std::nullopt);
    CMainFrame& frame = *app.MainFrame();
    frame.setWindowState(Qt::WindowNoState);
    frame.resize(995, 750);
    bool saved = Save(frame, QDir(folder).filePath("main-" + name + ".png"));
    frame.menuBar()->actions().constFirst()->menu()->popup(frame.mapToGlobal(QPoint(0, frame.menuBar()->height())));
    QTest::qWait(200);
    saved =
        Save(*frame.menuBar()->actions().constFirst()->menu(), QDir(folder).filePath("menu-" + name + ".png")) && saved;
    frame.menuBar()->actions().constFirst()->menu()->hide();
    CSplashDlg about(&frame);
    saved = Save(about, QDir(folder).filePath("about-" + name + ".png")) && saved;
    about.done(QDialog::Accepted);
    cLanguageDlg languages(StringSource().language, InstalledLanguages(QCoreApplication::applicationDirPath()), &frame);
    saved = Save(languages, QDir(folder).filePath("language-" + name + ".png")) && saved;
    languages.done(QDialog::Rejected);
    cSeverityCriteriaDlg criteria(BuiltInCriteria(SeverityKind::OverAmbient), TemperatureUnit::Celsius, &frame);
    saved = Save(criteria, QDir(folder).filePath("criteria-" + name + ".png")) && saved;
    criteria.done(QDialog::Rejected);
    frame.hide();
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: shell_screenshots OUTPUT_FOLDER\n");
        return 64;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool offscreen = qEnvironmentVariableIsEmpty("DISPLAY");
    PrepareTestEnvironment();
    if (!offscreen) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    QApplication application(argc, argv);
    QDir().mkpath(folder);
    const bool ok = ShootLanguage(0, folder, "english") && ShootLanguage(6, folder, "japanese");
    return ok ? 0 : 1;
}
