#include "MarkedPicture.h"

#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <QPainter>

QImage MarkedPicture(cQVX& snapshot, int scale)
{
    const QImage picture = RenderPicture(snapshot);
    if (picture.isNull() || scale < 1) {
        return {};
    }
    QImage marked = picture.convertToFormat(QImage::Format_RGB32)
                        .scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (marked.isNull()) {
        return {};
    }
    QPainter painter(&marked);
    const QRect target = marked.rect();
    cQVX::DrawCentreMark(&painter, target);
    snapshot.DrawMarkers(&painter, target);
    return marked;
}
