#include "tests/support/SnapshotTestFiles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// A loaded snapshot with the given value scale (rangeType) and reflected temperature.
void Prepare(cQVX& snapshot, quint8 rangeType, qint16 reflectedTemp)
{
    SnapshotFileFields fields;
    fields.rangeType = rangeType;
    fields.reflectedTemp = reflectedTemp;
    fields.extraBlock = QByteArray(25, '\0');
    fields.pixelStream.assign(cQVX::PixelCount, 0);
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
}
} // namespace

struct ConversionCase
{
    const char* name;
    qint32 value;
    quint8 rangeType;
    double emissivity;
    qint16 reflectedTemp;
    double celsius;
    double tolerance;
};

void PrintTo(const ConversionCase& conversion, std::ostream* out)
{
    *out << conversion.name;
}

class TemperatureConversion : public testing::TestWithParam<ConversionCase>
{
};

TEST_P(TemperatureConversion, GivesTheCorrectedCelsiusValue)
{
    const ConversionCase conversion = GetParam();
    cQVX snapshot;
    Prepare(snapshot, conversion.rangeType, conversion.reflectedTemp);
    snapshot.unitCode = snapshot.celsiusCode;
    EXPECT_NEAR(
        snapshot.ToTemperature(conversion.value, conversion.emissivity), conversion.celsius, conversion.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Conversions,
                         TemperatureConversion,
                         testing::Values(
                             // Emissivity 1 leaves the reflected temperature without effect.
                             ConversionCase {"Hundredths", 2500, 0, 1.00, 9000, 24.99996, 1e-5},
                             ConversionCase {"TenthsOnTheHighPiece", 3000, 3, 1.00, -5000, 300.004, 1e-4},
                             ConversionCase {"Emissivity95", 2500, 0, 0.95, 2000, 25.2564, 1e-4},
                             ConversionCase {"Emissivity90", 5000, 0, 0.90, 2000, 52.9095, 1e-4},
                             ConversionCase {"BelowZero", -1500, 2, 1.00, 2000, -15.0, 1e-3},
                             // 280 degrees still lies on the lower piece of the signal curve and comes back as itself.
                             ConversionCase {"At280OnTheLowPiece", 28000, 1, 1.00, 2000, 279.99922, 1e-5},
                             // 280.01 lies on the upper piece, whose signal there (1204.2) is below the lower piece's
                             // 1249.5 at 280, so the inversion takes the lower piece: the curve's pieces do not meet.
                             ConversionCase {"Above280OnTheHighPiece", 28001, 1, 1.00, 2000, 273.36816, 1e-4}),
                         [](const testing::TestParamInfo<ConversionCase>& info) {
                             return std::string(info.param.name);
                         });

// A warm background seen by a poorly emitting surface asks for a signal below what any
// temperature gives; the result is then the coldest temperature of the curve, never NaN.
TEST(TemperatureConversionLimits, SignalBelowTheCurveGivesItsColdestTemperature)
{
    cQVX snapshot;
    Prepare(snapshot, 0, 5000);
    snapshot.unitCode = snapshot.celsiusCode;
    const double coldest = -1.5018 * 51.9352;
    EXPECT_DOUBLE_EQ(snapshot.ToTemperature(0, 0.10), coldest);
    EXPECT_DOUBLE_EQ(snapshot.ToTemperature(-1000, 0.01), coldest);
    snapshot.unitCode = snapshot.fahrenheitCode;
    EXPECT_TRUE(std::isfinite(snapshot.ToTemperature(-32768, 0.01)));
}

TEST(TemperatureConversionLimits, ExtremeValuesStayFinite)
{
    cQVX snapshot;
    Prepare(snapshot, 3, 32767);
    snapshot.unitCode = snapshot.kelvinCode;
    for (const qint32 value : {-32768, 0, 32767}) {
        for (const double emissivity : {0.01, 0.5, 1.0, 2.55}) {
            EXPECT_TRUE(std::isfinite(snapshot.ToTemperature(value, emissivity))) << value << " " << emissivity;
        }
    }
}

TEST(TemperatureConversionLimits, NoEmissivityOrUnknownUnitGivesZero)
{
    cQVX snapshot;
    Prepare(snapshot, 0, 2000);
    snapshot.unitCode = snapshot.celsiusCode;
    EXPECT_EQ(snapshot.ToTemperature(2500, 0.0), 0.0);
    EXPECT_EQ(snapshot.ToTemperature(2500, -0.5), 0.0);
    snapshot.unitCode = 7;
    EXPECT_EQ(snapshot.ToTemperature(2500, 0.95), 0.0);
}

struct UnitCase
{
    quint8 versionMinor;
    quint8 celsius;
    quint8 fahrenheit;
    quint8 kelvin;
};

class TemperatureUnits : public testing::TestWithParam<UnitCase>
{
};

TEST_P(TemperatureUnits, FollowTheFilesCodes)
{
    SnapshotFileFields fields;
    fields.versionMinor = GetParam().versionMinor;
    fields.pixelStream.assign(cQVX::PixelCount, 0);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));

    snapshot.unitCode = GetParam().celsius;
    const double celsius = snapshot.ToTemperature(2500, 0.95);
    snapshot.unitCode = GetParam().fahrenheit;
    const double fahrenheit = snapshot.ToTemperature(2500, 0.95);
    snapshot.unitCode = GetParam().kelvin;
    const double kelvin = snapshot.ToTemperature(2500, 0.95);

    EXPECT_NEAR(celsius, 25.2564, 1e-4);
    EXPECT_EQ(fahrenheit, celsius * 1.8 + 32);
    EXPECT_DOUBLE_EQ(kelvin, celsius + 273.15);
}

