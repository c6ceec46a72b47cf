#include "pages/details/MeasureMarks.h"

#include "snapshot/ColourValue.h"
#include "snapshot/cQVX.h"

#include <QPainter>

namespace {

// Half the size of a spot's cross, in pixels of the target.
constexpr int SpotArm = 5;

struct Scale
{
    double x;
    double y;
};

QPointF Corner(const QPoint& shown, const QRect& target, Scale scale)
{
    return {target.left() + shown.x() * scale.x, target.top() + shown.y() * scale.y};
}

// A number that reads on any colour of the palette: the text over a dark shadow.
void DrawNumber(QPainter& painter, const QPointF& at, int number, quint32 colour)
{
    const QString text = QString::number(number);
    painter.setPen(Qt::black);
    painter.drawText(at + QPointF(1, 1), text);
    painter.setPen(QColorFromColourValue(colour));
    painter.drawText(at, text);
}

void OutlineSelected(QPainter& painter, const QRectF& area)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(area);
}

bool OnPicture(const QPoint& shown)
{
    return shown.x() >= 0 && shown.x() < cQVX::Width && shown.y() >= 0 && shown.y() < cQVX::Height;
}

} // namespace

void PaintMeasureMarks(QPainter& painter, const QRect& target, const MeasureMarks& marks)
{
    const Scale scale {double(target.width()) / cQVX::Width, double(target.height()) / cQVX::Height};
    painter.save();
    painter.setClipRect(target);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    for (size_t index = 0; index < marks.boxes.size(); ++index) {
        const QRect& box = marks.boxes[index];
        const QPoint hottest = index < marks.hottest.size() ? marks.hottest[index] : QPoint(-1, -1);
        const MarkerColourPair colours = BoxColours(int(index));
        // The same marks as the report draws; a box without a maximum has nothing to cross.
        if (OnPicture(hottest)) {
            DrawBoxMark(&painter, target, box, hottest, colours);
        }
        const QRectF covered(Corner(box.topLeft(), target, scale),
                             Corner(box.bottomRight() + QPoint(1, 1), target, scale));
        DrawNumber(painter, covered.topLeft() + QPointF(3, 11), int(index) + 1, colours.line);
        if (marks.selected == MeasureMark {MeasureMark::Kind::Box, int(index)}) {
            OutlineSelected(painter, covered.adjusted(-3, -3, 3, 3));
        }
    }
    for (size_t index = 0; index < marks.spots.size(); ++index) {
        const int markerIndex = marks.firstSpotIndex + int(index);
        const MarkerColourPair colours = MarkerColours(markerIndex);
        DrawCrossMark(&painter, target, marks.spots[index], colours);
        // The cross is drawn at the pixel's corner, as the camera's markers are.
        const QPointF centre = Corner(marks.spots[index], target, scale);
        DrawNumber(painter, centre + QPointF(SpotArm + 2, -SpotArm), markerIndex + 1, colours.line);
        if (marks.selected == MeasureMark {MeasureMark::Kind::Spot, int(index)}) {
            OutlineSelected(
                painter, QRectF(centre - QPointF(SpotArm + 2, SpotArm + 2), QSizeF(2 * SpotArm + 5, 2 * SpotArm + 5)));
        }
    }
    painter.restore();
}
