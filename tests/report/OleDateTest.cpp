#include "report/OleDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct DateCase
{
    QDateTime dateTime;
    double value;
};

class OleDateConversion : public testing::TestWithParam<DateCase>
{
};

TEST_P(OleDateConversion, GivesTheAutomationDateAndBack)
{
    const DateCase& c = GetParam();
    const OleDate date = OleDateFromDateTime(c.dateTime);
    EXPECT_EQ(date.status, OleDate::Valid);
    EXPECT_DOUBLE_EQ(date.value, c.value);
    EXPECT_EQ(DateTimeFromOleDate({c.value, OleDate::Valid}), c.dateTime);
}

INSTANTIATE_TEST_SUITE_P(KnownDates,
                         OleDateConversion,
                         testing::Values(DateCase {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
                                         DateCase {QDateTime(QDate(1900, 1, 1), QTime(0, 0)), 2.0},
                                         DateCase {QDateTime(QDate(2007, 5, 22), QTime(12, 0)), 39224.5},
                                         DateCase {QDateTime(QDate(2007, 5, 22), QTime(18, 0)), 39224.75},
                                         // Before day zero the whole days count back, the time of day still forward.
                                         DateCase {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25},
                                         DateCase {QDateTime(QDate(100, 1, 1), QTime(0, 0)), -657434.0},
                                         DateCase {QDateTime(QDate(9999, 12, 31), QTime(0, 0)), 2958465.0}));

TEST(OleDate, DefaultIsValidDayZero)
{
    const OleDate date;
    EXPECT_EQ(date.status, OleDate::Valid);
    EXPECT_EQ(date.value, 0.0);
}

TEST(OleDate, InvalidOrOutOfRangeDateTimesAreMarkedInvalid)
{
    EXPECT_EQ(OleDateFromDateTime(QDateTime()).status, OleDate::Invalid);
    EXPECT_EQ(OleDateFromDateTime(QDateTime(QDate(99, 12, 31), QTime(23, 0))).status, OleDate::Invalid);
    EXPECT_EQ(OleDateFromDateTime(QDateTime(QDate(10000, 1, 1), QTime(0, 0))).status, OleDate::Invalid);
}

TEST(OleDate, OnlyValidFiniteInRangeValuesConvert)
{
    EXPECT_FALSE(DateTimeFromOleDate({39224.5, OleDate::Invalid}).isValid());
    EXPECT_FALSE(DateTimeFromOleDate({39224.5, OleDate::Null}).isValid());
    EXPECT_FALSE(DateTimeFromOleDate({std::numeric_limits<double>::quiet_NaN(), OleDate::Valid}).isValid());
    EXPECT_FALSE(DateTimeFromOleDate({std::numeric_limits<double>::infinity(), OleDate::Valid}).isValid());
    EXPECT_FALSE(DateTimeFromOleDate({2958466.0, OleDate::Valid}).isValid());
    EXPECT_FALSE(DateTimeFromOleDate({-657435.5, OleDate::Valid}).isValid());
    EXPECT_FALSE(DateTimeFromOleDate({1e300, OleDate::Valid}).isValid());
}

TEST(OleDate, TimeIsRoundedToTheMillisecondAcrossMidnight)
{
    const double almostNextDay = 2.0 + (86400000.0 - 0.4) / 86400000.0;
    EXPECT_EQ(DateTimeFromOleDate({almostNextDay, OleDate::Valid}), QDateTime(QDate(1900, 1, 2), QTime(0, 0)));
    const QDateTime withMilliseconds(QDate(2024, 2, 29), QTime(23, 59, 59, 999));
    EXPECT_EQ(DateTimeFromOleDate(OleDateFromDateTime(withMilliseconds)), withMilliseconds);
}

} // namespace
