#include "SnapshotBitmap.h"

#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

bool RenderSnapshotBitmap(const QString& path, DibImage& target)
{
    cQVX snapshot;
    if (!snapshot.Load(path) || !snapshot.valid) {
        return false;
    }
    // Rendered rows are already a bottom-up bitmap's: they are stored as they are.
    const quint8* rows = RenderBitmapRows(snapshot);
    if (rows) {
        target.FromPixels(cQVX::Width, cQVX::Height, rows);
    }
    return true;
}
