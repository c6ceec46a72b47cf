#pragma once

#include "OleDate.h"

#include <QString>

// The title-page data of a report.
struct ReportTitle
{
    QString logoPath;
    QString company;
    QString author;
    bool showDate = true;
    OleDate date;
    QString generalComments;

    bool operator==(const ReportTitle&) const = default;
};
