#include "TextPlacement.h"

#include "PageGeometry.h"

#include <QPainter>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QChar Ellipsis(0x2026);

// A line feed, a carriage return and the pair of both each end a line.
QStringList SplitLines(const QString& text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return plain.split(QLatin1Char('\n'));
}

// Fills each line of a paragraph up to the furthest break opportunity whose text still fits
// its width.
class ParagraphWrapper
{
public:
    ParagraphWrapper(
        const QString& text, const QFontMetricsF& metrics, qreal width, qsizetype enough, QStringList& lines)
        : text(text)
        , metrics(metrics)
        , width(width)
        , enough(enough)
        , lines(lines)
    { }

    void Wrap()
    {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
        for (qsizetype next = finder.toNextBoundary(); next != -1; next = finder.toNextBoundary()) {
            breaks.append(next);
        }
        qsizetype index = 0; // the first break not yet on a line
        while (index < breaks.size() && lines.size() < enough) {
            if (Fits(lineStart, breaks[index])) {
                index = FurthestFitting(index) + 1;
                lineEnd = breaks[index - 1];
                if (index < breaks.size()) {
                    EndLine(lineEnd);
                }
            } else if (lineEnd > lineStart) {
                EndLine(lineEnd);
            } else {
                BreakBetweenCharacters(breaks[index]);
                lineEnd = breaks[index];
                ++index;
            }
        }
        if (lineEnd > lineStart && lines.size() < enough) {
            EndLine(lineEnd);
        }
    }

private:
    // The text from start to end as it would stand at the end of a line, without its blank.
    QString Piece(qsizetype start, qsizetype end) const
    {
        QStringView piece = QStringView(text).sliced(start, end - start);
        while (piece.endsWith(QLatin1Char(' '))) {
            piece.chop(1);
        }
        return piece.toString();
    }

    bool Fits(qsizetype start, qsizetype end) const { return metrics.horizontalAdvance(Piece(start, end)) <= width; }

    // The last break from `first` on up to which the line fits, given that it fits up to `first`.
    // Wider text never takes less room, so the search gallops and then halves instead of measuring
    // the line at every break: Japanese has one after nearly every character.
    qsizetype FurthestFitting(qsizetype first) const
    {
        qsizetype fitting = first;
        qsizetype tooWide = breaks.size();
        for (qsizetype step = 1; fitting + step < tooWide; step *= 2) {
            if (!Fits(lineStart, breaks[fitting + step])) {
                tooWide = fitting + step;
                break;
            }
            fitting += step;
        }
        while (tooWide - fitting > 1) {
            const qsizetype middle = (fitting + tooWide) / 2;
            (Fits(lineStart, breaks[middle]) ? fitting : tooWide) = middle;
        }
        return fitting;
    }

    void EndLine(qsizetype end)
    {
        lines.append(Piece(lineStart, end));
        lineStart = end;
    }

    // A word wider than the line takes as many characters as fit on each line; what is left
    // of it starts the next line.
    void BreakBetweenCharacters(qsizetype wordEnd)
    {
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
        characters.setPosition(lineStart);
        qsizetype fitted = lineStart;
        while (fitted < wordEnd) {
            const qsizetype next = characters.toNextBoundary();
            // A single character wider than the line still gets a line of its own.
            if (fitted == lineStart || Fits(lineStart, next)) {
                fitted = next;
                continue;
            }
            EndLine(fitted);
            characters.setPosition(fitted);
        }
    }

    const QString& text;
    const QFontMetricsF& metrics;
    qreal width;
    // Lines beyond this many are never printed; the paragraph stops there.
    qsizetype enough;
    QStringList& lines;
    QList<qsizetype> breaks;
    qsizetype lineStart = 0;
    qsizetype lineEnd = 0;
};

void WrapParagraph(
    const QString& paragraph, const QFontMetricsF& metrics, qreal width, qsizetype enough, QStringList& lines)
{
    // Runs of blanks print as one blank, and a line never starts or ends with one.
    const QString text = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    if (text.isEmpty()) {
        lines.append(QString());
        return;
    }
    ParagraphWrapper(text, metrics, width, enough, lines).Wrap();
}

// The last line a rectangle holds when more text follows: it ends in an ellipsis, for which
// characters at its end make room.
QString EndWithEllipsis(const QString& line, const QFontMetricsF& metrics, qreal width)
{
    const QString ended = line + Ellipsis;
    if (metrics.horizontalAdvance(ended) <= width) {
        return ended;
    }
    return metrics.elidedText(ended, Qt::ElideRight, width);
}

