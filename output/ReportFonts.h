#pragma once

#include <QFont>

// The report's three fonts, Arial (Liberation Sans stands in where Arial is missing), sized
// by cell height in page units: 50 for body and bold text, 64 for page titles.
struct ReportFonts
{
    QFont bodyFont;
    QFont boldFont;
    QFont titleFont;
};

ReportFonts MakeReportFonts();

// A report font whose cell (ascent plus descent) is the given height in page units.
QFont MakeReportFont(int cellHeight, QFont::Weight weight);
