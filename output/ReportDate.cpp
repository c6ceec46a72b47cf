#include "ReportDate.h"

#include <QLocale>

namespace {

QString OrdinalSuffix(int day)
{
    switch (day) {
    case 1:
    case 21:
    case 31:
        return QStringLiteral("st");
    case 2:
    case 22:
        return QStringLiteral("nd");
    case 3:
    case 23:
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

} // namespace

QString FormatReportDate(const OleDate& date, DateForm form)
{
    const QDate day = DateTimeFromOleDate(date).date();
    if (!day.isValid()) {
        return {};
    }
    const QLocale c = QLocale::c();
    const bool isLong = form == DateForm::Long;
    const QString month = c.monthName(day.month(), isLong ? QLocale::LongFormat : QLocale::ShortFormat);
    const QString year = isLong ? QString::number(day.year()).rightJustified(4, QLatin1Char('0'))
                                : QString::number(day.year() % 100).rightJustified(2, QLatin1Char('0'));
    return QStringLiteral("%1%2 %3 %4").arg(day.day()).arg(OrdinalSuffix(day.day()), month, year);
}
