#include "tests/support/SnapshotTestFiles.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {
constexpr int W = cQVX::Width;
constexpr int H = cQVX::Height;

qint32 At(const std::vector<qint32>& image, int row, int column)
{
    return image.at(std::size_t(row) * W + column);
}

std::vector<qint32> Row(const std::vector<qint32>& image, int row, int first, int count)
{
    const auto begin = image.begin() + std::ptrdiff_t(row) * W + first;
    return {begin, begin + count};
}

// A stream whose every value is its own index shows where each decoded value came from.
class IndexStreamDecoding : public testing::Test
{
protected:
    void SetUp() override
    {
        SnapshotFileFields fields;
        fields.pixelStream.resize(cQVX::PixelCount);
        std::iota(fields.pixelStream.begin(), fields.pixelStream.end(), qint16(0));
        ASSERT_TRUE(LoadAndDecode(snapshot, fields));
        ASSERT_EQ(snapshot.Raw().size(), std::size_t(cQVX::PixelCount));
    }

    cQVX snapshot;
};
} // namespace

TEST_F(IndexStreamDecoding, FirstRowComesFromTheShiftAndMirror)
{
    const auto& raw = snapshot.Raw();
    EXPECT_EQ(Row(raw, 0, 0, 5), (std::vector<qint32> {162, 161, 160, 159, 158}));
    EXPECT_EQ(Row(raw, 0, W - 5, 5), (std::vector<qint32> {7, 6, 5, 4, 4}));
}

TEST_F(IndexStreamDecoding, RepairedEdgeColumnsComeFromTheRowBelow)
{
    const auto& raw = snapshot.Raw();
    EXPECT_EQ(Row(raw, 59, 0, 4), (std::vector<qint32> {9602, 9601, 9760, 9599}));
    EXPECT_EQ(Row(raw, 60, 0, 4), (std::vector<qint32> {9762, 9761, 9760, 9759}));
}

TEST_F(IndexStreamDecoding, LastTwoRowsAreIdentical)
{
    const auto& raw = snapshot.Raw();
    EXPECT_EQ(Row(raw, 118, 0, 4), (std::vector<qint32> {18882, 18881, 18880, 19039}));
    EXPECT_EQ(Row(raw, 118, 0, W), Row(raw, 119, 0, W));
}

// Away from the repaired edges a pixel at (r, c) holds stream value 160 r + 162 - c.
TEST_F(IndexStreamDecoding, InteriorPixelsAreShiftedAndMirrored)
{
    const auto& raw = snapshot.Raw();
    for (int row = 0; row < H - 1; ++row) {
        for (int column = 3; column < W - 1; ++column) {
            ASSERT_EQ(At(raw, row, column), W * row + 162 - column) << row << "," << column;
        }
    }
}

TEST_F(IndexStreamDecoding, RightColumnRepeatsItsNeighbour)
{
    const auto& raw = snapshot.Raw();
    for (int row = 0; row < H; ++row) {
        ASSERT_EQ(At(raw, row, W - 1), At(raw, row, W - 2)) << row;
    }
}

TEST_F(IndexStreamDecoding, SmoothingAveragesTheNeighboursThatExist)
{
    const auto& raw = snapshot.Raw();
    const auto& smoothed = snapshot.Smoothed();
    ASSERT_EQ(smoothed.size(), raw.size());
    EXPECT_EQ(At(smoothed, 0, 0), (162 + 161 + 322 + 321) / 4); // 241.5 truncated
    EXPECT_EQ(At(smoothed, 40, 70), (At(raw, 40, 70) + At(raw, 40, 71) + At(raw, 41, 70) + At(raw, 41, 71)) / 4);
    // The last row has nothing below, the last column nothing to the right.
    EXPECT_EQ(At(smoothed, H - 1, 5), (At(raw, H - 1, 5) + At(raw, H - 1, 6)) / 2);
    EXPECT_EQ(At(smoothed, 5, W - 1), (At(raw, 5, W - 1) + At(raw, 6, W - 1)) / 2);
    EXPECT_EQ(At(smoothed, H - 1, W - 1), At(raw, H - 1, W - 1));
}

TEST(Smoothing, TruncatesNegativeAveragesTowardZero)
{
    cQVX snapshot;
    ASSERT_TRUE(LoadAndDecode(
        snapshot, FieldsWithImage(ImageOf([](int row, int column) { return (row + column) % 2 == 0 ? -1 : -2; }))));
    EXPECT_EQ(At(snapshot.Smoothed(), 50, 50), -1); // -6 / 4
    EXPECT_EQ(At(snapshot.Smoothed(), H - 1, 50), -1); // -3 / 2
}

// What the snapshot writer encodes from an image decodes back to that image, apart from the
// pixels the decoding always overwrites with a neighbour.
TEST(PixelDecoding, WrittenImageDecodesBack)
{
    const std::vector<qint32> image = ImageOf([](int row, int column) { return 200 * row - 3 * column - 9000; });
    cQVX snapshot;
    ASSERT_TRUE(LoadAndDecode(snapshot, FieldsWithImage(image)));
    for (int row = 0; row < H - 3; ++row) {
        for (int column = row == 59 ? 3 : 0; column < W - 1; ++column) {
            ASSERT_EQ(At(snapshot.Raw(), row, column), At(image, row, column)) << row << "," << column;
        }
    }
}

// A pixel block shorter than the image decodes what it holds; the missing values are 0, also
// when the buffers come from a snapshot decoded and dropped before.
TEST(PixelDecoding, ShortPixelBlockLeavesTheRestZero)
{
    {
        SnapshotFileFields full;
        full.pixelStream.assign(cQVX::PixelCount, qint16(777));
        cQVX earlier;
        ASSERT_TRUE(LoadAndDecode(earlier, full));
    }
    SnapshotFileFields fields;
    for (int k = 0; k < 50; ++k) {
        fields.pixelStream.push_back(qint16(1000 + k));
    }
    cQVX snapshot;
    ASSERT_TRUE(LoadAndDecode(snapshot, fields));
    const auto& raw = snapshot.Raw();
    EXPECT_EQ(At(raw, 0, W - 2), 1004);
    EXPECT_EQ(At(raw, 0, 113), 1049);
    EXPECT_EQ(At(raw, 0, 112), 0);
    const qint64 total = std::accumulate(raw.begin(), raw.end(), qint64(0));
    qint64 expected = 1004; // the last column repeats stream value 4
    for (int k = 4; k < 50; ++k) {
        expected += 1000 + k;
    }
    EXPECT_EQ(total, expected);
}

TEST(PixelDecoding, OnlyTheSensorSizeIsDecoded)
{
    SnapshotFileFields fields;
    fields.pixelStream.assign(cQVX::PixelCount, 1);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_FALSE(snapshot.LoadPixels(80, 60));
    EXPECT_FALSE(snapshot.LoadPixels(320, 240));
    EXPECT_TRUE(snapshot.Raw().empty());
    EXPECT_TRUE(snapshot.LoadPixels(W, H));
}

TEST(PixelDecoding, NegativeSamplesAreSignExtended)
{
    SnapshotFileFields fields;
    fields.pixelStream.assign(cQVX::PixelCount, qint16(-32768));
    cQVX snapshot;
    ASSERT_TRUE(LoadAndDecode(snapshot, fields));
    EXPECT_EQ(At(snapshot.Raw(), 10, 10), -32768);
    EXPECT_EQ(At(snapshot.Smoothed(), 10, 10), -32768);
}
