#include "MarkedPicture.h"

#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <QPainter>

namespace {

// The centre mark and the spot markers over a picture already at its final size.
QImage WithMarks(QImage picture, const cQVX& snapshot)
{
    if (picture.isNull()) {
        return {};
    }
    QPainter painter(&picture);
    const QRect target = picture.rect();
    cQVX::DrawCentreMark(&painter, target);
    snapshot.DrawMarkers(&painter, target);
    return picture;
}

} // namespace

QImage MarkedPicture(cQVX& snapshot, int scale)
{
    const QImage picture = RenderPicture(snapshot);
    if (picture.isNull() || scale < 1) {
        return {};
    }
    return WithMarks(picture.convertToFormat(QImage::Format_RGB32)
                         .scaled(picture.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                     snapshot);
}

QImage FittedMarkedPicture(cQVX& snapshot, int box)
{
    const QImage picture = RenderPicture(snapshot);
    if (picture.isNull() || box < 1) {
        return {};
    }
    const QSize size = picture.size().scaled(box, box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    return WithMarks(
        picture.convertToFormat(QImage::Format_RGB32).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
        snapshot);
}
