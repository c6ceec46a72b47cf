#include "tools/samplegen/SnapshotWriter.h"
#include "snapshot/ByteView.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SnapshotFileFields DistinctFields()
{
    // Every field gets a value no neighbour shares, so a misplaced or mis-sized field shows.
    SnapshotFileFields fields;
    fields.versionMajor = 1;
    fields.versionMinor = 7;
    fields.captureHour = 13;
    fields.captureMinute = 47;
    fields.captureSecond = 59;
    fields.captureDay = 28;
    fields.captureMonth = 11;
    fields.captureYear = 2031;
    fields.secondHour = 22;
    fields.secondMinute = 1;
    fields.secondSecond = 2;
    fields.secondDay = 3;
    fields.secondMonth = 4;
    fields.secondYear = 0x1234;
    fields.rangeType = 3;
    fields.rangeSubtype = 0xA5;
    fields.header52 = -123456789;
    fields.header56 = 0x01020304;
    fields.reflectedTemp = -1234;
    fields.paletteCode = 6;
    fields.displayLow = -300;
    fields.displayHigh = 0x7123;
    fields.unitCode = 2;
    fields.emissivity = 87;
    fields.header69 = -2;
    fields.header6B = 0x0A0B0C0D;
    fields.header6F = 0xEE;
    fields.band1Low = -11;
    fields.band1High = 22;
    fields.band2Low = -33;
    fields.band2High = 0x4444;
    fields.extraBlock = QByteArray(18, '\x5A');
    fields.pixelStream.assign(19200, 7);
    return fields;
}

struct FieldCase
{
    const char* name;
    qint64 offset;
    int size; // bytes; negative for a signed field
    qint64 expected;
};

void PrintTo(const FieldCase& field, std::ostream* out)
{
    *out << field.name;
}

qint64 ReadField(const ByteView& view, const FieldCase& field)
{
    switch (field.size) {
    case 1:
        return view.Read<quint8>(field.offset).value_or(-99999);
    case 2:
        return view.Read<quint16>(field.offset).value_or(-99999);
    case -2:
        return view.Read<qint16>(field.offset).value_or(-99999);
    case -4:
        return view.Read<qint32>(field.offset).value_or(-99999);
    }
    return -99999;
}

class SnapshotWriterField : public testing::TestWithParam<FieldCase>
{
};

