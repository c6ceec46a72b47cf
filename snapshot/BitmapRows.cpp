#include "BitmapRows.h"

namespace {

void CopyRowRgb888(const quint8* stored, int width, uchar* line)
{
    for (int x = 0; x < width; ++x) {
        line[3 * x] = stored[3 * x + 2];
        line[3 * x + 1] = stored[3 * x + 1];
        line[3 * x + 2] = stored[3 * x];
    }
}

void CopyRowRgb32(const quint8* stored, int width, uchar* line)
{
    auto* pixels = reinterpret_cast<QRgb*>(line);
    for (int x = 0; x < width; ++x) {
        pixels[x] = qRgb(stored[3 * x + 2], stored[3 * x + 1], stored[3 * x]);
    }
}

} // namespace

QImage PictureFromBitmapRows(const quint8* rows, int width, int height, qsizetype stride, QImage::Format format)
{
    if (format != QImage::Format_RGB888 && format != QImage::Format_RGB32) {
        return {};
    }
    QImage picture(width, height, format);
    if (picture.isNull()) {
        return {};
    }
    const auto copyRow = format == QImage::Format_RGB888 ? CopyRowRgb888 : CopyRowRgb32;
    uchar* lines = picture.bits();
    const qsizetype lineBytes = picture.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        copyRow(rows + qsizetype(height - 1 - y) * stride, width, lines + y * lineBytes);
    }
    return picture;
}
