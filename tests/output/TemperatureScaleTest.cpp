#include "ReportFixture.h"
#include "snapshot/SnapshotUnit.h"

#include "output/ScaleDrawing.h"
#include "output/TemperatureScale.h"

#include "report/InspectionSelection.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class TemperatureScales : public testing::Test
{
protected:
    // A decoded snapshot showing temperatures in `unit`.
    std::unique_ptr<cQVX> Loaded(const QString& path, TemperatureUnit unit = TemperatureUnit::Celsius)
    {
        auto snapshot = std::make_unique<cQVX>();
        EXPECT_TRUE(snapshot->Load(path) && snapshot->valid);
        EXPECT_TRUE(snapshot->LoadPixels(cQVX::Width, cQVX::Height));
        UseTemperatureUnit(*snapshot, unit);
        return snapshot;
    }

    QString Snapshot(const QString& name, quint8 emissivity, qint16 displayLow, qint16 displayHigh, int offset = 0)
    {
        SnapshotFileFields fields;
        fields.emissivity = emissivity;
        fields.displayLow = displayLow;
        fields.displayHigh = displayHigh;
        return files.WriteSnapshotFile(name, fields, offset);
    }

    static float Reading(const cQVX& snapshot, double raw)
    {
        return float(snapshot.ToTemperature(raw, snapshot.emissivity / 100.0));
    }

    ReportFixture files;
};

TEST_F(TemperatureScales, OwnScaleIsTheDisplayRangeOrTheAutomaticOneInTemperatures)
{
    for (const TemperatureUnit unit :
         {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit, TemperatureUnit::Kelvin}) {
        const auto given = Loaded(Snapshot(QStringLiteral("given.qvx"), 90, 250, 480), unit);
        const TemperatureScale scale = OwnTemperatureScale(*given);
        EXPECT_EQ(scale.rawLow, 250.0);
        EXPECT_EQ(scale.rawHigh, 480.0);
        EXPECT_EQ(scale.low, Reading(*given, 250));
        EXPECT_EQ(scale.high, Reading(*given, 480));

        const auto automatic = Loaded(Snapshot(QStringLiteral("auto.qvx"), 95, 0, 0), unit);
        int low = 0;
        int high = 0;
        automatic->AutoDisplayRange(low, high);
        const TemperatureScale own = OwnTemperatureScale(*automatic);
        EXPECT_EQ(own.rawLow, double(low));
        EXPECT_EQ(own.rawHigh, double(high));
        EXPECT_EQ(own.low, Reading(*automatic, low));
        EXPECT_LT(own.low, own.high);
    }
}

TEST_F(TemperatureScales, RawValueAtTurnsATemperatureBackIntoTheRawValue)
{
    const auto snapshot = Loaded(Snapshot(QStringLiteral("a.qvx"), 80, 250, 480));
    for (const double raw : {250.0, 300.5, 417.25, 480.0, 1500.0}) {
        const double temperature = snapshot->ToTemperature(raw, 0.8);
        EXPECT_NEAR(RawValueAt(*snapshot, temperature), raw, 1e-6) << raw;
    }
    // A temperature read at a level, as printed, is that level exactly.
    EXPECT_EQ(RawValueAt(*snapshot, Reading(*snapshot, 333)), 333.0);
    // Beyond what the curve reaches, the nearest end, still a number.
    EXPECT_TRUE(std::isfinite(RawValueAt(*snapshot, -500.0)));
    EXPECT_LT(RawValueAt(*snapshot, -500.0), 0.0);
}

TEST_F(TemperatureScales, ASharedRangeEqualToTheOwnRendersPixelForPixelAsBefore)
{
    const auto snapshot = Loaded(Snapshot(QStringLiteral("a.qvx"), 95, 0, 0));
    const TemperatureScale own = OwnTemperatureScale(*snapshot);
    const TemperatureScale shared = SharedTemperatureScale(*snapshot, {own.low, own.high});
    EXPECT_EQ(shared.rawLow, own.rawLow);
    EXPECT_EQ(shared.rawHigh, own.rawHigh);
    const QImage before = RenderPicture(*snapshot);
    EXPECT_EQ(RenderPictureInRange(*snapshot, shared.rawLow, shared.rawHigh), before);

    const TemperatureScale wider = SharedTemperatureScale(*snapshot, {own.low - 1.0f, own.high + 1.0f});
    EXPECT_LT(wider.rawLow, own.rawLow);
    EXPECT_GT(wider.rawHigh, own.rawHigh);
    EXPECT_NEAR(snapshot->ToTemperature(wider.rawLow, 0.95), own.low - 1.0, 1e-5);
    EXPECT_NE(RenderPictureInRange(*snapshot, wider.rawLow, wider.rawHigh), before);
}

