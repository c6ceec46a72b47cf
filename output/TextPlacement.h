#pragma once

#include <QFontMetricsF>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPainter;

// Where a text sits in its rectangle. Every text starts at the top; "\n" starts a new line.
// Only whole lines are printed: a line too wide for the rectangle, and the last line of a
// rectangle that cannot hold the rest of the text, end in an ellipsis.
enum class Placement {
    Left,
    Centre,
    Right,
    LeftBottom, // drawn like Left
    Wrapped // left, wrapped by the Unicode line-breaking rules; a word wider than the line is
            // broken between its characters
};

// The lines a text is printed as in a rectangle of `size`, and whether any of it is left out.
struct PlacedLines
{
    QStringList lines;
    bool cut = false;
};

// The one layout of the report's texts: the report prints what it returns, and the pages
// ask it whether a typed text will be cut.
PlacedLines LayOutText(const QString& text, const QFontMetricsF& metrics, QSizeF size, Placement placement);

// Lines follow each other by the font's cell height, without extra leading.
qreal ReportLineHeight(const QFontMetricsF& metrics);

void DrawPlacedText(QPainter& painter, const QRect& rect, const QString& text, Placement placement);

// The lines of a wrapped text for a given width, before the rectangle's height limits them.
QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, qreal width);

// A box (document pen, white fill) with its text in the rectangle shrunk by the box margin.
void DrawBox(QPainter& painter, const QRect& box);
void DrawBoxedText(QPainter& painter, const QRect& box, const QString& text, Placement placement);
