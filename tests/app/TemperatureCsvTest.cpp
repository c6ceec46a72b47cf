#include "app/cli/TemperatureCsv.h"
#include "SnapshotFixtures.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/cQVX.h"

#include <QList>

#include <gtest/gtest.h>

namespace {

using Grid = QList<QList<double>>;

Grid Parse(const QByteArray& csv)
{
    Grid grid;
    for (const QByteArray& line : csv.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        QList<double> values;
        for (const QByteArray& cell : line.split(',')) {
            values << cell.toDouble();
        }
        grid << values;
    }
    return grid;
}

QByteArray CsvOf(const SnapshotFileFields& fields, TemperatureUnit unit)
{
    cQVX snapshot;
    EXPECT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
    EXPECT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    return TemperatureCsv(snapshot, unit);
}

class TemperatureCsvOrientation : public testing::TestWithParam<QPoint>
{
};

TEST_P(TemperatureCsvOrientation, HotPixelIsWhereThePictureShowsIt)
{
    const QPoint shown = GetParam();
    // 25.00 degrees everywhere, 90.00 at one pixel; emissivity 1 so no correction applies.
    const QByteArray csv = CsvOf(FieldsWithOnePixel(shown.x(), shown.y(), 2500, 9000), TemperatureUnit::Celsius);
    EXPECT_TRUE(csv.endsWith('\n'));
    const Grid grid = Parse(csv);
    ASSERT_EQ(grid.size(), 120);
    for (const QList<double>& line : grid) {
        ASSERT_EQ(line.size(), 160);
    }
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x) {
            const double expected = QPoint(x, y) == shown ? 90.0 : 25.0;
            ASSERT_NEAR(grid[y][x], expected, 0.011) << "at " << x << ", " << y;
        }
    }
}

// Away from the edge pixels the decoding repairs from their neighbours.
INSTANTIATE_TEST_SUITE_P(Pixels,
                         TemperatureCsvOrientation,
                         testing::Values(QPoint(20, 10), QPoint(0, 119), QPoint(157, 2), QPoint(100, 60)),
                         [](const testing::TestParamInfo<QPoint>& info) {
                             return "at_" + std::to_string(info.param.x()) + "_" + std::to_string(info.param.y());
                         });

TEST(TemperatureCsv, ValuesHaveTwoDecimalsInTheChosenUnit)
{
    const SnapshotFileFields fields = FieldsWithOnePixel(20, 10, 2500, 9000);
    const QByteArray celsius = CsvOf(fields, TemperatureUnit::Celsius);
    const QByteArray fahrenheit = CsvOf(fields, TemperatureUnit::Fahrenheit);
    const QByteArray kelvin = CsvOf(fields, TemperatureUnit::Kelvin);
    EXPECT_TRUE(celsius.startsWith("25.00,25.00,"));
    EXPECT_TRUE(fahrenheit.startsWith("77.00,77.00,"));
    EXPECT_TRUE(kelvin.startsWith("298.15,298.15,"));
    EXPECT_NEAR(Parse(fahrenheit)[10][20], Parse(celsius)[10][20] * 1.8 + 32, 0.011);
}

TEST(TemperatureCsv, SceneHotSpotLiesWhereThePhotoShowsIt)
{
    // The photo and the thermal image share the scene's coordinates; the hottest reading must be
    // on the overheated terminal the photo shows, at the scene's temperature after emissivity and
    // reflection correction.
    const SampleSpec sample = ExampleNamed("panel-breaker");
    const SceneSnapshot snapshot = RenderSceneSnapshot(sample.scene, sample.noiseSeed);
    const Grid grid = Parse(CsvOf(snapshot.fields, TemperatureUnit::Celsius));
    ASSERT_EQ(grid.size(), 120);
    QPoint hottest;
    for (int y = 0; y < 120; ++y) {
        for (int x = 0; x < 160; ++x) {
            if (grid[y][x] > grid[hottest.y()][hottest.x()]) {
                hottest = QPoint(x, y);
            }
        }
    }
    const ThermalSpot& spot = sample.scene.spots.front();
    EXPECT_LE(std::abs(hottest.x() + 0.5 - spot.centre.x()), spot.coreRadius + 0.5);
    EXPECT_LE(std::abs(hottest.y() + 0.5 - spot.centre.y()), spot.coreRadius + 0.5);
    EXPECT_NEAR(grid[hottest.y()][hottest.x()], spot.temperature, 0.3);
}

// A box's statistics are those of the exported per-pixel temperatures, with or without a
// corrected emissivity and reflected temperature.
TEST(TemperatureCsv, BoxStatisticsAgreeWithTheExportedPixels)
{
    const SampleSpec sample = ExampleNamed("panel-breaker");
    const SceneSnapshot scene = RenderSceneSnapshot(sample.scene, sample.noiseSeed);
    MeasurementSettings corrected;
    corrected.emissivity = 0.8f;
    corrected.reflectedKelvin = 280.0f;
    const QPoint centre = sample.scene.spots.front().centre.toPoint();
    const QRect box(centre.x() - 12, centre.y() - 9, 25, 19);
    for (const MeasurementSettings& settings : {MeasurementSettings {}, corrected}) {
        for (const TemperatureUnit unit :
             {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit, TemperatureUnit::Kelvin}) {
            cQVX snapshot;
            ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(scene.fields)));
            ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
            ApplyCorrection(snapshot, settings);
            const Grid grid = Parse(TemperatureCsv(snapshot, unit));
            ASSERT_EQ(grid.size(), 120);
            double maximum = -1e9;
            double minimum = 1e9;
            double sum = 0;
            for (int y = box.top(); y <= box.bottom(); ++y) {
                for (int x = box.left(); x <= box.right(); ++x) {
                    maximum = std::max(maximum, grid[y][x]);
                    minimum = std::min(minimum, grid[y][x]);
                    sum += grid[y][x];
                }
            }
            const auto statistics = MeasureBox(snapshot, box);
            ASSERT_TRUE(statistics);
            // The export rounds each value to hundredths.
            EXPECT_NEAR(statistics->maximum, maximum, 0.006);
            EXPECT_NEAR(statistics->minimum, minimum, 0.006);
            EXPECT_NEAR(statistics->average, sum / (box.width() * box.height()), 0.006);
            EXPECT_TRUE(box.contains(statistics->hottest));
            EXPECT_NEAR(grid[statistics->hottest.y()][statistics->hottest.x()], maximum, 0.006);
        }
    }
}

TEST(TemperatureCsv, NothingWithoutDecodedPixels)
{
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(SnapshotFileFields {})));
    EXPECT_TRUE(TemperatureCsv(snapshot, TemperatureUnit::Celsius).isEmpty());
}

} // namespace
