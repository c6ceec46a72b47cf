#include "tests/support/SnapshotTestFiles.h"

#include "snapshot/SnapshotPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

#include <limits>
#include <memory>

namespace {
// A loaded snapshot whose every pixel holds `value`, with the grey palette (entry = byte).
void PrepareUniform(cQVX& snapshot, qint32 value)
{
    SnapshotFileFields fields;
    fields.pixelStream.assign(cQVX::PixelCount, qint16(value));
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    snapshot.SetPalette(cGreyLookup());
}

constexpr int IntMin = std::numeric_limits<int>::min();
constexpr int IntMax = std::numeric_limits<int>::max();
} // namespace

struct EntryCase
{
    const char* name;
    qint32 value;
    int low;
    int high;
    int entry;
};

void PrintTo(const EntryCase& entry, std::ostream* out)
{
    *out << entry.name;
}

class RenderEntry : public testing::TestWithParam<EntryCase>
{
};

TEST_P(RenderEntry, MapsTheValueOntoThePalette)
{
    const EntryCase expected = GetParam();
    cQVX snapshot;
    PrepareUniform(snapshot, expected.value);
    const quint8* bgr = snapshot.Render(cQVX::Width, cQVX::Height, 1, expected.low, expected.high);
    ASSERT_NE(bgr, nullptr);
    const std::size_t last = std::size_t(cQVX::PixelCount - 1) * 3;
    EXPECT_EQ(bgr[0], expected.entry);
    EXPECT_EQ(bgr[last + 2], expected.entry);
}

INSTANTIATE_TEST_SUITE_P(Entries,
                         RenderEntry,
                         testing::Values(EntryCase {"Middle", 2500, 2000, 3000, 127},
                                         EntryCase {"JustBelow", 1999, 2000, 3000, 0},
                                         EntryCase {"JustAbove", 3001, 2000, 3000, 255},
                                         EntryCase {"AtLow", 2000, 2000, 3000, 0},
                                         EntryCase {"AtHigh", 3000, 2000, 3000, 255},
                                         EntryCase {"BelowHigh", 2999, 2000, 3000, 254},
                                         EntryCase {"NegativeRange", -150, -200, -100, 127},
                                         // An upside-down range reverses the palette.
                                         EntryCase {"ReversedMiddle", 2500, 3000, 2000, 127},
                                         EntryCase {"ReversedBelow", 1500, 3000, 2000, 255},
                                         EntryCase {"ReversedAbove", 3500, 3000, 2000, 0},
                                         // An empty range splits at its value.
                                         EntryCase {"EmptyRangeAtValue", 2000, 2000, 2000, 0},
                                         EntryCase {"EmptyRangeAbove", 2001, 2000, 2000, 255},
                                         EntryCase {"EmptyRangeBelow", 1999, 2000, 2000, 0},
                                         // The widest range neither overflows nor divides by zero.
                                         EntryCase {"WidestRange", 0, IntMin, IntMax, 127},
                                         EntryCase {"WidestReversed", 32767, IntMax, IntMin, 127},
                                         EntryCase {"FarAboveTinyRange", 32767, IntMin, IntMin + 1, 255}),
                         [](const testing::TestParamInfo<EntryCase>& info) { return std::string(info.param.name); });

TEST(Render, WritesBlueGreenRedForEachPixel)
{
    cQVX snapshot;
    PrepareUniform(snapshot, 64);
    snapshot.SetPalette(cRainbowLookup());
    const cRainbowLookup rainbow;
    const quint8* bgr = snapshot.Render(cQVX::Width, cQVX::Height, 1, 0, 255);
    ASSERT_NE(bgr, nullptr);
    EXPECT_EQ(bgr[0], rainbow.Blue(64));
    EXPECT_EQ(bgr[1], rainbow.Green(64));
    EXPECT_EQ(bgr[2], rainbow.Red(64));
    EXPECT_NE(rainbow.Blue(64), rainbow.Red(64));
}

