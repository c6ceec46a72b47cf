#include "pages/colour/cColourEdit.h"

#include "pages/colour/ColourValueOf.h"
#include "snapshot/ColourValue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>

#include <algorithm>

namespace {

QString ToCrLf(QString text)
{
    return text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

// Each line break will be two characters in the report's text.
qsizetype CountedLength(const QString& plainText)
{
    return plainText.size() + plainText.count(QLatin1Char('\n'));
}

QString FromCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

cColourEdit::cColourEdit(Lines lines, QWidget* parent)
    : QPlainTextEdit(parent)
    , lines(lines)
    , bkColour(ColourValueOf(QApplication::palette().color(QPalette::Base)))
    , textColour(ColourValueOf(QApplication::palette().color(QPalette::Text)))
{
    setTabChangesFocus(true);
    if (lines == Lines::Single) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(2);
        const int frame = 2 * frameWidth();
        setFixedHeight(fontMetrics().height() + frame + 2 * int(document()->documentMargin()));
    }
    connect(this, &QPlainTextEdit::textChanged, this, &cColourEdit::CutToLimit);
    ApplyColours();
}

void cColourEdit::SetBkColour(quint32 colour)
{
    bkColour = colour;
    ApplyColours();
}

void cColourEdit::SetTextColour(quint32 colour)
{
    textColour = colour;
    ApplyColours();
}

QString cColourEdit::Text() const
{
    return ToCrLf(toPlainText());
}

void cColourEdit::SetText(const QString& text)
{
    settingText = true;
    setPlainText(FromCrLf(text));
    settingText = false;
    counted = CountedLength(toPlainText());
}

void cColourEdit::SetLimitText(int characters)
{
    limit = characters;
}

void cColourEdit::keyPressEvent(QKeyEvent* event)
{
    // Enter belongs to the page in a one-line field, as it does in a plain edit box.
    if (lines == Lines::Single && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void cColourEdit::insertFromMimeData(const QMimeData* source)
{
    if (lines == Lines::Single && source->hasText()) {
        QString text = source->text();
        text.replace(QLatin1Char('\r'), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
        insertPlainText(text);
        return;
    }
    QPlainTextEdit::insertFromMimeData(source);
}

void cColourEdit::ApplyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QColorFromColourValue(bkColour));
    colours.setColor(QPalette::Text, QColorFromColourValue(textColour));
    setPalette(colours);
}

void cColourEdit::CutToLimit()
{
    const qsizetype now = CountedLength(toPlainText());
    // The limit stops typing, not text: a longer text put in by the program stays as it is.
    const qsizetype allowed = std::max(qsizetype(limit), counted);
    if (settingText || limit <= 0 || now <= allowed) {
        counted = now;
        return;
    }
    // Take back what was just typed or pasted: the excess before the cursor.
    QTextCursor cursor = textCursor();
    qsizetype excess = now - allowed;
    const QSignalBlocker quiet(this);
    while (excess > 0 && cursor.position() > 0) {
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor);
        excess -= cursor.selectedText().endsWith(QChar::ParagraphSeparator) ? 2 : 1;
        cursor.removeSelectedText();
    }
    setTextCursor(cursor);
    counted = CountedLength(toPlainText());
}
