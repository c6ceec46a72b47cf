#include "pages/thumbnails/ThumbnailFill.h"
#include "support/PageSamples.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ThumbnailFillTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (int i = 0; i < 12; ++i) {
            const QString name = QString("s%1.qvx").arg(i, 2, 10, QChar('0'));
            names << name;
            // Every third file is no snapshot and drops out of the result.
            i % 3 == 1 ? WriteFile(folder, name, "broken") : WriteSnapshot(folder, name, {{quint16(10 * i), 50, 100}});
        }
    }

    QStringList Expected() const
    {
        QStringList kept = names;
        kept.removeIf([](const QString& name) { return name.mid(1, 2).toInt() % 3 == 1; });
        return kept;
    }

    QTemporaryDir temporary;
    QDir folder {temporary.path()};
    QStringList names;
};

TEST_F(ThumbnailFillTest, DeliversInNameOrderLeavingOutFailedFiles)
{
    ThumbnailFill fill;
    QStringList delivered;
    QList<QImage> thumbnails;
    int batches = 0;
    QObject::connect(&fill, &ThumbnailFill::ThumbnailsReady, [&](const QStringList& names, const QList<QImage>& made) {
        ++batches;
        delivered << names;
        thumbnails << made;
    });
    QSignalSpy finished(&fill, &ThumbnailFill::Finished);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    EXPECT_TRUE(fill.Running());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(fill.Running());
    EXPECT_EQ(delivered, Expected());
    EXPECT_GE(batches, 1);
    for (int i = 0; i < delivered.size(); ++i) {
        EXPECT_EQ(thumbnails[i], MakeSnapshotThumbnail(folder.filePath(delivered[i])).image) << i;
    }
    // The blocking form gives the same thumbnails.
    const QList<ThumbnailResult> all = MakeThumbnails(ThumbnailFill::Snapshots, folder.path(), names);
    ASSERT_EQ(all.size(), thumbnails.size());
    for (int i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].image, thumbnails[i]);
    }
}

TEST_F(ThumbnailFillTest, RestartDropsTheEarlierFill)
{
    ThumbnailFill fill;
    QStringList delivered;
    QObject::connect(&fill, &ThumbnailFill::ThumbnailsReady, [&](const QStringList& names, const QList<QImage>&) {
        delivered << names;
    });
    QSignalSpy finished(&fill, &ThumbnailFill::Finished);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names.mid(0, 3));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(delivered, QStringList({"s00.qvx", "s02.qvx"}));
    EXPECT_EQ(finished.count(), 1);

    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    fill.Cancel();
    EXPECT_FALSE(fill.Running());
    EXPECT_FALSE(finished.wait(300));
}

TEST_F(ThumbnailFillTest, AnEmptyListFinishesAtOnce)
{
    ThumbnailFill fill;
    QSignalSpy ready(&fill, &ThumbnailFill::ThumbnailsReady);
    QSignalSpy finished(&fill, &ThumbnailFill::Finished);
    fill.Start(ThumbnailFill::Images, folder.path(), {});
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(ready.count(), 0);
}

} // namespace
