#include "OleDate.h"

#include <cmath>

namespace {

constexpr qint64 MillisecondsPerDay = 24 * 60 * 60 * 1000;

// The automation date's day zero and the range it can express.
QDate Epoch()
{
    return QDate(1899, 12, 30);
}

bool InRange(const QDate& date)
{
    return date >= QDate(100, 1, 1) && date <= QDate(9999, 12, 31);
}

} // namespace

OleDate OleDateFromDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid() || !InRange(dateTime.date())) {
        return {0.0, OleDate::Invalid};
    }
    const qint64 days = Epoch().daysTo(dateTime.date());
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / MillisecondsPerDay;
    // Before the epoch the day count is negative but the time of day still counts forward,
    // so 29 December 1899 06:00 is -1.25.
    return {days >= 0 ? double(days) + fraction : double(days) - fraction, OleDate::Valid};
}

QDateTime DateTimeFromOleDate(const OleDate& date)
{
    if (date.status != OleDate::Valid || !std::isfinite(date.value)) {
        return {};
    }
    // Wider than the valid years, so the day count below cannot overflow.
    if (date.value < -700000.0 || date.value > 3000000.0) {
        return {};
    }
    const double wholeDays = std::trunc(date.value);
    qint64 milliseconds = std::llround(std::fabs(date.value - wholeDays) * MillisecondsPerDay);
    QDate day = Epoch().addDays(qint64(wholeDays));
    if (milliseconds >= MillisecondsPerDay) {
        day = day.addDays(1);
        milliseconds -= MillisecondsPerDay;
    }
    if (!InRange(day)) {
        return {};
    }
    return QDateTime(day, QTime::fromMSecsSinceStartOfDay(int(milliseconds)), Qt::LocalTime);
}
