#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class cQVX;
struct MeasurementSettings;

// Every thumbnail of the Image Select page's lists has this size; the whole picture is scaled
// into it in both directions, so the aspect ratio is not kept.
inline constexpr QSize ThumbnailSize(106, 80);

// Why a thumbnail could not be made; the project load turns these into its messages.
enum class ThumbnailFailure {
    None,
    NotReadable, // the file cannot be opened
    SnapshotNotLoaded, // not readable, or not a valid snapshot
    NoSnapshotPicture, // a valid snapshot that renders nothing
    InvalidBitmap, // a ".bmp" file that is not a bitmap we can draw
    PictureNotDecodable, // any other picture file that does not decode
    PictureHasErrors, // decoded, but the decoder met corrupt or missing data: `detail` says what
};

struct ThumbnailResult
{
    QImage image; // 106 x 80, RGB32; null on failure, except for a picture with errors
    ThumbnailFailure failure = ThumbnailFailure::None;
    QString detail {}; // the decoder's own words for PictureHasErrors

    bool Ok() const { return failure == ThumbnailFailure::None; }
};

// Only names ending in exactly lower-case "bmp" are read as bitmap files; the others, an
// upper-case ".BMP" included, go through the picture decoder.
bool IsBitmapFileName(const QString& path);

// The snapshot rendered in its own palette and range, scaled to 106 x 80, with the centre mark
// and every spot marker drawn at thumbnail scale.
ThumbnailResult MakeSnapshotThumbnail(const QString& path);

// The same in the palette and colour range an inspection's settings choose.
ThumbnailResult MakeMeasuredThumbnail(const QString& path, const MeasurementSettings& settings);

// The same for a snapshot already loaded and rendered into its 160 x 120 picture.
QImage FinishSnapshotThumbnail(const QImage& picture, const cQVX& snapshot);

// A visual image (".bmp" bitmap or any picture the decoder reads) scaled to 106 x 80. Large
// photographs are decoded directly at thumbnail size; the whole file is still read, so data the
// decoder finds corrupt or missing is told.
ThumbnailResult MakeImageThumbnail(const QString& path);
