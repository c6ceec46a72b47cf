#include "snapshot/ColourPalette.h"
#include "snapshot/SnapshotPicture.h"

#include <gtest/gtest.h>

#include <cstdlib>

struct SampleEntry
{
    PaletteKind kind;
    int entry;
    int red;
    int green;
    int blue;
};

void PrintTo(const SampleEntry& sample, std::ostream* out)
{
    *out << "palette " << int(sample.kind) << " entry " << sample.entry;
}

class PaletteSample : public testing::TestWithParam<SampleEntry>
{
};

// The tables follow their points to within one 6-bit step for ironbow and two levels otherwise.
TEST_P(PaletteSample, MatchesTheReferenceColour)
{
    const SampleEntry sample = GetParam();
    const auto palette = MakePalette(sample.kind);
    const int tolerance = sample.kind == PaletteKind::Ironbow ? 4 : 2;
    EXPECT_LE(std::abs(palette->Red(sample.entry) - sample.red), tolerance) << int(palette->Red(sample.entry));
    EXPECT_LE(std::abs(palette->Green(sample.entry) - sample.green), tolerance) << int(palette->Green(sample.entry));
    EXPECT_LE(std::abs(palette->Blue(sample.entry) - sample.blue), tolerance) << int(palette->Blue(sample.entry));
}

INSTANTIATE_TEST_SUITE_P(Samples,
                         PaletteSample,
                         testing::Values(SampleEntry {PaletteKind::Grey, 0, 0, 0, 0},
                                         SampleEntry {PaletteKind::Grey, 128, 128, 128, 128},
                                         SampleEntry {PaletteKind::Grey, 255, 255, 255, 255},
                                         SampleEntry {PaletteKind::Ironbow, 0, 0, 0, 0},
                                         SampleEntry {PaletteKind::Ironbow, 64, 108, 0, 208},
                                         SampleEntry {PaletteKind::Ironbow, 128, 204, 36, 40},
                                         SampleEntry {PaletteKind::Ironbow, 192, 240, 172, 4},
                                         SampleEntry {PaletteKind::Ironbow, 255, 252, 252, 252},
                                         SampleEntry {PaletteKind::Rainbow, 0, 0, 0, 0},
                                         SampleEntry {PaletteKind::Rainbow, 64, 0, 166, 202},
                                         SampleEntry {PaletteKind::Rainbow, 128, 194, 255, 0},
                                         SampleEntry {PaletteKind::Rainbow, 192, 255, 127, 6},
                                         SampleEntry {PaletteKind::Rainbow, 224, 255, 1, 0},
                                         SampleEntry {PaletteKind::Rainbow, 255, 255, 255, 255},
                                         SampleEntry {PaletteKind::HighContrast, 0, 0, 0, 0},
                                         SampleEntry {PaletteKind::HighContrast, 64, 229, 0, 248},
                                         SampleEntry {PaletteKind::HighContrast, 128, 94, 235, 250},
                                         SampleEntry {PaletteKind::HighContrast, 192, 151, 237, 8},
                                         SampleEntry {PaletteKind::HighContrast, 255, 255, 255, 255}));

TEST(IronbowPalette, HoldsSixBitLevelsOnly)
{
    const cIronbowLookup palette;
    for (int entry = 0; entry < 256; ++entry) {
        EXPECT_EQ(palette.Red(entry) % 4, 0) << entry;
        EXPECT_EQ(palette.Green(entry) % 4, 0) << entry;
        EXPECT_EQ(palette.Blue(entry) % 4, 0) << entry;
    }
}

TEST(GreyPalette, EveryChannelEqualsTheEntry)
{
    const cGreyLookup palette;
    for (int entry = 0; entry < 256; ++entry) {
        EXPECT_EQ(palette.Red(entry), entry);
        EXPECT_EQ(palette.Green(entry), entry);
        EXPECT_EQ(palette.Blue(entry), entry);
    }
}

// Between two of its points a table never leaves the span of those points' values, so no
// rounding or overflow can wrap a channel around (252 to 0, say).
TEST(Palettes, ChangeGraduallyBetweenEntries)
{
    for (const PaletteKind kind : {PaletteKind::Ironbow, PaletteKind::Rainbow, PaletteKind::HighContrast}) {
        const auto palette = MakePalette(kind);
        for (int entry = 1; entry < 256; ++entry) {
            EXPECT_LE(std::abs(palette->Red(entry) - palette->Red(entry - 1)), 45) << int(kind) << " " << entry;
            EXPECT_LE(std::abs(palette->Green(entry) - palette->Green(entry - 1)), 45) << int(kind) << " " << entry;
            EXPECT_LE(std::abs(palette->Blue(entry) - palette->Blue(entry - 1)), 45) << int(kind) << " " << entry;
        }
    }
}

TEST(Palettes, OnlyTheLowEightBitsOfTheEntryCount)
{
    const cRainbowLookup palette;
    EXPECT_EQ(palette.Green(64 + 256), palette.Green(64));
    EXPECT_EQ(palette.Blue(-1), palette.Blue(255));
    EXPECT_EQ(palette.Red(0x12345680), palette.Red(0x80));
}

TEST(Palettes, BaseTablesStartBlack)
{
    const cColourPalette palette;
    for (int entry = 0; entry < 256; ++entry) {
        ASSERT_EQ(palette.Red(entry) + palette.Green(entry) + palette.Blue(entry), 0);
    }
}
