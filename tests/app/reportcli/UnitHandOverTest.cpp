#include "app/cli/CommandLine.h"
#include "app/cli/TemperatureUnits.h"
#include "output/ReportOptions.h"
#include "output/TemperatureText.h"

#include <gtest/gtest.h>

namespace {

// The snapshot modes and the report modes of the command line share one unit type: a unit parsed
// for one goes to the other as it is, and both name it alike.
struct UnitCase
{
    const char* option;
    unsigned setting; // the stored setting of the same unit
};

void PrintTo(const UnitCase& unitCase, std::ostream* out)
{
    *out << unitCase.option;
}

class UnitHandOverTest : public testing::TestWithParam<UnitCase>
{
};

TEST_P(UnitHandOverTest, AParsedUnitIsTheReportsUnit)
{
    const CommandLineParse parsed = ParseCommandLine({QStringLiteral("--info"),
                                                      QStringLiteral("a.qvx"),
                                                      QStringLiteral("--unit"),
                                                      QLatin1String(GetParam().option)});
    ASSERT_TRUE(parsed.Ok()) << parsed.Message().toStdString();
    ReportOptions options;
    options.unit = parsed.Value().unit;
    EXPECT_EQ(options.unit, TemperatureUnitFromSetting(GetParam().setting));
    EXPECT_TRUE(UnitTextsFor(options.unit).temperature.endsWith(UnitSymbol(parsed.Value().unit)));
}

INSTANTIATE_TEST_SUITE_P(Units,
                         UnitHandOverTest,
                         testing::Values(UnitCase {"c", 0}, UnitCase {"f", 1}, UnitCase {"k", 2}),
                         [](const testing::TestParamInfo<UnitCase>& info) { return std::string(info.param.option); });

} // namespace
