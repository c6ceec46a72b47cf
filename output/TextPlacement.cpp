#include "TextPlacement.h"

#include "PageGeometry.h"

#include <QPainter>

namespace {

QStringList SplitLines(const QString& text)
{
    QString plain = text;
    plain.remove(QLatin1Char('\r'));
    return plain.split(QLatin1Char('\n'));
}

void WrapParagraph(const QString& paragraph, const QFontMetricsF& metrics, qreal width, QStringList& lines)
{
    QString line;
    const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        lines.append(QString());
        return;
    }
    for (const QString& word : words) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(candidate) <= width) {
            line = candidate;
            continue;
        }
        if (!line.isEmpty()) {
            lines.append(line);
            line.clear();
        }
        if (metrics.horizontalAdvance(word) <= width) {
            line = word;
        } else {
            lines.append(metrics.elidedText(word, Qt::ElideRight, width));
        }
    }
    if (!line.isEmpty()) {
        lines.append(line);
    }
}

} // namespace

QStringList WrapWords(const QString& text, const QFontMetricsF& metrics, qreal width)
{
    QStringList lines;
    for (const QString& paragraph : SplitLines(text)) {
        WrapParagraph(paragraph, metrics, width, lines);
    }
    return lines;
}

void DrawPlacedText(QPainter& painter, const QRect& rect, const QString& text, Placement placement)
{
    if (text.isEmpty() || rect.isEmpty()) {
        return;
    }
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QStringList lines =
        placement == Placement::Wrapped ? WrapWords(text, metrics, rect.width()) : SplitLines(text);
    // Lines follow each other by the font's cell height, without extra leading.
    const qreal lineHeight = metrics.ascent() + metrics.descent();

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
        if (top >= rect.top() + rect.height()) {
            break;
        }
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
