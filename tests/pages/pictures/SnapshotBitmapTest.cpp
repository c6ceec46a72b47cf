#include "pages/pictures/SnapshotBitmap.h"

#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SnapshotBitmap : public testing::Test
{
protected:
    QString WriteSnapshot(const QString& name, const SnapshotFileFields& fields)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteSnapshotFile(fields));
        return path;
    }

    static SnapshotFileFields Gradient()
    {
        SnapshotFileFields fields;
        std::vector<qint32> raw(cQVX::Width * cQVX::Height);
        for (int y = 0; y < cQVX::Height; ++y) {
            for (int x = 0; x < cQVX::Width; ++x) {
                raw[y * cQVX::Width + x] = 200 + x + 2 * y;
            }
        }
        fields.pixelStream = EncodePixelStream(raw);
        fields.markers = {{20, 30, 95}};
        return fields;
    }

    QTemporaryDir folder;
};

TEST_F(SnapshotBitmap, RendersTheSnapshotPictureBottomUp)
{
    const QString path = WriteSnapshot("gradient.qvx", Gradient());
    DibImage dib;
    ASSERT_TRUE(RenderSnapshotBitmap(path, dib));
    ASSERT_TRUE(dib.IsValid());
    EXPECT_EQ(dib.Width(), 160);
    EXPECT_EQ(dib.Height(), 120);
    EXPECT_EQ(dib.Bits().size(), 57600);

    cQVX snapshot;
    ASSERT_TRUE(snapshot.Load(path));
    const QImage expected = RenderPicture(snapshot).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(dib.ToImage(), expected);
    // The picture is not one flat colour: the gradient made it through.
    EXPECT_NE(expected.pixel(0, 0), expected.pixel(159, 119));
}

TEST_F(SnapshotBitmap, MissingOrInvalidFileLeavesTheTargetAlone)
{
    DibImage dib;
    std::vector<quint8> black(3 * 8 * 8);
    dib.FromPixels(8, 8, black.data());

    EXPECT_FALSE(RenderSnapshotBitmap(folder.filePath("missing.qvx"), dib));
    QFile junk(folder.filePath("junk.qvx"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(600, 'x'));
    junk.close();
    EXPECT_FALSE(RenderSnapshotBitmap(junk.fileName(), dib));
    EXPECT_EQ(dib.Width(), 8);
}

} // namespace