TEST_F(TemperatureScales, CommonSpanRunsFromTheLowestToTheHighestOwnRangeInTemperature)
{
    const QString cool = Snapshot(QStringLiteral("cool.qvx"), 95, 250, 400);
    const QString warm = Snapshot(QStringLiteral("warm.qvx"), 70, 0, 0, 300);
    const QString blind = Snapshot(QStringLiteral("blind.qvx"), 0, 0, 0, 5000);
    const QString missing = files.PathOf(QStringLiteral("missing.qvx"));
    for (const TemperatureUnit unit : {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit}) {
        const TemperatureScale coolScale = OwnTemperatureScale(*Loaded(cool, unit));
        const TemperatureScale warmScale = OwnTemperatureScale(*Loaded(warm, unit));
        const auto span = CommonTemperatureSpan({{cool}, {missing}, {warm}, {blind}}, unit);
        ASSERT_TRUE(span);
        EXPECT_EQ(span->low, std::min(coolScale.low, warmScale.low));
        EXPECT_EQ(span->high, std::max(coolScale.high, warmScale.high));
        EXPECT_LT(span->low, span->high);
    }
    EXPECT_FALSE(CommonTemperatureSpan({{missing}, {blind}}, TemperatureUnit::Celsius));

    // The inspections' settings take part: a corrected emissivity and a manual range.
    InspectionSelection corrected {warm};
    corrected.measurement.emissivity = 0.95f;
    auto warmCorrected = Loaded(warm);
    ApplyCorrection(*warmCorrected, corrected.measurement);
    const auto correctedSpan = CommonTemperatureSpan({corrected}, TemperatureUnit::Celsius);
    ASSERT_TRUE(correctedSpan);
    EXPECT_EQ(correctedSpan->high, OwnTemperatureScale(*warmCorrected).high);
    EXPECT_NE(correctedSpan->high, OwnTemperatureScale(*Loaded(warm)).high);
    InspectionSelection manual {blind};
    manual.measurement.emissivity = 1.0f;
    manual.measurement.manualRange = ManualColourRange {273.15f, 373.15f};
    const auto manualSpan = CommonTemperatureSpan({manual}, TemperatureUnit::Celsius);
    ASSERT_TRUE(manualSpan);
    EXPECT_NEAR(manualSpan->low, 0.0, 1e-3);
    EXPECT_NEAR(manualSpan->high, 100.0, 1e-3);
}

TEST_F(TemperatureScales, MarksAreTheEndsAndTicksBetweenThatFit)
{
    const auto snapshot = Loaded(Snapshot(QStringLiteral("a.qvx"), 95, 250, 550));
    const TemperatureScale scale = OwnTemperatureScale(*snapshot);
    const QString low = QString::number(double(scale.low), 'f', 1) + QStringLiteral(" °C");
    const QString high = QString::number(double(scale.high), 'f', 1) + QStringLiteral(" °C");

    const std::vector<ScaleMark> two = ScaleMarks(*snapshot, scale, QStringLiteral("°C"), 0.05);
    ASSERT_EQ(two.size(), 4u);
    EXPECT_EQ(two.front().text, low);
    EXPECT_EQ(two.front().position, 0.0);
    EXPECT_EQ(two.back().text, high);
    EXPECT_EQ(two.back().position, 1.0);
    for (int k = 1; k <= 2; ++k) {
        const float temperature = scale.low + (scale.high - scale.low) * float(k) / 3.0f;
        EXPECT_EQ(two[k].text, QString::number(double(temperature), 'f', 1) + QStringLiteral(" °C"));
        // Where the bar's colour is that temperature's: linear in raw values, not in degrees.
        const double raw = scale.rawLow + two[k].position * (scale.rawHigh - scale.rawLow);
        EXPECT_NEAR(snapshot->ToTemperature(raw, 0.95), temperature, 1e-4);
    }

    const std::vector<ScaleMark> one = ScaleMarks(*snapshot, scale, QStringLiteral("°C"), 0.4);
    ASSERT_EQ(one.size(), 3u);
    EXPECT_NEAR(one[1].position, 0.5, 0.01);
    EXPECT_EQ(ScaleMarks(*snapshot, scale, QStringLiteral("°C"), 0.6).size(), 2u);
}

TEST_F(TemperatureScales, EndsThatReadTheSameArePrintedOnce)
{
    const auto narrow = Loaded(Snapshot(QStringLiteral("narrow.qvx"), 95, 300, 301));
    const TemperatureScale scale = OwnTemperatureScale(*narrow);
    ASSERT_EQ(QString::number(double(scale.low), 'f', 1), QString::number(double(scale.high), 'f', 1));
    const std::vector<ScaleMark> marks = ScaleMarks(*narrow, scale, QStringLiteral("K"), 0.05);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0].position, 0.5);
    EXPECT_TRUE(marks[0].text.endsWith(QStringLiteral(" K")));

    // A range of a few tenths has its ends but no tick that would repeat a neighbour's text.
    const auto small = Loaded(Snapshot(QStringLiteral("small.qvx"), 95, 300, 320));
    const std::vector<ScaleMark> few = ScaleMarks(*small, OwnTemperatureScale(*small), QStringLiteral("°C"), 0.05);
    for (std::size_t i = 1; i < few.size(); ++i) {
        EXPECT_NE(few[i - 1].text, few[i].text);
    }
}

TEST(PaletteBar, RunsFromTheFirstEntryAtTheBottomToTheLastAtTheTop)
{
    const QImage bar = PaletteBar(PaletteKind::Grey);
    ASSERT_EQ(bar.size(), QSize(1, 256));
    EXPECT_EQ(bar.pixel(0, 255), qRgb(0, 0, 0));
    EXPECT_EQ(bar.pixel(0, 0), qRgb(255, 255, 255));
    const QImage ironbow = PaletteBar(PaletteKind::Ironbow);
    EXPECT_EQ(ironbow.pixel(0, 0), qRgb(252, 252, 252));
    EXPECT_EQ(ironbow.pixel(0, 255 - 128), qRgb(204, 36, 40));
}

} // namespace
