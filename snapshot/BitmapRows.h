#pragma once

#include <QImage>

// Rendered snapshots and 24-bit bitmaps hold a picture the same way: rows of blue, green, red
// bytes, the bottom row first, `stride` bytes apart. This turns such rows into a picture, top row
// first, in QImage::Format_RGB888 or QImage::Format_RGB32: the one conversion every snapshot
// picture goes through. A null image for another format or when the picture cannot be allocated.
QImage PictureFromBitmapRows(const quint8* rows, int width, int height, qsizetype stride, QImage::Format format);
