#include "output/Arrow.h"
#include "output/LogoPlacement.h"
#include "output/PrintfText.h"
#include "output/ReportDate.h"
#include "output/ReportFonts.h"
#include "output/ReportLayout.h"
#include "output/TemperatureText.h"
#include "output/TextPlacement.h"

#include "report/ReportProject.h"
#include "snapshot/SnapshotUnit.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

struct CountCase
{
    int inspections;
    int summaryPages;
    int contentsPages;
    int totalPages;
};

class PageCounting : public testing::TestWithParam<CountCase>
{
};

TEST_P(PageCounting, CountsEveryKindOfPage)
{
    const CountCase& expected = GetParam();
    ReportProject project;
    for (int i = 0; i < expected.inspections; ++i) {
        project.AppendInspection({QStringLiteral("a.qvx"), {}, {}});
    }
    ReportLayout layout(project, {});
    layout.pageCounter = 7;
    layout.CountPages();
    EXPECT_EQ(layout.summaryPageCount, expected.summaryPages);
    EXPECT_EQ(layout.contentsPageCount, expected.contentsPages);
    EXPECT_EQ(layout.totalPageCount, expected.totalPages);
    EXPECT_EQ(layout.pageCounter, 1);
    EXPECT_EQ(layout.SummaryPageNumber(), expected.inspections + expected.contentsPages + 2);
}

INSTANTIATE_TEST_SUITE_P(Sizes,
                         PageCounting,
                         testing::Values(CountCase {1, 1, 1, 4},
                                         CountCase {14, 1, 1, 17},
                                         CountCase {15, 2, 1, 19},
                                         CountCase {38, 3, 1, 43},
                                         CountCase {39, 3, 1, 44},
                                         CountCase {40, 3, 2, 46},
                                         CountCase {79, 6, 2, 88},
                                         CountCase {80, 6, 3, 90}));

// Each arrowhead starts at its end point, reaches 10 units back along the line and opens 5
// units to either side (give or take the unit lost to truncation).
TEST(DrawArrow, HeadsPointOutwardsAtBothEnds)
{
    const std::vector<std::pair<QPoint, QPoint>> strokes = {{{0, 0}, {100, 0}},
                                                            {{100, 0}, {0, 0}},
                                                            {{0, 0}, {0, 80}},
                                                            {{30, 70}, {30, 10}},
                                                            {{10, 10}, {40, 50}},
                                                            {{250, 100}, {300, 100}},
                                                            {{-20, 5}, {-60, -35}}};
    for (const auto& stroke : strokes) {
        const QPoint a = stroke.first;
        const QPoint b = stroke.second;
        const ArrowOutline outline = ArrowOutlineOf(a, b);
        const QPointF direction = QPointF(b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
        const auto check = [&](const std::array<QPoint, 4>& head, const QPoint& tip, double inwards) {
            EXPECT_EQ(head[0], tip);
            EXPECT_EQ(head[3], tip);
            double sides[2];
            for (int k = 1; k <= 2; ++k) {
                const QPointF offset = QPointF(head[k] - tip);
                const double along = (offset.x() * direction.x() + offset.y() * direction.y()) * inwards;
                sides[k - 1] = offset.x() * direction.y() - offset.y() * direction.x();
                EXPECT_NEAR(along, 10.0, 1.5) << a.x() << "," << a.y() << " -> " << b.x() << "," << b.y();
                EXPECT_NEAR(std::abs(sides[k - 1]), 5.0, 1.5);
            }
            EXPECT_LT(sides[0] * sides[1], 0.0) << "the two head lines lie on opposite sides";
        };
        check(outline.headAtA, a, 1.0);
        check(outline.headAtB, b, -1.0);
    }
}

TEST(DrawArrow, DrawsTheLineAndBothHeadsWithTheCurrentPen)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::red, 1));
    DrawArrow(painter, QPoint(10, 20), QPoint(50, 20));
    painter.end();
    const auto redIn = [&](int left, int top, int right, int bottom) {
        int count = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = left; x <= right; ++x) {
                count += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 0, 0));
    EXPECT_GT(redIn(16, 14, 21, 17), 0) << "head at the start opens towards the line, upper side";
    EXPECT_GT(redIn(16, 23, 21, 26), 0) << "head at the start, lower side";
    EXPECT_GT(redIn(39, 14, 44, 17), 0) << "head at the end, upper side";
    EXPECT_GT(redIn(39, 23, 44, 26), 0) << "head at the end, lower side";
    EXPECT_EQ(redIn(0, 0, 8, 39) + redIn(52, 0, 59, 39), 0) << "nothing beyond the end points";
}