TEST(Render, RangeEndsAreTheFirstAndLastPaletteColours)
{
    cQVX snapshot;
    PrepareUniform(snapshot, 1000);
    const quint8* white = snapshot.Render(cQVX::Width, cQVX::Height, 1, 0, 1000);
    ASSERT_NE(white, nullptr);
    EXPECT_EQ((std::array<quint8, 3> {white[0], white[1], white[2]}), (std::array<quint8, 3> {255, 255, 255}));
    const quint8* black = snapshot.Render(cQVX::Width, cQVX::Height, 1, 1000, 2000);
    EXPECT_EQ((std::array<quint8, 3> {black[0], black[1], black[2]}), (std::array<quint8, 3> {0, 0, 0}));

    snapshot.SetPalette(cIronbowLookup());
    const quint8* top = snapshot.Render(cQVX::Width, cQVX::Height, 1, 0, 1000);
    EXPECT_EQ((std::array<quint8, 3> {top[0], top[1], top[2]}), (std::array<quint8, 3> {252, 252, 252}));
}

// A new snapshot holds the ironbow tables until another palette is set.
TEST(Render, NewSnapshotHoldsIronbow)
{
    const cQVX snapshot;
    const cIronbowLookup ironbow;
    for (int entry = 0; entry < 256; ++entry) {
        ASSERT_EQ(snapshot.Palette().Red(entry), ironbow.Red(entry));
        ASSERT_EQ(snapshot.Palette().Blue(entry), ironbow.Blue(entry));
    }
}

TEST(Render, DecodesThePixelsWhenNeeded)
{
    cQVX snapshot;
    PrepareUniform(snapshot, 2500);
    ASSERT_TRUE(snapshot.Raw().empty());
    ASSERT_NE(snapshot.Render(cQVX::Width, cQVX::Height, 1, 2000, 3000), nullptr);
    EXPECT_EQ(snapshot.Raw().size(), std::size_t(cQVX::PixelCount));
}

TEST(Render, RefusesWhatItCannotShow)
{
    cQVX empty;
    EXPECT_EQ(empty.Render(cQVX::Width, cQVX::Height, 1, 0, 100), nullptr);
    EXPECT_EQ(empty.Upscale(cQVX::Width, cQVX::Height, 1), nullptr);

    cQVX snapshot;
    PrepareUniform(snapshot, 2500);
    EXPECT_EQ(snapshot.Upscale(cQVX::Width, cQVX::Height, 1), nullptr) << "nothing decoded yet";
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_EQ(snapshot.Upscale(cQVX::Width, cQVX::Height, 2), nullptr);
    EXPECT_EQ(snapshot.Render(cQVX::Width, cQVX::Height, 2, 0, 100), nullptr);
    EXPECT_EQ(snapshot.Render(320, 240, 1, 0, 100), nullptr);
    const auto* scaled = snapshot.Upscale(cQVX::Width, cQVX::Height, 1);
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(*scaled, snapshot.Raw());
}

struct PaletteChoiceCase
{
    quint8 versionMinor;
    quint8 paletteCode;
    PaletteKind kind;
};

class PaletteChoice : public testing::TestWithParam<PaletteChoiceCase>
{
};

