#include "snapshot/cQVX.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <gtest/gtest.h>

#include <random>

// Files written by the sample writer, read back by the program's own reader.

namespace {

constexpr int W = 160;
constexpr int H = 120;

struct FileVariant
{
    const char* name;
    quint8 versionMajor;
    quint8 versionMinor;
    quint8 rangeType;
    int extraSize; // 0: no optional block
};

void PrintTo(const FileVariant& variant, std::ostream* out)
{
    *out << variant.name;
}

std::vector<qint32> RandomRaw(unsigned seed)
{
    std::mt19937 engine(seed);
    std::uniform_int_distribution<qint32> value(-32768, 32767);
    std::vector<qint32> raw(W * H);
    for (qint32& v : raw) {
        v = value(engine);
    }
    return raw;
}

qint32& At(std::vector<qint32>& image, int row, int column)
{
    return image[static_cast<std::size_t>(row) * W + column];
}

// What the reader must give back for `raw`: the pixels its repairs overwrite hold their neighbour.
std::vector<qint32> WithRepairs(std::vector<qint32> raw)
{
    const std::vector<qint32> wanted = raw;
    const auto Wanted = [&wanted](int row, int column) { return wanted[static_cast<std::size_t>(row) * W + column]; };
    for (int row = 0; row < H; ++row) {
        At(raw, row, W - 1) = Wanted(row, W - 2);
    }
    for (int column = 0; column < 3; ++column) {
        At(raw, 117, column) = Wanted(118, column);
    }
    At(raw, 59, 2) = Wanted(60, 2);
    for (int column = 0; column < W; ++column) {
        At(raw, 119, column) = At(raw, 118, column);
    }
    return raw;
}

SnapshotFileFields FieldsFor(const FileVariant& variant)
{
    SnapshotFileFields fields;
    fields.versionMajor = variant.versionMajor;
    fields.versionMinor = variant.versionMinor;
    fields.rangeType = variant.rangeType;
    fields.captureDay = 23;
    fields.captureMonth = 3;
    fields.captureYear = 2027;
    fields.captureHour = 9;
    fields.captureMinute = 5;
    fields.shortText = "short";
    fields.longText = "a longer description";
    fields.reflectedTemp = -850;
    fields.paletteCode = 3;
    fields.displayLow = -120;
    fields.displayHigh = 4567;
    fields.unitCode = 1;
    fields.emissivity = 64;
    fields.header52 = 52;
    fields.header56 = -56;
    fields.header69 = 69;
    fields.header6B = 0x6B6B;
    fields.header6F = 0x6F;
    fields.band1Low = -1;
    fields.band1High = 1;
    fields.band2Low = -2;
    fields.band2High = 2;
    for (quint16 i = 0; i < 10; ++i) {
        fields.markers.push_back({static_cast<quint16>(i * 15), static_cast<quint16>(119 - i * 11), quint8(60 + i)});
    }
    for (int i = 0; i < variant.extraSize / 2; ++i) {
        fields.extraBlock.append(char(0)).append(char(i + 1));
    }
    if (variant.extraSize % 2) {
        fields.extraBlock.append(char(0x7F));
    }
    fields.pixelStream = EncodePixelStream(RandomRaw(variant.versionMinor * 7 + variant.rangeType));
    return fields;
}

class SnapshotRoundTrip : public testing::TestWithParam<FileVariant>
{
};

TEST_P(SnapshotRoundTrip, HeaderReadsBackAsWritten)
{
    const SnapshotFileFields fields = FieldsFor(GetParam());
    const QByteArray file = WriteSnapshotFile(fields);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(file));

