#pragma once

#include "snapshot/MeasurementSettings.h"

#include <QPoint>

#include <optional>

// The tools over the Inspection Data page's thermal picture.
enum class MeasureTool { Arrow, Spot, Box };

// What the thermographer has picked on the picture: a spot or a box of the settings, by index.
struct MeasureMark
{
    enum class Kind { None, Spot, Box };
    Kind kind = Kind::None;
    int index = -1;

    bool operator==(const MeasureMark&) const = default;
};

// Adding, moving and removing the extra spots and boxes of one inspection with the mouse, in
// picture coordinates as shown (x 0..159, y 0..119). The editor keeps no settings of its own: a
// press starts from the settings given, and each step hands back the settings as they now are.
class MeasurementEditor
{
public:
    // How far (in picture pixels, each direction) a press may lie from a spot or a box corner
    // to take hold of it.
    static constexpr int GrabDistance = 3;

    enum class PressResult {
        Ignored, // the Arrow tool, or no press to act on
        Started, // a spot or a box is being placed, moved or reshaped
        Selected, // a mark was picked without changing anything
        TooManySpots, // a new spot was asked for, and the inspection has all it may have
        TooManyBoxes,
    };

    PressResult Press(const MeasurementSettings& current, MeasureTool tool, QPoint point);
    // The settings with the mark under way moved to `point`; nothing while no mark is held.
    std::optional<MeasurementSettings> Move(QPoint point);
    // The settings as the gesture leaves them, when they differ from those at the press.
    std::optional<MeasurementSettings> Release(QPoint point);
    // Forgets the gesture under way (another inspection is shown, the tool changed).
    void Cancel();

    bool Dragging() const { return gesture != Gesture::None; }
    MeasureMark Selected() const { return selected; }
    void Select(MeasureMark mark) { selected = mark; }

    // The settings without the selected mark, or nothing when none is selected.
    std::optional<MeasurementSettings> RemoveSelected(const MeasurementSettings& current);

private:
    enum class Gesture { None, AddSpot, MoveSpot, ReshapeBox, DrawBox };

    // The settings at the press with the gesture taken to `point`.
    MeasurementSettings Shaped(QPoint point);

    MeasurementSettings atPress;
    MeasureMark selected;
    Gesture gesture = Gesture::None;
    // The point that stays put while a box is drawn or one of its corners dragged.
    QPoint anchor;
};

// A picture point kept inside the picture.
QPoint ClampToPicture(QPoint point);

// A cursor choice (0 none, 1.. the camera's markers then the extra spots) after the extra spot
// `removed` went: a choice of that spot becomes none, choices of later spots move down by one.
int CursorAfterSpotRemoved(int cursor, int markerCount, int removed);
