#include "tests/support/SnapshotTestFiles.h"

#include "snapshot/ByteView.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {
constexpr qint64 PixelOffsetAt = 0x42;
constexpr qint64 PixelLengthAt = 0x46;
constexpr qint64 ExtraOffsetAt = 0x4A;
constexpr qint64 ExtraLengthAt = 0x4E;
constexpr qint64 MarkerCountAt = 0x200;

SnapshotFileFields PlainFields()
{
    SnapshotFileFields fields;
    fields.pixelStream.assign(cQVX::PixelCount, 2500);
    return fields;
}

template<typename T>
void Patch(QByteArray& bytes, qint64 offset, T value)
{
    ByteWriter writer(ByteOrder::Big);
    writer.Write<T>(value);
    bytes.replace(offset, sizeof(T), writer.Bytes());
}

QString WriteFile(const QTemporaryDir& folder, const QByteArray& bytes)
{
    const QString path = folder.filePath(QStringLiteral("snapshot.qvx"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        return {};
    }
    return path;
}

// Nothing of a rejected file may be used: no pixels, no picture, no temperatures.
void ExpectUnusable(cQVX& snapshot)
{
    EXPECT_FALSE(snapshot.valid);
    EXPECT_FALSE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_EQ(snapshot.Render(cQVX::Width, cQVX::Height, 1, 0, 100), nullptr);
    EXPECT_EQ(snapshot.MarkerTemperature(0), 0.0f);
    EXPECT_LE(snapshot.markerCount, cQVX::MaxMarkers);
}
} // namespace

TEST(SnapshotLoad, ReadsAFileByPath)
{
    QTemporaryDir folder;
    SnapshotFileFields fields = PlainFields();
    fields.markers = {{12, 34, 90}};
    const QString path = WriteFile(folder, WriteSnapshotFile(fields));

    cQVX snapshot(path);
    EXPECT_TRUE(snapshot.valid);
    EXPECT_EQ(snapshot.markerCount, 1);
    EXPECT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_EQ(snapshot.Raw()[0], 2500);
}

TEST(SnapshotLoad, UnreadablePathsReturnFalseAndLeaveTheSnapshotEmpty)
{
    QTemporaryDir folder;
    SnapshotFileFields fields = PlainFields();
    fields.markers = {{12, 34, 90}};
    fields.emissivity = 80;
    const QString path = WriteFile(folder, WriteSnapshotFile(fields));
    cQVX snapshot;
    ASSERT_TRUE(snapshot.Load(path));

    for (const QString& unreadable : {folder.filePath(QStringLiteral("missing.qvx")), folder.path()}) {
        EXPECT_FALSE(snapshot.Load(unreadable)) << unreadable.toStdString();
        EXPECT_FALSE(snapshot.valid);
        EXPECT_EQ(snapshot.markerCount, 0);
        EXPECT_EQ(snapshot.emissivity, 100);
        EXPECT_EQ(snapshot.versionMinor, 4);
        EXPECT_EQ(snapshot.rangeType, 255);
        EXPECT_EQ(snapshot.paletteCode, snapshot.ironbowCode);
        EXPECT_EQ(snapshot.unitCode, snapshot.celsiusCode);
        EXPECT_EQ(snapshot.valueScale, 10.0f);
        EXPECT_TRUE(snapshot.Raw().empty());
    }
}

TEST(SnapshotLoad, LoadingAgainForgetsTheFirstFile)
{
    SnapshotFileFields first = PlainFields();
    first.markers = {{1, 2, 90}, {3, 4, 80}};
    first.displayLow = 100;
    cQVX snapshot;
    ASSERT_TRUE(LoadAndDecode(snapshot, first));

    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(PlainFields())));
    EXPECT_EQ(snapshot.markerCount, 0);
    EXPECT_EQ(snapshot.markerX[1], 0);
    EXPECT_EQ(snapshot.markerEmissivity[1], 100);
    EXPECT_EQ(snapshot.displayLow, 0);
    EXPECT_TRUE(snapshot.Raw().empty());
}

