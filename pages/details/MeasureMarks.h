#pragma once

#include "pages/details/MeasurementEditor.h"

#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;

// The thermographer's extra spots and boxes as the Inspection Data page draws them over the
// thermal picture, in picture coordinates as shown.
struct MeasureMarks
{
    std::vector<QPoint> spots;
    // The marker index of the first extra spot: spots are numbered after the camera's markers
    // and take the colours those numbers have.
    int firstSpotIndex = 0;
    std::vector<QRect> boxes;
    // Where each box's maximum lies; a point outside the picture for a box without one.
    std::vector<QPoint> hottest;
    MeasureMark selected;

    bool operator==(const MeasureMarks&) const = default;
};

// Draws the marks over a picture stretched over `target` (whose origin is the picture's) as the
// report draws them, each with its number, and the selected one outlined in a dashed line.
void PaintMeasureMarks(QPainter& painter, const QRect& target, const MeasureMarks& marks);
