#include "ImageStrip.h"

#include "Arrow.h"
#include "TextPlacement.h"

#include "report/InspectionSelection.h"
#include "snapshot/ColourValue.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/cQVX.h"

#include <QPainter>

#include <cmath>

namespace ImageStrip {

QRect OnPage(const QRect& stripRect)
{
    const auto scaled = [](int value) { return int(std::lround(value * Scale)); };
    return QRect(PageOrigin.x() + scaled(stripRect.x()),
                 PageOrigin.y() + scaled(stripRect.y()),
                 scaled(stripRect.width()),
                 scaled(stripRect.height()));
}

QSize VisualDecodeSize()
{
    return OnPage(VisualHalf).size();
}

namespace {

void DrawThermalHalf(QPainter& painter,
                     const cQVX* snapshot,
                     const QImage& thermal,
                     const MeasurementSettings& settings,
                     int cursorA,
                     int cursorB)
{
    if (!snapshot || thermal.isNull()) {
        painter.fillRect(ThermalHalf, Qt::white);
        return;
    }
    // Lossless: the picture is a temperature map whose colours must stay exact; JPEG moves the
    // colours at palette edges by up to 200 levels and saves next to nothing at 160 x 120.
    painter.save();
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.drawImage(ThermalHalf, thermal);
    painter.restore();
    cQVX::DrawCentreMark(&painter, ThermalHalf);
    DrawSpotsAndBoxes(&painter, ThermalHalf, *snapshot, settings);
    DrawCursor(&painter, ThermalHalf, *snapshot, settings, cursorA);
    DrawCursor(&painter, ThermalHalf, *snapshot, settings, cursorB);
}

void DrawVisualHalf(QPainter& painter, const QString& imagePath, const std::optional<Picture>& visual)
{
    if (imagePath.isEmpty()) {
        painter.fillRect(VisualHalf, Qt::white);
        return;
    }
    // A picture that does not load leaves the half black, as a fresh strip is.
    if (visual) {
        painter.drawImage(VisualHalf, visual->image);
    } else {
        painter.fillRect(VisualHalf, Qt::black);
    }
}

void DrawStrokes(QPainter& painter, const InspectionSelection& selection)
{
    for (const PenStroke& stroke : selection.strokes) {
        painter.setPen(QPen(
            QColorFromColourValue(quint32(stroke.colour)), stroke.penSize, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        DrawArrow(painter, QPoint(stroke.startX, stroke.startY), QPoint(stroke.endX, stroke.endY));
    }
}

} // namespace

void Draw(QPainter& painter,
          const cQVX* snapshot,
          const QImage& thermal,
          int cursorA,
          int cursorB,
          const InspectionSelection& selection,
          const std::optional<Picture>& visual,
          const QString& notice)
{
    painter.save();
    painter.translate(PageOrigin);
    painter.scale(Scale, Scale);
    painter.setClipRect(QRect(0, 0, Width, Height), Qt::IntersectClip);
    DrawThermalHalf(painter, snapshot, thermal, selection.measurement, cursorA, cursorB);
    DrawVisualHalf(painter, selection.imagePath, visual);
    DrawStrokes(painter, selection);
    painter.restore();

    if (!snapshot || thermal.isNull()) {
        const QRect half = OnPage(ThermalHalf);
        DrawPlacedText(painter, half.adjusted(0, half.height() / 2 - 25, 0, 0), notice, Placement::Centre);
    }
}

} // namespace ImageStrip
