#pragma once

#include <QDateTime>
#include <QtGlobal>

// A date and time as days since 30 December 1899 00:00, the fraction being the time of day
// (the common automation date), with a validity status beside it.
struct OleDate
{
    enum Status : qint32 { Valid = 0, Invalid = 1, Null = 2 };

    double value = 0.0;
    qint32 status = Valid;

    bool operator==(const OleDate&) const = default;
};

// The wall-clock date and time of `dateTime` as an OleDate, to the millisecond; an invalid
// QDateTime or one outside the years 100 to 9999 gives status Invalid.
OleDate OleDateFromDateTime(const QDateTime& dateTime);

// The local date and time that `date` stands for, rounded to the millisecond; an invalid
// QDateTime when the status is not Valid or the value lies outside the years 100 to 9999.
QDateTime DateTimeFromOleDate(const OleDate& date);
