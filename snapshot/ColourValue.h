#pragma once

#include <QColor>

// Colours are stored as 0x00BBGGRR values (red in the lowest byte) throughout the system.
inline QColor QColorFromColourValue(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
