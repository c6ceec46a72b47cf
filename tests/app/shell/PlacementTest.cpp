#include "app/shell/MainWindowPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowPlacement, SmallScreensStartMaximised)
{
    EXPECT_TRUE(PlaceMainWindow({1024, 768}).maximised);
    EXPECT_TRUE(PlaceMainWindow({800, 600}).maximised);
}

TEST(MainWindowPlacement, LargerScreensCentreTheWindow)
{
    const MainWindowPlacement placement = PlaceMainWindow({1280, 1024});
    EXPECT_FALSE(placement.maximised);
    EXPECT_EQ(placement.position, QPoint(143, 137));
    EXPECT_EQ(placement.size, QSize(995, 750));
    EXPECT_EQ(PlaceMainWindow({1920, 1080}).position, QPoint(463, 165));
}

TEST(MainWindowPlacement, LowWideScreensStartAtTheTop)
{
    EXPECT_EQ(PlaceMainWindow({1366, 750}).position, QPoint(186, 0));
    EXPECT_EQ(PlaceMainWindow({1366, 751}).position, QPoint(186, 0));
    EXPECT_EQ(PlaceMainWindow({1366, 768}).position, QPoint(186, 9));
}

} // namespace
