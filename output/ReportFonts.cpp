#include "ReportFonts.h"

#include <cmath>

namespace {

// Arial's cell is 2288 of its 2048 em units (ascent 1854, descent 434).
constexpr double CellPerEm = 2288.0 / 2048.0;

} // namespace

QFont MakeReportFont(int cellHeight, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::lround(cellHeight / CellPerEm)));
    font.setWeight(weight);
    // Text is laid out glyph by glyph, like the printer's own text output.
    font.setKerning(false);
    return font;
}

ReportFonts MakeReportFonts()
{
    return {MakeReportFont(50, QFont::Normal), MakeReportFont(50, QFont::Bold), MakeReportFont(64, QFont::Normal)};
}