TEST(SnapshotHeaderFields, ReadBackAsWritten)
{
    SnapshotFileFields fields = PlainFields();
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
    fields.secondYear = 2999;
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
    fields.extraBlock = QByteArray(18, '\0');

    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.versionMajor, 1);
    EXPECT_EQ(snapshot.versionMinor, 7);
    EXPECT_EQ(snapshot.captureHour, 13);
    EXPECT_EQ(snapshot.captureMinute, 47);
    EXPECT_EQ(snapshot.captureSecond, 59);
    EXPECT_EQ(snapshot.captureDay, 28);
    EXPECT_EQ(snapshot.captureMonth, 11);
    EXPECT_EQ(snapshot.captureYear, 2031);
    EXPECT_EQ(snapshot.secondHour, 22);
    EXPECT_EQ(snapshot.secondMinute, 1);
    EXPECT_EQ(snapshot.secondSecond, 2);
    EXPECT_EQ(snapshot.secondDay, 3);
    EXPECT_EQ(snapshot.secondMonth, 4);
    EXPECT_EQ(snapshot.secondYear, 2999);
    EXPECT_EQ(snapshot.rangeType, 3);
    EXPECT_EQ(snapshot.rangeSubtype, 0xA5);
    EXPECT_EQ(snapshot.pixelOffset, cQVX::HeaderSize + 18);
    EXPECT_EQ(snapshot.pixelLength, cQVX::MaxPixelLength);
    EXPECT_EQ(snapshot.extraOffset, cQVX::HeaderSize);
    EXPECT_EQ(snapshot.extraLength, 18);
    EXPECT_EQ(snapshot.header52, -123456789);
    EXPECT_EQ(snapshot.header56, 0x01020304);
    EXPECT_EQ(snapshot.reflectedTemp, -1234);
    EXPECT_EQ(snapshot.paletteCode, 6);
    EXPECT_EQ(snapshot.displayLow, -300);
    EXPECT_EQ(snapshot.displayHigh, 0x7123);
    EXPECT_EQ(snapshot.unitCode, 2);
    EXPECT_EQ(snapshot.emissivity, 87);
    EXPECT_EQ(snapshot.header69, -2);
    EXPECT_EQ(snapshot.header6B, 0x0A0B0C0D);
    EXPECT_EQ(snapshot.header6F, 0xEE);
    EXPECT_EQ(snapshot.orientation, 0);
    EXPECT_EQ(snapshot.band1Low, -11);
    EXPECT_EQ(snapshot.band1High, 22);
    EXPECT_EQ(snapshot.band2Low, -33);
    EXPECT_EQ(snapshot.band2High, 0x4444);
}

TEST(SnapshotHeaderFields, TextBytesWidenWithoutSignExtension)
{
    SnapshotFileFields fields = PlainFields();
    fields.shortText = QByteArray("Pump \xE9\xFF", 7);
    fields.longText = QByteArray(256, '\x80');
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.shortText[0], u'P');
    EXPECT_EQ(snapshot.shortText[5], char16_t(0xE9));
    EXPECT_EQ(snapshot.shortText[6], char16_t(0xFF));
    EXPECT_EQ(snapshot.shortText[7], char16_t(0));
    EXPECT_EQ(snapshot.longText[255], char16_t(0x80));
}

TEST(SnapshotHeaderFields, OutOfRangeDatesAreRepaired)
{
    SnapshotFileFields fields = PlainFields();
    fields.captureDay = 0;
    fields.captureMonth = 13;
    fields.captureYear = 1999;
    fields.secondDay = 32;
    fields.secondMonth = 0;
    fields.secondYear = 3000;
    fields.captureHour = 99; // times are kept as they are
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.captureDay, 1);
    EXPECT_EQ(snapshot.captureMonth, 1);
    EXPECT_EQ(snapshot.captureYear, 2000);
    EXPECT_EQ(snapshot.secondDay, 1);
    EXPECT_EQ(snapshot.secondMonth, 1);
    EXPECT_EQ(snapshot.secondYear, 2000);
    EXPECT_EQ(snapshot.captureHour, 99);
}

TEST(SnapshotHeaderFields, MarkersKeepTheirPositionsUnclamped)
{
    SnapshotFileFields fields = PlainFields();
    for (int i = 0; i < cQVX::MaxMarkers; ++i) {
        fields.markers.push_back({quint16(1000 * i + 7), quint16(65535 - i), quint8(50 + i)});
    }
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    ASSERT_EQ(snapshot.markerCount, cQVX::MaxMarkers);
    for (int i = 0; i < cQVX::MaxMarkers; ++i) {
        EXPECT_EQ(snapshot.markerX[i], 1000 * i + 7);
        EXPECT_EQ(snapshot.markerY[i], 65535 - i);
        EXPECT_EQ(snapshot.markerEmissivity[i], 50 + i);
    }
}

