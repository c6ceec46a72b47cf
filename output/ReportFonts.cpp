#include "ReportFonts.h"

#include <QStringList>

#include <cmath>

namespace {

// Arial's cell is 2288 of its 2048 em units (ascent 1854, descent 434).
constexpr double CellPerEm = 2288.0 / 2048.0;

} // namespace

QStringList CjkFamilies()
{
    return {QStringLiteral("VL Gothic"), QStringLiteral("WenQuanYi Micro Hei")};
}

QFont MakeReportFont(int cellHeight, QFont::Weight weight)
{
    QFont font(QStringLiteral("Arial"));
    // Japanese text takes its glyphs from VL Gothic, and the Chinese and Korean characters it
    // lacks from WenQuanYi Micro Hei: both give every ideograph a glyph of its own. Where one
    // glyph serves an ideograph and its radical, the PDF's text reads back as the radical.
    // Latin text stays in Arial's metrics.
    font.setFamilies(QStringList {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")} + CjkFamilies());
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
