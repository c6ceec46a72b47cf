#pragma once

#include <QtGlobal>

#include <array>

// Three 256-entry colour tables (red, green, blue) indexed by palette entry.
class cColourPalette
{
public:
    cColourPalette();
    cColourPalette(const cColourPalette&) = default;
    cColourPalette& operator=(const cColourPalette&) = default;
    virtual ~cColourPalette();

    // Only the low 8 bits of the entry count.
    quint8 Red(int entry) const { return red[entry & 0xFF]; }
    quint8 Green(int entry) const { return green[entry & 0xFF]; }
    quint8 Blue(int entry) const { return blue[entry & 0xFF]; }

protected:
    std::array<quint8, 256> red {};
    std::array<quint8, 256> green {};
    std::array<quint8, 256> blue {};

    friend class cQVX;
};

class cGreyLookup : public cColourPalette
{
public:
    cGreyLookup();
};

// Levels are 6-bit values scaled by 4, so the brightest entry is 252.
class cIronbowLookup : public cColourPalette
{
public:
    cIronbowLookup();
};

class cRainbowLookup : public cColourPalette
{
public:
    cRainbowLookup();
};

class cHighContrastLookup : public cColourPalette
{
public:
    cHighContrastLookup();
};
