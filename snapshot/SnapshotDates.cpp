#include "cQVX.h"

#include <QDate>
#include <QLocale>

namespace {
const char* OrdinalSuffix(int day)
{
    switch (day) {
    case 1:
    case 21:
    case 31:
        return "st";
    case 2:
    case 22:
        return "nd";
    case 3:
    case 23:
        return "rd";
    default:
        return "th";
    }
}
} // namespace

// The month and year come from the calendar date the day falls on, so a day past the month's
// end (31 February) rolls into the next month the way the C library's calendar conversion does.
// A date out of range gives an empty text rather than an error.
QString cQVX::CaptureDateText() const
{
    if (captureYear <= 1899 || captureMonth < 1 || captureMonth > 12 || captureDay < 1 || captureDay > 31) {
        return {};
    }
    const QDate calendarDate = QDate(captureYear, captureMonth, 1).addDays(captureDay - 1);
    // Month names are English whatever the user's language, as in the rest of the report.
    const QString monthAndYear = QLocale::c().toString(calendarDate, QStringLiteral("MMMM yyyy"));
    return QStringLiteral("%1%2 %3").arg(int(captureDay)).arg(QLatin1String(OrdinalSuffix(captureDay)), monthAndYear);
}

// "9.05" for 09:05: the hour loses a leading zero, seconds are not shown. A time out of range
// gives an empty text rather than an error.
QString cQVX::CaptureTimeText() const
{
    if (captureHour >= 24 || captureMinute >= 60 || captureSecond >= 60) {
        return {};
    }
    return QStringLiteral("%1.%2").arg(int(captureHour)).arg(int(captureMinute), 2, 10, QLatin1Char('0'));
}
