#include "tests/support/SnapshotTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
struct Range
{
    int low = 12345;
    int high = 12345;
};

// A pixel away from the edges the decoding repairs, so that it appears exactly once.
struct Spot
{
    int row;
    int column;
    qint32 value;
};

Range AutoRangeOf(std::vector<qint32> image, const std::vector<Spot>& spots = {})
{
    for (const Spot& spot : spots) {
        image[std::size_t(spot.row) * cQVX::Width + spot.column] = spot.value;
    }
    cQVX snapshot;
    Range range;
    if (LoadAndDecode(snapshot, FieldsWithImage(image))) {
        snapshot.AutoDisplayRange(range.low, range.high);
    }
    return range;
}

// Rows 0 to 118 each hold their own level 1000 + row; the last row repeats row 118.
std::vector<qint32> RowLevels()
{
    return ImageOf([](int row, int) { return 1000 + std::min(row, 118); });
}
} // namespace

TEST(AutoDisplayRange, SkipsNineteenLevelsAtEachEnd)
{
    const Range range = AutoRangeOf(RowLevels());
    EXPECT_EQ(range.low, 1019);
    EXPECT_EQ(range.high, 1099);
}

// Stray hot or dead pixels (two or fewer of a level) do not count as a level.
TEST(AutoDisplayRange, IgnoresLevelsWithTwoPixelsOrFewer)
{
    const Range range = AutoRangeOf(
        RowLevels(), {{30, 30, -20000}, {30, 31, -20000}, {40, 40, 30000}, {40, 41, 30000}, {50, 50, 25000}});
    EXPECT_EQ(range.low, 1019);
    EXPECT_EQ(range.high, 1099);
}

TEST(AutoDisplayRange, ThreePixelsMakeALevel)
{
    const Range range = AutoRangeOf(
        RowLevels(),
        {{30, 30, -20000}, {30, 31, -20000}, {30, 32, -20000}, {40, 40, 32767}, {40, 41, 32767}, {40, 42, 32767}});
    EXPECT_EQ(range.low, 1018);
    EXPECT_EQ(range.high, 1100);
}

// With fewer than 20 populated levels the walk from each end runs out at the far end.
TEST(AutoDisplayRange, FewLevelsGiveLowAboveHigh)
{
    const Range range =
        AutoRangeOf(ImageOf([](int row, int) { return -200 + 100 * (row / 24); }), {{60, 60, 9000}, {61, 61, -9000}});
    EXPECT_EQ(range.low, 200);
    EXPECT_EQ(range.high, -200);
}

TEST(AutoDisplayRange, UniformImageGivesItsValueAtBothEnds)
{
    for (const qint32 value : {-32768, -5, 0, 2500, 32767}) {
        const Range range = AutoRangeOf(ImageOf([value](int, int) { return value; }));
        EXPECT_EQ(range.low, value);
        EXPECT_EQ(range.high, value);
    }
}

TEST(AutoDisplayRange, LeavesTheRangeAloneWithoutPixels)
{
    SnapshotFileFields fields;
    fields.pixelStream.assign(cQVX::PixelCount, 100);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    Range range;
    snapshot.AutoDisplayRange(range.low, range.high);
    EXPECT_EQ(range.low, 12345);
    EXPECT_EQ(range.high, 12345);
}
