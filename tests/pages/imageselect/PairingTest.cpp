#include "PageFixture.h"

#include <QListWidget>
#include <QTreeView>

namespace {

// Five snapshots listed, `rows` rows added in order, `images` photos listed.
class PairingTest : public PageFixture
{
protected:
    void Prepare(int rows, int images)
    {
        WriteSnapshots(5);
        WritePhotos(images);
        RefreshSnapshots(snapshotDir.path());
        if (images > 0) {
            RefreshImages(imageDir.path());
        }
        auto* snapshots = Child<QListWidget>("snapshotFolderList");
        for (int row = 0; row < rows; ++row) {
            ClickItem(snapshots, row);
            page->Add();
        }
        Child<QTreeView>("inspectionsList")->clearSelection();
    }

    // The image item paired with each row, -1 for none; checked against path and thumbnail.
    std::vector<int> PairedItems() const
    {
        std::vector<int> items;
        for (int row = 0; row < page->RowCount(); ++row) {
            const QString path = page->RowSelection(row)->imagePath;
            int item = -1;
            for (int k = 0; k < page->ImageNames().size(); ++k) {
                if (page->ImageItemPath(k) == path) {
                    item = k;
                }
            }
            const auto* list = Child<QListWidget>("imageFolderList");
            const int expectedThumb = item < 0 ? -1 : list->item(item)->data(Qt::UserRole).toInt();
            EXPECT_EQ(page->RowThumbIndex(row, 1), expectedThumb) << "row " << row;
            items.push_back(item);
        }
        return items;
    }
};

TEST_F(PairingTest, PairWithoutSelectionFillsTheFirstOfTheUnpairedRowsAtTheEnd)
{
    Prepare(5, 3);
    PairRows({true, true, true, false, false});
    ClickItem(Child<QListWidget>("imageFolderList"), 2);
    page->Pair();
    EXPECT_EQ(PairedItems(), std::vector<int>({0, 0, 0, 2, -1}));
    EXPECT_EQ(page->SelectedRow(), 4);
    EXPECT_FALSE(page->PairFromTop());
}

TEST_F(PairingTest, PairWithEveryRowPairedReplacesTheImageOfRowZero)
{
    Prepare(3, 3);
    PairRows({true, true, true});
    ClickItem(Child<QListWidget>("imageFolderList"), 1);
    page->Pair();
    EXPECT_EQ(PairedItems(), std::vector<int>({1, 0, 0}));
    EXPECT_EQ(page->SelectedRow(), 1);
}

TEST_F(PairingTest, PairPairsTheSelectedRow)
{
    Prepare(3, 3);
    ClickItem(Child<QTreeView>("inspectionsList"), 1);
    ClickItem(Child<QListWidget>("imageFolderList"), 2);
    page->Pair();
    EXPECT_EQ(PairedItems(), std::vector<int>({-1, 2, -1}));
    EXPECT_EQ(page->SelectedRow(), 2);
}

TEST_F(PairingTest, PairWithNoImageChosenUsesTheFirstImage)
{
    Prepare(2, 3);
    EXPECT_EQ(page->ChosenImage(), -1);
    page->Pair();
    EXPECT_EQ(PairedItems(), std::vector<int>({0, -1}));
    EXPECT_EQ(page->ChosenImage(), 0);
}

TEST_F(PairingTest, PairWithNoRowsChangesNothing)
{
    Prepare(0, 3);
    page->Pair();
    EXPECT_EQ(page->RowCount(), 0);
    EXPECT_TRUE(page->PairFromTop());
}

struct PairAllCase
{
    int images;
    int rows;
    std::vector<int> paired;
    int selected;
};

class PairAllTest : public PairingTest, public testing::WithParamInterface<PairAllCase>
{
};

// After "Remove All >>", "<< Add All" pairs from the top, image after image.
TEST_P(PairAllTest, PairsFromTheTopAfterUnpairAll)
{
    const PairAllCase& pairing = GetParam();
    Prepare(pairing.rows, pairing.images);
    page->Pair();
    page->UnpairAll();
    EXPECT_TRUE(page->PairFromTop());
    page->PairAll();
    EXPECT_EQ(PairedItems(), pairing.paired);
    EXPECT_EQ(page->SelectedRow(), pairing.selected);
    EXPECT_FALSE(page->PairFromTop());
}

INSTANTIATE_TEST_SUITE_P(Counts,
                         PairAllTest,
                         testing::Values(PairAllCase {5, 3, {0, 1, 2}, 2},
                                         PairAllCase {2, 5, {0, 1, -1, -1, -1}, 2},
                                         PairAllCase {3, 3, {0, 1, 2}, 2}));

TEST_F(PairingTest, PairAllContinuesAtTheUnpairedRowsOnceNotFromTheTop)
{
    Prepare(5, 2);
    page->PairAll();
    EXPECT_EQ(PairedItems(), std::vector<int>({0, 1, -1, -1, -1}));
    page->PairAll();
    EXPECT_EQ(PairedItems(), std::vector<int>({0, 1, 0, 1, -1}));
    EXPECT_EQ(page->SelectedRow(), 4);
}

TEST_F(PairingTest, PairAllDoesNothingWhenNotFromTheTopAndTheLastRowIsPaired)
{
    Prepare(3, 3);
    page->PairAll();
    ClickItem(Child<QListWidget>("imageFolderList"), 2);
    ClickItem(Child<QTreeView>("inspectionsList"), 0);
    page->Unpair();
    ASSERT_EQ(PairedItems(), std::vector<int>({-1, 1, 2}));
    page->PairAll();
    EXPECT_EQ(PairedItems(), std::vector<int>({-1, 1, 2}));
}

TEST_F(PairingTest, UnpairClearsOnlyTheSelectedRow)
{
    Prepare(3, 3);
    page->PairAll();
    Child<QTreeView>("inspectionsList")->clearSelection();
    page->Unpair();
    EXPECT_EQ(PairedItems(), std::vector<int>({0, 1, 2}));
    ClickItem(Child<QTreeView>("inspectionsList"), 1);
    page->Unpair();
    EXPECT_EQ(PairedItems(), std::vector<int>({0, -1, 2}));
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->Blank());
}

} // namespace
