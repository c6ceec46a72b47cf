#include "pages/thumbnails/Thumbnail.h"
#include "snapshot/ColourValue.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"
#include "tests/support/PageSamples.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ThumbnailTest : public testing::Test
{
protected:
    QTemporaryDir temporary;
    QDir folder {temporary.path()};
};

// Where a marker's centre lands on the thumbnail: the sensor's columns run right to left.
QPoint ThumbnailPoint(const SnapshotMarker& marker)
{
    return {int(float(cQVX::Width - 1 - marker.x) * ThumbnailSize.width() / cQVX::Width),
            int(float(marker.y) * ThumbnailSize.height() / cQVX::Height)};
}

TEST_F(ThumbnailTest, SnapshotThumbnailShowsEveryMarkerAtThumbnailScaleAndNothingElse)
{
    const std::vector<SnapshotMarker> markers {{20, 20, 100}, {80, 100, 100}, {140, 60, 100}};
    const ThumbnailResult plain = MakeSnapshotThumbnail(WriteSnapshot(folder, "plain.qvx"));
    const ThumbnailResult marked = MakeSnapshotThumbnail(WriteSnapshot(folder, "marked.qvx", markers));
    ASSERT_TRUE(plain.Ok());
    ASSERT_TRUE(marked.Ok());
    ASSERT_EQ(marked.image.size(), ThumbnailSize);

    for (int index = 0; index < int(markers.size()); ++index) {
        const QPoint centre = ThumbnailPoint(markers[size_t(index)]);
        EXPECT_EQ(marked.image.pixelColor(centre), QColorFromColourValue(MarkerColours(index).line))
            << "marker " << index;
    }
    // Both carry the centre mark; every other difference lies within a marker's cross.
    for (int y = 0; y < ThumbnailSize.height(); ++y) {
        for (int x = 0; x < ThumbnailSize.width(); ++x) {
            if (marked.image.pixel(x, y) == plain.image.pixel(x, y)) {
                continue;
            }
            const bool nearMarker = std::any_of(markers.begin(), markers.end(), [&](const SnapshotMarker& marker) {
                const QPoint centre = ThumbnailPoint(marker);
                return std::abs(centre.x() - x) <= 6 && std::abs(centre.y() - y) <= 6;
            });
            EXPECT_TRUE(nearMarker) << "changed pixel at " << x << "," << y;
        }
    }
}

TEST_F(ThumbnailTest, SnapshotThumbnailCarriesTheCentreMarkOverTheScaledPicture)
{
    const QString path = WriteSnapshot(folder, "plain.qvx");
    cQVX snapshot;
    ASSERT_TRUE(snapshot.Load(path));
    const QImage scaled = RenderPicture(snapshot)
                              .scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    const ThumbnailResult thumbnail = MakeSnapshotThumbnail(path);
    ASSERT_TRUE(thumbnail.Ok());
    int changed = 0;
    for (int y = 0; y < ThumbnailSize.height(); ++y) {
        for (int x = 0; x < ThumbnailSize.width(); ++x) {
            if (thumbnail.image.pixel(x, y) != scaled.pixel(x, y)) {
                ++changed;
                EXPECT_LE(std::abs(x - ThumbnailSize.width() / 2), 6) << x << "," << y;
                EXPECT_LE(std::abs(y - ThumbnailSize.height() / 2), 6) << x << "," << y;
            }
        }
    }
    EXPECT_GT(changed, 0);
}

TEST_F(ThumbnailTest, FilesThatAreNoSnapshotFail)
{
    EXPECT_EQ(MakeSnapshotThumbnail(folder.filePath("missing.qvx")).failure, ThumbnailFailure::NotReadable);
    EXPECT_EQ(MakeSnapshotThumbnail(QString()).failure, ThumbnailFailure::NotReadable);
    EXPECT_EQ(MakeSnapshotThumbnail(WriteFile(folder, "junk.qvx", QByteArray(4000, 'x'))).failure,
              ThumbnailFailure::SnapshotNotLoaded);
}

struct PhotoCase
{
    const char* name;
    QSize size;
    Qt::Orientation split;
};

class PhotoThumbnailTest : public ThumbnailTest, public testing::WithParamInterface<PhotoCase>
{
};

