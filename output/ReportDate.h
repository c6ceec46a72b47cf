#pragma once

#include "report/OleDate.h"

#include <QString>

enum class DateForm {
    Long, // 3rd March 2007
    Short // 3rd Mar 07
};

// The day with its English ordinal suffix, the month and the year; month names are English
// whatever the user's language. Empty for a date that is not valid.
QString FormatReportDate(const OleDate& date, DateForm form);
