#pragma once

#include "pages/details/MeasureMarks.h"
#include "report/PenStroke.h"

#include <QFrame>
#include <QImage>

#include <optional>
#include <vector>

class cQVX;

// The Inspection Data page's image strip: the thermal snapshot on the left with its centre mark
// and the two chosen markers, the visual image (or white) on the right, the inspection's strokes
// over both, and the rubber band of a stroke being drawn. Mouse input goes to the page.
class ImageArea : public QFrame
{
    Q_OBJECT

public:
    // The inside of the strip, in pixels; each picture takes half of it.
    static constexpr int InsideWidth = 522;
    static constexpr int InsideHeight = 200;
    static constexpr int HalfWidth = 261;

    explicit ImageArea(QWidget* parent = nullptr);

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
    // The picture point as shown (x 0..159, y 0..119 on the picture; beyond it outside) under a
    // point of the strip's inside, and whether that point lies on the thermal picture.
    static QPoint PicturePoint(QPoint inside);
    static bool OnThermalPicture(QPoint inside);
    // A point of the page (or any widget) in the strip's inside coordinates.
    QPoint InsidePoint(const QWidget* from, QPoint point) const;

    // The provisional stroke, relative to the strip's outer corner; nothing hides it.
    void SetRubberBand(std::optional<QPoint> start, std::optional<QPoint> end);

    // Paints the inside of the strip, (0, 0) being its top-left pixel.
    void PaintInside(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
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
