#pragma once

#include <QFontMetricsF>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

// Where a text sits in its rectangle. Every text starts at the top; "\n" starts a new line;
// what does not fit the rectangle is clipped.
enum class Placement {
    Left,
    Centre,
    Right,
    LeftBottom, // drawn like Left
    Wrapped // left, wrapped at word boundaries; a word wider than the line ends in an ellipsis
};

void DrawPlacedText(QPainter& painter, const QRect& rect, const QString& text, Placement placement);

// The lines of a wrapped text for a given width.
QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, qreal width);

// A box (document pen, white fill) with its text in the rectangle shrunk by the box margin.
void DrawBox(QPainter& painter, const QRect& box);
void DrawBoxedText(QPainter& painter, const QRect& box, const QString& text, Placement placement);
