#include "ScaleDrawing.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int PaletteEntries = 256;

int LabelRight(const ScaleGeometry& geometry)
{
    return geometry.bar.left() - geometry.tickLength - geometry.labelGap;
}

qreal MarkY(const ScaleGeometry& geometry, double position)
{
    return geometry.bar.top() + geometry.bar.height() * (1.0 - std::clamp(position, 0.0, 1.0));
}

} // namespace

QImage PaletteBar(PaletteKind palette)
{
    const auto table = MakePalette(palette);
    QImage bar(1, PaletteEntries, QImage::Format_RGB888);
    for (int entry = 0; entry < PaletteEntries; ++entry) {
        bar.setPixel(0, PaletteEntries - 1 - entry, qRgb(table->Red(entry), table->Green(entry), table->Blue(entry)));
    }
    return bar;
}

QFont FittedLabelFont(const QFont& font,
                      const std::vector<ScaleMark>& marks,
                      const ScaleGeometry& geometry,
                      const QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    qreal widest = 0.0;
    for (const ScaleMark& mark : marks) {
        widest = std::max(widest, metrics.horizontalAdvance(mark.text));
    }
    const qreal room = LabelRight(geometry) - geometry.labelLeft;
    if (widest <= room || widest <= 0.0 || font.pixelSize() <= 0) {
        return font;
    }
    QFont smaller = font;
    smaller.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * room / widest))));
    return smaller;
}

double LabelSpacing(const QFont& font, const ScaleGeometry& geometry, const QPaintDevice* device)
{
    return geometry.bar.height() > 0 ? QFontMetricsF(font, device).height() / geometry.bar.height() : 1.0;
}

void DrawTemperatureScale(QPainter& painter,
                          const ScaleGeometry& geometry,
                          const QImage& paletteBar,
                          const std::vector<ScaleMark>& marks)
{
    painter.save();
    // Lossless, as the thermal picture: the bar's colours are read against it.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(geometry.bar, paletteBar);
    const QColor ink = painter.pen().color();
    painter.setPen(QPen(ink, geometry.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(geometry.bar));

    const QFontMetricsF metrics(painter.font(), painter.device());
    const int labelRight = LabelRight(geometry);
    const qreal lineHeight = metrics.height();
    for (const ScaleMark& mark : marks) {
        const qreal y = MarkY(geometry, mark.position);
        painter.drawLine(QPointF(geometry.bar.left() - geometry.tickLength, y), QPointF(geometry.bar.left(), y));
        const QRectF label(geometry.labelLeft, y - lineHeight / 2.0, labelRight - geometry.labelLeft, lineHeight);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, mark.text);
    }
    painter.restore();
}