struct DateCase
{
    QDate date;
    const char* longText;
    const char* shortText;
};

class ReportDates : public testing::TestWithParam<DateCase>
{
};

TEST_P(ReportDates, LongAndShortForms)
{
    const DateCase& expected = GetParam();
    const OleDate date = OleDateFromDateTime(QDateTime(expected.date, QTime(23, 59, 59)));
    EXPECT_EQ(FormatReportDate(date, DateForm::Long), QString::fromUtf8(expected.longText));
    EXPECT_EQ(FormatReportDate(date, DateForm::Short), QString::fromUtf8(expected.shortText));
}

INSTANTIATE_TEST_SUITE_P(Suffixes,
                         ReportDates,
                         testing::Values(DateCase {{2007, 5, 22}, "22nd May 2007", "22nd May 07"},
                                         DateCase {{2007, 3, 3}, "3rd March 2007", "3rd Mar 07"},
                                         DateCase {{2010, 1, 1}, "1st January 2010", "1st Jan 10"},
                                         DateCase {{2005, 9, 11}, "11th September 2005", "11th Sep 05"},
                                         DateCase {{2026, 12, 12}, "12th December 2026", "12th Dec 26"},
                                         DateCase {{2026, 2, 13}, "13th February 2026", "13th Feb 26"},
                                         DateCase {{1999, 8, 21}, "21st August 1999", "21st Aug 99"},
                                         DateCase {{2000, 7, 23}, "23rd July 2000", "23rd Jul 00"},
                                         DateCase {{2001, 10, 31}, "31st October 2001", "31st Oct 01"},
                                         DateCase {{1899, 12, 29}, "29th December 1899", "29th Dec 99"}));

TEST(ReportDates, NothingForADateThatIsNotValid)
{
    EXPECT_EQ(FormatReportDate({40000.0, OleDate::Invalid}, DateForm::Long), QString());
    EXPECT_EQ(FormatReportDate({40000.0, OleDate::Null}, DateForm::Short), QString());
    EXPECT_EQ(FormatReportDate({1.0e12, OleDate::Valid}, DateForm::Long), QString());
}

struct LogoCase
{
    QSize pageUnits; // the logo's own size converted to page units at 300 dpi
    QRect expected;
};

class LogoSizes : public testing::TestWithParam<LogoCase>
{
};

