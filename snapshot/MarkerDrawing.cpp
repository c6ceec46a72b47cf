#include "cQVX.h"

#include "ColourValue.h"

#include <QPainter>
#include <QRect>

#include <algorithm>
#include <array>

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

Bounds Intersect(const Bounds& area, const Bounds& clip)
{
    return {std::max(area.left, clip.left),
            std::max(area.top, clip.top),
            std::min(area.right, clip.right),
            std::min(area.bottom, clip.bottom)};
}

// Fills the pixels [left, right) x [top, bottom) that lie inside the clip bounds.
void FillClipped(QPainter& painter, const Bounds& area, const Bounds& clip, const QColor& colour)
{
    const Bounds inside = Intersect(area, clip);
    if (inside.right > inside.left && inside.bottom > inside.top) {
        painter.fillRect(QRect(inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top),
                         colour);
    }
}

// A one-pixel outline of the pixels [left, right) x [top, bottom), first cut to the clip bounds.
void FrameRect(QPainter& painter, const Bounds& area, const Bounds& clip, const QColor& colour)
{
    const Bounds frame = Intersect(area, clip);
    if (frame.right <= frame.left || frame.bottom <= frame.top) {
        return;
    }
    FillClipped(painter, {frame.left, frame.top, frame.right, frame.top + 1}, frame, colour);
    FillClipped(painter, {frame.left, frame.bottom - 1, frame.right, frame.bottom}, frame, colour);
    FillClipped(painter, {frame.left, frame.top, frame.left + 1, frame.bottom}, frame, colour);
    FillClipped(painter, {frame.right - 1, frame.top, frame.right, frame.bottom}, frame, colour);
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

MarkerColourPair BoxColours(int index)
{
    // Apart from the markers' colours and dark enough to read as text on a white page.
    static constexpr std::array<MarkerColourPair, 5> colours {{
        {0xFF00FF, 0x800080},
        {0xFF8000, 0x804000},
        {0x0000FF, 0x000080},
        {0x00A000, 0x004000},
        {0x0080FF, 0x004080},
    }};
    if (index < 0 || index >= int(colours.size())) {
        return {0xFFFFFF, 0x000000};
    }
    return colours[index];
}

// A cross in the line colour with a frame-coloured border, centred on the marker's pixel.
void cQVX::DrawMarker(QPainter* painter, const QRect& target, int index) const
{
    if (index < 0 || index >= MaxMarkers) {
        return;
    }
    DrawCrossMark(painter, target, QPoint(Width - 1 - markerX[index], markerY[index]), MarkerColours(index));
}

void DrawCrossMark(QPainter* painter, const QRect& target, QPoint shown, MarkerColourPair colours)
{
    if (!painter) {
        return;
    }
    const Bounds bounds = BoundsOf(target);
    const float sx = float(bounds.right - bounds.left) / cQVX::Width;
    const float sy = float(bounds.bottom - bounds.top) / cQVX::Height;
    const float x = float(shown.x()) * sx;
    const float y = float(shown.y()) * sy;
    const QColor line = QColorFromColourValue(colours.line);
    const QColor frame = QColorFromColourValue(colours.frame);

    FrameRect(*painter, {Truncate(x - 5), Truncate(y - 1), Truncate(x + 6), Truncate(y + 2)}, bounds, frame);
    FrameRect(*painter, {Truncate(x - 1), Truncate(y - 5), Truncate(x + 2), Truncate(y + 6)}, bounds, frame);
    // One-pixel lines whose far end is left out, kept inside the target like the frames so
    // that a marker beyond the sensor draws nothing around the picture.
    const int column = Truncate(x);
    const int row = Truncate(y);
    FillClipped(*painter, {Truncate(x - 4), row, Truncate(x + 5), row + 1}, bounds, line);
    FillClipped(*painter, {column, Truncate(y - 4), column + 1, Truncate(y + 5)}, bounds, line);
}

// The box's pixels outlined in the line colour between two rings of the frame colour, and a
// small cross in the line colour on its hottest pixel.
void DrawBoxMark(QPainter* painter, const QRect& target, const QRect& shown, QPoint hottest, MarkerColourPair colours)
{
    if (!painter || shown.isEmpty()) {
        return;
    }
    const Bounds bounds = BoundsOf(target);
    const float sx = float(bounds.right - bounds.left) / cQVX::Width;
    const float sy = float(bounds.bottom - bounds.top) / cQVX::Height;
    const int left = Truncate(float(shown.left()) * sx);
    const int top = Truncate(float(shown.top()) * sy);
    const int right = Truncate(float(shown.left() + shown.width()) * sx);
    const int bottom = Truncate(float(shown.top() + shown.height()) * sy);
    const QColor line = QColorFromColourValue(colours.line);
    const QColor frame = QColorFromColourValue(colours.frame);
    FrameRect(*painter, {left - 1, top - 1, right + 1, bottom + 1}, bounds, frame);
    FrameRect(*painter, {left + 1, top + 1, right - 1, bottom - 1}, bounds, frame);
    FrameRect(*painter, {left, top, right, bottom}, bounds, line);
    const int column = Truncate((float(hottest.x()) + 0.5f) * sx);
    const int row = Truncate((float(hottest.y()) + 0.5f) * sy);
    const Bounds inside = Intersect({left, top, right, bottom}, bounds);
    FillClipped(*painter, {column - 2, row, column + 3, row + 1}, inside, line);
    FillClipped(*painter, {column, row - 2, column + 1, row + 3}, inside, line);
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