// Landscape or portrait, bitmap or JPEG, small or huge: the whole picture fills 106 x 80.
TEST_P(PhotoThumbnailTest, WholePictureIsScaledWithoutKeepingTheAspect)
{
    const PhotoCase& photo = GetParam();
    const QString path = WritePhoto(folder, photo.name, TwoColourPhoto(photo.size, Qt::red, Qt::blue, photo.split));
    const ThumbnailResult thumbnail = MakeImageThumbnail(path);
    ASSERT_TRUE(thumbnail.Ok());
    ASSERT_EQ(thumbnail.image.size(), ThumbnailSize);
    const bool across = photo.split == Qt::Horizontal;
    const QPoint firstHalf = across ? QPoint(10, 40) : QPoint(53, 10);
    const QPoint secondHalf = across ? QPoint(95, 40) : QPoint(53, 70);
    EXPECT_TRUE(NearColour(thumbnail.image.pixelColor(firstHalf), Qt::red, 40));
    EXPECT_TRUE(NearColour(thumbnail.image.pixelColor(secondHalf), Qt::blue, 40));
    // The boundary sits in the middle: the picture was neither cropped nor padded.
    const QPoint beforeMiddle = across ? QPoint(50, 40) : QPoint(53, 37);
    const QPoint afterMiddle = across ? QPoint(56, 40) : QPoint(53, 43);
    EXPECT_TRUE(NearColour(thumbnail.image.pixelColor(beforeMiddle), Qt::red, 60));
    EXPECT_TRUE(NearColour(thumbnail.image.pixelColor(afterMiddle), Qt::blue, 60));
}

INSTANTIATE_TEST_SUITE_P(Photos,
                         PhotoThumbnailTest,
                         testing::Values(PhotoCase {"landscape.jpg", {640, 480}, Qt::Horizontal},
                                         PhotoCase {"portrait.jpg", {480, 640}, Qt::Vertical},
                                         PhotoCase {"landscape.bmp", {640, 480}, Qt::Horizontal},
                                         PhotoCase {"portrait.bmp", {480, 640}, Qt::Vertical},
                                         PhotoCase {"upper.BMP", {320, 240}, Qt::Horizontal},
                                         PhotoCase {"tiny.jpg", {40, 30}, Qt::Horizontal},
                                         PhotoCase {"huge.jpg", {4000, 3000}, Qt::Horizontal}));

struct BrokenPicture
{
    const char* name;
    // "jpeg": a real JPEG picture, "half": its first half, "none": no file; otherwise the bytes themselves
    const char* content;
    ThumbnailFailure failure;
};

class BrokenPictureTest : public ThumbnailTest, public testing::WithParamInterface<BrokenPicture>
{
};

// Only an exactly lower-case ".bmp" name is read as a bitmap; anything else is decoded.
TEST_P(BrokenPictureTest, FailureNamesTheReader)
{
    const BrokenPicture& broken = GetParam();
    QString path;
    const QByteArray content(broken.content);
    if (content == "jpeg" || content == "half") {
        const QString jpeg = WritePhoto(folder, "real.jpg", TwoColourPhoto({640, 480}, Qt::red, Qt::blue));
        QFile source(jpeg);
        ASSERT_TRUE(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        path = WriteFile(folder, broken.name, content == "half" ? bytes.left(bytes.size() / 2) : bytes);
    } else if (content == "none") {
        path = folder.filePath(broken.name);
    } else {
        path = WriteFile(folder, broken.name, broken.content);
    }
    const ThumbnailResult made = MakeImageThumbnail(path);
    EXPECT_EQ(made.failure, broken.failure);
    // A picture with errors still has its thumbnail, and the decoder's words say what is wrong.
    EXPECT_EQ(made.image.isNull(),
              broken.failure != ThumbnailFailure::None && broken.failure != ThumbnailFailure::PictureHasErrors);
    EXPECT_EQ(made.detail.isEmpty(), broken.failure != ThumbnailFailure::PictureHasErrors);
}

INSTANTIATE_TEST_SUITE_P(
    Pictures,
    BrokenPictureTest,
    testing::Values(BrokenPicture {"photo.bmp", "jpeg", ThumbnailFailure::InvalidBitmap},
                    BrokenPicture {"photo.BMP", "jpeg", ThumbnailFailure::None},
                    BrokenPicture {"photo.jpg", "jpeg", ThumbnailFailure::None},
                    BrokenPicture {"short.bmp", "BM", ThumbnailFailure::InvalidBitmap},
                    BrokenPicture {"junk.jpg", "not a picture at all", ThumbnailFailure::PictureNotDecodable},
                    BrokenPicture {"junk.BMP", "BM not a bitmap", ThumbnailFailure::PictureNotDecodable},
                    BrokenPicture {"cut.jpg", "half", ThumbnailFailure::PictureHasErrors},
                    BrokenPicture {"cut.JPG", "half", ThumbnailFailure::PictureHasErrors},
                    BrokenPicture {"gone.jpg", "none", ThumbnailFailure::NotReadable},
                    BrokenPicture {"gone.bmp", "none", ThumbnailFailure::NotReadable}));

TEST(BitmapFileName, OnlyTheExactLowerCaseEndingCounts)
{
    EXPECT_TRUE(IsBitmapFileName("/a/photo.bmp"));
    EXPECT_TRUE(IsBitmapFileName("photobmp"));
    EXPECT_FALSE(IsBitmapFileName("photo.BMP"));
    EXPECT_FALSE(IsBitmapFileName("photo.Bmp"));
    EXPECT_FALSE(IsBitmapFileName("photo.jpg"));
}

} // namespace
