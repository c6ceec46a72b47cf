#include "pages/details/StrokeTracker.h"

#include <gtest/gtest.h>

namespace {

struct AreaCase
{
    int penSize;
    int margin;
};

class DrawingArea : public testing::TestWithParam<AreaCase>
{
};

TEST_P(DrawingArea, NarrowsByTheMarginLeftAndTopAndTwiceThatRightAndBottom)
{
    const int pen = GetParam().penSize;
    const int m = GetParam().margin;
    EXPECT_EQ(StrokeTracker::Margin(pen), m);
    EXPECT_FALSE(StrokeTracker::Inside({m, 80}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({1 + m, 80}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({521 - 2 * m, 80}, pen));
    EXPECT_FALSE(StrokeTracker::Inside({522 - 2 * m, 80}, pen));
    EXPECT_FALSE(StrokeTracker::Inside({192, m}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({192, 1 + m}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({192, 199 - 2 * m}, pen));
    EXPECT_FALSE(StrokeTracker::Inside({192, 200 - 2 * m}, pen));
}

INSTANTIATE_TEST_SUITE_P(PenSizes,
                         DrawingArea,
                         testing::Values(AreaCase {1, 0},
                                         AreaCase {2, 0},
                                         AreaCase {3, 1},
                                         AreaCase {6, 1},
                                         AreaCase {7, 2},
                                         AreaCase {9, 2}));

TEST(StrokeTracker, StrokeIsKeptRelativeToTheAreaCorner)
{
    StrokeTracker tracker;
    tracker.Press({92, 80}, 2);
    EXPECT_TRUE(tracker.Move({192, 130}, 2));
    EXPECT_EQ(tracker.RubberEnd(), QPoint(192, 130));
    const auto stroke = tracker.Release({202, 140}, 4, 0x0000FF);
    ASSERT_TRUE(stroke);
    EXPECT_EQ(*stroke, (PenStroke {92, 80, 202, 140, 4, 0x0000FF}));
    EXPECT_FALSE(tracker.RubberEnd());
}

TEST(StrokeTracker, PressOutsideAndReleaseInsideAddsNothing)
{
    StrokeTracker tracker;
    tracker.Press({92, 80}, 2);
    ASSERT_TRUE(tracker.Release({142, 90}, 2, 0));
    tracker.Press({-58, 80}, 2);
    tracker.Move({92, 80}, 2);
    EXPECT_FALSE(tracker.Release({192, 80}, 2, 0));
}

TEST(StrokeTracker, LeavingUpOrDownCancelsLeavingSidewaysWaits)
{
    StrokeTracker tracker;
    tracker.Press({92, 80}, 2);
    tracker.Move({142, 80}, 2);
    EXPECT_FALSE(tracker.Move({592, 80}, 2));
    EXPECT_EQ(tracker.RubberEnd(), QPoint(142, 80));
    EXPECT_TRUE(tracker.Release({152, 80}, 2, 0));

    tracker.Press({92, 80}, 2);
    tracker.Move({142, 80}, 2);
    EXPECT_TRUE(tracker.Move({142, 230}, 2));
    EXPECT_FALSE(tracker.RubberEnd());
    EXPECT_FALSE(tracker.Drawing());
    tracker.Move({142, 80}, 2);
    EXPECT_FALSE(tracker.Release({152, 80}, 2, 0));
}

TEST(StrokeTracker, ReleaseOutsideAddsNothing)
{
    StrokeTracker tracker;
    tracker.Press({92, 80}, 7);
    EXPECT_FALSE(tracker.Release({518, 80}, 7, 0));
}

} // namespace
