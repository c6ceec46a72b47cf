#pragma once

#include "report/PenStroke.h"

#include <QPoint>

#include <optional>

// Drawing pen strokes with the mouse over the Inspection Data page's image strip. Points are in
// strip pixels from the outer top-left corner of the strip's frame, as strokes are kept.
class StrokeTracker
{
public:
    // The strip's outer size.
    static constexpr int AreaWidth = 526;
    static constexpr int AreaHeight = 204;

    // The margin kept from the area's edges so that a thick pen stays inside it.
    static int Margin(int penSize);
    // Whether a point lies inside the drawing area for the pen size (edges excluded).
    static bool Inside(const QPoint& point, int penSize);

    void Press(const QPoint& point, int penSize);
    // True when the picture must be redrawn: the rubber band moved, or the stroke was cancelled.
    bool Move(const QPoint& point, int penSize);
    // The finished stroke, when the press and the release both lay inside the area and the stroke
    // was not cancelled. `penSize` is the size taken at the release.
    std::optional<PenStroke> Release(const QPoint& point, int penSize, quint32 colour);

    bool Drawing() const { return drawing; }
    // The provisional stroke while one is shown.
    std::optional<QPoint> RubberStart() const;
    std::optional<QPoint> RubberEnd() const;

private:
    void Cancel();

    bool drawing = false;
    QPoint start {-1, -1};
    QPoint lastEnd {-1, -1};
    int rubberBands = 0;
};