INSTANTIATE_TEST_SUITE_P(Versions,
                         TemperatureUnits,
                         testing::Values(UnitCase {2, 1, 2, 0}, // old files
                                         UnitCase {4, 0, 1, 2}));

// A hot block in the picture's top-right corner, where a marker at (0, 0) points.
class MarkerTemperatures : public testing::Test
{
protected:
    void SetUp() override
    {
        SnapshotFileFields fields =
            FieldsWithImage(ImageOf([](int row, int column) { return row >= 100 && column >= 140 ? 3000 : 2500; }));
        fields.emissivity = 100;
        fields.markers = {{0, 0, 50}, {159, 119, 50}, {160, 0, 100}, {0, 120, 100}, {65535, 65535, 100}};
        ASSERT_TRUE(snapshot.LoadFromBytes(WriteSnapshotFile(fields)));
        snapshot.unitCode = snapshot.celsiusCode;
    }

    cQVX snapshot;
};

TEST_F(MarkerTemperatures, AreZeroBeforeThePixelsAreDecoded)
{
    EXPECT_EQ(snapshot.MarkerTemperature(0), 0.0f);
}

TEST_F(MarkerTemperatures, MarkersMapOntoTheMirroredArray)
{
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_NEAR(snapshot.MarkerTemperature(0), 29.99996, 1e-4);
    EXPECT_NEAR(snapshot.MarkerTemperature(1), 24.99996, 1e-4);
    EXPECT_EQ(snapshot.MarkerDifference(0, 1), snapshot.MarkerTemperature(0) - snapshot.MarkerTemperature(1));
    EXPECT_NEAR(snapshot.MarkerDifference(1, 0), -5.0f, 1e-3);
}

TEST_F(MarkerTemperatures, MarkersBeyondTheImageReadZero)
{
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_EQ(snapshot.MarkerTemperature(2), 0.0f);
    EXPECT_EQ(snapshot.MarkerTemperature(3), 0.0f);
    EXPECT_EQ(snapshot.MarkerTemperature(4), 0.0f);
    EXPECT_EQ(snapshot.MarkerDifference(2, 1), -snapshot.MarkerTemperature(1));
}

// Indexes past the file's marker count still name a marker slot, resting at (0, 0).
TEST_F(MarkerTemperatures, UnusedSlotsReadTheTopRightPixel)
{
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    EXPECT_EQ(snapshot.MarkerTemperature(9), snapshot.MarkerTemperature(0));
    EXPECT_EQ(snapshot.MarkerTemperature(10), 0.0f);
    EXPECT_EQ(snapshot.MarkerTemperature(-1), 0.0f);
}

TEST_F(MarkerTemperatures, FollowTheChosenUnit)
{
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    const float celsius = snapshot.MarkerTemperature(1);
    snapshot.unitCode = snapshot.fahrenheitCode;
    EXPECT_NEAR(snapshot.MarkerTemperature(1), celsius * 1.8f + 32.0f, 1e-4);
    snapshot.unitCode = snapshot.kelvinCode;
    EXPECT_NEAR(snapshot.MarkerTemperature(1), celsius + 273.15f, 1e-4);
}

TEST_F(MarkerTemperatures, UseTheFilesEmissivityNotTheMarkers)
{
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    const float atFullEmissivity = snapshot.MarkerTemperature(1);
    snapshot.emissivity = 95;
    EXPECT_NEAR(snapshot.MarkerTemperature(1), 25.2564, 1e-4);
    snapshot.emissivity = 0;
    EXPECT_EQ(snapshot.MarkerTemperature(1), 0.0f);
    EXPECT_NE(atFullEmissivity, 0.0f);
}
