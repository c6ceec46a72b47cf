#include "pages/imageselect/ThumbnailIcon.h"

#include "pages/thumbnails/Thumbnail.h"

#include <QPainter>
#include <QPixmap>

QIcon ThumbnailIcon(const QImage& thumbnail)
{
    const QPixmap pixmap = QPixmap::fromImage(thumbnail);
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}

QImage PendingThumbnail()
{
    QImage box(ThumbnailSize, QImage::Format_RGB32);
    box.fill(QColor(232, 232, 232));
    QPainter painter(&box);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(box.rect().adjusted(0, 0, -1, -1));
    return box;
}
