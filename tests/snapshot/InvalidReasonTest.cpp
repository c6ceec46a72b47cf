#include "tests/support/SnapshotTestFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray GoodFile(const std::function<void(SnapshotFileFields&)>& change = {})
{
    SnapshotFileFields fields = FieldsWithImage(ImageOf([](int row, int) { return 2500 + row; }));
    if (change) {
        change(fields);
    }
    return WriteSnapshotFile(fields);
}

struct DamagedFile
{
    const char* name;
    std::function<QByteArray()> bytes;
    const char* reasonStart;
};

void PrintTo(const DamagedFile& file, std::ostream* out)
{
    *out << file.name;
}

class InvalidReason : public testing::TestWithParam<DamagedFile>
{
};

TEST_P(InvalidReason, ReaderRefusesAndSaysWhy)
{
    cQVX reader;
    ASSERT_FALSE(reader.LoadFromBytes(GetParam().bytes())) << "the reader accepted it";
    EXPECT_TRUE(reader.InvalidReason().startsWith(GetParam().reasonStart)) << reader.InvalidReason().toStdString();
}

TEST(InvalidReason, IsEmptyForAGoodFileAndAfterReset)
{
    cQVX reader;
    ASSERT_FALSE(reader.LoadFromBytes(GoodFile() + 'x'));
    ASSERT_FALSE(reader.InvalidReason().isEmpty());
    ASSERT_TRUE(reader.LoadFromBytes(GoodFile()));
    EXPECT_TRUE(reader.InvalidReason().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files,
    InvalidReason,
    testing::Values(
        DamagedFile {"empty", [] { return QByteArray(); }, "empty file"},
        DamagedFile {"over_the_size_limit", [] { return GoodFile() + QByteArray(50001 - 38964, 'x'); }, "too large"},
        DamagedFile {"picture_file",
                     [] { return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(600, 0); },
                     "not a snapshot file"},
        DamagedFile {"two_bytes", [] { return QByteArray("QV"); }, "not a snapshot file"},
        DamagedFile {"magic_only", [] { return QByteArray("QVX\x00", 4); }, "truncated (the version"},
        DamagedFile {"version_0_1",
                     [] { return GoodFile([](SnapshotFileFields& f) { f.versionMinor = 1; }); },
                     "unsupported version 0.1"},
        DamagedFile {"header_cut", [] { return GoodFile().left(300); }, "truncated (300 bytes"},
        DamagedFile {"eleven_markers",
                     [] { return GoodFile([](SnapshotFileFields& f) { f.markerCountField = 11; }); },
                     "corrupt header (11 markers"},
        DamagedFile {"optional_block_past_the_end",
                     [] {
                         return GoodFile([](SnapshotFileFields& f) {
                             f.rangeType = 1;
                             f.extraOffsetField = 38950;
                             f.extraLengthField = 25;
                         });
                     },
                     "truncated (the optional block"},
        DamagedFile {"optional_block_negative_offset",
                     [] {
                         return GoodFile([](SnapshotFileFields& f) {
                             f.rangeType = 2;
                             f.extraOffsetField = -8;
                             f.extraLengthField = 18;
                         });
                     },
                     "corrupt header (optional block offset -8"},
        DamagedFile {"pixel_length_too_long",
                     [] { return GoodFile([](SnapshotFileFields& f) { f.pixelLengthField = 38402; }); },
                     "corrupt header (pixel block length 38402"},
        DamagedFile {"pixel_length_odd",
                     [] { return GoodFile([](SnapshotFileFields& f) { f.pixelLengthField = 38399; }); },
                     "corrupt header (pixel block length 38399"},
        DamagedFile {"pixel_offset_negative",
                     [] { return GoodFile([](SnapshotFileFields& f) { f.pixelOffsetField = -2; }); },
                     "corrupt header (pixel block offset -2"},
        DamagedFile {
            "pixels_cut", [] { return GoodFile().chopped(2); }, "truncated (the pixel block ends at byte 38964"},
        DamagedFile {
            "one_byte_too_many", [] { return GoodFile() + 'x'; }, "unexpected data after the pixel block (1 byte)"}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.name); });

} // namespace
