#pragma once

#include <QRect>

// Page positions are given as left, top, right, bottom in page units: 300 per inch on A4,
// 2480 x 3508.
namespace PageGeometry {

constexpr int PageWidth = 2480;
constexpr int ContentLeft = 100;
constexpr int DotsPerInch = 300;
constexpr int BoxMargin = 10;

constexpr QRect Edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// The rectangle a box's text goes into.
constexpr QRect Inner(const QRect& box)
{
    return box.adjusted(BoxMargin, BoxMargin, -BoxMargin, -BoxMargin);
}

} // namespace PageGeometry