TEST_P(LogoSizes, FitsTheBandAtTheTopCentred)
{
    const LogoCase& logo = GetParam();
    // HIMETRIC that converts back to exactly these page units.
    const QSize himetric(int(std::ceil(logo.pageUnits.width() * 2540.0 / 300)),
                         int(std::ceil(logo.pageUnits.height() * 2540.0 / 300)));
    EXPECT_EQ(LogoRect(himetric, 300, 300), logo.expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes,
                         LogoSizes,
                         testing::Values(LogoCase {{3000, 500}, {0, 50, 2480, 413}},
                                         LogoCase {{1000, 1000}, {850, 50, 780, 780}},
                                         LogoCase {{600, 300}, {940, 50, 600, 300}},
                                         LogoCase {{500, 2000}, {1142, 50, 195, 780}},
                                         LogoCase {{2480, 780}, {0, 50, 2480, 780}},
                                         LogoCase {{5000, 1600}, {20, 50, 2439, 780}}));

TEST(LogoSizes, ConvertsWithTheSurfaceResolution)
{
    // 2540 HIMETRIC is one inch: 300 units at 300 dpi, 96 at 96 dpi.
    EXPECT_EQ(LogoRect(QSize(2540, 1270), 300, 300).size(), QSize(300, 150));
    EXPECT_EQ(LogoRect(QSize(2540, 1270), 96, 96).size(), QSize(96, 48));
}

TEST(ReportTexts, PlaceholdersAreFilledInOrderWithoutPrintf)
{
    EXPECT_EQ(FillPlaceholders(QStringLiteral("Page %d of %d"), {QStringLiteral("4"), QStringLiteral("19")}),
              QStringLiteral("Page 4 of 19"));
    EXPECT_EQ(FillPlaceholders(QStringLiteral("%d%% %s %x"), {QStringLiteral("5")}), QStringLiteral("5%  %x"));
    EXPECT_EQ(FillPlaceholders(QStringLiteral("trailing %"), {}), QStringLiteral("trailing %"));
}

TEST(ReportTexts, DifferenceNeverShowsNegativeZero)
{
    EXPECT_EQ(DifferenceWithUnit(-0.04f, QStringLiteral("°C")), QStringLiteral("0.0 °C"));
    EXPECT_EQ(DifferenceWithUnit(-0.0f, QStringLiteral("K")), QStringLiteral("0.0 K"));
    EXPECT_EQ(DifferenceWithUnit(-0.06f, QStringLiteral("°C")), QStringLiteral("-0.1 °C"));
    EXPECT_EQ(DifferenceWithUnit(-12.34f, QStringLiteral("°F")), QStringLiteral("-12.3 °F"));
    EXPECT_EQ(DifferenceWithUnit(3.05f, QStringLiteral("°C")), QStringLiteral("3.0 °C"));
}

TEST(ReportTexts, ReflectedTemperatureInEachUnit)
{
    EXPECT_EQ(TenthsWithUnit(ReflectedTemperature(2000, TemperatureUnit::Celsius), QStringLiteral("°C")),
              QStringLiteral("20.0 °C"));
    EXPECT_EQ(TenthsWithUnit(ReflectedTemperature(2000, TemperatureUnit::Fahrenheit), QStringLiteral("°F")),
              QStringLiteral("68.0 °F"));
    EXPECT_EQ(TenthsWithUnit(ReflectedTemperature(-800, TemperatureUnit::Kelvin), QStringLiteral("K")),
              QStringLiteral("265.1 K"));
}

class Wrapping : public testing::Test
{
protected:
    QFontMetricsF metrics {MakeReportFonts().bodyFont};
};

TEST_F(Wrapping, BreaksAtWordsWithinTheWidth)
{
    const QString text = QStringLiteral("the quick brown fox jumps over the lazy dog again and again");
    const qreal width = metrics.horizontalAdvance(QStringLiteral("the quick brown fox"));
    const QStringList lines = WrapWords(text, metrics, width);
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.first(), QStringLiteral("the quick brown fox"));
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
    }
    EXPECT_EQ(lines.join(QLatin1Char(' ')), text);
}

TEST_F(Wrapping, BreaksAWordWiderThanTheLineBetweenItsCharacters)
{
    const qreal width = metrics.horizontalAdvance(QStringLiteral("Thermography"));
    const QStringList lines = WrapWords(QStringLiteral("a Thermographyinspectionreport b"), metrics, width);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("a"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Thermograph"))) << lines[1].toStdString();
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
        EXPECT_FALSE(line.contains(QChar(0x2026))) << line.toStdString();
    }
    EXPECT_EQ(lines.mid(1).join(QString()), QStringLiteral("Thermographyinspectionreport b"));
}

// Japanese has no blanks: it breaks between characters, but never before closing punctuation
// or a small kana, as the Unicode line-breaking rules have it.
TEST_F(Wrapping, JapaneseBreaksBetweenCharactersByTheUnicodeRules)
{
    const QString text = QStringLiteral("配電盤の端子が過熱しています。ボルトを締め直し、接触面を清掃してください。"
                                        "次回の点検で再測定すること。");
    const qreal width = metrics.horizontalAdvance(QStringLiteral("配電盤の端子が過熱")) + 1;
    const QStringList lines = WrapWords(text, metrics, width);
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines.join(QString()), text);
    for (const QString& line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
        EXPECT_FALSE(line.startsWith(QChar(0x3002)) || line.startsWith(QChar(0x3001))) << line.toStdString();
        EXPECT_FALSE(line.startsWith(QChar(0x30C3))) << line.toStdString();
    }
    EXPECT_EQ(lines.first(), QStringLiteral("配電盤の端子が過熱"));
}

TEST_F(Wrapping, BreaksAfterAHyphenWhereTheWordDoesNotFit)
{
    const qreal width = metrics.horizontalAdvance(QStringLiteral("Clean and re-"));
    const QStringList lines = WrapWords(QStringLiteral("Clean and re-torque"), metrics, width);
    EXPECT_EQ(lines, QStringList({QStringLiteral("Clean and re-"), QStringLiteral("torque")}));
}

