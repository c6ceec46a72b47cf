#include "ColourPalette.h"

#include <cmath>
#include <initializer_list>

namespace {
struct PalettePoint
{
    int entry;
    int value;
};

// Fills a table along straight lines between the given points (entries ascending, 0 to 255),
// rounding to the nearest level, then multiplying by the level's size.
void Interpolate(std::array<quint8, 256>& table, std::initializer_list<PalettePoint> points, int levelSize = 1)
{
    const PalettePoint* previous = points.begin();
    for (const PalettePoint* next = previous + 1; next != points.end(); previous = next++) {
        const double slope = double(next->value - previous->value) / double(next->entry - previous->entry);
        for (int entry = previous->entry; entry <= next->entry; ++entry) {
            const long level = std::lround(previous->value + slope * (entry - previous->entry));
            table[entry] = quint8(level * levelSize);
        }
    }
}
} // namespace

cColourPalette::cColourPalette() = default;

cColourPalette::~cColourPalette() = default;

cGreyLookup::cGreyLookup()
{
    for (int entry = 0; entry < 256; ++entry) {
        red[entry] = green[entry] = blue[entry] = quint8(entry);
    }
}

cIronbowLookup::cIronbowLookup()
{
    constexpr int sixBitStep = 4;
    Interpolate(
        red, {{0, 0}, {16, 1}, {44, 15}, {81, 36}, {105, 45}, {129, 51}, {161, 56}, {215, 63}, {255, 63}}, sixBitStep);
    Interpolate(green,
                {{0, 0}, {85, 1}, {123, 7}, {146, 15}, {167, 26}, {190, 42}, {214, 58}, {226, 62}, {255, 63}},
                sixBitStep);
    Interpolate(blue,
                {{0, 0},
                 {18, 26},
                 {32, 42},
                 {44, 50},
                 {57, 53},
                 {67, 52},
                 {85, 43},
                 {106, 27},
                 {132, 7},
                 {147, 0},
                 {192, 1},
                 {211, 14},
                 {234, 37},
                 {250, 59},
                 {255, 63}},
                sixBitStep);
}

cRainbowLookup::cRainbowLookup()
{
    Interpolate(red,
                {{0, 0},
                 {10, 20},
                 {21, 46},
                 {42, 32},
                 {58, 0},
                 {77, 1},
                 {95, 45},
                 {113, 140},
                 {133, 213},
                 {157, 240},
                 {191, 255},
                 {255, 255}});
    Interpolate(green,
                {{0, 0},
                 {41, 2},
                 {76, 252},
                 {79, 255},
                 {137, 253},
                 {155, 239},
                 {188, 142},
                 {224, 1},
                 {226, 10},
                 {242, 110},
                 {255, 255}});
    Interpolate(blue,
                {{0, 0},
                 {1, 0},
                 {22, 143},
                 {40, 250},
                 {41, 254},
                 {57, 236},
                 {77, 136},
                 {94, 19},
                 {114, 0},
                 {189, 2},
                 {203, 17},
                 {224, 0},
                 {242, 88},
                 {255, 255}});
}

cHighContrastLookup::cHighContrastLookup()
{
    Interpolate(red,
                {{0, 0},
                 {1, 0},
                 {24, 115},
                 {57, 255},
                 {77, 179},
                 {94, 28},
                 {95, 22},
                 {113, 43},
                 {133, 111},
                 {134, 111},
                 {155, 3},
                 {158, 0},
                 {175, 0},
                 {178, 24},
                 {197, 196},
                 {214, 254},
                 {255, 255}});
    Interpolate(green,
                {{0, 0},
                 {94, 0},
                 {95, 3},
                 {112, 175},
                 {114, 186},
                 {134, 255},
                 {156, 253},
                 {175, 182},
                 {177, 185},
                 {197, 254},
                 {214, 251},
                 {234, 2},
                 {237, 35},
                 {255, 255}});
    Interpolate(blue,
                {{0, 0},
                 {1, 0},
                 {22, 122},
                 {41, 254},
                 {58, 245},
                 {77, 254},
                 {95, 239},
                 {114, 254},
                 {133, 249},
                 {156, 151},
                 {175, 36},
                 {197, 0},
                 {234, 0},
                 {255, 255}});
}
