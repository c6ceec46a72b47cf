#include "snapshot/cQVX.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
QString DateText(int day, int month, int year)
{
    cQVX snapshot;
    snapshot.captureDay = quint8(day);
    snapshot.captureMonth = quint8(month);
    snapshot.captureYear = quint16(year);
    return snapshot.CaptureDateText();
}
} // namespace

struct OrdinalCase
{
    int day;
    const char* text;
};

class CaptureDateOrdinal : public testing::TestWithParam<OrdinalCase>
{
};

TEST_P(CaptureDateOrdinal, FollowsEnglishRules)
{
    EXPECT_EQ(DateText(GetParam().day, 3, 2007).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Days,
                         CaptureDateOrdinal,
                         testing::Values(OrdinalCase {1, "1st March 2007"},
                                         OrdinalCase {2, "2nd March 2007"},
                                         OrdinalCase {3, "3rd March 2007"},
                                         OrdinalCase {4, "4th March 2007"},
                                         OrdinalCase {11, "11th March 2007"},
                                         OrdinalCase {12, "12th March 2007"},
                                         OrdinalCase {13, "13th March 2007"},
                                         OrdinalCase {21, "21st March 2007"},
                                         OrdinalCase {22, "22nd March 2007"},
                                         OrdinalCase {23, "23rd March 2007"},
                                         OrdinalCase {30, "30th March 2007"},
                                         OrdinalCase {31, "31st March 2007"}));

class CaptureDateInGerman : public testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_F(CaptureDateInGerman, MonthNamesStayEnglish)
{
    const char* months[] = {"January",
                            "February",
                            "March",
                            "April",
                            "May",
                            "June",
                            "July",
                            "August",
                            "September",
                            "October",
                            "November",
                            "December"};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(DateText(5, month, 2026).toStdString(), std::string("5th ") + months[month - 1] + " 2026");
    }
}

// The month comes from the calendar day the date falls on, as the C library's conversion does.
TEST(CaptureDate, DayPastTheMonthsEndRollsOver)
{
    EXPECT_EQ(DateText(31, 2, 2007), QStringLiteral("31st March 2007"));
    EXPECT_EQ(DateText(31, 12, 2007), QStringLiteral("31st December 2007"));
    EXPECT_EQ(DateText(1, 1, 1900), QStringLiteral("1st January 1900"));
}

TEST(CaptureDate, OutOfRangeGivesNoText)
{
    EXPECT_TRUE(DateText(0, 5, 2007).isEmpty());
    EXPECT_TRUE(DateText(32, 5, 2007).isEmpty());
    EXPECT_TRUE(DateText(5, 0, 2007).isEmpty());
    EXPECT_TRUE(DateText(5, 13, 2007).isEmpty());
    EXPECT_TRUE(DateText(5, 5, 1899).isEmpty());
}

struct TimeCase
{
    int hour;
    int minute;
    int second;
    const char* text;
};

class CaptureTime : public testing::TestWithParam<TimeCase>
{
};

TEST_P(CaptureTime, ShowsHourWithoutLeadingZeroAndMinute)
{
    cQVX snapshot;
    snapshot.captureHour = quint8(GetParam().hour);
    snapshot.captureMinute = quint8(GetParam().minute);
    snapshot.captureSecond = quint8(GetParam().second);
    EXPECT_EQ(snapshot.CaptureTimeText().toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Times,
                         CaptureTime,
                         testing::Values(TimeCase {0, 7, 0, "0.07"},
                                         TimeCase {9, 5, 30, "9.05"},
                                         TimeCase {14, 30, 59, "14.30"},
                                         TimeCase {10, 0, 0, "10.00"},
                                         TimeCase {23, 59, 59, "23.59"},
                                         TimeCase {24, 0, 0, ""},
                                         TimeCase {12, 60, 0, ""},
                                         TimeCase {12, 0, 60, ""},
                                         TimeCase {255, 255, 255, ""}));
