#include "pages/details/MeasurementEditor.h"

#include <gtest/gtest.h>

namespace {

using Press = MeasurementEditor::PressResult;

TEST(MeasurementEditor, SpotToolAddsMovesAndRemovesSpots)
{
    MeasurementEditor editor;
    MeasurementSettings settings;
    // A click adds a spot where it was pressed, and selects it.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Spot, {40, 50}), Press::Started);
    auto released = editor.Release({40, 50});
    ASSERT_TRUE(released);
    EXPECT_EQ(released->spots, std::vector<QPoint>({{40, 50}}));
    EXPECT_EQ(editor.Selected(), (MeasureMark {MeasureMark::Kind::Spot, 0}));
    settings = *released;

    // A press near it takes hold of it; the drag moves it, kept on the picture.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Spot, {42, 47}), Press::Started);
    ASSERT_TRUE(editor.Move({100, 60}));
    EXPECT_EQ(editor.Move({100, 60})->spots, std::vector<QPoint>({{100, 60}}));
    released = editor.Release({500, -20});
    ASSERT_TRUE(released);
    EXPECT_EQ(released->spots, std::vector<QPoint>({{159, 0}}));
    settings = *released;

    // Pressing and releasing on a spot only selects it: nothing changes.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Spot, {159, 0}), Press::Started);
    EXPECT_FALSE(editor.Release({159, 0}));
    const auto removed = editor.RemoveSelected(settings);
    ASSERT_TRUE(removed);
    EXPECT_TRUE(removed->spots.empty());
    EXPECT_EQ(editor.Selected().kind, MeasureMark::Kind::None);
    EXPECT_FALSE(editor.RemoveSelected(*removed));
}

TEST(MeasurementEditor, NoMoreThanTheLimits)
{
    MeasurementEditor editor;
    MeasurementSettings settings;
    for (int i = 0; i < MeasurementSettings::MaxSpots; ++i) {
        settings.spots.push_back({10 * i + 5, 100});
    }
    EXPECT_EQ(editor.Press(settings, MeasureTool::Spot, {80, 20}), Press::TooManySpots);
    EXPECT_FALSE(editor.Release({80, 20}));
    // A full inspection's spots can still be moved.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Spot, {5, 100}), Press::Started);
    EXPECT_EQ(editor.Release({5, 90})->spots[0], QPoint(5, 90));

    for (int i = 0; i < MeasurementSettings::MaxBoxes; ++i) {
        settings.boxes.push_back(QRect(20 * i, 0, 10, 10));
    }
    EXPECT_EQ(editor.Press(settings, MeasureTool::Box, {80, 60}), Press::TooManyBoxes);
    EXPECT_FALSE(editor.Release({100, 80}));
}

TEST(MeasurementEditor, BoxToolDrawsAndReshapesBoxes)
{
    MeasurementEditor editor;
    MeasurementSettings settings;
    // A click without a drag draws nothing.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Box, {30, 30}), Press::Started);
    EXPECT_FALSE(editor.Release({30, 30}));

    // Drawn from any corner, the box covers both end pixels.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Box, {60, 50}), Press::Started);
    auto released = editor.Release({20, 10});
    ASSERT_TRUE(released);
    EXPECT_EQ(released->boxes, std::vector<QRect>({QRect(20, 10, 41, 41)}));
    EXPECT_EQ(editor.Selected(), (MeasureMark {MeasureMark::Kind::Box, 0}));
    settings = *released;

    // Its bottom-right corner, taken from nearby, moves; the top-left stays.
    EXPECT_EQ(editor.Press(settings, MeasureTool::Box, {62, 52}), Press::Started);
    released = editor.Release({90, 70});
    ASSERT_TRUE(released);
    EXPECT_EQ(released->boxes, std::vector<QRect>({QRect(20, 10, 71, 61)}));
    // Dragged past the opposite corner, the box turns over and stays whole.
    settings = *released;
    EXPECT_EQ(editor.Press(settings, MeasureTool::Box, {20, 10}), Press::Started);
    EXPECT_EQ(editor.Release({100, 80})->boxes, std::vector<QRect>({QRect(90, 70, 11, 11)}));

    // A press inside a box away from its corners selects it; elsewhere a new box begins.
    editor.Select({});
    EXPECT_EQ(editor.Press(settings, MeasureTool::Box, {50, 40}), Press::Selected);
    EXPECT_EQ(editor.Selected(), (MeasureMark {MeasureMark::Kind::Box, 0}));
    EXPECT_FALSE(editor.Dragging());
    EXPECT_EQ(editor.RemoveSelected(settings)->boxes.size(), 0u);
}

TEST(MeasurementEditor, ArrowToolLeavesTheMarksAlone)
{
    MeasurementEditor editor;
    MeasurementSettings settings;
    settings.spots = {{40, 50}};
    editor.Select({MeasureMark::Kind::Spot, 0});
    EXPECT_EQ(editor.Press(settings, MeasureTool::Arrow, {40, 50}), Press::Ignored);
    EXPECT_FALSE(editor.Move({60, 60}));
    EXPECT_FALSE(editor.Release({60, 60}));
    EXPECT_EQ(editor.Selected().kind, MeasureMark::Kind::None);
}

TEST(CursorAfterSpotRemoved, LaterSpotsMoveDownTheRemovedOneIsNone)
{
    struct Case
    {
        int cursor;
        int expected;
    };
    // Three camera markers, spot 1 (cursor 5) removed.
    for (const Case& c : {Case {0, 0}, Case {3, 3}, Case {4, 4}, Case {5, 0}, Case {6, 5}, Case {8, 7}}) {
        EXPECT_EQ(CursorAfterSpotRemoved(c.cursor, 3, 1), c.expected) << c.cursor;
    }
}

} // namespace
