#include "app/cli/MarkedPicture.h"
#include "SnapshotFixtures.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <gtest/gtest.h>

namespace {

QColor LineColour(int index)
{
    const quint32 value = MarkerColours(index).line; // 0x00BBGGRR
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Grey palette (code 0 in new files) over 20.00..30.00 degrees: 25.00 is mid grey, the hot
// pixel white.
SnapshotFileFields MarkedFields()
{
    SnapshotFileFields fields = FieldsWithOnePixel(20, 10, 2500, 9000);
    fields.paletteCode = 0;
    fields.displayLow = 2000;
    fields.displayHigh = 3000;
    fields.markers = {{159 - 30, 90, 100}, {159 - 130, 20, 100}, {0, 0, 100}};
    return fields;
}

class MarkedPictureAtScale : public testing::TestWithParam<int>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(MarkedFields())));
        picture = MarkedPicture(snapshot, GetParam());
        ASSERT_FALSE(picture.isNull());
    }

    cQVX snapshot;
    QImage picture;
};

TEST_P(MarkedPictureAtScale, IsEnlargedByNearestNeighbour)
{
    const int scale = GetParam();
    EXPECT_EQ(picture.size(), QSize(160 * scale, 120 * scale));
    // The hot pixel fills its whole enlarged block; its neighbours stay grey.
    for (int dy = 0; dy < scale; ++dy) {
        for (int dx = 0; dx < scale; ++dx) {
            EXPECT_EQ(picture.pixelColor(20 * scale + dx, 10 * scale + dy), QColor(255, 255, 255));
        }
    }
    EXPECT_EQ(picture.pixelColor(21 * scale, 10 * scale), QColor(127, 127, 127));
    EXPECT_EQ(picture.pixelColor(20 * scale, 10 * scale - 1), QColor(127, 127, 127));
}

TEST_P(MarkedPictureAtScale, MarkersSitOnTheirPixelsWithThinLines)
{
    const int scale = GetParam();
    for (int i = 0; i < 3; ++i) {
        const int x = (159 - snapshot.markerX[i]) * scale;
        const int y = snapshot.markerY[i] * scale;
        EXPECT_EQ(picture.pixelColor(x, y), LineColour(i)) << "marker " << i;
        if (x + 3 < picture.width()) {
            EXPECT_EQ(picture.pixelColor(x + 3, y), LineColour(i)) << "marker " << i;
        }
        // Beside the cross, off its one-pixel frames, the picture shows through.
        if (x + 3 < picture.width() && y + 3 < picture.height()) {
            EXPECT_EQ(picture.pixelColor(x + 3, y + 3), QColor(127, 127, 127)) << "marker " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, MarkedPictureAtScale, testing::Values(1, 4, 9));

TEST(MarkedPicture, CentreMarkIsDrawnAroundTheCentre)
{
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(MarkedFields())));
    const QImage picture = MarkedPicture(snapshot, 4);
    // A green circle of two sensor pixels' radius: on its left edge, not at its middle.
    EXPECT_EQ(picture.pixelColor(80 * 4 - 8, 60 * 4).green(), 255);
    EXPECT_EQ(picture.pixelColor(80 * 4, 60 * 4), QColor(127, 127, 127));
}

TEST(MarkedPicture, NothingForAnUnusableSnapshot)
{
    cQVX snapshot;
    EXPECT_TRUE(MarkedPicture(snapshot, 2).isNull());
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(SnapshotFileFields {})));
    EXPECT_TRUE(MarkedPicture(snapshot, 2).isNull());
}

} // namespace