TEST_P(SnapshotWriterField, SitsAtItsOffsetBigEndian)
{
    const QByteArray file = WriteSnapshotFile(DistinctFields());
    const ByteView view(file, ByteOrder::Big);
    EXPECT_EQ(ReadField(view, GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(HeaderFields,
                         SnapshotWriterField,
                         testing::Values(FieldCase {"versionMajor", 3, 1, 1},
                                         FieldCase {"versionMinor", 4, 1, 7},
                                         FieldCase {"captureHour", 5, 1, 13},
                                         FieldCase {"captureMinute", 6, 1, 47},
                                         FieldCase {"captureSecond", 7, 1, 59},
                                         FieldCase {"captureDay", 8, 1, 28},
                                         FieldCase {"captureMonth", 9, 1, 11},
                                         FieldCase {"captureYear", 10, 2, 2031},
                                         FieldCase {"secondHour", 12, 1, 22},
                                         FieldCase {"secondMinute", 13, 1, 1},
                                         FieldCase {"secondSecond", 14, 1, 2},
                                         FieldCase {"secondDay", 15, 1, 3},
                                         FieldCase {"secondMonth", 16, 1, 4},
                                         FieldCase {"secondYear", 17, 2, 0x1234},
                                         FieldCase {"rangeType", 64, 1, 3},
                                         FieldCase {"rangeSubtype", 65, 1, 0xA5},
                                         FieldCase {"pixelOffset", 66, -4, 564 + 18},
                                         FieldCase {"pixelLength", 70, -4, 38400},
                                         FieldCase {"extraOffset", 74, -4, 564},
                                         FieldCase {"extraLength", 78, -4, 18},
                                         FieldCase {"header52", 82, -4, -123456789},
                                         FieldCase {"header56", 86, -4, 0x01020304},
                                         FieldCase {"reflectedTemp", 96, -2, -1234},
                                         FieldCase {"paletteCode", 98, 1, 6},
                                         FieldCase {"displayLow", 99, -2, -300},
                                         FieldCase {"displayHigh", 101, -2, 0x7123},
                                         FieldCase {"unitCode", 103, 1, 2},
                                         FieldCase {"emissivity", 104, 1, 87},
                                         FieldCase {"header69", 105, -2, -2},
                                         FieldCase {"header6B", 107, -4, 0x0A0B0C0D},
                                         FieldCase {"header6F", 111, 1, 0xEE},
                                         FieldCase {"band1Low", 112, -2, -11},
                                         FieldCase {"band1High", 114, -2, 22},
                                         FieldCase {"band2Low", 116, -2, -33},
                                         FieldCase {"band2High", 118, -2, 0x4444}),
                         [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST(SnapshotWriter, ReservedBytesStayZero)
{
    const QByteArray file = WriteSnapshotFile(DistinctFields());
    for (auto [offset, length] : {std::pair {19, 13}, std::pair {90, 6}, std::pair {120, 136}, std::pair {553, 1}}) {
        EXPECT_EQ(file.mid(offset, length), QByteArray(length, '\0')) << "at " << offset;
    }
}

TEST(SnapshotWriter, BlocksFollowTheHeaderWithPixelsLast)
{
    SnapshotFileFields fields = DistinctFields();
    fields.pixelStream = {0x0102, -2, 0x7FFF};
    const QByteArray file = WriteSnapshotFile(fields);
    ASSERT_EQ(file.size(), 564 + 18 + 6);
    EXPECT_EQ(file.left(3), QByteArray("QVX"));
    EXPECT_EQ(file.mid(564, 18), QByteArray(18, '\x5A'));
    EXPECT_EQ(file.mid(582), QByteArray::fromHex("0102fffe7fff"));
}

TEST(SnapshotWriter, WithoutOptionalBlockPixelsStartAfterHeader)
{
    SnapshotFileFields fields = DistinctFields();
    fields.extraBlock.clear();
    const QByteArray file = WriteSnapshotFile(fields);
    const ByteView view(file, ByteOrder::Big);
    EXPECT_EQ(file.size(), 564 + 38400);
    EXPECT_EQ(view.Read<qint32>(66), 564);
    EXPECT_EQ(view.Read<qint32>(74), 0);
    EXPECT_EQ(view.Read<qint32>(78), 0);
}

TEST(SnapshotWriter, OverriddenBlockFieldsAreWrittenAsGiven)
{
    SnapshotFileFields fields = DistinctFields();
    fields.pixelOffsetField = -5;
    fields.pixelLengthField = 40000;
    fields.extraOffsetField = 49999;
    fields.extraLengthField = -1;
    const QByteArray file = WriteSnapshotFile(fields);
    const ByteView view(file, ByteOrder::Big);
    EXPECT_EQ(view.Read<qint32>(66), -5);
    EXPECT_EQ(view.Read<qint32>(70), 40000);
    EXPECT_EQ(view.Read<qint32>(74), 49999);
    EXPECT_EQ(view.Read<qint32>(78), -1);
}

TEST(SnapshotWriter, TextsAreCutOrZeroPadded)
{
    SnapshotFileFields fields;
    fields.shortText = QByteArray(40, 'S');
    fields.longText = "Panel 3";
    const QByteArray file = WriteSnapshotFile(fields);
    EXPECT_EQ(file.mid(32, 32), QByteArray(32, 'S'));
    EXPECT_EQ(file.at(64), '\0'); // rangeType of the default fields, not a 33rd text byte
    EXPECT_EQ(file.mid(256, 7), QByteArray("Panel 3"));
    EXPECT_EQ(file.mid(263, 249), QByteArray(249, '\0'));
}

TEST(SnapshotWriter, MarkersFillTheirSlotsAndUnusedSlotsAreZero)
{
    SnapshotFileFields fields;
    fields.markers = {{159, 0, 95}, {0x0102, 0x0304, 60}};
    const QByteArray file = WriteSnapshotFile(fields);
    const ByteView view(file, ByteOrder::Big);
    EXPECT_EQ(view.Read<quint8>(512), 2);
    EXPECT_EQ(view.Read<quint16>(513), 159);
    EXPECT_EQ(view.Read<quint16>(515), 0);
    EXPECT_EQ(view.Read<quint16>(517), 0x0102);
    EXPECT_EQ(view.Read<quint16>(519), 0x0304);
    EXPECT_EQ(file.mid(521, 32), QByteArray(32, '\0'));
    EXPECT_EQ(view.Read<quint8>(554), 95);
    EXPECT_EQ(view.Read<quint8>(555), 60);
    EXPECT_EQ(file.mid(556, 8), QByteArray(8, '\0'));
}

TEST(SnapshotWriter, MarkerCountBeyondTenIsWrittenOnlyWhenForced)
{
    SnapshotFileFields fields;
    fields.markers.assign(12, SnapshotMarker {5, 6, 90});
    QByteArray file = WriteSnapshotFile(fields);
    EXPECT_EQ(file.size(), 564);
    EXPECT_EQ(static_cast<quint8>(file.at(512)), 10);
    EXPECT_EQ(static_cast<quint8>(file.at(563)), 90);

    fields.markerCountField = 200;
    file = WriteSnapshotFile(fields);
    EXPECT_EQ(static_cast<quint8>(file.at(512)), 200);
}

TEST(SnapshotWriter, EncodedStreamHasOneValuePerSensorPixelAndClampsToSixteenBits)
{
    std::vector<qint32> raw(19200, 2500);
    raw[5 * 160 + 80] = 100000;
    raw[6 * 160 + 80] = -100000;
    const std::vector<qint16> stream = EncodePixelStream(raw);
    ASSERT_EQ(stream.size(), 19200u);
    EXPECT_EQ(*std::max_element(stream.begin(), stream.end()), 32767);
    EXPECT_EQ(*std::min_element(stream.begin(), stream.end()), -32768);
}

} // namespace