TEST(SnapshotHeaderFields, MarkersBeyondTheCountAreNotStored)
{
    SnapshotFileFields fields = PlainFields();
    fields.markers = {{5, 6, 90}, {7, 8, 91}};
    fields.markerCountField = 1;
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.markerX[0], 5);
    EXPECT_EQ(snapshot.markerX[1], 0);
    EXPECT_EQ(snapshot.markerEmissivity[1], 100);
}

TEST(SnapshotHeaderFields, OptionalBlockLayoutAIsReadForRangeType1)
{
    SnapshotFileFields fields = PlainFields();
    fields.rangeType = 1;
    fields.extraBlock = QByteArray::fromHex("81"
                                            "fffe"
                                            "01020304"
                                            "8000"
                                            "7fff"
                                            "fedcba98"
                                            "0001000200030004fffb");
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.extraA.byte0, 0x81);
    EXPECT_EQ(snapshot.extraA.word1, -2);
    EXPECT_EQ(snapshot.extraA.long3, 0x01020304);
    EXPECT_EQ(snapshot.extraA.word7, -32768);
    EXPECT_EQ(snapshot.extraA.word9, 32767);
    EXPECT_EQ(snapshot.extraA.long11, qint32(0xfedcba98));
    EXPECT_EQ(snapshot.extraA.words15, (std::array<qint16, 5> {1, 2, 3, 4, -5}));
    EXPECT_EQ(snapshot.extraB, (std::array<qint16, 9> {}));
}

TEST(SnapshotHeaderFields, OptionalBlockLayoutBIsReadFromRangeType2On)
{
    SnapshotFileFields fields = PlainFields();
    fields.rangeType = 4;
    fields.extraBlock = QByteArray::fromHex("0001 0002 0003 0004 0005 0006 0007 0008 ffff");
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.extraB, (std::array<qint16, 9> {1, 2, 3, 4, 5, 6, 7, 8, -1}));
    EXPECT_EQ(snapshot.extraA.byte0, 0);
}

// rangeType 0 files carry no optional block the reader looks at, even with a bogus offset.
TEST(SnapshotHeaderFields, OptionalBlockIsIgnoredForRangeType0)
{
    SnapshotFileFields fields = PlainFields();
    fields.extraLengthField = 25;
    fields.extraOffsetField = -7;
    cQVX snapshot;
    EXPECT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
}

struct RangeTypeCase
{
    quint8 rangeType;
    float valueScale;
};

class SnapshotValueScale : public testing::TestWithParam<RangeTypeCase>
{
};

TEST_P(SnapshotValueScale, FollowsTheRangeType)
{
    SnapshotFileFields fields = PlainFields();
    fields.rangeType = GetParam().rangeType;
    fields.extraBlock = QByteArray(25, '\0');
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(snapshot.valueScale, GetParam().valueScale);
}

INSTANTIATE_TEST_SUITE_P(RangeTypes,
                         SnapshotValueScale,
                         testing::Values(RangeTypeCase {0, 100.0f},
                                         RangeTypeCase {1, 100.0f},
                                         RangeTypeCase {2, 100.0f},
                                         RangeTypeCase {3, 10.0f},
                                         RangeTypeCase {255, 10.0f}));

struct VersionCase
{
    quint8 major;
    quint8 minor;
    bool accepted;
    bool oldCodes;
};

class SnapshotVersion : public testing::TestWithParam<VersionCase>
{
};

TEST_P(SnapshotVersion, DecidesAcceptanceAndCodeTable)
{
    const VersionCase version = GetParam();
    SnapshotFileFields fields = PlainFields();
    fields.versionMajor = version.major;
    fields.versionMinor = version.minor;
    fields.emissivity = 77;
    cQVX snapshot;
    EXPECT_EQ(snapshot.LoadFromBytes(WriteSnapshotFile(fields)), version.accepted);
    EXPECT_EQ(snapshot.versionMajor, version.major);
    EXPECT_EQ(snapshot.versionMinor, version.minor);
    if (!version.accepted) {
        EXPECT_EQ(snapshot.emissivity, 100) << "nothing past the version is stored";
        return;
    }
    const std::array<quint8, 7> oldTable {0, 1, 2, 3, 0, 1, 2};
    const std::array<quint8, 7> newTable {2, 1, 0, 3, 2, 0, 1};
    const std::array<quint8, 7> codes {snapshot.rainbowCode,
                                       snapshot.ironbowCode,
                                       snapshot.greyCode,
                                       snapshot.highContrastCode,
                                       snapshot.kelvinCode,
                                       snapshot.celsiusCode,
                                       snapshot.fahrenheitCode};
    EXPECT_EQ(codes, version.oldCodes ? oldTable : newTable);
    EXPECT_EQ(snapshot.furtherPaletteCodes, (std::array<quint8, 3> {4, 5, 6}));
}