TEST_F(Wrapping, KeepsLineBreaksAndEmptyLines)
{
    const QStringList lines = WrapWords(QStringLiteral("one\r\n\r\ntwo"), metrics, 1000);
    EXPECT_EQ(lines, QStringList({QStringLiteral("one"), QString(), QStringLiteral("two")}));
}

struct LayoutCase
{
    const char* name;
    QString text;
    Placement placement;
    int lines; // the rectangle's height in lines
    QStringList printed; // "~" stands for the text up to an ellipsis
    bool cut;
};

void PrintTo(const LayoutCase& c, std::ostream* out)
{
    *out << c.name;
}

class Layout : public testing::TestWithParam<LayoutCase>
{
protected:
    QFontMetricsF metrics {MakeReportFonts().bodyFont};
};

// Only a rectangle that is really full ends in an ellipsis, and then only its last line.
TEST_P(Layout, PrintsWholeLinesAndEndsAFullRectangleWithAnEllipsis)
{
    const LayoutCase& c = GetParam();
    const qreal width = metrics.horizontalAdvance(QStringLiteral("alpha beta gamma"));
    const QSizeF size(width, c.lines * ReportLineHeight(metrics) + 5);
    const PlacedLines placed = LayOutText(c.text, metrics, size, c.placement);
    EXPECT_EQ(placed.cut, c.cut);
    ASSERT_EQ(placed.lines.size(), c.printed.size()) << placed.lines.join(QLatin1Char('|')).toStdString();
    for (qsizetype index = 0; index < placed.lines.size(); ++index) {
        const QString& line = placed.lines[index];
        EXPECT_LE(metrics.horizontalAdvance(line), width) << line.toStdString();
        const QString& expected = c.printed[index];
        if (expected.endsWith(QLatin1Char('~'))) {
            EXPECT_TRUE(line.endsWith(QChar(0x2026))) << line.toStdString();
            EXPECT_TRUE(line.startsWith(expected.chopped(1))) << line.toStdString();
        } else {
            EXPECT_EQ(line, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts,
    Layout,
    testing::Values(
        LayoutCase {"fits", "alpha beta gamma delta", Placement::Wrapped, 2, {"alpha beta gamma", "delta"}, false},
        LayoutCase {"blankLinesAtTheEndAreNoOverflow", "alpha\n\n\n\n", Placement::Wrapped, 1, {"alpha"}, false},
        LayoutCase {"lastLineOfAFullBox",
                    "alpha beta gamma delta epsilon zeta eta theta",
                    Placement::Wrapped,
                    2,
                    {"alpha beta gamma", "delta~"},
                    true},
        LayoutCase {"lineBreakPastTheBox", "alpha\r\nbeta\r\ngamma", Placement::Wrapped, 2, {"alpha", "beta~"}, true},
        LayoutCase {"loneCarriageReturnBreaksTheLine", "alpha\rbeta", Placement::Wrapped, 2, {"alpha", "beta"}, false},
        LayoutCase {"cellTooNarrow", "Northfield Facilities Ltd", Placement::Left, 1, {"Northfield~"}, true},
        LayoutCase {"cellWide", "Northfield", Placement::Left, 1, {"Northfield"}, false},
        LayoutCase {"numberOneLineDown", "\n3", Placement::Centre, 2, {"", "3"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportFonts, CellHeightsAreFiftyAndSixtyFour)
{
    const ReportFonts fonts = MakeReportFonts();
    const auto cell = [](const QFont& font) {
        const QFontMetricsF metrics(font);
        return metrics.ascent() + metrics.descent();
    };
    EXPECT_NEAR(cell(fonts.bodyFont), 50.0, 1.0);
    EXPECT_NEAR(cell(fonts.boldFont), 50.0, 1.0);
    EXPECT_NEAR(cell(fonts.titleFont), 64.0, 1.0);
    EXPECT_EQ(fonts.boldFont.weight(), QFont::Bold);
    EXPECT_TRUE(QFontInfo(fonts.bodyFont).family().contains(QStringLiteral("Liberation Sans")) ||
                QFontInfo(fonts.bodyFont).family().contains(QStringLiteral("Arial")));
}

} // namespace
