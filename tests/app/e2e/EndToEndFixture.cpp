#include "EndToEndFixture.h"

#include "app/settings/SettingsStores.h"
#include "app/shell/CMainFrame.h"
#include "app/shell/CQvxReportWriterView.h"
#include "pages/details/DetailsDlg.h"
#include "pages/details/ImageArea.h"
#include "pages/imageselect/ImageSelectDlg.h"
#include "pages/title/TitleDlg.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTabWidget>
#include <QTest>

namespace {

void ClearSettings()
{
    for (const auto& store : {OpenFrameworkProfile(), OpenProgramKey()}) {
        store->clear();
        store->sync();
    }
}

} // namespace

void EndToEndFixture::SetUp()
{
    ClearSettings();
    folder = QDir(temporary.path());
    // "Save changes to ...?" is answered No: every save in these tests is asked for by name.
    SetMessageHandler([this](const ShownMessage& message) {
        if (message.icon == IconQuestion) {
            questions.push_back(message);
            return int(ResultNo);
        }
        shown.push_back(message);
        return int(ResultOk);
    });
    SetFileChooserHandler([this](const FileRequest&) -> std::optional<ChosenFile> {
        if (chosenFiles.empty()) {
            ADD_FAILURE() << "a file dialog nobody expected";
            return std::nullopt;
        }
        const auto chosen = chosenFiles.front();
        chosenFiles.pop_front();
        if (!chosen) {
            return std::nullopt;
        }
        return ChosenFile {*chosen};
    });
}

void EndToEndFixture::TearDown()
{
    app.reset();
    SetMessageHandler({});
    SetFileChooserHandler({});
    ClearSettings();
}

void EndToEndFixture::Start()
{
    app = std::make_unique<CQvxReportWriterApp>(QCoreApplication::applicationDirPath());
    app->InitInstance(std::nullopt);
    app->MainFrame()->resize(1000, 760);
    app->MainFrame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app->MainFrame()));
}

void EndToEndFixture::Quit()
{
    app.reset();
}

void EndToEndFixture::Trigger(unsigned commandId)
{
    QAction* action = app->MainFrame()->CommandAction(commandId);
    ASSERT_NE(action, nullptr) << commandId;
    action->trigger();
}

void EndToEndFixture::ShowTab(int index)
{
    app->MainFrame()->View()->Sheet()->setCurrentIndex(index);
    QCoreApplication::processEvents();
}

TitleDlg* EndToEndFixture::Title() const
{
    return qobject_cast<TitleDlg*>(app->MainFrame()->GetPage(0));
}

ImageSelectDlg* EndToEndFixture::ImageSelect() const
{
    return qobject_cast<ImageSelectDlg*>(app->MainFrame()->GetPage(1));
}

DetailsDlg* EndToEndFixture::Details() const
{
    return qobject_cast<DetailsDlg*>(app->MainFrame()->GetPage(2));
}

void EndToEndFixture::Type(QWidget* page, const char* name, const QString& text)
{
    QWidget* control = page->findChild<QWidget*>(QLatin1String(name));
    ASSERT_NE(control, nullptr) << name;
    control->setFocus();
    QTest::keyClicks(control, text);
}

void EndToEndFixture::Click(QWidget* page, const char* name)
{
    QWidget* control = page->findChild<QWidget*>(QLatin1String(name));
    ASSERT_NE(control, nullptr) << name;
    QTest::mouseClick(control, Qt::LeftButton);
}

void EndToEndFixture::Choose(QWidget* page, const char* comboName, int index)
{
    auto* list = page->findChild<QComboBox*>(QLatin1String(comboName));
    ASSERT_NE(list, nullptr) << comboName;
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void EndToEndFixture::Drag(QWidget* page, QPoint from, QPoint to)
{
    auto* area = page->findChild<ImageArea*>(QStringLiteral("imageArea"));
    ASSERT_NE(area, nullptr);
    const auto onPage = [page, area](QPoint inside) { return area->mapTo(page, area->InsideTransform().map(inside)); };
    QTest::mousePress(page, Qt::LeftButton, {}, onPage(from));
    QTest::mouseMove(page, onPage((from + to) / 2));
    QTest::mouseMove(page, onPage(to));
    QTest::mouseRelease(page, Qt::LeftButton, {}, onPage(to));
}

QString EndToEndFixture::PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000)) {
        return {};
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

void EndToEndFixture::Screenshot(const QString& name)
{
    QDir shots(QStringLiteral(THERMREPORT_BINARY_DIR));
    shots.mkpath(QStringLiteral("screenshots"));
    // The whole sheet of pages, whatever part of it the window shows.
    app->MainFrame()->View()->Sheet()->grab().save(shots.filePath(QStringLiteral("screenshots/%1.png").arg(name)));
}

void EndToEndFixture::KeepReport(const QString& path)
{
    const QDir shots(QStringLiteral(THERMREPORT_BINARY_DIR "/screenshots"));
    const QString copy = shots.filePath(QFileInfo(path).fileName());
    QFile::remove(copy);
    QFile::copy(path, copy);
}
