#include "pages/details/ImageArea.h"

#include "output/Arrow.h"
#include "snapshot/ColourValue.h"
#include "snapshot/cQVX.h"

#include <QPainter>

#include <cmath>

namespace {

// The outer frame of the strip is two pixels wide; strokes are kept relative to its outer corner
// and drawn relative to its inside, as they always have been.
constexpr int FrameWidth = 2;

} // namespace

ImageArea::ImageArea(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(FrameWidth);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageArea::SetShown(bool isShown)
{
    shown = isShown;
    update();
}

void ImageArea::SetPictures(const QImage& snapshotImage, const QImage& visual)
{
    snapshotPicture = snapshotImage;
    visualImage = visual;
    update();
}

void ImageArea::SetSnapshot(const cQVX* loaded)
{
    snapshot = loaded;
    update();
}

void ImageArea::SetMarkers(int first, int second)
{
    firstMarker = first;
    secondMarker = second;
    update();
}

void ImageArea::SetStrokes(std::vector<PenStroke> inspectionStrokes)
{
    strokes = std::move(inspectionStrokes);
    update();
}

void ImageArea::SetMeasureMarks(MeasureMarks marks)
{
    if (marks == measureMarks) {
        return;
    }
    measureMarks = std::move(marks);
    update();
}

QPoint ImageArea::PicturePoint(QPoint inside)
{
    return {int(std::floor(inside.x() * double(cQVX::Width) / HalfWidth)),
            int(std::floor(inside.y() * double(cQVX::Height) / InsideHeight))};
}

bool ImageArea::OnThermalPicture(QPoint inside)
{
    return inside.x() >= 0 && inside.x() < HalfWidth && inside.y() >= 0 && inside.y() < InsideHeight;
}

QPoint ImageArea::InsidePoint(const QWidget* from, QPoint point) const
{
    return mapFrom(from, point) - contentsRect().topLeft();
}

void ImageArea::SetRubberBand(std::optional<QPoint> start, std::optional<QPoint> end)
{
    rubberStart = start;
    rubberEnd = end;
    update();
}

void ImageArea::PaintInside(QPainter& painter) const
{
    if (!shown) {
        return;
    }
    const QRect left(0, 0, HalfWidth, InsideHeight);
    const QRect right(HalfWidth, 0, InsideWidth - HalfWidth, InsideHeight);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!snapshotPicture.isNull()) {
        painter.drawImage(left, snapshotPicture);
    }
    if (snapshot) {
        cQVX::DrawCentreMark(&painter, left);
        snapshot->DrawMarkerPair(&painter, left, firstMarker, secondMarker);
        PaintMeasureMarks(painter, left, measureMarks);
    }
    if (visualImage.isNull()) {
        painter.fillRect(right, Qt::white);
    } else {
        painter.drawImage(right, visualImage);
    }
    for (const PenStroke& stroke : strokes) {
        painter.setPen(QPen(QColorFromColourValue(quint32(stroke.colour)), stroke.penSize));
        DrawArrow(painter, {stroke.startX, stroke.startY}, {stroke.endX, stroke.endY});
    }
    if (rubberStart && rubberEnd) {
        // The provisional stroke inverts what lies under it, so it shows on any picture.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.setPen(QPen(Qt::black, 1));
        DrawArrow(painter, *rubberStart, *rubberEnd);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

void ImageArea::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.translate(contentsRect().topLeft());
    PaintInside(painter);
}
