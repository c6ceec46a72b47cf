#include "cQVX.h"

#include "ColourValue.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// A rectangle with exclusive right and bottom edges, the way the target area is measured.
struct Bounds
{
    int left;
    int top;
    int right;
    int bottom;
};

Bounds BoundsOf(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

// Truncation toward zero; far-off coordinates (markers beyond the sensor) are held well inside
// the int range first.
int Truncate(float coordinate)
{
    constexpr float limit = 1 << 28;
    return int(std::clamp(coordinate, -limit, limit));
}

// A one-pixel outline of the pixels [left, right) x [top, bottom), drawn only where it lies
// inside the clip bounds.
void FrameRect(QPainter& painter, Bounds frame, const Bounds& clip, const QColor& colour)
{
    frame = {std::max(frame.left, clip.left),
             std::max(frame.top, clip.top),
             std::min(frame.right, clip.right),
             std::min(frame.bottom, clip.bottom)};
    if (frame.right <= frame.left || frame.bottom <= frame.top) {
        return;
    }
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    painter.fillRect(QRect(frame.left, frame.top, width, 1), colour);
    painter.fillRect(QRect(frame.left, frame.bottom - 1, width, 1), colour);
    painter.fillRect(QRect(frame.left, frame.top, 1, height), colour);
    painter.fillRect(QRect(frame.right - 1, frame.top, 1, height), colour);
}

// The pixels of a one-pixel line from `from` toward `to` along one axis, leaving out the end
// point; nothing when both are the same.
std::pair<int, int> LineSpan(int from, int to)
{
    return to >= from ? std::pair {from, to - from} : std::pair {to + 1, from - to};
}

void HorizontalLine(QPainter& painter, int fromX, int toX, int y, const QColor& colour)
{
    const auto [start, length] = LineSpan(fromX, toX);
    if (length > 0) {
        painter.fillRect(QRect(start, y, length, 1), colour);
    }
}

void VerticalLine(QPainter& painter, int x, int fromY, int toY, const QColor& colour)
{
    const auto [start, length] = LineSpan(fromY, toY);
    if (length > 0) {
        painter.fillRect(QRect(x, start, 1, length), colour);
    }
}
} // namespace

MarkerColourPair MarkerColours(int index)
{
    static constexpr std::array<MarkerColourPair, SnapshotHeader::MaxMarkers> colours {{
        {0x00FF00, 0x008000},
        {0x0080FF, 0x004080},
        {0x00C8C8, 0x008080},
        {0xFF8000, 0x804000},
        {0xFFFF00, 0x808000},
        {0x8000FF, 0x400080},
        {0xB928B9, 0x781E78},
        {0xFF80FF, 0xAA00AA},
        {0x0000FF, 0x000080},
        {0x808080, 0x404040},
    }};
    if (index < 0 || index >= int(colours.size())) {
        return {0xFFFFFF, 0x000000};
    }
    return colours[index];
}

// A cross in the line colour with a frame-coloured border, centred on the marker's pixel.
void cQVX::DrawMarker(QPainter* painter, const QRect& target, int index) const
{
    if (!painter || index < 0 || index >= MaxMarkers) {
        return;
    }
    const Bounds bounds = BoundsOf(target);
    const float sx = float(bounds.right - bounds.left) / Width;
    const float sy = float(bounds.bottom - bounds.top) / Height;
    const float x = float(Width - 1 - markerX[index]) * sx;
    const float y = float(markerY[index]) * sy;
    const MarkerColourPair colours = MarkerColours(index);
    const QColor line = QColorFromColourValue(colours.line);
    const QColor frame = QColorFromColourValue(colours.frame);

    FrameRect(*painter, {Truncate(x - 5), Truncate(y - 1), Truncate(x + 6), Truncate(y + 2)}, bounds, frame);
    FrameRect(*painter, {Truncate(x - 1), Truncate(y - 5), Truncate(x + 2), Truncate(y + 6)}, bounds, frame);
    const int column = Truncate(x);
    const int row = Truncate(y);
    HorizontalLine(*painter,
                   Truncate(std::max(x - 4, float(bounds.left))),
                   Truncate(std::min(x + 5, float(bounds.right))),
                   row,
                   line);
    VerticalLine(*painter,
                 column,
                 Truncate(std::max(y - 4, float(bounds.top))),
                 Truncate(std::min(y + 5, float(bounds.bottom))),
                 line);
}

void cQVX::DrawMarkers(QPainter* painter, const QRect& target) const
{
    for (int index = 0; index < std::min<int>(markerCount, MaxMarkers); ++index) {
        DrawMarker(painter, target, index);
    }
}

void cQVX::DrawMarkerPair(QPainter* painter, const QRect& target, int first, int second) const
{
    DrawMarker(painter, target, first);
    DrawMarker(painter, target, second);
}

// A green circle of two sensor pixels' radius around the sensor's centre (80, 60).
void cQVX::DrawCentreMark(QPainter* painter, const QRect& target)
{
    if (!painter) {
        return;
    }
    const Bounds bounds = BoundsOf(target);
    const float sx = float(bounds.right - bounds.left) / Width;
    const float sy = float(bounds.bottom - bounds.top) / Height;
    const int left = Truncate(sx * 80 - sx * 2);
    const int top = Truncate(sy * 60 - sy * 2);
    const int right = Truncate(sx * 80 + sx * 2);
    const int bottom = Truncate(sy * 60 + sy * 2);
    painter->save();
    painter->setPen(QPen(QColorFromColourValue(0x00FF00), 1));
    painter->setBrush(Qt::NoBrush);
    // The bounding box excludes its right and bottom edges; Qt's outline includes them.
    painter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    painter->restore();
}