INSTANTIATE_TEST_SUITE_P(Versions,
                         SnapshotVersion,
                         testing::Values(VersionCase {0, 0, false, false},
                                         VersionCase {0, 1, false, false},
                                         VersionCase {0, 2, true, true},
                                         VersionCase {0, 3, true, false},
                                         VersionCase {1, 0, true, false},
                                         VersionCase {255, 255, true, false}));

TEST(SnapshotMagic, AnythingButQvxIsRejected)
{
    for (const char* magic : {"QVY", "qvx", "\0VX", "XVQ"}) {
        QByteArray bytes = WriteSnapshotFile(PlainFields());
        bytes.replace(0, 3, QByteArray(magic, 3));
        cQVX snapshot;
        EXPECT_FALSE(snapshot.LoadFromBytes(bytes)) << magic;
        EXPECT_EQ(snapshot.emissivity, 100);
    }
}

struct MalformedCase
{
    const char* name;
    std::function<void(QByteArray&)> damage;
};

void PrintTo(const MalformedCase& damage, std::ostream* out)
{
    *out << damage.name;
}

class MalformedSnapshot : public testing::TestWithParam<MalformedCase>
{
};

TEST_P(MalformedSnapshot, IsReadButNotValid)
{
    QByteArray bytes = WriteSnapshotFile(PlainFields());
    GetParam().damage(bytes);
    cQVX snapshot;
    EXPECT_FALSE(snapshot.LoadFromBytes(bytes));
    ExpectUnusable(snapshot);

    QTemporaryDir folder;
    const QString path = WriteFile(folder, bytes);
    EXPECT_TRUE(snapshot.Load(path)) << "a file that opens is read, whatever it holds";
    ExpectUnusable(snapshot);
}

constexpr qint32 Int32Max = std::numeric_limits<qint32>::max();
constexpr qint32 Int32Min = std::numeric_limits<qint32>::min();

