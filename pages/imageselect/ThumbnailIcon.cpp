#include "pages/imageselect/ThumbnailIcon.h"

#include <QPixmap>

QIcon ThumbnailIcon(const QImage& thumbnail)
{
    const QPixmap pixmap = QPixmap::fromImage(thumbnail);
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    return icon;
}