    EXPECT_EQ(snapshot.versionMajor, fields.versionMajor);
    EXPECT_EQ(snapshot.versionMinor, fields.versionMinor);
    EXPECT_EQ(snapshot.CaptureDateText(), "23rd March 2027");
    EXPECT_EQ(snapshot.CaptureTimeText(), "9.05");
    EXPECT_EQ(snapshot.shortText[4], u't');
    EXPECT_EQ(snapshot.shortText[5], u'\0');
    EXPECT_EQ(snapshot.longText[19], u'n');
    EXPECT_EQ(snapshot.rangeType, fields.rangeType);
    EXPECT_EQ(snapshot.pixelOffset, 564 + fields.extraBlock.size());
    EXPECT_EQ(snapshot.pixelLength, 38400);
    EXPECT_EQ(snapshot.extraLength, fields.extraBlock.size());
    EXPECT_EQ(snapshot.reflectedTemp, -850);
    EXPECT_EQ(snapshot.paletteCode, 3);
    EXPECT_EQ(snapshot.displayLow, -120);
    EXPECT_EQ(snapshot.displayHigh, 4567);
    EXPECT_EQ(snapshot.unitCode, 1);
    EXPECT_EQ(snapshot.emissivity, 64);
    EXPECT_EQ(snapshot.header52, 52);
    EXPECT_EQ(snapshot.header56, -56);
    EXPECT_EQ(snapshot.header69, 69);
    EXPECT_EQ(snapshot.header6B, 0x6B6B);
    EXPECT_EQ(snapshot.header6F, 0x6F);
    EXPECT_EQ(snapshot.band1Low, -1);
    EXPECT_EQ(snapshot.band2High, 2);
    ASSERT_EQ(snapshot.markerCount, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(snapshot.markerX[i], fields.markers[i].x);
        EXPECT_EQ(snapshot.markerY[i], fields.markers[i].y);
        EXPECT_EQ(snapshot.markerEmissivity[i], fields.markers[i].emissivity);
    }
    if (fields.rangeType == 1 && fields.extraBlock.size() >= 25) {
        EXPECT_EQ(snapshot.extraA.word1, 0x0100);
        EXPECT_EQ(snapshot.extraA.words15[4], 0x0C7F);
    } else if (fields.rangeType >= 2 && fields.extraBlock.size() >= 18) {
        EXPECT_EQ(snapshot.extraB[0], 0x0001);
        EXPECT_EQ(snapshot.extraB[8], 0x0009);
    }
}

TEST_P(SnapshotRoundTrip, PixelsDecodeToTheEncodedImage)
{
    const FileVariant& variant = GetParam();
    const std::vector<qint32> wanted = RandomRaw(variant.versionMinor * 7 + variant.rangeType);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(FieldsFor(variant))));
    ASSERT_TRUE(snapshot.LoadPixels(W, H));

    const std::vector<qint32> expected = WithRepairs(wanted);
    ASSERT_EQ(snapshot.Raw().size(), expected.size());
    int differences = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (snapshot.Raw()[i] != expected[i] && ++differences <= 5) {
            ADD_FAILURE() << "row " << i / W << " column " << i % W << ": " << snapshot.Raw()[i]
                          << " != " << expected[i];
        }
    }
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Versions,
                         SnapshotRoundTrip,
                         testing::Values(FileVariant {"old_0_2_hundredths", 0, 2, 0, 0},
                                         FileVariant {"new_0_4_layoutA", 0, 4, 1, 25},
                                         FileVariant {"new_1_0_layoutB", 1, 0, 2, 18},
                                         FileVariant {"new_0_3_tenths_layoutB", 0, 3, 3, 18}),
                         [](const testing::TestParamInfo<FileVariant>& info) { return std::string(info.param.name); });

TEST(SnapshotRoundTrip, ImageThatHonoursTheRepairsComesBackExactly)
{
    // A smooth gradient already equal where the repairs copy neighbours: nothing may change.
    std::vector<qint32> raw(W * H);
    for (int row = 0; row < H; ++row) {
        for (int column = 0; column < W; ++column) {
            At(raw, row, column) = 2000 + 3 * std::min(row, 118) + std::min(column, 158);
        }
    }
    raw = WithRepairs(raw);
    SnapshotFileFields fields;
    fields.pixelStream = EncodePixelStream(raw);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    ASSERT_TRUE(snapshot.LoadPixels(W, H));
    EXPECT_EQ(snapshot.Raw(), raw);
}

} // namespace
