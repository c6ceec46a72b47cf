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
    EXPECT_FALSE(StrokeTracker::Inside({108 + m, 150}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({109 + m, 150}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({629 - 2 * m, 150}, pen));
    EXPECT_FALSE(StrokeTracker::Inside({630 - 2 * m, 150}, pen));
    EXPECT_FALSE(StrokeTracker::Inside({300, 70 + m}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({300, 71 + m}, pen));
    EXPECT_TRUE(StrokeTracker::Inside({300, 269 - 2 * m}, pen));
    EXPECT_FALSE(StrokeTracker::Inside({300, 270 - 2 * m}, pen));
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
    tracker.Press({200, 150}, 2);
    EXPECT_TRUE(tracker.Move({300, 200}, 2));
    EXPECT_EQ(tracker.RubberEnd(), QPoint(192, 130));
    const auto stroke = tracker.Release({310, 210}, 4, 0x0000FF);
    ASSERT_TRUE(stroke);
    EXPECT_EQ(*stroke, (PenStroke {92, 80, 202, 140, 4, 0x0000FF}));
    EXPECT_FALSE(tracker.RubberEnd());
}

TEST(StrokeTracker, PressOutsideAndReleaseInsideAddsNothing)
{
    StrokeTracker tracker;
    tracker.Press({200, 150}, 2);
    ASSERT_TRUE(tracker.Release({250, 160}, 2, 0));
    tracker.Press({50, 150}, 2);
    tracker.Move({200, 150}, 2);
    EXPECT_FALSE(tracker.Release({300, 150}, 2, 0));
}

TEST(StrokeTracker, LeavingUpOrDownCancelsLeavingSidewaysWaits)
{
    StrokeTracker tracker;
    tracker.Press({200, 150}, 2);
    tracker.Move({250, 150}, 2);
    EXPECT_FALSE(tracker.Move({700, 150}, 2));
    EXPECT_EQ(tracker.RubberEnd(), QPoint(142, 80));
    EXPECT_TRUE(tracker.Release({260, 150}, 2, 0));

    tracker.Press({200, 150}, 2);
    tracker.Move({250, 150}, 2);
    EXPECT_TRUE(tracker.Move({250, 300}, 2));
    EXPECT_FALSE(tracker.RubberEnd());
    EXPECT_FALSE(tracker.Drawing());
    tracker.Move({250, 150}, 2);
    EXPECT_FALSE(tracker.Release({260, 150}, 2, 0));
}

TEST(StrokeTracker, ReleaseOutsideAddsNothing)
{
    StrokeTracker tracker;
    tracker.Press({200, 150}, 7);
    EXPECT_FALSE(tracker.Release({626, 150}, 7, 0));
}

} // namespace
