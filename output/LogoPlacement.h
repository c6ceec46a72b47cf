#pragma once

#include <QRect>
#include <QSize>

// Where the title page draws a logo of the given HIMETRIC size on a surface of the given
// resolution: converted to page units, shrunk to fit 2480 x 780 keeping its proportions,
// centred across the page at y = 50.
QRect LogoRect(const QSize& himetric, int dotsPerInchX, int dotsPerInchY);
