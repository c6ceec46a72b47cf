#include "app/cli/CommandLine.h"

#include <gtest/gtest.h>

namespace {

struct GoodLine
{
    const char* name;
    QStringList arguments;
    CommandMode mode;
    QString snapshot;
    QString output;
    TemperatureUnit unit;
    int scale;
};

void PrintTo(const GoodLine& line, std::ostream* out)
{
    *out << line.name;
}

class CommandLineAccepts : public testing::TestWithParam<GoodLine>
{
};

TEST_P(CommandLineAccepts, Request)
{
    const GoodLine& line = GetParam();
    const CommandLineParse parse = ParseCommandLine(line.arguments);
    ASSERT_TRUE(parse.Ok()) << parse.Message().toStdString();
    EXPECT_EQ(parse.Value().mode, line.mode);
    EXPECT_EQ(parse.Value().snapshotPath, line.snapshot);
    EXPECT_EQ(parse.Value().outputPath, line.output);
    EXPECT_EQ(parse.Value().unit, line.unit);
    EXPECT_EQ(parse.Value().scale, line.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Lines,
    CommandLineAccepts,
    testing::Values(
        GoodLine {
            "info_default_unit", {"--info", "a.qvx"}, CommandMode::Info, "a.qvx", "", TemperatureUnit::Celsius, 1},
        GoodLine {"info_unit_after",
                  {"--info", "a.qvx", "--unit", "f"},
                  CommandMode::Info,
                  "a.qvx",
                  "",
                  TemperatureUnit::Fahrenheit,
                  1},
        GoodLine {"info_unit_before_upper",
                  {"--info", "--unit", "K", "a.qvx"},
                  CommandMode::Info,
                  "a.qvx",
                  "",
                  TemperatureUnit::Kelvin,
                  1},
        GoodLine {"csv_unit_equals",
                  {"--csv", "b.qvx", "--unit=c"},
                  CommandMode::Csv,
                  "b.qvx",
                  "",
                  TemperatureUnit::Celsius,
                  1},
        GoodLine {"png_default_scale",
                  {"--png", "a.qvx", "out.png"},
                  CommandMode::Png,
                  "a.qvx",
                  "out.png",
                  TemperatureUnit::Celsius,
                  1},
        GoodLine {"png_largest_scale",
                  {"--png", "a.qvx", "--scale", "64", "out.png"},
                  CommandMode::Png,
                  "a.qvx",
                  "out.png",
                  TemperatureUnit::Celsius,
                  64},
        GoodLine {"file_named_like_a_dash",
                  {"--info", "-x.qvx"},
                  CommandMode::Info,
                  "-x.qvx",
                  "",
                  TemperatureUnit::Celsius,
                  1},
        GoodLine {"help", {"--help"}, CommandMode::Help, "", "", TemperatureUnit::Celsius, 1}),
    [](const testing::TestParamInfo<GoodLine>& info) { return std::string(info.param.name); });

struct BadLine
{
    const char* name;
    QStringList arguments;
};

void PrintTo(const BadLine& line, std::ostream* out)
{
    *out << line.name;
}

class CommandLineRefuses : public testing::TestWithParam<BadLine>
{
};

TEST_P(CommandLineRefuses, WithAReason)
{
    const CommandLineParse parse = ParseCommandLine(GetParam().arguments);
    EXPECT_FALSE(parse.Ok());
    EXPECT_FALSE(parse.Message().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lines,
                         CommandLineRefuses,
                         testing::Values(BadLine {"nothing", {}},
                                         BadLine {"unknown_mode", {"--preview", "a.qvx"}},
                                         BadLine {"info_without_file", {"--info"}},
                                         BadLine {"info_two_files", {"--info", "a.qvx", "b.qvx"}},
                                         BadLine {"png_without_output", {"--png", "a.qvx"}},
                                         BadLine {"unknown_unit", {"--csv", "a.qvx", "--unit", "r"}},
                                         BadLine {"unit_twice", {"--csv", "a.qvx", "--unit", "c", "--unit", "f"}},
                                         BadLine {"unit_without_value", {"--info", "a.qvx", "--unit"}},
                                         BadLine {"unit_with_png", {"--png", "a.qvx", "o.png", "--unit", "c"}},
                                         BadLine {"scale_with_info", {"--info", "a.qvx", "--scale", "2"}},
                                         BadLine {"scale_zero", {"--png", "a.qvx", "o.png", "--scale", "0"}},
                                         BadLine {"scale_too_large", {"--png", "a.qvx", "o.png", "--scale=65"}},
                                         BadLine {"scale_not_whole", {"--png", "a.qvx", "o.png", "--scale", "2.5"}},
                                         BadLine {"unknown_option", {"--info", "a.qvx", "--verbose", "1"}},
                                         BadLine {"help_with_file", {"--help", "a.qvx"}}),
                         [](const testing::TestParamInfo<BadLine>& info) { return std::string(info.param.name); });

TEST(CommandLine, OnlyOptionsAskForTheCommandLineModes)
{
    EXPECT_TRUE(IsCommandLineRequest({"--info", "a.qvx"}));
    EXPECT_TRUE(IsCommandLineRequest({"--bogus"}));
    EXPECT_FALSE(IsCommandLineRequest({}));
    EXPECT_FALSE(IsCommandLineRequest({"report.QVR"}));
}

} // namespace
