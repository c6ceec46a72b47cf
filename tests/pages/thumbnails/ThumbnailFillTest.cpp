#include "pages/thumbnails/ThumbnailFill.h"
#include "tests/support/PageSamples.h"

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

// What a fill delivered: every name's outcome, in order, and in how many batches.
struct Delivered
{
    QList<ThumbnailResult> results;
    int batches = 0;

    void Connect(ThumbnailFill& fill)
    {
        QObject::connect(&fill, &ThumbnailFill::ThumbnailsReady, [this](int first, const QList<ThumbnailResult>& made) {
            EXPECT_EQ(first, results.size()) << "each batch continues the one before";
            ++batches;
            results << made;
        });
    }

    QStringList OkNames(const QStringList& names) const
    {
        QStringList ok;
        for (int i = 0; i < results.size(); ++i) {
            if (results[i].Ok()) {
                ok << names[i];
            }
        }
        return ok;
    }
};

TEST_F(ThumbnailFillTest, DeliversEveryFileInNameOrderWithItsOutcome)
{
    ThumbnailFill fill;
    Delivered delivered;
    delivered.Connect(fill);
    QSignalSpy finished(&fill, &ThumbnailFill::Finished);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    EXPECT_TRUE(fill.Running());
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_FALSE(fill.Running());
    ASSERT_EQ(delivered.results.size(), names.size());
    EXPECT_EQ(delivered.OkNames(names), Expected());
    EXPECT_GE(delivered.batches, 1);
    for (int i = 0; i < names.size(); ++i) {
        const ThumbnailResult made = MakeSnapshotThumbnail(folder.filePath(names[i]));
        EXPECT_EQ(delivered.results[i].failure, made.failure) << i;
        EXPECT_EQ(delivered.results[i].image, made.image) << i;
    }
    // The blocking form gives the same thumbnails, leaving out the failed files.
    const QList<ThumbnailResult> all = MakeThumbnails(ThumbnailFill::Snapshots, folder.path(), names);
    ASSERT_EQ(all.size(), Expected().size());
    for (int i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].image, MakeSnapshotThumbnail(folder.filePath(Expected()[i])).image);
    }
}

TEST_F(ThumbnailFillTest, RestartDropsTheEarlierFill)
{
    ThumbnailFill fill;
    Delivered delivered;
    delivered.Connect(fill);
    QSignalSpy finished(&fill, &ThumbnailFill::Finished);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names.mid(0, 3));
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(delivered.results.size(), 3);
    EXPECT_EQ(delivered.OkNames(names), QStringList({"s00.qvx", "s02.qvx"}));
    EXPECT_EQ(finished.count(), 1);

    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    fill.Cancel();
    EXPECT_FALSE(fill.Running());
    EXPECT_FALSE(finished.wait(300));
}

// A list whose rows wait for its thumbnails gets the rest at once, and nothing more later.
TEST_F(ThumbnailFillTest, CompleteDeliversTheRestBeforeReturning)
{
    ThumbnailFill fill;
    Delivered delivered;
    delivered.Connect(fill);
    QSignalSpy finished(&fill, &ThumbnailFill::Finished);
    fill.Start(ThumbnailFill::Snapshots, folder.path(), names);
    fill.Complete();
    EXPECT_FALSE(fill.Running());
    EXPECT_EQ(finished.count(), 1);
    ASSERT_EQ(delivered.results.size(), names.size());
    EXPECT_EQ(delivered.OkNames(names), Expected());
    EXPECT_FALSE(finished.wait(300));
    EXPECT_EQ(delivered.results.size(), names.size());
    fill.Complete();
    EXPECT_EQ(finished.count(), 1);
}

TEST_F(ThumbnailFillTest, PathsKeepOneResultEachFailuresIncluded)
{
    const QStringList paths {
        folder.filePath("s00.qvx"), folder.filePath("s01.qvx"), QString(), folder.filePath("s02.qvx")};
    const QList<ThumbnailResult> made = MakeThumbnailsOfPaths(ThumbnailFill::Snapshots, paths);
    ASSERT_EQ(made.size(), 4);
    EXPECT_TRUE(made[0].Ok());
    EXPECT_EQ(made[1].failure, ThumbnailFailure::SnapshotNotLoaded);
    EXPECT_EQ(made[2].failure, ThumbnailFailure::NotReadable);
    EXPECT_EQ(made[3].image, MakeSnapshotThumbnail(paths[3]).image);
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
