#include "pages/colour/ColourValueOf.h"

quint32 ColourValueOf(const QColor& colour)
{
    return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
}
