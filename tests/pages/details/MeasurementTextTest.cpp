#include "pages/details/MeasurementText.h"

#include "output/TemperatureText.h"
#include "snapshot/SnapshotUnit.h"

#include <gtest/gtest.h>

namespace {

TEST(DifferenceText, NoNegativeZero)
{
    EXPECT_EQ(DifferenceText(-0.04f, TemperatureUnit::Celsius), QStringLiteral("0.0 \u00B0C"));
    EXPECT_EQ(DifferenceText(0.0f, TemperatureUnit::Celsius), QStringLiteral("0.0 \u00B0C"));
    EXPECT_EQ(DifferenceText(-0.2f, TemperatureUnit::Fahrenheit), QStringLiteral("-0.2 \u00B0F"));
    EXPECT_EQ(DifferenceText(12.34f, TemperatureUnit::Kelvin), QStringLiteral("12.3 K"));
}

// The page keeps the sign of every difference the report prints with one: only "-0.0" loses it.
TEST(DifferenceText, SameSignRuleAsTheReport)
{
    const float differences[] = {-0.09f, -0.06f, -0.05f, -0.049f, -0.01f, -0.0f, 0.04f, 0.05f, -1.05f, -0.95f};
    for (const float difference : differences) {
        for (const TemperatureUnit unit :
             {TemperatureUnit::Celsius, TemperatureUnit::Fahrenheit, TemperatureUnit::Kelvin}) {
            EXPECT_EQ(DifferenceText(difference, unit), DifferenceWithUnit(difference, UnitSuffix(unit))) << difference;
        }
    }
    EXPECT_EQ(DifferenceText(-0.05f, TemperatureUnit::Celsius), QStringLiteral("-0.1 \u00B0C"));
    EXPECT_EQ(DifferenceText(-0.09f, TemperatureUnit::Kelvin), QStringLiteral("-0.1 K"));
    EXPECT_EQ(DifferenceText(-0.049f, TemperatureUnit::Fahrenheit), QStringLiteral("0.0 \u00B0F"));
}

struct ReflectedCase
{
    TemperatureUnit unit;
    const char* text;
};

class ReflectedTemperatures : public testing::TestWithParam<ReflectedCase>
{
};

TEST_P(ReflectedTemperatures, ConvertedFromHundredthsOfADegreeCelsius)
{
    EXPECT_EQ(TemperatureText(ReflectedTemperature(2000, GetParam().unit), GetParam().unit),
              QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Units,
                         ReflectedTemperatures,
                         testing::Values(ReflectedCase {TemperatureUnit::Celsius, "20.0 \u00B0C"},
                                         ReflectedCase {TemperatureUnit::Fahrenheit, "68.0 \u00B0F"},
                                         ReflectedCase {TemperatureUnit::Kelvin, "293.1 K"}));

} // namespace
