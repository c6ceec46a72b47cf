#pragma once

#include <QtGlobal>

// One arrow line drawn over an inspection's pictures, in the pixel frame of the Inspection Data
// page's image area; stored exactly as drawn.
struct PenStroke
{
    qint32 startX = 0;
    qint32 startY = 0;
    qint32 endX = 0;
    qint32 endY = 0;
    qint32 penSize = 0;
    qint32 colour = 0; // 0x00BBGGRR

    bool operator==(const PenStroke&) const = default;
};