// Whether a line placed in a rectangle of `width` keeps all its ink inside: a line a fraction
// wider than the rectangle by its advance may still have all its glyphs inside.
bool InkFits(const QString& line, const QFontMetricsF& metrics, qreal width, Placement placement)
{
    const qreal advance = metrics.horizontalAdvance(line);
    if (advance <= width) {
        return true;
    }
    qreal x = 0;
    if (placement == Placement::Centre) {
        x = (width - advance) / 2;
    } else if (placement == Placement::Right) {
        x = width - advance;
    }
    const QRectF ink = metrics.tightBoundingRect(line);
    return x + ink.left() >= 0 && x + ink.right() <= width;
}

// The wrapped lines of a text, up to the first line with text beyond `capacity` lines: what
// follows it is never printed.
QStringList WrapLines(const QString& text, const QFontMetricsF& metrics, qreal width, qsizetype capacity)
{
    QStringList lines;
    for (const QString& paragraph : SplitLines(text)) {
        if (lines.size() > capacity && !lines.last().isEmpty()) {
            break;
        }
        WrapParagraph(paragraph, metrics, width, std::max(capacity + 1, lines.size() + 1), lines);
    }
    return lines;
}

} // namespace

QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    return WrapLines(text, metrics, width, std::numeric_limits<qsizetype>::max() - 1);
}

qreal ReportLineHeight(const QFontMetricsF& metrics)
{
    return metrics.ascent() + metrics.descent();
}

PlacedLines LayOutText(const QString& text, const QFontMetricsF& metrics, QSizeF size, Placement placement)
{
    PlacedLines placed;
    if (text.isEmpty() || size.isEmpty()) {
        return placed;
    }
    // The first line is always printed, even where its cell is a fraction taller than the rectangle.
    const qreal lineHeight = ReportLineHeight(metrics);
    const qsizetype capacity =
        lineHeight > 0 ? std::max<qsizetype>(1, qsizetype(std::floor(size.height() / lineHeight))) : 1;
    placed.lines =
        placement == Placement::Wrapped ? WrapLines(text, metrics, size.width(), capacity) : SplitLines(text);
    // Blank lines at the end print nothing, so they cannot overflow the rectangle.
    while (!placed.lines.isEmpty() && placed.lines.last().trimmed().isEmpty()) {
        placed.lines.removeLast();
    }
    if (placed.lines.size() > capacity) {
        placed.lines.resize(capacity);
        placed.lines.last() = EndWithEllipsis(placed.lines.last(), metrics, size.width());
        placed.cut = true;
    }
    for (QString& line : placed.lines) {
        if (!InkFits(line, metrics, size.width(), placement)) {
            line = metrics.elidedText(line, Qt::ElideRight, size.width());
            placed.cut = true;
        }
    }
    return placed;
}

void DrawPlacedText(QPainter& painter, const QRect& rect, const QString& text, Placement placement)
{
    if (text.isEmpty() || rect.isEmpty()) {
        return;
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QStringList lines = LayOutText(text, metrics, rect.size(), placement).lines;
    const qreal lineHeight = ReportLineHeight(metrics);

    bool overflows = lines.size() * lineHeight > rect.height();
    QList<qreal> widths;
    for (const QString& line : lines) {
        widths.append(metrics.horizontalAdvance(line));
        overflows = overflows || widths.last() > rect.width();
    }
    painter.save();
    if (overflows) {
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    for (int index = 0; index < lines.size(); ++index) {
        const qreal top = rect.top() + index * lineHeight;
        qreal x = rect.left();
        if (placement == Placement::Centre) {
            x += (rect.width() - widths[index]) / 2;
        } else if (placement == Placement::Right) {
            x += rect.width() - widths[index];
        }
        painter.drawText(QPointF(x, top + metrics.ascent()), lines[index]);
    }
    painter.restore();
}

void DrawBox(QPainter& painter, const QRect& box)
{
    painter.save();
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(box));
    painter.restore();
}

void DrawBoxedText(QPainter& painter, const QRect& box, const QString& text, Placement placement)
{
    DrawBox(painter, box);
    DrawPlacedText(painter, PageGeometry::Inner(box), text, placement);
}
