#include "pages/details/MeasurementEditor.h"

#include "snapshot/cQVX.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The box whose corners are the two pixels, both inside it.
QRect Spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

bool Near(QPoint a, QPoint b)
{
    return std::abs(a.x() - b.x()) <= MeasurementEditor::GrabDistance &&
        std::abs(a.y() - b.y()) <= MeasurementEditor::GrabDistance;
}

// The marks of one kind to try, the selected one first, then the newest first, so that what
// the thermographer just worked on stays under the pointer.
std::vector<int> SearchOrder(int count, const MeasureMark& selected, MeasureMark::Kind kind)
{
    std::vector<int> order;
    if (selected.kind == kind && selected.index >= 0 && selected.index < count) {
        order.push_back(selected.index);
    }
    for (int index = count - 1; index >= 0; --index) {
        if (order.empty() || order.front() != index) {
            order.push_back(index);
        }
    }
    return order;
}

} // namespace

QPoint ClampToPicture(QPoint point)
{
    return {std::clamp(point.x(), 0, cQVX::Width - 1), std::clamp(point.y(), 0, cQVX::Height - 1)};
}

int CursorAfterSpotRemoved(int cursor, int markerCount, int removed)
{
    const int removedCursor = markerCount + 1 + removed;
    if (cursor == removedCursor) {
        return 0;
    }
    return cursor > removedCursor ? cursor - 1 : cursor;
}

MeasurementEditor::PressResult
MeasurementEditor::Press(const MeasurementSettings& current, MeasureTool tool, QPoint point)
{
    Cancel();
    point = ClampToPicture(point);
    atPress = current;
    if (tool == MeasureTool::Arrow) {
        selected = {};
        return PressResult::Ignored;
    }
    if (tool == MeasureTool::Spot) {
        for (int index : SearchOrder(int(current.spots.size()), selected, MeasureMark::Kind::Spot)) {
            if (Near(current.spots[size_t(index)], point)) {
                selected = {MeasureMark::Kind::Spot, index};
                gesture = Gesture::MoveSpot;
                return PressResult::Started;
            }
        }
        if (int(current.spots.size()) >= MeasurementSettings::MaxSpots) {
            return PressResult::TooManySpots;
        }
        selected = {MeasureMark::Kind::Spot, int(current.spots.size())};
        gesture = Gesture::AddSpot;
        return PressResult::Started;
    }
    const std::vector<int> order = SearchOrder(int(current.boxes.size()), selected, MeasureMark::Kind::Box);
    for (int index : order) {
        const QRect& box = current.boxes[size_t(index)];
        const QPoint corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
        for (int corner = 0; corner < 4; ++corner) {
            if (Near(corners[corner], point)) {
                selected = {MeasureMark::Kind::Box, index};
                anchor = corners[(corner + 2) % 4];
                gesture = Gesture::ReshapeBox;
                return PressResult::Started;
            }
        }
    }
    for (int index : order) {
        if (current.boxes[size_t(index)].contains(point)) {
            selected = {MeasureMark::Kind::Box, index};
            return PressResult::Selected;
        }
    }
    if (int(current.boxes.size()) >= MeasurementSettings::MaxBoxes) {
        return PressResult::TooManyBoxes;
    }
    selected = {};
    anchor = point;
    gesture = Gesture::DrawBox;
    return PressResult::Started;
}

std::optional<MeasurementSettings> MeasurementEditor::Move(QPoint point)
{
    if (gesture == Gesture::None) {
        return std::nullopt;
    }
    return Shaped(ClampToPicture(point));
}

std::optional<MeasurementSettings> MeasurementEditor::Release(QPoint point)
{
    if (gesture == Gesture::None) {
        return std::nullopt;
    }
    const MeasurementSettings shaped = Shaped(ClampToPicture(point));
    Cancel();
    if (shaped == atPress) {
        return std::nullopt;
    }
    return shaped;
}

void MeasurementEditor::Cancel()
{
    gesture = Gesture::None;
}

std::optional<MeasurementSettings> MeasurementEditor::RemoveSelected(const MeasurementSettings& current)
{
    MeasurementSettings edited = current;
    const auto index = size_t(selected.index);
    if (selected.kind == MeasureMark::Kind::Spot && index < edited.spots.size()) {
        edited.spots.erase(edited.spots.begin() + selected.index);
    } else if (selected.kind == MeasureMark::Kind::Box && index < edited.boxes.size()) {
        edited.boxes.erase(edited.boxes.begin() + selected.index);
    } else {
        return std::nullopt;
    }
    selected = {};
    return edited;
}

MeasurementSettings MeasurementEditor::Shaped(QPoint point)
{
    MeasurementSettings shaped = atPress;
    switch (gesture) {
    case Gesture::AddSpot:
        shaped.spots.push_back(point);
        break;
    case Gesture::MoveSpot:
        shaped.spots[size_t(selected.index)] = point;
        break;
    case Gesture::ReshapeBox:
        shaped.boxes[size_t(selected.index)] = Spanning(anchor, point);
        break;
    case Gesture::DrawBox:
        // A click without a drag draws nothing; it only leaves no box selected.
        if (point == anchor) {
            selected = {};
        } else {
            shaped.boxes.push_back(Spanning(anchor, point));
            selected = {MeasureMark::Kind::Box, int(shaped.boxes.size()) - 1};
        }
        break;
    case Gesture::None:
        break;
    }
    return shaped;
}
