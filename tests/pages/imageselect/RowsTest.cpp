#include "PageFixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <map>
#include <ostream>

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
    ClickItem(Child<QTreeView>("inspectionsList"), 0);
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
    ClickItem(Child<QTreeView>("inspectionsList"), 1);
    page->RemoveRow();
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_EQ(page->SelectedRow(), 1);
    EXPECT_EQ(page->RowSelection(1)->snapshotPath, page->SnapshotItemPath(2));
    EXPECT_EQ(document.Project().DetailsAt(1)->name, "third");
    // With nothing selected, Remove does nothing.
    Child<QTreeView>("inspectionsList")->clearSelection();
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

// Rows whose inspection data was typed are only dropped after the user agreed; empty rows go at once.
TEST_F(RowsTest, RemovingTypedDataAsksFirst)
{
    page->AddAll();
    ASSERT_EQ(page->RowCount(), 3);
    document.Project().DetailsAt(0)->name = "Pump";
    document.Project().DetailsAt(2)->repairPriority = 3;

    ClickItem(Child<QTreeView>("inspectionsList"), 1);
    page->RemoveRow();
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(page->RowCount(), 2);

    ClickItem(Child<QTreeView>("inspectionsList"), 0);
    dialogs.AnswerNextMessage(ResultNo);
    page->RemoveRow();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Inspection data has been entered for 1 of these inspections. Remove them anyway?");
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonsYesNo);
    EXPECT_EQ(page->RowCount(), 2);

    dialogs.AnswerNextMessage(ResultNo);
    page->RemoveAllRows();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith("Inspection data has been entered for 2 "));
    EXPECT_EQ(page->RowCount(), 2);

    dialogs.AnswerNextMessage(ResultYes);
    page->RemoveAllRows();
    EXPECT_EQ(page->RowCount(), 0);
    EXPECT_EQ(document.Project().Details().Count(), 0);
}

// Rows chosen with Ctrl-click go together, after one question for all the typed data among them.
TEST_F(RowsTest, SeveralSelectedRowsAreRemovedTogether)
{
    page->AddAll();
    page->AddAll();
    ASSERT_EQ(page->RowCount(), 6);
    document.Project().DetailsAt(1)->name = "B";
    document.Project().DetailsAt(4)->name = "E";
    document.Project().DetailsAt(5)->name = "F";
    auto* list = Child<QTreeView>("inspectionsList");
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    for (const int row : {4, 1, 3}) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    EXPECT_EQ(page->SelectedRows(), QList<int>({1, 3, 4}));
    dialogs.AnswerNextMessage(ResultYes);
    page->RemoveRow();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Inspection data has been entered for 2 "));
    ASSERT_EQ(page->RowCount(), 3);
    ASSERT_EQ(document.Project().Details().Count(), 3);
    EXPECT_EQ(document.Project().DetailsAt(2)->name, "F");
    EXPECT_EQ(page->RowSelection(1)->snapshotPath, page->SnapshotItemPath(2));
    EXPECT_EQ(page->SelectedRows(), QList<int>({1}));
    EXPECT_EQ(LabelText(), "Inspections: 3");
}

// A move as the buttons or Ctrl+Up / Ctrl+Down make it: the rows take their thumbnails, files and
// details records along, and the Inspection Data page stays on the inspection it showed.
struct RowMoveCase
{
    const char* name;
    QList<int> selected;
    bool up;
    bool keys;
    const char* order; // the details' names afterwards
    QList<int> selectedAfter;
};

void PrintTo(const RowMoveCase& c, std::ostream* out)
{
    *out << c.name;
}

class RowMoveTest : public RowsTest, public testing::WithParamInterface<RowMoveCase>
{
};

