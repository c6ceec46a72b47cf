#include "app/text/TextFits.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cctype>

namespace {

struct FitCase
{
    const char* name;
    QString text;
    int width;
    int lines;
    bool fits;
};

QString Words(int count, int letters, const QString& separator)
{
    QStringList words;
    for (int i = 0; i < count; ++i) {
        words << QString(letters, QLatin1Char('a' + i % 26));
    }
    return words.join(separator);
}

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextFitsTest : public testing::TestWithParam<FitCase>
{
};

TEST_P(TextFitsTest, DecidesAtTheLimits)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(TextFits(c.text, c.width, c.lines), c.fits) << c.name;
}

// The box of the fault field, 24 characters by 5 lines, at each of its three limits.
INSTANTIATE_TEST_SUITE_P(
    FaultBox,
    TextFitsTest,
    testing::Values(FitCase {"empty", QString(), 24, 5, true},
                    // 124 = 5 x 25 - 1 characters in words of 4 letters and blanks passes the length test.
                    FitCase {"124 characters", Words(25, 4, " ").left(124), 24, 5, true},
                    FitCase {"125 characters", Words(25, 4, " ") + QStringLiteral("a"), 24, 5, false},
                    FitCase {"word of 24 letters", QString(24, QLatin1Char('w')), 24, 5, true},
                    FitCase {"word of 25 letters", QString(25, QLatin1Char('w')), 24, 5, false},
                    FitCase {"long word after a line feed", QStringLiteral("ab\n") + QString(25, 'w'), 24, 5, false},
                    FitCase {"runs of blanks", QStringLiteral("a     b"), 24, 5, true},
                    FitCase {"five lines with line feeds", Words(5, 3, "\n"), 24, 5, true},
                    FitCase {"five lines with CR LF", Words(5, 3, "\r\n"), 24, 5, true},
                    FitCase {"six lines with line feeds", Words(6, 3, "\n"), 24, 5, false},
                    FitCase {"six lines with CR LF", Words(6, 3, "\r\n"), 24, 5, false},
                    FitCase {"six lines with carriage returns", Words(6, 3, "\r"), 24, 5, false},
                    FitCase {"one-line box with a break", QStringLiteral("a\nb"), 36, 1, false},
                    FitCase {"one-line box full", QString(36, QLatin1Char('n')), 36, 1, true},
                    FitCase {"one-line box one over", QString(37, QLatin1Char('n')), 36, 1, false}),
    [](const testing::TestParamInfo<FitCase>& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) {
                c = '_';
            }
        }
        return name;
    });

} // namespace
