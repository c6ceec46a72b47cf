#pragma once

#include <QFont>
#include <QStringList>

// The report's three fonts, Arial (Liberation Sans stands in where Arial is missing) with VL
// Gothic for Japanese text, sized by cell height in page units: 50 for body and bold text, 64
// for page titles.
struct ReportFonts
{
    QFont bodyFont;
    QFont boldFont;
    QFont titleFont;
};

ReportFonts MakeReportFonts();

// A report font whose cell (ascent plus descent) is the given height in page units.
QFont MakeReportFont(int cellHeight, QFont::Weight weight);

// The families the report's fonts take Japanese, Chinese and Korean characters from, in order.
QStringList CjkFamilies();
