#include "pages/thumbnails/Thumbnail.h"

#include "pages/pictures/DecodeWarnings.h"
#include "pages/pictures/DibImage.h"
#include "pages/pictures/Picture.h"
#include "snapshot/MeasuredSnapshot.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <QFile>
#include <QPainter>

namespace {

QImage ScaleToThumbnail(const QImage& picture)
{
    QImage scaled = picture.size() == ThumbnailSize
        ? picture
        : picture.scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return scaled.convertToFormat(QImage::Format_RGB32);
}

ThumbnailResult Failed(ThumbnailFailure failure)
{
    return {QImage(), failure, {}};
}

bool Readable(const QString& path)
{
    if (path.isEmpty()) {
        return false;
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

bool IsBitmapFileName(const QString& path)
{
    return path.endsWith(QLatin1String("bmp"), Qt::CaseSensitive);
}

QImage FinishSnapshotThumbnail(const QImage& picture, const cQVX& snapshot)
{
    QImage thumbnail = ScaleToThumbnail(picture);
    QPainter painter(&thumbnail);
    const QRect target(QPoint(0, 0), ThumbnailSize);
    cQVX::DrawCentreMark(&painter, target);
    snapshot.DrawMarkers(&painter, target);
    return thumbnail;
}

ThumbnailResult MakeSnapshotThumbnail(const QString& path)
{
    if (!Readable(path)) {
        return Failed(ThumbnailFailure::NotReadable);
    }
    // One load serves both the picture and the markers drawn over it.
    cQVX snapshot;
    if (!snapshot.Load(path) || !snapshot.valid) {
        return Failed(ThumbnailFailure::SnapshotNotLoaded);
    }
    const QImage picture = RenderPicture(snapshot);
    if (picture.isNull()) {
        return Failed(ThumbnailFailure::NoSnapshotPicture);
    }
    return {FinishSnapshotThumbnail(picture, snapshot), ThumbnailFailure::None, {}};
}

ThumbnailResult MakeMeasuredThumbnail(const QString& path, const MeasurementSettings& settings)
{
    cQVX snapshot;
    if (!snapshot.Load(path) || !snapshot.valid) {
        return Failed(ThumbnailFailure::SnapshotNotLoaded);
    }
    const QImage picture = RenderMeasuredPicture(snapshot, settings);
    if (picture.isNull()) {
        return Failed(ThumbnailFailure::NoSnapshotPicture);
    }
    return {FinishSnapshotThumbnail(picture, snapshot), ThumbnailFailure::None};
}

ThumbnailResult MakeImageThumbnail(const QString& path)
{
    if (!Readable(path)) {
        return Failed(ThumbnailFailure::NotReadable);
    }
    if (IsBitmapFileName(path)) {
        DibImage bitmap;
        bitmap.LoadBmpFile(path);
        const QImage picture = bitmap.ToImage();
        if (!bitmap.IsValid() || picture.isNull()) {
            return Failed(ThumbnailFailure::InvalidBitmap);
        }
        return {ScaleToThumbnail(picture), ThumbnailFailure::None, {}};
    }
    const DecodeWarnings warnings;
    const auto picture = LoadPicture(path, DecodeLimit {ThumbnailSize, false});
    if (!picture) {
        return Failed(ThumbnailFailure::PictureNotDecodable);
    }
    if (!warnings.Messages().isEmpty()) {
        return {ScaleToThumbnail(picture->image), ThumbnailFailure::PictureHasErrors, warnings.Messages().join(u'\n')};
    }
    return {ScaleToThumbnail(picture->image), ThumbnailFailure::None, {}};
}
