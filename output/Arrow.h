#pragma once

#include <QPoint>

#include <array>

class QPainter;

// The outline of a stroke from a to b: the line, then an open arrowhead at each end, 10 units
// long and 10 wide, pointing outwards.
struct ArrowOutline
{
    QPoint a;
    QPoint b;
    std::array<QPoint, 4> headAtA; // a, p1, p2, a
    std::array<QPoint, 4> headAtB; // b, p3, p4, b
};

ArrowOutline ArrowOutlineOf(const QPoint& a, const QPoint& b);

// Draws the outline with the painter's current pen; nothing is filled.
void DrawArrow(QPainter& painter, const QPoint& a, const QPoint& b);
