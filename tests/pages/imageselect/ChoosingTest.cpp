#include "PageFixture.h"

#include <QListWidget>
#include <QTest>
#include <QTreeView>

namespace {

class ChoosingTest : public PageFixture
{
protected:
    void SetUp() override
    {
        WriteSnapshots(3);
        WritePhotos(3);
        RefreshSnapshots(snapshotDir.path());
        RefreshImages(imageDir.path());
        snapshots = Child<QListWidget>("snapshotFolderList");
        images = Child<QListWidget>("imageFolderList");
        rows = Child<QTreeView>("inspectionsList");
        preview = Child<SnapshotPreview>("snapshotPreview");
    }

    QListWidget* snapshots = nullptr;
    QListWidget* images = nullptr;
    QTreeView* rows = nullptr;
    SnapshotPreview* preview = nullptr;
};

TEST_F(ChoosingTest, ClickChoosesAndPreviewsTheItemUnderTheMouse)
{
    ClickItem(snapshots, 2);
    EXPECT_EQ(page->ChosenSnapshot(), 2);
    EXPECT_FALSE(preview->Blank());
    EXPECT_EQ(preview->PreviewedPath(), page->SnapshotItemPath(2));
    EXPECT_TRUE(preview->PreviewBitmap().IsValid());

    ClickItem(images, 1);
    EXPECT_EQ(page->ChosenImage(), 1);
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->PreviewPicture().has_value());
    EXPECT_FALSE(Child<ImagePreview>("imagePreview")->Blank());
}

TEST_F(ChoosingTest, UpAndDownChooseTheNeighbourOfTheSelectionMark)
{
    ClickItem(snapshots, 0);
    PressKey(snapshots, Qt::Key_Down);
    EXPECT_EQ(page->ChosenSnapshot(), 1);
    EXPECT_EQ(snapshots->currentRow(), 1);
    EXPECT_EQ(preview->PreviewedPath(), page->SnapshotItemPath(1));
    PressKey(snapshots, Qt::Key_Down);
    PressKey(snapshots, Qt::Key_Down);
    EXPECT_EQ(page->ChosenSnapshot(), 2);
    PressKey(snapshots, Qt::Key_Up);
    PressKey(snapshots, Qt::Key_Up);
    PressKey(snapshots, Qt::Key_Up);
    EXPECT_EQ(page->ChosenSnapshot(), 0);

    ClickItem(images, 2);
    PressKey(images, Qt::Key_Up);
    EXPECT_EQ(page->ChosenImage(), 1);
}

TEST_F(ChoosingTest, DoubleClickAddsAndPairs)
{
    DoubleClickItem(snapshots, 1);
    ASSERT_EQ(page->RowCount(), 1);
    EXPECT_EQ(page->RowSelection(0)->snapshotPath, page->SnapshotItemPath(1));
    DoubleClickItem(images, 2);
    EXPECT_EQ(page->RowSelection(0)->imagePath, page->ImageItemPath(2));
}

TEST_F(ChoosingTest, DoubleClickOnEmptySpaceUsesTheItemChosenBefore)
{
    ClickItem(snapshots, 2);
    QTest::mouseDClick(snapshots->viewport(), Qt::LeftButton, {}, QPoint(5, snapshots->viewport()->height() - 5));
    ASSERT_EQ(page->RowCount(), 1);
    EXPECT_EQ(page->RowSelection(0)->snapshotPath, page->SnapshotItemPath(2));
}

TEST_F(ChoosingTest, RowKeysMoveFromTheCurrentRowNotTheSelection)
{
    page->AddAll();
    page->PairAll();
    ClickItem(rows, 0);
    EXPECT_EQ(page->CurrentRow(), 0);
    EXPECT_EQ(preview->PreviewedPath(), page->RowSelection(0)->snapshotPath);
    PressKey(rows, Qt::Key_Down);
    EXPECT_EQ(page->CurrentRow(), 1);
    EXPECT_EQ(preview->PreviewedPath(), page->RowSelection(1)->snapshotPath);
    PressKey(rows, Qt::Key_Down);
    PressKey(rows, Qt::Key_Down);
    EXPECT_EQ(page->CurrentRow(), 2);
    PressKey(rows, Qt::Key_Up);
    EXPECT_EQ(page->CurrentRow(), 1);
    // "<< Add" moves currentRow on by one, wherever the selection went.
    page->Pair();
    EXPECT_EQ(page->CurrentRow(), 2);
}

TEST_F(ChoosingTest, AddShowsTheNewRowsPreviews)
{
    ClickItem(images, 0);
    ClickItem(snapshots, 1);
    page->Add();
    EXPECT_EQ(preview->PreviewedPath(), page->SnapshotItemPath(1));
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->Blank());
    EXPECT_FALSE(Child<ImagePreview>("imagePreview")->PreviewPicture().has_value());
}

} // namespace
