#include "LogoPlacement.h"

#include "PageGeometry.h"

#include <cmath>

namespace {

constexpr int MaximumWidth = 2480;
constexpr int MaximumHeight = 780;
constexpr int Top = 50;
constexpr int HimetricPerInch = 2540;

// Multiply, then divide with rounding to nearest.
int MulDiv(int value, int numerator, int denominator)
{
    return int(std::llround(double(value) * numerator / denominator));
}

} // namespace

QRect LogoRect(const QSize& himetric, int dotsPerInchX, int dotsPerInchY)
{
    int w = MulDiv(himetric.width(), dotsPerInchX, HimetricPerInch);
    int h = MulDiv(himetric.height(), dotsPerInchY, HimetricPerInch);
    if ((w > MaximumWidth || h > MaximumHeight) && w > 0 && h > 0) {
        // Shrink along the side that exceeds its limit more, in single precision.
        if (h - MaximumHeight < w - MaximumWidth) {
            h = int(float(h) / float(w) * MaximumWidth);
            if (h <= MaximumHeight) {
                w = MaximumWidth;
            } else {
                w = int(float(MaximumWidth) / float(h) * MaximumHeight);
                h = MaximumHeight;
            }
        } else {
            w = int(float(w) / float(h) * MaximumHeight);
            h = MaximumHeight;
        }
    }
    const int x = w >= PageGeometry::PageWidth ? 0 : (PageGeometry::PageWidth - w) / 2;
    return QRect(x, Top, w, h);
}
