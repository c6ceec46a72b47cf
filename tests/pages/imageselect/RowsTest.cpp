#include "PageFixture.h"

#include <QListWidget>
#include <QTreeWidget>

namespace {

class RowsTest : public PageFixture
{
protected:
    void SetUp() override
    {
        WriteSnapshots(3);
        RefreshSnapshots(snapshotDir.path());
        ClickItem(Child<QListWidget>("snapshotFolderList"), 1);
    }
};

TEST_F(RowsTest, AddingTheSameSnapshotTwiceMakesTwoInspections)
{
    page->Add();
    page->Add();
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_EQ(document.Project().Details().Count(), 2);
    EXPECT_EQ(LabelText(), "Inspections: 2");
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(page->RowSelection(row)->snapshotPath, snapshotDir.filePath("s1.qvx"));
        EXPECT_TRUE(page->RowSelection(row)->imagePath.isEmpty());
        EXPECT_EQ(page->RowThumbIndex(row, 0), Child<QListWidget>("snapshotFolderList")->item(1)->data(Qt::UserRole));
        EXPECT_EQ(page->RowThumbIndex(row, 1), -1);
    }
    EXPECT_EQ(page->RowSelection(2), nullptr);
    EXPECT_EQ(page->RowSelection(-1), nullptr);
    EXPECT_EQ(document.Project().CurrentPosition(), 0);
}

TEST_F(RowsTest, AddAllAddsEveryListedSnapshotInOrder)
{
    page->Add();
    page->AddAll();
    ASSERT_EQ(page->RowCount(), 4);
    EXPECT_EQ(document.Project().InspectionCount(), 4);
    for (int item = 0; item < 3; ++item) {
        EXPECT_EQ(page->RowSelection(item + 1)->snapshotPath, page->SnapshotItemPath(item));
    }
    EXPECT_EQ(LabelText(), "Inspections: 4");
}

TEST_F(RowsTest, RemovingTheOnlyRowLeavesNothingSelectedAndBlankPreviews)
{
    page->Add();
    ClickItem(Child<QTreeWidget>("inspectionsList"), 0);
    page->RemoveRow();
    EXPECT_EQ(page->RowCount(), 0);
    EXPECT_EQ(document.Project().Details().Count(), 0);
    EXPECT_EQ(page->SelectedRow(), -1);
    EXPECT_EQ(LabelText(), "Inspections: 0");
    EXPECT_TRUE(Child<SnapshotPreview>("snapshotPreview")->Blank());
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->Blank());
}

TEST_F(RowsTest, RemovingARowSelectsTheOneThatMovedUpAndDropsItsDetails)
{
    page->AddAll();
    document.Project().DetailsAt(2)->name = "third";
    ClickItem(Child<QTreeWidget>("inspectionsList"), 1);
    page->RemoveRow();
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_EQ(page->SelectedRow(), 1);
    EXPECT_EQ(page->RowSelection(1)->snapshotPath, page->SnapshotItemPath(2));
    EXPECT_EQ(document.Project().DetailsAt(1)->name, "third");
    // With nothing selected, Remove does nothing.
    Child<QTreeWidget>("inspectionsList")->clearSelection();
    page->RemoveRow();
    EXPECT_EQ(page->RowCount(), 2);
}

TEST_F(RowsTest, RemoveAllForgetsTheChoicesButKeepsTheThumbnails)
{
    page->AddAll();
    const auto thumbs = page->RowThumbs().size();
    page->RemoveAllRows();
    EXPECT_EQ(page->RowCount(), 0);
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_EQ(page->ChosenSnapshot(), -1);
    EXPECT_TRUE(page->PairFromTop());
    EXPECT_EQ(page->RowThumbs().size(), thumbs);
    page->Add();
    EXPECT_EQ(page->RowCount(), 0);
}

TEST_F(RowsTest, InspectionsChangedTellsTheDetailsPage)
{
    int changes = 0;
    QObject::connect(page.get(), &ImageSelectDlg::InspectionsChanged, [&] { ++changes; });
    page->Add();
    page->AddAll();
    ClickItem(Child<QTreeWidget>("inspectionsList"), 0);
    page->RemoveRow();
    page->RemoveAllRows();
    EXPECT_EQ(changes, 4);
}

} // namespace
