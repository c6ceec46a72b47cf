#include "report/TypedUnits.h"

#include <gtest/gtest.h>

namespace {

using Unit = TemperatureUnit;

struct ConversionCase
{
    const char* typed;
    TypedQuantity quantity;
    Unit from;
    Unit to;
    const char* expected;
};

void PrintTo(const ConversionCase& c, std::ostream* out)
{
    *out << '"' << c.typed << "\" " << int(c.from) << "->" << int(c.to);
}

class TypedValueConversion : public testing::TestWithParam<ConversionCase>
{
};

TEST_P(TypedValueConversion, GivesTheValueInTheNewUnit)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(ConvertTypedValue(QString::fromUtf8(c.typed), c.quantity, c.from, c.to), QString::fromUtf8(c.expected));
}

constexpr auto T = TypedQuantity::Temperature;
constexpr auto W = TypedQuantity::WindSpeed;

INSTANTIATE_TEST_SUITE_P(Values,
                         TypedValueConversion,
                         testing::Values(
                             // Whole numbers get one decimal where they need it; trailing zeros go.
                             ConversionCase {"20", T, Unit::Celsius, Unit::Fahrenheit, "68"},
                             ConversionCase {"21", T, Unit::Celsius, Unit::Fahrenheit, "69.8"},
                             ConversionCase {"69.8", T, Unit::Fahrenheit, Unit::Celsius, "21"},
                             ConversionCase {"-40", T, Unit::Fahrenheit, Unit::Celsius, "-40"},
                             ConversionCase {"4", T, Unit::Kelvin, Unit::Fahrenheit, "39.2"},
                             ConversionCase {"39.2", T, Unit::Fahrenheit, Unit::Kelvin, "4"},
                             // As many decimals as typed, with the typed separator.
                             ConversionCase {"20.25", T, Unit::Celsius, Unit::Fahrenheit, "68.45"},
                             ConversionCase {"21,5", T, Unit::Celsius, Unit::Fahrenheit, "70,7"},
                             ConversionCase {" +21.5 ", T, Unit::Celsius, Unit::Fahrenheit, "70.7"},
                             ConversionCase {".5", T, Unit::Celsius, Unit::Fahrenheit, "32.9"},
                             ConversionCase {"12.", T, Unit::Celsius, Unit::Fahrenheit, "53.6"},
                             // No negative zero.
                             ConversionCase {"-17.8", T, Unit::Celsius, Unit::Fahrenheit, "0"},
                             ConversionCase {"31.99", T, Unit::Fahrenheit, Unit::Celsius, "-0.01"},
                             ConversionCase {"12", W, Unit::Celsius, Unit::Fahrenheit, "7.5"},
                             ConversionCase {"7.5", W, Unit::Fahrenheit, Unit::Celsius, "12.1"},
                             ConversionCase {"100", W, Unit::Fahrenheit, Unit::Kelvin, "160.9"},
                             ConversionCase {"0", W, Unit::Celsius, Unit::Fahrenheit, "0"},
                             // Celsius and Kelvin type in the same units: nothing changes, not even the format.
                             ConversionCase {"20.50", T, Unit::Celsius, Unit::Kelvin, "20.50"},
                             ConversionCase {"12", W, Unit::Kelvin, Unit::Celsius, "12"},
                             ConversionCase {"20", T, Unit::Fahrenheit, Unit::Fahrenheit, "20"},
                             // Text that is not a plain number stays as typed.
                             ConversionCase {"", T, Unit::Celsius, Unit::Fahrenheit, ""},
                             ConversionCase {"20 °C", T, Unit::Celsius, Unit::Fahrenheit, "20 °C"},
                             ConversionCase {"approx. 5", W, Unit::Celsius, Unit::Fahrenheit, "approx. 5"},
                             ConversionCase {"1e3", T, Unit::Celsius, Unit::Fahrenheit, "1e3"},
                             ConversionCase {"1.000,5", T, Unit::Celsius, Unit::Fahrenheit, "1.000,5"},
                             ConversionCase {"-", T, Unit::Celsius, Unit::Fahrenheit, "-"},
                             ConversionCase {".", T, Unit::Celsius, Unit::Fahrenheit, "."},
                             ConversionCase {"２０", T, Unit::Celsius, Unit::Fahrenheit, "２０"},
                             ConversionCase {"nan", T, Unit::Celsius, Unit::Fahrenheit, "nan"}));

TEST(TypedValueConversion, AHugeNumberStaysAsTyped)
{
    const QString huge(400, u'9');
    EXPECT_EQ(ConvertTypedValue(huge, TypedQuantity::Temperature, Unit::Celsius, Unit::Fahrenheit), huge);
}

TEST(TypedValueConversion, EveryInspectionsTemperaturesAndWindSpeedOnly)
{
    ReportProject project;
    for (const char* indoor : {"20", "warm"}) {
        InspectionDetails details;
        details.indoorTemperature = QString::fromUtf8(indoor);
        details.outdoorTemperature = QStringLiteral("-5");
        details.windSpeed = QStringLiteral("10");
        details.humidity = QStringLiteral("50");
        details.pressureDifference = QStringLiteral("10");
        details.measuredLoad = QStringLiteral("10");
        project.AppendInspection({QStringLiteral("s.qvx"), {}, {}}, details);
    }
    ConvertTypedValues(project, Unit::Celsius, Unit::Fahrenheit);
    EXPECT_EQ(project.DetailsAt(0)->indoorTemperature, "68");
    EXPECT_EQ(project.DetailsAt(1)->indoorTemperature, "warm");
    for (int index : {0, 1}) {
        const InspectionDetails& details = *project.DetailsAt(index);
        EXPECT_EQ(details.outdoorTemperature, "23");
        EXPECT_EQ(details.windSpeed, "6.2");
        EXPECT_EQ(details.humidity, "50");
        EXPECT_EQ(details.pressureDifference, "10");
        EXPECT_EQ(details.measuredLoad, "10");
    }
}

} // namespace
