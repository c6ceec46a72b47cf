#include "pages/pictures/Picture.h"
#include "BmpBuilder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureFiles : public testing::Test
{
protected:
    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString Save(const QString& name, QImage image, const char* format)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    static QImage Photo(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
            }
        }
        return image;
    }

    QTemporaryDir folder;
};

TEST_F(PictureFiles, BitmapWithoutResolutionCountsNinetySixDotsPerInch)
{
    BmpBuilder builder;
    builder.width = 96;
    builder.height = 48;
    const auto picture = LoadPicture(Write("plain.bmp", builder.Build()));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image.size(), QSize(96, 48));
    EXPECT_EQ(picture->himetric, QSize(2540, 1270));
}

TEST_F(PictureFiles, ResolutionOfTheFileGivesTheSize)
{
    BmpBuilder builder;
    builder.width = 96;
    builder.height = 48;
    builder.pelsPerMetre = 2835; // 72 dots per inch
    const auto bitmap = LoadPicture(Write("printed.bmp", builder.Build()));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->himetric, QSize(3386, 1693));

    QImage image = Photo(300, 150);
    image.setDotsPerMeterX(11811); // 300 dots per inch
    image.setDotsPerMeterY(11811);
    const auto png = LoadPicture(Save("fine.png", image, "PNG"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->himetric, QSize(2540, 1270));
}

TEST_F(PictureFiles, LargePhotoIsDecodedAtTheLimitButMeasuredAtItsOwnSize)
{
    QImage photo = Photo(800, 600);
    photo.setDotsPerMeterX(11811);
    photo.setDotsPerMeterY(11811);
    const QString path = Save("large.jpg", photo, "JPEG");

    const auto stretched = LoadPicture(path, {QSize(200, 100), false});
    ASSERT_TRUE(stretched);
    EXPECT_EQ(stretched->image.size(), QSize(200, 100));
    EXPECT_EQ(stretched->himetric, QSize(6773, 5080));

    const auto proportional = LoadPicture(path, {QSize(200, 100), true});
    ASSERT_TRUE(proportional);
    EXPECT_EQ(proportional->image.size(), QSize(133, 100));

    const auto whole = LoadPicture(path, {QSize(2000, 2000), true});
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->image.size(), QSize(800, 600));
}

TEST(DecodedSize, NeverGrowsAndKeepsAtLeastOnePixel)
{
    EXPECT_EQ(DecodedSize(QSize(4000, 3000), {QSize(914, 700), false}), QSize(914, 700));
    EXPECT_EQ(DecodedSize(QSize(3000, 4000), {QSize(914, 700), false}), QSize(914, 700));
    EXPECT_EQ(DecodedSize(QSize(300, 4000), {QSize(914, 700), false}), QSize(300, 700));
    EXPECT_EQ(DecodedSize(QSize(4000, 10), {QSize(914, 700), true}), QSize(914, 2));
    EXPECT_EQ(DecodedSize(QSize(100000, 1), {QSize(10, 10), true}), QSize(10, 1));
    EXPECT_EQ(DecodedSize(QSize(640, 480), {}), QSize(640, 480));
}

TEST_F(PictureFiles, NothingForEmptyMissingOrUndecodableFiles)
{
    EXPECT_FALSE(LoadPicture(QString()));
    EXPECT_FALSE(LoadPicture(folder.filePath("missing.jpg")));
    EXPECT_FALSE(LoadPicture(Write("text.jpg", "not a picture at all")));
    EXPECT_FALSE(LoadPicture(Write("cut.jpg", QByteArray("\xFF\xD8\xFF\xE0", 4))));
}

TEST_F(PictureFiles, PictureFileLeavesLowerCaseBitmapsToTheBitmapReader)
{
    BmpBuilder builder;
    const QByteArray bytes = builder.Build();
    EXPECT_FALSE(LoadPictureFile(Write("lower.bmp", bytes)));
    const auto upper = LoadPictureFile(Write("upper.BMP", bytes));
    ASSERT_TRUE(upper);
    EXPECT_EQ(upper->size(), QSize(4, 3));
    const auto jpeg = LoadPictureFile(Save("photo.jpg", Photo(64, 48), "JPEG"));
    ASSERT_TRUE(jpeg);
    EXPECT_EQ(jpeg->size(), QSize(64, 48));
    EXPECT_FALSE(LoadPictureFile(folder.filePath("missing.jpg")));
}

} // namespace
