#pragma once

#include "pages/details/MeasureMarks.h"
#include "report/PenStroke.h"

#include <QImage>
#include <QTransform>
#include <QWidget>

#include <optional>
#include <vector>

class QLabel;
class TemperatureScaleView;
class cQVX;

// The Inspection Data page's image strip: the thermal snapshot on the left with its centre mark
// and the two chosen markers, the visual image (or white) on the right, the inspection's strokes
// over both, and the rubber band of a stroke being drawn; headed by the pictures' names, with the
// temperature scale beside the thermal picture. Mouse input goes to the page.
//
// Everything inside the strip is kept in strip pixels of a fixed size, as stored in projects; the
// strip is shown as large as the widget allows and one transform maps strip pixels to the screen.
class ImageArea : public QWidget
{
    Q_OBJECT

public:
    // The inside of the strip, in strip pixels; each picture takes half of it.
    static constexpr int InsideWidth = 522;
    static constexpr int InsideHeight = 200;
    static constexpr int HalfWidth = 261;
    // The frame's left edge in the widget: the temperature scale takes the room before it.
    static constexpr int StripLeft = 108;
    // The frame around the inside; strokes are kept relative to its outer corner.
    static constexpr int FrameWidth = 2;
    // How far the strip may shrink below and grow beyond its stored size.
    static constexpr double MinimumScale = 0.75;
    static constexpr double MaximumScale = 3.0;

    ImageArea(const QString& thermalHeading, const QString& visualHeading, QWidget* parent = nullptr);

    TemperatureScaleView* ScaleView() const { return scaleView; }

    // What to draw; `snapshot` (decoded) for the marks, or nullptr. Nothing is drawn while
    // `shown` is false.
    void SetShown(bool shown);
    void SetPictures(const QImage& snapshotPicture, const QImage& visualImage);
    void SetSnapshot(const cQVX* snapshot);
    void SetMarkers(int first, int second);
    void SetStrokes(std::vector<PenStroke> strokes);
    // The thermographer's extra spots and boxes over the thermal picture.
    void SetMeasureMarks(MeasureMarks marks);
    const MeasureMarks& Marks() const { return measureMarks; }

    // Strip pixels of the inside, (0, 0) its top-left, to this widget's pixels.
    QTransform InsideTransform() const;
    // A point of the page (or any widget) in the inside's strip pixels.
    QPointF InsidePosition(const QWidget* from, QPointF point) const;
    // A point of the page (or any widget) in whole strip pixels from the frame's outer corner,
    // where strokes are kept.
    QPoint StripPoint(const QWidget* from, QPointF point) const;
    // The picture point as shown (x 0..159, y 0..119 on the picture; beyond it outside) under a
    // point of the inside, and whether that point lies on the thermal picture.
    static QPoint PicturePoint(QPointF inside);
    static bool OnThermalPicture(QPointF inside);
    // A photograph's size that stays sharp at the largest scale.
    static QSize VisualLoadSize();

    // The provisional stroke, relative to the frame's outer corner; nothing hides it.
    void SetRubberBand(std::optional<QPoint> start, std::optional<QPoint> end);

    // Paints the inside of the strip in strip pixels, (0, 0) being its top-left pixel.
    void PaintInside(QPainter& painter) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The scale the width allows, and the one the strip is shown at.
    double AcrossScale() const;
    double Scale() const;
    QRectF InsideRect() const;

    QLabel* thermalHeading;
    QLabel* visualHeading;
    TemperatureScaleView* scaleView;
    bool shown = false;
    QImage snapshotPicture;
    QImage visualImage;
    const cQVX* snapshot = nullptr;
    int firstMarker = -1;
    int secondMarker = -1;
    std::vector<PenStroke> strokes;
    MeasureMarks measureMarks;
    std::optional<QPoint> rubberStart;
    std::optional<QPoint> rubberEnd;
};
