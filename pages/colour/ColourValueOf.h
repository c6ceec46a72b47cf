#pragma once

#include <QColor>

// The 0x00BBGGRR value of a colour; the reverse of QColorFromColourValue.
quint32 ColourValueOf(const QColor& colour);
