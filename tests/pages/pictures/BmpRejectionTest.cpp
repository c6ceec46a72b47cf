#include "BmpBuilder.h"
#include "pages/pictures/DibImage.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

// A sound 8-bit file of 4 x 3 pixels with a two-entry colour table: header 14 + 40,
// table 8 bytes (bits at 62), rows of 4 bytes.
QByteArray SoundFile()
{
    BmpBuilder builder;
    builder.bitCount = 8;
    builder.palette = {Qt::black, Qt::white};
    return builder.Build();
}

struct BrokenFile
{
    const char* name;
    std::function<void(QByteArray&)> breakIt;
};

void PrintTo(const BrokenFile& file, std::ostream* out)
{
    *out << file.name;
}

class BmpRejection : public testing::TestWithParam<BrokenFile>
{
};

TEST(BmpRejection, SoundFileIsValid)
{
    DibImage dib;
    EXPECT_TRUE(dib.LoadBmpBytes(SoundFile()));
    EXPECT_EQ(dib.ToImage().size(), QSize(4, 3));
}

TEST_P(BmpRejection, IsLoadedButNotValid)
{
    QByteArray bytes = SoundFile();
    GetParam().breakIt(bytes);
    DibImage dib;
    EXPECT_FALSE(dib.LoadBmpBytes(bytes));
    EXPECT_TRUE(dib.Loaded());
    EXPECT_FALSE(dib.IsValid());
    EXPECT_TRUE(dib.ToImage().isNull());
    EXPECT_TRUE(dib.Bits().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Headers,
    BmpRejection,
    testing::Values(
        BrokenFile {"empty", [](QByteArray& b) { b.clear(); }},
        BrokenFile {"fileHeaderCut", [](QByteArray& b) { b.truncate(10); }},
        BrokenFile {"infoHeaderCut",
                    [](QByteArray& b) {
                        b.truncate(30);
                        PatchLittleEndian32(b, 2, 30);
                    }},
        BrokenFile {"sizeBeyondFile", [](QByteArray& b) { PatchLittleEndian32(b, 2, quint32(b.size() + 1)); }},
        BrokenFile {"hugeSize", [](QByteArray& b) { PatchLittleEndian32(b, 2, 0xFFFFFFFF); }},
        BrokenFile {"bitsInsideHeader", [](QByteArray& b) { PatchLittleEndian32(b, 10, 53); }},
        BrokenFile {"bitsBeyondSize", [](QByteArray& b) { PatchLittleEndian32(b, 10, quint32(b.size() + 1)); }},
        BrokenFile {"hugeBitsOffset", [](QByteArray& b) { PatchLittleEndian32(b, 10, 0xFFFFFFF0); }},
        BrokenFile {"coreHeader", [](QByteArray& b) { PatchLittleEndian32(b, 14, 12); }},
        BrokenFile {"infoHeaderOverBits", [](QByteArray& b) { PatchLittleEndian32(b, 14, 60); }},
        BrokenFile {"zeroWidth", [](QByteArray& b) { PatchLittleEndian32(b, 18, 0); }},
        BrokenFile {"negativeWidth", [](QByteArray& b) { PatchLittleEndian32(b, 18, quint32(-4)); }},
        BrokenFile {"zeroHeight", [](QByteArray& b) { PatchLittleEndian32(b, 22, 0); }},
        BrokenFile {"lowestHeight", [](QByteArray& b) { PatchLittleEndian32(b, 22, 0x80000000); }},
        BrokenFile {"hugeHeight", [](QByteArray& b) { PatchLittleEndian32(b, 22, 0x7FFFFFFF); }},
        BrokenFile {"hugeWidth", [](QByteArray& b) { PatchLittleEndian32(b, 18, 0x7FFFFFFF); }},
        BrokenFile {"twoPlanes", [](QByteArray& b) { PatchLittleEndian16(b, 26, 2); }},
        BrokenFile {"oddBitDepth", [](QByteArray& b) { PatchLittleEndian16(b, 28, 7); }},
        BrokenFile {"runLengthEncoded", [](QByteArray& b) { PatchLittleEndian32(b, 30, 1); }},
        BrokenFile {"bitFieldsWithPalette", [](QByteArray& b) { PatchLittleEndian32(b, 30, 3); }},
        BrokenFile {"tooManyColours", [](QByteArray& b) { PatchLittleEndian32(b, 46, 257); }},
        BrokenFile {"tableBeyondBits", [](QByteArray& b) { PatchLittleEndian32(b, 46, 3); }},
        BrokenFile {"lastRowCut",
                    [](QByteArray& b) {
                        b.chop(1);
                        PatchLittleEndian32(b, 2, quint32(b.size()));
                    }}),
    [](const testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.name); });

} // namespace
