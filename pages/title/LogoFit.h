#pragma once

#include <QRect>
#include <QSize>

// Where the title page draws a logo of `picture` pixels inside a frame of `frame` pixels: shrunk
// to fit, keeping its proportions, when larger than the frame; centred; relative to the frame.
QRect LogoRectInFrame(const QSize& frame, const QSize& picture);

// The size in screen pixels of a picture of the given HIMETRIC size (hundredths of a millimetre).
QSize ScreenPixelsOf(const QSize& himetric, int dotsPerInchX, int dotsPerInchY);
