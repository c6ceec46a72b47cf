#include "ShellFixture.h"

#include "app/dialogs/CSplashDlg.h"
#include "app/dialogs/cLanguageDlg.h"
#include "app/dialogs/cReportOptionsDlg.h"
#include "app/dialogs/cTemplateDlg.h"
#include "app/gui/CQvxReportWriterDoc.h"
#include "app/language/LanguageLoader.h"
#include "app/language/LanguageTable.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/settings/SettingsStores.h"
#include "app/shell/CMainFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <ostream>

namespace {

using DialogsTest = ShellTest;

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.itemText(i);
    }
    return items;
}

// Every language of the table, as a program with all libraries installed offers them.
QList<int> EveryLanguage()
{
    QList<int> all;
    for (int index = 0; index < LanguageCount; ++index) {
        all << index;
    }
    return all;
}

// What the language dialog does with a choice, given what is stored and what runs.
struct NoticeCase
{
    const char* name;
    int stored; // -1: nothing stored
    int running;
    int chosen;
    bool notice;
};

void PrintTo(const NoticeCase& c, std::ostream* os)
{
    *os << c.name;
}

class LanguageNoticeTest : public ShellTest, public testing::WithParamInterface<NoticeCase>
{
};

TEST_P(LanguageNoticeTest, RestartNoticeOnlyForAStoredChange)
{
    const NoticeCase& c = GetParam();
    if (c.stored >= 0) {
        ASSERT_EQ(WriteLanguageSetting(c.stored), SettingWrite::Written);
    }
    cLanguageDlg dialog(c.running, EveryLanguage());
    auto* list = dialog.findChild<QComboBox*>("choiceList");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentIndex(), c.running);
    list->setCurrentIndex(c.chosen);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(GetLanguageSetting(), c.notice ? c.chosen : c.stored);
    if (c.notice) {
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Please restart the program to apply the settings.");
        EXPECT_EQ(shown[0].icon, IconInformation);
        EXPECT_EQ(shown[0].buttons, ButtonsOk);
    } else {
        EXPECT_TRUE(shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Choices,
                         LanguageNoticeTest,
                         testing::Values(NoticeCase {"first start keeps running language", -1, 0, 0, true},
                                         NoticeCase {"stored language again", 6, 6, 6, false},
                                         NoticeCase {"stored English again", 0, 0, 0, false},
                                         NoticeCase {"another language", 6, 6, 1, true},
                                         NoticeCase {"back to English", 6, 6, 0, true}),
                         [](const testing::TestParamInfo<NoticeCase>& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST_F(DialogsTest, LanguageDialogListsTheLanguagesItIsGiven)
{
    cLanguageDlg dialog(0, EveryLanguage());
    EXPECT_EQ(dialog.windowTitle(), "Language");
    const QStringList expected = {"English",
                                  "Deutsch",
                                  "Français",
                                  "Español",
                                  "Italiano",
                                  "中文",
                                  "日本語",
                                  "한국어",
                                  "US English",
                                  "Português",
                                  "Русский",
                                  "Dutch",
                                  "Česky",
                                  "עברית"};
    EXPECT_EQ(Items(*dialog.findChild<QComboBox*>("choiceList")), expected);
    EXPECT_EQ(dialog.findChild<QPushButton*>("okButton")->text(), "OK");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cancelButton")->text(), "Cancel");
}

// Beside the program there may be libraries of some languages only: English and those are offered,
// and a choice is stored as the language's own index.
TEST_F(DialogsTest, LanguageDialogOffersEnglishAndTheInstalledLibrariesOnly)
{
    QTemporaryDir program;
    ASSERT_TRUE(program.isValid());
    struct Installed
    {
        QList<int> libraries;
        QStringList names;
    };
    const Installed cases[] = {
        {{}, {"English"}}, {{6}, {"English", "日本語"}}, {{1, 6}, {"English", "Deutsch", "日本語"}}};
    for (const Installed& c : cases) {
        for (const int index : c.libraries) {
            QFile library(QDir(program.path()).filePath(LanguageLibraryFileName(index)));
            ASSERT_TRUE(library.open(QIODevice::WriteOnly));
        }
        const QList<int> installed = InstalledLanguages(program.path());
        cLanguageDlg dialog(6, installed);
        auto* list = dialog.findChild<QComboBox*>("choiceList");
        EXPECT_EQ(Items(*list), c.names);
        // The running language is selected when it is offered, else nothing is.
        EXPECT_EQ(list->currentIndex(), c.libraries.contains(6) ? c.names.indexOf("日本語") : -1);
        list->setCurrentIndex(int(c.names.size()) - 1);
        dialog.accept();
        EXPECT_EQ(GetLanguageSetting(), installed.constLast());
    }
}

TEST_F(DialogsTest, CancelChangesNothing)
{
    cLanguageDlg dialog(0, EveryLanguage());
    dialog.findChild<QComboBox*>("choiceList")->setCurrentIndex(6);
    dialog.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_EQ(GetLanguageSetting(), -1);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DialogsTest, FailedWriteIsToldWithoutRestartNotice)
{
    ASSERT_TRUE(QDir().mkpath(OpenFrameworkProfile()->fileName()));
    for (const bool language : {true, false}) {
        shown.clear();
        CQvxReportWriterDoc document;
        std::unique_ptr<SettingChoiceDlg> dialog;
        if (language) {
            dialog = std::make_unique<cLanguageDlg>(0, EveryLanguage());
        } else {
            dialog = std::make_unique<cTemplateDlg>(document);
        }
        dialog->findChild<QComboBox*>("choiceList")->setCurrentIndex(1);
        dialog->accept();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, "Error writing setting to registry.");
        EXPECT_EQ(shown[0].icon, IconError);
    }
}

TEST_F(DialogsTest, TempUnitWriteIsToldWhenTheKeyCannotBeOpened)
{
    EXPECT_TRUE(SetTempUnit(2));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(GetTempUnit(), 2);

    ClearSettings();
    ASSERT_TRUE(QDir().mkpath(OpenProgramKey()->fileName()));
    EXPECT_FALSE(SetTempUnit(1));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Could not open registry key to save the temperature unit");
    EXPECT_EQ(shown[0].icon, IconExclamation);
    EXPECT_EQ(GetTempUnit(), 0);
}

TEST_F(DialogsTest, TemplateDialogChangesTheOpenProjectAndTheDefaultWithoutARestart)
{
    ASSERT_EQ(WriteTemplate(1), SettingWrite::Written);
    CQvxReportWriterDoc document;
    cTemplateDlg dialog(document);
    auto* list = dialog.findChild<QComboBox*>("choiceList");
    EXPECT_EQ(dialog.windowTitle(), "Template");
    EXPECT_EQ(Items(*list), QStringList({"Maintenance", "Buildings"}));
    EXPECT_EQ(list->currentIndex(), 1);
    dialog.accept();
    EXPECT_FALSE(document.IsModified());

    // The open project's template is selected, whatever the default.
    ASSERT_EQ(WriteTemplate(0), SettingWrite::Written);
    cTemplateDlg again(document);
    EXPECT_EQ(again.findChild<QComboBox*>("choiceList")->currentIndex(), 1);
    again.findChild<QComboBox*>("choiceList")->setCurrentIndex(0);
    ASSERT_EQ(WriteTemplate(1), SettingWrite::Written);
    again.accept();
    EXPECT_EQ(document.Template(), ReportTemplate::Maintenance);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(GetTemplate(), 0);
    EXPECT_TRUE(shown.empty());
}

TEST_F(DialogsTest, ReportOptionsKeepTheCommonScaleChoice)
{
    cReportOptionsDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Report Options");
    auto* check = dialog.findChild<QCheckBox*>("commonScaleCheck");
    EXPECT_EQ(check->text(), "Same colour scale on every page");
    EXPECT_FALSE(check->isChecked());
    check->setChecked(true);
    dialog.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_FALSE(GetCommonScale());

    cReportOptionsDlg again;
    again.findChild<QCheckBox*>("commonScaleCheck")->setChecked(true);
    again.findChild<QPushButton*>("okButton")->click();
    EXPECT_EQ(again.result(), QDialog::Accepted);
    EXPECT_TRUE(GetCommonScale());
    EXPECT_TRUE(shown.empty()) << "takes effect with the next report, no restart";
    EXPECT_TRUE(cReportOptionsDlg().findChild<QCheckBox*>("commonScaleCheck")->isChecked());
}

TEST_F(DialogsTest, ReportOptionsThatCannotBeStoredAreToldAndStayOpen)
{
    ASSERT_TRUE(QDir().mkpath(OpenFrameworkProfile()->fileName()));
    cReportOptionsDlg dialog;
    dialog.show();
    dialog.findChild<QCheckBox*>("commonScaleCheck")->setChecked(true);
    dialog.findChild<QPushButton*>("okButton")->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Error writing setting to registry.");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogsTest, AboutBoxClosesOnlyWithOk)
{
    CSplashDlg about;
    about.show();
    EXPECT_EQ(about.findChild<QLabel*>("productName")->text(), "Brenmor Report Writer");
    EXPECT_EQ(about.findChild<QLabel*>("version")->text(), "Version 1.1.0.1");
    EXPECT_FALSE(about.findChild<QLabel*>("legalNotice")->text().isEmpty());
    QTest::keyClick(&about, Qt::Key_Escape);
    QTest::keyClick(&about, Qt::Key_Return);
    QTest::keyClick(&about, Qt::Key_Enter);
    about.close();
    EXPECT_TRUE(about.isVisible());
    auto* ok = about.findChild<QPushButton*>("okButton");
    EXPECT_EQ(ok->text(), "OK");
    ok->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(DialogsTest, AboutBoxAndWindowShowTheIconTheDesktopGets)
{
    // The pictures installed into the icon theme, rendered from the same drawing (compared as the
    // window system holds them, with the colours premultiplied).
    const auto installed = [](int size) {
        return QImage(QStringLiteral(THERMREPORT_BINARY_DIR "/icons/%1/thermreport.png").arg(size))
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    CSplashDlg about;
    const QList<QLabel*> labels = about.findChildren<QLabel*>();
    const auto icon =
        std::find_if(labels.begin(), labels.end(), [](QLabel* label) { return !label->pixmap().isNull(); });
    ASSERT_NE(icon, labels.end());
    ASSERT_FALSE(installed(64).isNull());
    EXPECT_EQ((*icon)->pixmap().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), installed(64));

    const QIcon window = Start().MainFrame()->windowIcon();
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(window.availableSizes().contains(QSize(size, size))) << size;
    }
    EXPECT_EQ(window.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied), installed(16));
}

} // namespace
