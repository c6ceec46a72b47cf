#include "Arrow.h"

#include <QPainter>

#include <cmath>

ArrowOutline ArrowOutlineOf(const QPoint& a, const QPoint& b)
{
    const double angle = std::atan2(double(a.y() - b.y()), double(a.x() - b.x()));
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const auto cut = [](double value) { return int(std::trunc(value)); };

    const QPoint p1(a.x() - cut(10 * c + 5 * s), a.y() + cut(5 * c - 10 * s));
    const QPoint p2(a.x() + cut(5 * s - 10 * c), a.y() - cut(5 * c + 10 * s));
    const QPoint p3(b.x() + cut(10 * c - 5 * s), b.y() + cut(5 * c + 10 * s));
    const QPoint p4(b.x() + cut(10 * c + 5 * s), b.y() + cut(10 * s - 5 * c));
    return {a, b, {a, p1, p2, a}, {b, p3, p4, b}};
}

void DrawArrow(QPainter& painter, const QPoint& a, const QPoint& b)
{
    const ArrowOutline outline = ArrowOutlineOf(a, b);
    painter.drawLine(a, b);
    painter.drawPolyline(outline.headAtA.data(), int(outline.headAtA.size()));
    painter.drawPolyline(outline.headAtB.data(), int(outline.headAtB.size()));
}
