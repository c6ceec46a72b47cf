#include "pages/details/SeverityColours.h"

#include <algorithm>

namespace {

struct Rgb
{
    int red;
    int green;
    int blue;
};

// Light enough for black text on every step.
constexpr Rgb Lowest {255, 230, 0};
constexpr Rgb Highest {255, 70, 50};

int Between(int from, int to, int step, int steps)
{
    return from + (to - from) * step / steps;
}

} // namespace

quint32 SeverityColour(int classIndex, int classCount)
{
    const int steps = std::max(classCount - 1, 1);
    const int step = std::clamp(classIndex, 0, steps);
    const int red = Between(Lowest.red, Highest.red, step, steps);
    const int green = Between(Lowest.green, Highest.green, step, steps);
    const int blue = Between(Lowest.blue, Highest.blue, step, steps);
    return quint32(red) | quint32(green) << 8 | quint32(blue) << 16;
}
