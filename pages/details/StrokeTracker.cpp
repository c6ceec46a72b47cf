#include "pages/details/StrokeTracker.h"

int StrokeTracker::Margin(int penSize)
{
    if (penSize > 6) {
        return 2;
    }
    return penSize >= 3 ? 1 : 0;
}

bool StrokeTracker::Inside(const QPoint& point, int penSize)
{
    const int m = Margin(penSize);
    return m < point.x() && point.x() < AreaWidth - 4 - 2 * m && m < point.y() && point.y() < AreaHeight - 4 - 2 * m;
}

void StrokeTracker::Press(const QPoint& point, int penSize)
{
    if (!Inside(point, penSize)) {
        return;
    }
    start = point;
    drawing = true;
}

bool StrokeTracker::Move(const QPoint& point, int penSize)
{
    if (!drawing) {
        return false;
    }
    if (Inside(point, penSize)) {
        if (point == start) {
            return false;
        }
        lastEnd = point;
        ++rubberBands;
        return true;
    }
    // Leaving above or below gives the stroke up; leaving sideways only pauses the rubber band.
    const int m = Margin(penSize);
    const bool sideways = point.y() > m && point.y() < AreaHeight - 4 - 2 * m;
    if (sideways) {
        return false;
    }
    Cancel();
    return true;
}

std::optional<PenStroke> StrokeTracker::Release(const QPoint& point, int penSize, quint32 colour)
{
    const bool started = drawing && start != QPoint(-1, -1);
    drawing = false;
    rubberBands = 0;
    if (!started || !Inside(point, penSize)) {
        return std::nullopt;
    }
    return PenStroke {start.x(), start.y(), point.x(), point.y(), penSize, qint32(colour)};
}

std::optional<QPoint> StrokeTracker::RubberStart() const
{
    return RubberEnd() ? std::optional<QPoint>(start) : std::nullopt;
}

std::optional<QPoint> StrokeTracker::RubberEnd() const
{
    if (!drawing || rubberBands == 0) {
        return std::nullopt;
    }
    return lastEnd;
}

void StrokeTracker::Cancel()
{
    drawing = false;
    rubberBands = 0;
    start = QPoint(-1, -1);
}