TEST_P(PaletteChoice, FollowsTheVersionsCodes)
{
    SnapshotFileFields fields;
    fields.versionMinor = GetParam().versionMinor;
    fields.paletteCode = GetParam().paletteCode;
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_EQ(PaletteKindFor(snapshot), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Codes,
                         PaletteChoice,
                         testing::Values(PaletteChoiceCase {4, 0, PaletteKind::Grey},
                                         PaletteChoiceCase {4, 1, PaletteKind::Ironbow},
                                         PaletteChoiceCase {4, 2, PaletteKind::Rainbow},
                                         PaletteChoiceCase {4, 3, PaletteKind::HighContrast},
                                         PaletteChoiceCase {4, 5, PaletteKind::Ironbow},
                                         PaletteChoiceCase {4, 255, PaletteKind::Ironbow},
                                         PaletteChoiceCase {2, 0, PaletteKind::Rainbow},
                                         PaletteChoiceCase {2, 1, PaletteKind::Ironbow},
                                         PaletteChoiceCase {2, 2, PaletteKind::Grey},
                                         PaletteChoiceCase {2, 3, PaletteKind::HighContrast},
                                         PaletteChoiceCase {2, 6, PaletteKind::Ironbow}));

TEST(ColourRange, UsesTheFilesRangeUnlessBothEndsAreZero)
{
    // Levels four apart: the automatic range spans more than the minimum and passes unchanged.
    SnapshotFileFields fields = FieldsWithImage(ImageOf([](int row, int) { return 1000 + 4 * std::min(row, 118); }));
    fields.displayLow = 0;
    fields.displayHigh = 500;
    cQVX snapshot;
    ASSERT_TRUE(LoadAndDecode(snapshot, fields));
    int low = 1;
    int high = 1;
    ColourRangeFor(snapshot, low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 500);

    snapshot.displayHigh = 0;
    ColourRangeFor(snapshot, low, high);
    EXPECT_EQ(low, 1076);
    EXPECT_EQ(high, 1396);

    // A narrow range the file gives stays the camera user's choice.
    snapshot.displayLow = 1100;
    snapshot.displayHigh = 1100;
    ColourRangeFor(snapshot, low, high);
    EXPECT_EQ(low, 1100);
    EXPECT_EQ(high, 1100);
}

struct SpanCase
{
    int low;
    int high;
    int widenedLow;
    int widenedHigh;
};

void PrintTo(const SpanCase& span, std::ostream* out)
{
    *out << span.low << ".." << span.high;
}

class MinimumSpan : public testing::TestWithParam<SpanCase>
{
};

TEST_P(MinimumSpan, WidensOnlyNarrowRangesAroundTheirCentre)
{
    int low = GetParam().low;
    int high = GetParam().high;
    WidenToMinimumSpan(low, high);
    EXPECT_EQ(low, GetParam().widenedLow);
    EXPECT_EQ(high, GetParam().widenedHigh);
}

INSTANTIATE_TEST_SUITE_P(Ranges,
                         MinimumSpan,
                         testing::Values(SpanCase {3500, 3500, 3373, 3628}, // collapsed
                                         SpanCase {3510, 3490, 3373, 3628}, // turned over
                                         SpanCase {1000, 1254, 1000, 1255},
                                         SpanCase {1000, 1255, 1000, 1255}, // exactly the minimum
                                         SpanCase {-32768, -32768, -32895, -32640}));

namespace {

// Whether `picture` holds the bytes Render gave, rows bottom-up in blue, green, red order.
bool HoldsRenderedBytes(const QImage& picture, const quint8* bgr)
{
    for (int row = 0; row < cQVX::Height; ++row) {
        for (int x = 0; x < cQVX::Width; ++x) {
            const quint8* pixel = bgr + (std::size_t(row) * cQVX::Width + std::size_t(x)) * 3;
            if (picture.pixel(x, cQVX::Height - 1 - row) != qRgb(pixel[2], pixel[1], pixel[0])) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

// Every example snapshot: a picture whose plain range spans at least the minimum keeps every
// pixel; the one whose automatic range collapses (the uniform plate) is all palette middle.
TEST(ColourRange, ExamplePicturesChangeOnlyWhereTheRangeCollapses)
{
    const QDir examples(QStringLiteral(THERMREPORT_SOURCE_DIR "/examples"));
    const QStringList files = examples.entryList({QStringLiteral("*.qvx")}, QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 9);
    QStringList widened;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        cQVX snapshot;
        ASSERT_TRUE(snapshot.Load(examples.filePath(file)) && snapshot.valid);
        const QImage picture = RenderPicture(snapshot).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(picture.isNull());
        int low = snapshot.displayLow;
        int high = snapshot.displayHigh;
        if (low == 0 && high == 0) {
            snapshot.AutoDisplayRange(low, high);
        }
        if (high - low >= MinimumAutomaticSpan) {
            const quint8* plain = snapshot.Render(cQVX::Width, cQVX::Height, 1, low, high);
            ASSERT_NE(plain, nullptr);
            EXPECT_TRUE(HoldsRenderedBytes(picture, plain));
            continue;
        }
        widened << file;
        EXPECT_EQ(low, high);
        // The middle quarter of the palette, never its ends.
        const std::unique_ptr<cColourPalette> palette = MakePalette(PaletteKindFor(snapshot));
        QSet<QRgb> middle;
        for (int entry = 96; entry < 160; ++entry) {
            middle.insert(qRgb(palette->Red(entry), palette->Green(entry), palette->Blue(entry)));
        }
        int outside = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                outside += middle.contains(picture.pixel(x, y)) ? 0 : 1;
            }
        }
        EXPECT_EQ(outside, 0);
    }
    EXPECT_EQ(widened, QStringList({QStringLiteral("uniform-plate.qvx")}));
}