INSTANTIATE_TEST_SUITE_P(
    Damage,
    MalformedSnapshot,
    testing::Values(
        MalformedCase {"Empty", [](QByteArray& bytes) { bytes.clear(); }},
        MalformedCase {"MagicOnly", [](QByteArray& bytes) { bytes.truncate(3); }},
        MalformedCase {"HeaderCutShort", [](QByteArray& bytes) { bytes.truncate(cQVX::HeaderSize - 1); }},
        MalformedCase {"OneByteTooMany", [](QByteArray& bytes) { bytes.append('\0'); }},
        MalformedCase {"OneByteTooFew", [](QByteArray& bytes) { bytes.chop(1); }},
        MalformedCase {"MarkerCount11", [](QByteArray& bytes) { Patch<quint8>(bytes, MarkerCountAt, 11); }},
        MalformedCase {"MarkerCount255", [](QByteArray& bytes) { Patch<quint8>(bytes, MarkerCountAt, 255); }},
        MalformedCase {"PixelLengthNegative",
                       [](QByteArray& bytes) {
                           // Offset and length still add up to the file's length.
                           Patch<qint32>(bytes, PixelOffsetAt, bytes.size() + 2);
                           Patch<qint32>(bytes, PixelLengthAt, -2);
                       }},
        MalformedCase {"PixelLengthOdd",
                       [](QByteArray& bytes) {
                           Patch<qint32>(bytes, PixelOffsetAt, bytes.size() - 38399);
                           Patch<qint32>(bytes, PixelLengthAt, 38399);
                       }},
        MalformedCase {"PixelLengthTooLarge",
                       [](QByteArray& bytes) {
                           Patch<qint32>(bytes, PixelOffsetAt, bytes.size() - 38402);
                           Patch<qint32>(bytes, PixelLengthAt, 38402);
                       }},
        MalformedCase {"PixelLengthHuge", [](QByteArray& bytes) { Patch<qint32>(bytes, PixelLengthAt, Int32Max); }},
        MalformedCase {"PixelOffsetNegative",
                       [](QByteArray& bytes) {
                           Patch<qint32>(bytes, PixelOffsetAt, -38400);
                           Patch<qint32>(bytes, PixelLengthAt, 38400);
                       }},
        MalformedCase {"PixelOffsetPastTheEnd",
                       [](QByteArray& bytes) { Patch<qint32>(bytes, PixelOffsetAt, 1 << 20); }},
        MalformedCase {"PixelOffsetPlusLengthOverflows",
                       [](QByteArray& bytes) {
                           Patch<qint32>(bytes, PixelOffsetAt, Int32Max - 100);
                           Patch<qint32>(bytes, PixelLengthAt, 38400);
                       }},
        MalformedCase {"PixelOffsetMinimum", [](QByteArray& bytes) { Patch<qint32>(bytes, PixelOffsetAt, Int32Min); }},
        MalformedCase {"LayoutABlockPastTheEnd",
                       [](QByteArray& bytes) {
                           Patch<quint8>(bytes, 0x40, 1);
                           Patch<qint32>(bytes, ExtraOffsetAt, bytes.size() - 24);
                           Patch<qint32>(bytes, ExtraLengthAt, 25);
                       }},
        MalformedCase {"LayoutBBlockPastTheEnd",
                       [](QByteArray& bytes) {
                           Patch<quint8>(bytes, 0x40, 2);
                           Patch<qint32>(bytes, ExtraOffsetAt, bytes.size() - 17);
                           Patch<qint32>(bytes, ExtraLengthAt, 1);
                       }},
        MalformedCase {"OptionalBlockOffsetNegative",
                       [](QByteArray& bytes) {
                           Patch<quint8>(bytes, 0x40, 3);
                           Patch<qint32>(bytes, ExtraOffsetAt, -1);
                           Patch<qint32>(bytes, ExtraLengthAt, 18);
                       }},
        MalformedCase {"OptionalBlockOffsetMaximum",
                       [](QByteArray& bytes) {
                           Patch<quint8>(bytes, 0x40, 1);
                           Patch<qint32>(bytes, ExtraOffsetAt, Int32Max);
                           Patch<qint32>(bytes, ExtraLengthAt, Int32Max);
                       }},
        MalformedCase {"Version01", [](QByteArray& bytes) { Patch<quint16>(bytes, 3, 0x0001); }}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return std::string(info.param.name); });

TEST(MalformedSnapshot, EveryTruncationIsRejected)
{
    SnapshotFileFields fields = PlainFields();
    fields.rangeType = 1;
    fields.extraBlock = QByteArray(25, '\x11');
    fields.markers = {{1, 2, 90}};
    const QByteArray whole = WriteSnapshotFile(fields);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(whole));
    for (qsizetype length = 0; length < whole.size(); ++length) {
        ASSERT_FALSE(snapshot.LoadFromBytes(whole.first(length))) << "length " << length;
    }
}

// The largest file accepted is 50000 bytes; the reader never looks further.
TEST(MalformedSnapshot, FilesLongerThan50000BytesAreRejected)
{
    SnapshotFileFields fields = PlainFields();
    fields.extraBlock = QByteArray(cQVX::MaxFileSize - cQVX::HeaderSize - cQVX::MaxPixelLength, '\0');
    QTemporaryDir folder;
    cQVX snapshot;

    const QByteArray largest = WriteSnapshotFile(fields);
    ASSERT_EQ(largest.size(), 50000);
    EXPECT_TRUE(snapshot.Load(WriteFile(folder, largest)));
    EXPECT_TRUE(snapshot.valid);

    fields.extraBlock.append('\0');
    const QByteArray tooLong = WriteSnapshotFile(fields);
    ASSERT_EQ(tooLong.size(), 50001);
    EXPECT_TRUE(snapshot.Load(WriteFile(folder, tooLong)));
    ExpectUnusable(snapshot);

    fields.extraBlock.append(QByteArray(1 << 20, '\0'));
    EXPECT_TRUE(snapshot.Load(WriteFile(folder, WriteSnapshotFile(fields))));
    ExpectUnusable(snapshot);
}

// A header that promises no pixels is a valid file with nothing to show.
TEST(MalformedSnapshot, FileWithoutPixelsHasNothingToShow)
{
    SnapshotFileFields fields = PlainFields();
    fields.pixelStream.clear();
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_FALSE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_EQ(snapshot.Render(cQVX::Width, cQVX::Height, 1, 0, 100), nullptr);
    EXPECT_EQ(snapshot.MarkerTemperature(0), 0.0f);
}
