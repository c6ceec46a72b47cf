#include "pages/imageselect/UnreadableFiles.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QPainter>

QString UnreadableReason(const ThumbnailResult& result)
{
    switch (result.failure) {
    case ThumbnailFailure::None:
        return {};
    case ThumbnailFailure::NotReadable:
        return LoadAppString(StringId::FileNotReadable);
    case ThumbnailFailure::SnapshotNotLoaded:
        return LoadAppString(StringId::NotAReadableSnapshot);
    case ThumbnailFailure::NoSnapshotPicture:
        return LoadAppString(StringId::SnapshotWithoutPicture);
    case ThumbnailFailure::InvalidBitmap:
        return LoadAppString(StringId::NotAReadableBitmap);
    case ThumbnailFailure::PictureNotDecodable:
        return LoadAppString(StringId::PictureNotDecodable);
    case ThumbnailFailure::PictureHasErrors:
        return LoadAppString(StringId::PictureHasErrors).arg(result.detail);
    }
    return {};
}

QImage UnreadableThumbnail()
{
    QImage box(ThumbnailSize, QImage::Format_RGB32);
    box.fill(QColor(250, 232, 232));
    QPainter painter(&box);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(192, 0, 0), 2));
    painter.drawRect(box.rect().adjusted(1, 1, -1, -1));
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(
        box.rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, LoadAppString(StringId::CannotBeRead));
    return box;
}