TEST_P(RowMoveTest, RowsCarryTheirInspections)
{
    const RowMoveCase& c = GetParam();
    page->AddAll();
    page->Add();
    ASSERT_EQ(page->RowCount(), 4);
    const char* names[] = {"A", "B", "C", "D"};
    std::map<QString, std::pair<QString, int>> filesOf;
    for (int row = 0; row < 4; ++row) {
        document.Project().DetailsAt(row)->name = names[row];
        filesOf[names[row]] = {page->RowSelection(row)->snapshotPath, page->RowThumbIndex(row, 0)};
    }
    document.Project().SetCurrentPosition(3); // "C"
    document.SetModified(false);
    auto* list = Child<QTreeView>("inspectionsList");
    list->clearSelection();
    for (const int row : c.selected) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    if (c.keys) {
        QTest::keyClick(list, c.up ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
    } else {
        Child<QPushButton>(c.up ? "moveUpButton" : "moveDownButton")->click();
    }
    QString order;
    for (int row = 0; row < 4; ++row) {
        const QString name = document.Project().DetailsAt(row)->name;
        order += name;
        EXPECT_EQ(page->RowSelection(row)->snapshotPath, filesOf[name].first);
        EXPECT_EQ(page->RowThumbIndex(row, 0), filesOf[name].second);
    }
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(page->SelectedRows(), c.selectedAfter);
    EXPECT_EQ(document.Project().DetailsAt(document.Project().CurrentPosition() - 1)->name, "C");
    EXPECT_EQ(document.IsModified(), order != "ABCD");
}

INSTANTIATE_TEST_SUITE_P(Moves,
                         RowMoveTest,
                         testing::Values(RowMoveCase {"one row up by button", {2}, true, false, "ACBD", {1}},
                                         RowMoveCase {"one row down by keys", {0}, false, true, "BACD", {1}},
                                         RowMoveCase {"two rows up by keys", {1, 3}, true, true, "BADC", {0, 2}},
                                         RowMoveCase {"a block down by button", {1, 2}, false, false, "ADBC", {2, 3}},
                                         RowMoveCase {"the first row cannot go up", {0, 2}, true, true, "ABCD", {0, 2}},
                                         RowMoveCase {"the last row cannot go down", {3}, false, false, "ABCD", {3}},
                                         RowMoveCase {"nothing selected", {}, true, false, "ABCD", {}}));

TEST_F(RowsTest, RowsShowTheFileNamesWithTheFullPathAsTooltip)
{
    page->Add();
    WritePhotos(1);
    RefreshImages(imageDir.path());
    ClickItem(Child<QTreeView>("inspectionsList"), 0);
    page->Pair();
    const QAbstractItemModel* model = Child<QTreeView>("inspectionsList")->model();
    EXPECT_EQ(model->index(0, 0).data().toString(), "s1.qvx");
    EXPECT_EQ(model->index(0, 0).data(Qt::ToolTipRole).toString(),
              QDir::toNativeSeparators(snapshotDir.filePath("s1.qvx")));
    EXPECT_EQ(model->index(0, 1).data().toString(), "p0.jpg");
    EXPECT_EQ(model->index(0, 1).data(Qt::ToolTipRole).toString(),
              QDir::toNativeSeparators(imageDir.filePath("p0.jpg")));
    page->Unpair();
    EXPECT_FALSE(model->index(0, 1).data().isValid());
    EXPECT_FALSE(model->index(0, 1).data(Qt::ToolTipRole).isValid());
}

TEST_F(RowsTest, InspectionsChangedTellsTheDetailsPage)
{
    int changes = 0;
    QObject::connect(page.get(), &ImageSelectDlg::InspectionsChanged, [&] { ++changes; });
    page->Add();
    page->AddAll();
    ClickItem(Child<QTreeView>("inspectionsList"), 0);
    page->RemoveRow();
    page->RemoveAllRows();
    EXPECT_EQ(changes, 4);
}

} // namespace

namespace {

enum class Command {
    Add,
    AddNothingChosen,
    Pair,
    PairTheSameImageAgain,
    PairAllNothingToPair,
    Unpair,
    UnpairAll,
    RemoveRow,
    RemoveAllRows,
    ClickAndStep,
};

struct EditCase
{
    const char* name;
    Command command;
    bool modifies;
};

void PrintTo(const EditCase& edit, std::ostream* out)
{
    *out << edit.name;
}

// Two rows, the first paired with image 1 and selected, in a project just saved.
class ModifiedTest : public PageFixture, public testing::WithParamInterface<EditCase>
{
protected:
    void SetUp() override
    {
        WriteSnapshots(3);
        WritePhotos(2);
        RefreshSnapshots(snapshotDir.path());
        RefreshImages(imageDir.path());
        ClickItem(Child<QListWidget>("snapshotFolderList"), 0);
        AddRows(2);
        ClickItem(Child<QListWidget>("imageFolderList"), 1);
        ClickItem(Child<QTreeView>("inspectionsList"), 0);
        page->Pair();
        ClickItem(Child<QTreeView>("inspectionsList"), 0);
        ASSERT_EQ(page->RowSelection(0)->imagePath, page->ImageItemPath(1));
        document.SetModified(false);
    }

    void Run(Command command)
    {
        auto* rows = Child<QTreeView>("inspectionsList");
        switch (command) {
        case Command::Add:
            page->Add();
            break;
        case Command::AddNothingChosen:
            Child<QListWidget>("snapshotFolderList")->clearSelection();
            page->Add();
            break;
        case Command::Pair:
            ClickItem(Child<QListWidget>("imageFolderList"), 0);
            page->Pair();
            break;
        case Command::PairTheSameImageAgain:
            page->Pair();
            break;
        case Command::PairAllNothingToPair:
            ClickItem(rows, 1);
            page->Pair();
            document.SetModified(false);
            page->PairAll();
            break;
        case Command::Unpair:
            page->Unpair();
            break;
        case Command::UnpairAll:
            page->UnpairAll();
            break;
        case Command::RemoveRow:
            page->RemoveRow();
            break;
        case Command::RemoveAllRows:
            page->RemoveAllRows();
            break;
        case Command::ClickAndStep:
            ClickItem(rows, 1);
            PressKey(rows, Qt::Key_Up);
            ClickItem(Child<QListWidget>("snapshotFolderList"), 2);
            PressKey(Child<QListWidget>("imageFolderList"), Qt::Key_Down);
            break;
        }
    }
};

TEST_P(ModifiedTest, OnlyACommandThatChangesTheRowsMarksTheProject)
{
    Run(GetParam().command);
    EXPECT_EQ(document.IsModified(), GetParam().modifies);
}

INSTANTIATE_TEST_SUITE_P(Commands,
                         ModifiedTest,
                         testing::Values(EditCase {"Add", Command::Add, true},
                                         EditCase {"AddNothingChosen", Command::AddNothingChosen, false},
                                         EditCase {"Pair", Command::Pair, true},
                                         EditCase {"PairTheSameImageAgain", Command::PairTheSameImageAgain, false},
                                         EditCase {"PairAllNothingToPair", Command::PairAllNothingToPair, false},
                                         EditCase {"Unpair", Command::Unpair, true},
                                         EditCase {"UnpairAll", Command::UnpairAll, true},
                                         EditCase {"RemoveRow", Command::RemoveRow, true},
                                         EditCase {"RemoveAllRows", Command::RemoveAllRows, true},
                                         EditCase {"ClickAndStep", Command::ClickAndStep, false}),
                         [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

} // namespace
