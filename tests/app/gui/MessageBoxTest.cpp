#include "app/gui/cMessageDlg.h"
#include "app/strings/StringIds.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StringSourceGuard.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QPushButton* Button(cMessageDlg& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(name);
}

QStringList ShownButtons(cMessageDlg& dialog)
{
    QStringList shown;
    for (const char* name : {"openButton", "yesButton", "noButton", "okButton", "cancelButton"}) {
        if (!Button(dialog, name)->isHidden()) {
            shown << Button(dialog, name)->text();
        }
    }
    return shown;
}

ShownMessage Message(int icon, int buttons)
{
    return {"First line\nSecond line", "Caption", icon, buttons};
}

struct ButtonCase
{
    int code;
    QStringList labels;
};

class MessageButtons : public testing::TestWithParam<ButtonCase>
{
};

TEST_P(MessageButtons, ShowsTheButtonsOfItsCode)
{
    cMessageDlg dialog(Message(IconExclamation, GetParam().code));
    EXPECT_EQ(ShownButtons(dialog), GetParam().labels);
}

TEST_P(MessageButtons, EachShownButtonGivesItsResult)
{
    const std::pair<const char*, int> results[] = {{"openButton", ResultOpen},
                                                   {"yesButton", ResultYes},
                                                   {"noButton", ResultNo},
                                                   {"okButton", ResultOk},
                                                   {"cancelButton", ResultCancel}};
    for (const auto& [name, result] : results) {
        cMessageDlg dialog(Message(IconExclamation, GetParam().code));
        if (Button(dialog, name)->isHidden()) {
            continue;
        }
        dialog.show();
        Button(dialog, name)->click();
        EXPECT_EQ(dialog.result, result) << name;
        EXPECT_FALSE(dialog.isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(Codes,
                         MessageButtons,
                         testing::Values(ButtonCase {ButtonsOk, {"OK"}},
                                         ButtonCase {ButtonsOkCancel, {"OK", "Cancel"}},
                                         ButtonCase {ButtonsYesNoCancel, {"Yes", "No", "Cancel"}},
                                         ButtonCase {ButtonsYesNo, {"Yes", "No"}},
                                         ButtonCase {ButtonsOpenOk, {"Open", "OK"}},
                                         ButtonCase {2, {"OK"}},
                                         ButtonCase {5, {"OK"}},
                                         ButtonCase {-1, {"OK"}}));

struct IconCase
{
    int code;
    QStyle::StandardPixmap icon;
};

class MessageIcons : public testing::TestWithParam<IconCase>
{
};

TEST_P(MessageIcons, ShowsThePlatformIconOfItsCode)
{
    EXPECT_EQ(cMessageDlg::StandardIconFor(GetParam().code), GetParam().icon);
    cMessageDlg dialog(Message(GetParam().code, ButtonsOk));
    const QPixmap expected = dialog.style()->standardIcon(GetParam().icon, nullptr, &dialog).pixmap(32, 32);
    const QPixmap shown = dialog.findChild<QLabel*>("iconLabel")->pixmap();
    EXPECT_EQ(shown.toImage(), expected.toImage());
}

INSTANTIATE_TEST_SUITE_P(Codes,
                         MessageIcons,
                         testing::Values(IconCase {IconError, QStyle::SP_MessageBoxCritical},
                                         IconCase {IconQuestion, QStyle::SP_MessageBoxQuestion},
                                         IconCase {IconExclamation, QStyle::SP_MessageBoxWarning},
                                         IconCase {IconInformation, QStyle::SP_MessageBoxInformation},
                                         IconCase {0, QStyle::SP_MessageBoxWarning},
                                         IconCase {17, QStyle::SP_MessageBoxWarning}));

TEST(MessageDialog, ShowsCaptionAndTextAsGiven)
{
    cMessageDlg dialog(Message(IconError, ButtonsOk));
    EXPECT_EQ(dialog.windowTitle(), "Caption");
    EXPECT_EQ(dialog.findChild<QLabel*>("textLabel")->text(), "First line\nSecond line");
    EXPECT_EQ(dialog.result, ResultNone);
}

TEST(MessageDialog, EscapeGivesCancelEvenWithoutACancelButton)
{
    cMessageDlg dialog(Message(IconQuestion, ButtonsYesNo));
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), ResultCancel);
    EXPECT_EQ(dialog.result, ResultCancel);
}

TEST(MessageDialog, ClosingTheWindowGivesCancel)
{
    cMessageDlg dialog(Message(IconQuestion, ButtonsYesNo));
    dialog.show();
    dialog.close();
    EXPECT_EQ(dialog.result, ResultCancel);
}

TEST(MessageDialog, ButtonsAreLabelledFromTheLanguageInUse)
{
    StringSourceGuard guard;
    SetLanguageLibrary([](unsigned id) -> const char* { return id == StringId::Yes ? "Ja" : "Nein"; });
    SetUseLanguageLibrary(true);
    cMessageDlg dialog(Message(IconQuestion, ButtonsYesNoCancel));
    EXPECT_EQ(ShownButtons(dialog), (QStringList {"Ja", "Nein", "Nein"}));
}

TEST(MessageBox, GoesThroughTheHandlerWithTheProductCaption)
{
    ScriptedDialogs dialogs;
    dialogs.AnswerNextMessage(ResultNo);
    EXPECT_EQ(MessageBox("Save changes?", IconQuestion, ButtonsYesNoCancel), ResultNo);
    EXPECT_EQ(MessageBoxId(StringId::NoReportsSelected, IconExclamation, ButtonsOk), ResultOk);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Save changes?");
    EXPECT_EQ(dialogs.messages[0].caption, "VORNEX Brenmor Report Writer");
    EXPECT_EQ(dialogs.messages[0].icon, IconQuestion);
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonsYesNoCancel);
    EXPECT_EQ(dialogs.messages[1].text, "No reports selected");
    EXPECT_EQ(dialogs.messages[1].icon, IconExclamation);
}

TEST(MessageBox, WithoutAHandlerRunsTheDialog)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<cMessageDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "VORNEX Brenmor Report Writer");
        dialog->findChild<QPushButton*>("noButton")->click();
    });
    EXPECT_EQ(MessageBox("Really?", IconQuestion, ButtonsYesNo), ResultNo);
}

} // namespace
