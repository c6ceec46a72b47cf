#include "pages/colour/cColourEdit.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

QColor InsideColour(cColourEdit& edit)
{
    return edit.grab().toImage().pixelColor(edit.width() / 2, edit.height() / 2);
}

TEST(ColourEdit, BackgroundSetBeforeTheWindowExistsShowsOnceShown)
{
    cColourEdit edit(cColourEdit::Lines::Single);
    edit.SetBkColour(0x0080FF); // orange (255, 128, 0)
    edit.resize(80, edit.height());
    edit.show();
    EXPECT_EQ(InsideColour(edit), QColor(255, 128, 0));
    edit.SetBkColour(0x00FF00);
    EXPECT_EQ(InsideColour(edit), QColor(0, 255, 0));
}

TEST(ColourEdit, TextColourChangesTheTextOnly)
{
    cColourEdit edit;
    edit.SetTextColour(0x0000FF);
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit.TextColour(), 0x0000FFu);
}

TEST(ColourEdit, LineBreaksAreGivenAndTakenAsCrLf)
{
    cColourEdit edit;
    edit.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_EQ(edit.toPlainText(), QStringLiteral("one\ntwo\nthree"));
    EXPECT_EQ(edit.Text(), QStringLiteral("one\r\ntwo\r\nthree"));
}

TEST(ColourEdit, TypingStopsAtTheLimitCountingBreaksAsTwo)
{
    cColourEdit edit;
    edit.SetLimitText(6);
    edit.show();
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QTest::keyClicks(&edit, QStringLiteral("cdef"));
    EXPECT_EQ(edit.Text(), QStringLiteral("ab\r\ncd"));
}

TEST(ColourEdit, LongerTextFromTheProgramStaysButTakesNoMoreTyping)
{
    cColourEdit edit;
    edit.SetLimitText(5);
    edit.show();
    edit.SetText(QStringLiteral("1234567"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1234567"));
    edit.moveCursor(QTextCursor::End);
    QTest::keyClicks(&edit, QStringLiteral("8"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1234567"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QStringLiteral("xyz"));
    EXPECT_EQ(edit.Text(), QStringLiteral("1234x"));
}

} // namespace
