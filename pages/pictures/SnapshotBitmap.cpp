#include "SnapshotBitmap.h"

#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <vector>

bool RenderSnapshotBitmap(const QString& path, DibImage& target)
{
    cQVX snapshot;
    if (!snapshot.Load(path) || !snapshot.valid) {
        return false;
    }
    const QImage picture = RenderPicture(snapshot);
    if (picture.isNull()) {
        return true;
    }
    // Bitmap rows are stored bottom-up in blue, green, red order.
    const int width = picture.width();
    const int height = picture.height();
    std::vector<quint8> bgr(std::size_t(3) * width * height);
    for (int row = 0; row < height; ++row) {
        const uchar* line = picture.constScanLine(height - 1 - row);
        quint8* stored = bgr.data() + std::size_t(3) * width * row;
        for (int x = 0; x < width; ++x) {
            stored[3 * x] = line[3 * x + 2];
            stored[3 * x + 1] = line[3 * x + 1];
            stored[3 * x + 2] = line[3 * x];
        }
    }
    target.FromPixels(width, height, bgr.data());
    return true;
}
