#include "pages/details/ImageArea.h"

#include "output/Arrow.h"
#include "pages/details/TemperatureScaleView.h"
#include "snapshot/ColourValue.h"
#include "snapshot/cQVX.h"

#include <QLabel>
#include <QPainter>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace {

// Left of the strip the temperature scale, above it the pictures' names.
constexpr int ScaleGap = 2;
constexpr int ScaleWidth = ImageArea::StripLeft - ScaleGap;
constexpr int HeadingHeight = 18;
constexpr int HeadingGap = 2;
constexpr QPointF InsideCorner(ImageArea::StripLeft + ImageArea::FrameWidth,
                               HeadingHeight + HeadingGap + ImageArea::FrameWidth);

QLabel* Heading(const QString& text, const QString& objectName, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(objectName);
    heading->setAlignment(Qt::AlignCenter);
    heading->setAttribute(Qt::WA_TransparentForMouseEvents);
    return heading;
}

// The widget's size that shows the strip at `scale`, with room for the scale's lowest label.
QSize SizeAtScale(double scale)
{
    return {int(InsideCorner.x() + std::ceil(ImageArea::InsideWidth * scale)) + ImageArea::FrameWidth,
            int(InsideCorner.y() + std::ceil(ImageArea::InsideHeight * scale)) + TemperatureScaleView::Overhang};
}

} // namespace

ImageArea::ImageArea(const QString& thermalText, const QString& visualText, QWidget* parent)
    : QWidget(parent)
    , thermalHeading(Heading(thermalText, QStringLiteral("snapshotHeading"), this))
    , visualHeading(Heading(visualText, QStringLiteral("visualHeading"), this))
    , scaleView(new TemperatureScaleView(this))
{
    scaleView->setObjectName(QStringLiteral("temperatureScale"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
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

QTransform ImageArea::InsideTransform() const
{
    const double scale = Scale();
    return QTransform(scale, 0, 0, scale, InsideCorner.x(), InsideCorner.y());
}

QPointF ImageArea::InsidePosition(const QWidget* from, QPointF point) const
{
    return InsideTransform().inverted().map(QPointF(mapFrom(from, point)));
}

QPoint ImageArea::StripPoint(const QWidget* from, QPointF point) const
{
    const QPointF strip = InsidePosition(from, point) + QPointF(FrameWidth, FrameWidth);
    return {int(std::floor(strip.x())), int(std::floor(strip.y()))};
}

QPoint ImageArea::PicturePoint(QPointF inside)
{
    return {int(std::floor(inside.x() * cQVX::Width / HalfWidth)),
            int(std::floor(inside.y() * cQVX::Height / InsideHeight))};
}

bool ImageArea::OnThermalPicture(QPointF inside)
{
    return inside.x() >= 0 && inside.x() < HalfWidth && inside.y() >= 0 && inside.y() < InsideHeight;
}

QSize ImageArea::VisualLoadSize()
{
    return QSize(InsideWidth - HalfWidth, InsideHeight) * MaximumScale;
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

QSize ImageArea::sizeHint() const
{
    return SizeAtScale(1.0);
}

QSize ImageArea::minimumSizeHint() const
{
    return SizeAtScale(MinimumScale);
}

void ImageArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF inside = InsideRect();
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = inside.toAlignedRect().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth);
    frame.lineWidth = FrameWidth;
    frame.frameShape = QFrame::Panel;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    painter.setClipRect(inside);
    painter.setTransform(InsideTransform());
    PaintInside(painter);
}

void ImageArea::resizeEvent(QResizeEvent*)
{
    // The width decides how large the strip can be; height beyond that is left to the page.
    setMaximumHeight(SizeAtScale(std::clamp(AcrossScale(), MinimumScale, MaximumScale)).height());
    const QRectF inside = InsideRect();
    const int half = int(std::round(inside.width() / 2));
    thermalHeading->setGeometry(int(inside.left()), 0, half, HeadingHeight);
    visualHeading->setGeometry(int(inside.left()) + half, 0, half, HeadingHeight);
    scaleView->setGeometry(0,
                           int(inside.top()) - TemperatureScaleView::Overhang,
                           ScaleWidth,
                           int(std::round(inside.height())) + 2 * TemperatureScaleView::Overhang);
}

double ImageArea::AcrossScale() const
{
    return (width() - InsideCorner.x() - FrameWidth) / InsideWidth;
}

double ImageArea::Scale() const
{
    const double down = (height() - InsideCorner.y() - TemperatureScaleView::Overhang) / InsideHeight;
    // A widget squeezed below its minimum size still maps points both ways.
    constexpr double Squeezed = 0.1;
    return std::clamp(std::min(AcrossScale(), down), Squeezed, MaximumScale);
}

QRectF ImageArea::InsideRect() const
{
    const double scale = Scale();
    return {InsideCorner, QSizeF(InsideWidth * scale, InsideHeight * scale)};
}
