#include "PageFixture.h"

#include "pages/imageselect/InspectionRowsModel.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

using FoldersTest = PageFixture;

// Label, thumbnail, the copy rows show and the path Add and Pair use are one file, item by item. A
// file that cannot be used shows its reason instead, and gives Add and Pair no path.
void ExpectListMatchesNames(ImageSelectDlg& page, QListWidget* list, bool snapshots, const QDir& folder)
{
    const QStringList& names = snapshots ? page.SnapshotNames() : page.ImageNames();
    const QList<QImage>& thumbs = snapshots ? page.SnapshotThumbs() : page.ImageThumbs();
    ASSERT_EQ(list->count(), names.size());
    ASSERT_EQ(thumbs.size(), names.size());
    for (int k = 0; k < list->count(); ++k) {
        EXPECT_EQ(list->item(k)->text(), names[k]);
        const QString full = folder.filePath(names[k]);
        const ThumbnailResult made = snapshots ? MakeSnapshotThumbnail(full) : MakeImageThumbnail(full);
        const QString reason = snapshots ? page.SnapshotUnreadableReason(k) : page.ImageUnreadableReason(k);
        const QString path = snapshots ? page.SnapshotItemPath(k) : page.ImageItemPath(k);
        EXPECT_EQ(reason.isEmpty(), made.Ok()) << names[k].toStdString();
        if (!made.Ok()) {
            EXPECT_TRUE(path.isEmpty());
            EXPECT_TRUE(thumbs[k].isNull());
            EXPECT_EQ(list->item(k)->toolTip(), names[k] + '\n' + reason);
            continue;
        }
        EXPECT_EQ(path, full);
        EXPECT_EQ(thumbs[k], made.image) << names[k].toStdString();
        EXPECT_EQ(page.RowThumbs().at(list->item(k)->data(Qt::UserRole).toInt()), made.image);
    }
}

TEST_F(FoldersTest, RefreshListsBitmapsBeforeJpegFilesAndBrowseTheOtherWayRound)
{
    WritePhoto(imageDir, "b.jpg", TwoColourPhoto({64, 48}, Qt::red, Qt::white));
    WritePhoto(imageDir, "a.bmp", TwoColourPhoto({64, 48}, Qt::green, Qt::white));
    WritePhoto(imageDir, "c.JPG", TwoColourPhoto({64, 48}, Qt::blue, Qt::white));
    RefreshImages(imageDir.path());
    EXPECT_EQ(page->ImageNames(), QStringList({"a.bmp", "b.jpg", "c.JPG"}));
    ExpectListMatchesNames(*page, Child<QListWidget>("imageFolderList"), false, imageDir);

    dialogs.ChooseNextFile(imageDir.filePath("b.jpg"));
    page->BrowseImageFolder();
    WaitForFill();
    EXPECT_EQ(page->ImageNames(), QStringList({"b.jpg", "c.JPG", "a.bmp"}));
    ExpectListMatchesNames(*page, Child<QListWidget>("imageFolderList"), false, imageDir);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].defaultSuffix, "jpg");
    EXPECT_TRUE(dialogs.fileRequests[0].filter.startsWith("All Image Files"));
}

struct BrowseFilterCase
{
    const char* filter;
    int filterIndex; // its position in the dialog's filter list
    QStringList names;
};

void PrintTo(const BrowseFilterCase& filterCase, std::ostream* out)
{
    *out << filterCase.filter;
}

class BrowseFilterTest : public PageFixture, public testing::WithParamInterface<BrowseFilterCase>
{
};

TEST_P(BrowseFilterTest, TheChosenFilterDecidesWhichImagesAreListed)
{
    WritePhoto(imageDir, "b.jpg", TwoColourPhoto({64, 48}, Qt::red, Qt::white));
    WritePhoto(imageDir, "a.bmp", TwoColourPhoto({64, 48}, Qt::green, Qt::white));
    dialogs.ChooseNextFile(imageDir.filePath("a.bmp"), GetParam().filterIndex);
    page->BrowseImageFolder();
    WaitForFill();
    EXPECT_EQ(page->ImageFolder(), imageDir.path());
    EXPECT_EQ(page->ImageNames(), GetParam().names);
    ExpectListMatchesNames(*page, Child<QListWidget>("imageFolderList"), false, imageDir);
}

INSTANTIATE_TEST_SUITE_P(Filters,
                         BrowseFilterTest,
                         testing::Values(BrowseFilterCase {"AllImageFiles", 0, {"b.jpg", "a.bmp"}},
                                         BrowseFilterCase {"JpegFiles", 1, {"b.jpg"}},
                                         BrowseFilterCase {"BmpFiles", 2, {"a.bmp"}},
                                         BrowseFilterCase {"AllFiles", 3, {"b.jpg", "a.bmp"}}),
                         [](const testing::TestParamInfo<BrowseFilterCase>& info) {
                             return std::string(info.param.filter);
                         });

TEST_F(FoldersTest, BrowseListsTheFolderOfTheChosenFile)
{
    WriteSnapshots(2);
    dialogs.ChooseNextFile(snapshotDir.filePath("s1.qvx"));
    Child<QLineEdit>("imageFolderEdit")->setText("typed but not refreshed");
    page->BrowseSnapshotFolder();
    WaitForFill();
    EXPECT_EQ(page->SnapshotFolder(), snapshotDir.path());
    EXPECT_EQ(EditText("snapshotFolderEdit"), snapshotDir.path());
    // The page's fields go back into both boxes.
    EXPECT_EQ(EditText("imageFolderEdit"), "");
    EXPECT_EQ(page->SnapshotNames(), QStringList({"s0.qvx", "s1.qvx"}));
    EXPECT_EQ(dialogs.fileRequests.at(0).defaultSuffix, "qvx");
    EXPECT_EQ(Child<QListWidget>("snapshotFolderList")->currentRow(), 0);
    EXPECT_TRUE(Child<SnapshotPreview>("snapshotPreview")->Blank());

    dialogs.ChooseNextFile(std::nullopt);
    page->BrowseSnapshotFolder();
    EXPECT_EQ(page->SnapshotNames().size(), 2);
}

// Hidden files are left out; files that cannot be used are listed, marked with their reason, and
// neither Add nor Pair takes them.
struct UnusableFileCase
{
    const char* name;
    bool snapshot;
    QByteArray (*content)();
    const char* reason; // empty when the file can be used
};

QByteArray GoodPhoto()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TwoColourPhoto({320, 240}, Qt::red, Qt::blue).save(&buffer, "JPG");
    return bytes;
}

void PrintTo(const UnusableFileCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnusableFileTest : public PageFixture, public testing::WithParamInterface<UnusableFileCase>
{
};

TEST_P(UnusableFileTest, IsListedWithItsReasonAndCannotBeTaken)
{
    const UnusableFileCase& c = GetParam();
    WriteSnapshots(1);
    WriteSnapshot(snapshotDir, ".hidden.qvx");
    WritePhoto(imageDir, "a.jpg", TwoColourPhoto({64, 48}, Qt::red, Qt::blue));
    WriteFile(c.snapshot ? snapshotDir : imageDir, c.name, c.content());
    RefreshSnapshots(snapshotDir.path());
    RefreshImages(imageDir.path());
    const QStringList& names = c.snapshot ? page->SnapshotNames() : page->ImageNames();
    ASSERT_EQ(names.size(), 2);
    const int item = int(names.indexOf(c.name));
    ASSERT_GE(item, 0);
    EXPECT_TRUE(
        (c.snapshot ? page->SnapshotUnreadableReason(item) : page->ImageUnreadableReason(item)).startsWith(c.reason));
    ExpectListMatchesNames(*page,
                           Child<QListWidget>(c.snapshot ? "snapshotFolderList" : "imageFolderList"),
                           c.snapshot,
                           c.snapshot ? snapshotDir : imageDir);
    EXPECT_TRUE(dialogs.messages.empty());

    ClickItem(Child<QListWidget>("snapshotFolderList"), c.snapshot ? item : 0);
    page->Add();
    // A double-click is Add too.
    DoubleClickItem(Child<QListWidget>("snapshotFolderList"), c.snapshot ? item : 0);
    page->RemoveAllRows();
    ClickItem(Child<QListWidget>("snapshotFolderList"), c.snapshot ? item : 0);
    page->Add();
    ASSERT_EQ(page->RowCount(), c.snapshot ? 0 : 1);
    if (!c.snapshot) {
        ClickItem(Child<QListWidget>("imageFolderList"), item);
        page->Pair();
        page->PairAll();
        EXPECT_EQ(page->RowSelection(0)->imagePath, imageDir.filePath("a.jpg"));
    }
    page->AddAll();
    EXPECT_EQ(page->RowCount(), c.snapshot ? 1 : 2);
}

QByteArray NotASnapshot()
{
    return "not a snapshot";
}

QByteArray TruncatedPhoto()
{
    return GoodPhoto().left(GoodPhoto().size() / 2);
}

QByteArray NotAPicture()
{
    return "no picture at all";
}

QByteArray NotABitmap()
{
    return "BM but nothing else";
}

INSTANTIATE_TEST_SUITE_P(
    Files,
    UnusableFileTest,
    testing::Values(
        UnusableFileCase {"broken.qvx", true, NotASnapshot, "This is not a snapshot file that can be read."},
        UnusableFileCase {"cut.jpg", false, TruncatedPhoto, "The picture has damaged data:\nCorrupt JPEG data"},
        UnusableFileCase {"text.jpg", false, NotAPicture, "The picture cannot be decoded."},
        UnusableFileCase {"text.bmp", false, NotABitmap, "This is not a bitmap file that can be read."}));

TEST_F(FoldersTest, AFileThatCannotBeOpenedIsMarkedAsSuch)
{
    WriteSnapshots(1);
    const QString locked = WriteSnapshot(snapshotDir, "locked.qvx");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    if (QFile(locked).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this user reads files whatever their permissions";
    }
    RefreshSnapshots(snapshotDir.path());
    EXPECT_EQ(page->SnapshotNames(), QStringList({"locked.qvx", "s0.qvx"}));
    EXPECT_EQ(page->SnapshotUnreadableReason(0), "The file cannot be opened.");
}

TEST_F(FoldersTest, AFolderWithoutSnapshotsKeepsThePreviousList)
{
    WriteSnapshots(2);
    RefreshSnapshots(snapshotDir.path());
    WriteSnapshot(imageDir, ".hidden.qvx");
    RefreshSnapshots(imageDir.path());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "QVX snapshot files not found in this folder.");
    EXPECT_EQ(dialogs.messages[0].icon, IconExclamation);
    EXPECT_EQ(EditText("snapshotFolderEdit"), snapshotDir.path());
    EXPECT_EQ(page->SnapshotFolder(), snapshotDir.path());
    EXPECT_EQ(page->SnapshotNames(), QStringList({"s0.qvx", "s1.qvx"}));
    EXPECT_EQ(Child<QListWidget>("snapshotFolderList")->count(), 2);

    RefreshImages(snapshotDir.path());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Image files not found in this folder.");
}

TEST_F(FoldersTest, AnEmptyFolderBoxIsRefusedAndThePreviousFolderComesBack)
{
    WriteSnapshots(1);
    RefreshSnapshots(snapshotDir.path());
    RefreshSnapshots("");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Invalid snapshot folder");
    EXPECT_EQ(dialogs.messages[0].icon, IconExclamation);
    EXPECT_EQ(EditText("snapshotFolderEdit"), snapshotDir.path());

    RefreshImages("");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text, "Invalid image folder");
    EXPECT_EQ(EditText("imageFolderEdit"), "");
}

TEST_F(FoldersTest, EnterInAFolderBoxListsTheFolderAsRefreshDoes)
{
    WriteSnapshots(2);
    WritePhotos(1);
    WriteFile(imageDir, "a.bmp", "BM but nothing else");
    for (const char* edit : {"snapshotFolderEdit", "imageFolderEdit"}) {
        const bool snapshots = QByteArray(edit) == "snapshotFolderEdit";
        Child<QLineEdit>(edit)->setText((snapshots ? snapshotDir : imageDir).path());
        QTest::keyClick(Child<QLineEdit>(edit), Qt::Key_Return);
        WaitForFill();
    }
    EXPECT_EQ(page->SnapshotNames(), QStringList({"s0.qvx", "s1.qvx"}));
    // Bitmaps before JPEG files, as Refresh lists them.
    EXPECT_EQ(page->ImageNames(), QStringList({"a.bmp", "p0.jpg"}));
    EXPECT_EQ(page->SnapshotFolder(), snapshotDir.path());
    EXPECT_TRUE(dialogs.messages.empty());
}

// A folder that is not there is told, and the typed text stays for the user to correct.
TEST_F(FoldersTest, ATypedFolderThatDoesNotExistIsToldAndKept)
{
    WriteSnapshots(2);
    RefreshSnapshots(snapshotDir.path());
    const QString typo = snapshotDir.filePath("no such folder");
    for (const char* edit : {"snapshotFolderEdit", "imageFolderEdit"}) {
        dialogs.messages.clear();
        Child<QLineEdit>(edit)->setText(typo);
        QTest::keyClick(Child<QLineEdit>(edit), Qt::Key_Return);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "The folder " + QDir::toNativeSeparators(typo) + " does not exist.");
        EXPECT_EQ(dialogs.messages[0].icon, IconExclamation);
        EXPECT_EQ(EditText(edit), typo);
        EXPECT_TRUE(Child<QLineEdit>(edit)->hasFocus());
    }
    // The list still shows the folder it showed, and Add takes from it.
    EXPECT_EQ(page->SnapshotNames(), QStringList({"s0.qvx", "s1.qvx"}));
    ClickItem(Child<QListWidget>("snapshotFolderList"), 0);
    page->Add();
    EXPECT_EQ(page->RowSelection(0)->snapshotPath, snapshotDir.filePath("s0.qvx"));
}

TEST_F(FoldersTest, AChoiceBeyondAShrunkListIsForgotten)
{
    WriteSnapshots(4);
    RefreshSnapshots(snapshotDir.path());
    ClickItem(Child<QListWidget>("snapshotFolderList"), 3);
    ASSERT_EQ(page->ChosenSnapshot(), 3);
    QFile::remove(snapshotDir.filePath("s3.qvx"));
    QFile::remove(snapshotDir.filePath("s2.qvx"));
    RefreshSnapshots(snapshotDir.path());
    EXPECT_EQ(page->ChosenSnapshot(), -1);
    page->Add();
    EXPECT_EQ(page->RowCount(), 0);
}

TEST_F(FoldersTest, AddUsesTheListedFolderNotATypedOne)
{
    WriteSnapshots(2);
    RefreshSnapshots(snapshotDir.path());
    ClickItem(Child<QListWidget>("snapshotFolderList"), 1);
    Child<QLineEdit>("snapshotFolderEdit")->setText(imageDir.path());
    page->Add();
    ASSERT_EQ(page->RowCount(), 1);
    EXPECT_EQ(page->RowSelection(0)->snapshotPath, snapshotDir.filePath("s1.qvx"));
    EXPECT_EQ(page->RowThumbs().at(page->RowThumbIndex(0, 0)), page->SnapshotThumbs().at(1));
}

TEST_F(FoldersTest, RowThumbnailsOnlyGrow)
{
    WriteSnapshots(3);
    RefreshSnapshots(snapshotDir.path());
    RefreshSnapshots(snapshotDir.path());
    EXPECT_EQ(page->RowThumbs().size(), 6);
    EXPECT_EQ(page->SnapshotThumbs().size(), 3);
}

TEST_F(FoldersTest, AddAllAndPairAllTakeTheWholeFolderWhileItsThumbnailsAreBeingMade)
{
    QAbstractItemModelTester tester(Child<QTreeView>("inspectionsList")->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    WriteSnapshots(6);
    WriteFile(snapshotDir, "s3x.qvx", "not a snapshot");
    WritePhoto(imageDir, "overview.jpg", TwoColourPhoto({64, 48}, Qt::gray, Qt::white));
    for (int i = 0; i < 5; ++i) {
        WritePhoto(imageDir, QString("s%1.jpg").arg(i), TwoColourPhoto({64, 48}, QColor(40 * i, 0, 0), Qt::white));
    }
    StartSnapshotRefresh(snapshotDir.path());
    StartImageRefresh(imageDir.path());
    ASSERT_TRUE(page->Filling());
    const QStringList listed {"s0.qvx", "s1.qvx", "s2.qvx", "s3.qvx", "s3x.qvx", "s4.qvx", "s5.qvx"};
    EXPECT_EQ(page->SnapshotNames(), listed);
    EXPECT_EQ(Child<QListWidget>("snapshotFolderList")->count(), 7);
    EXPECT_EQ(Child<QListWidget>("imageFolderList")->count(), 6);
    EXPECT_TRUE(page->SnapshotThumbs().at(0).isNull());

    page->AddAll();
    page->PairAll();
    ASSERT_EQ(page->RowCount(), 7);
    EXPECT_TRUE(page->Rows().WaitsForThumbs());
    EXPECT_TRUE(document.IsModified());
    // Each snapshot with the photo of its name; the one without takes the photo no name took.
    EXPECT_EQ(page->RowSelection(4)->imagePath, imageDir.filePath("overview.jpg"));
    EXPECT_EQ(page->RowSelection(5)->imagePath, imageDir.filePath("s4.jpg"));

    WaitForFill();
    // The file that is no snapshot stays listed, marked; the row made from it has gone.
    EXPECT_EQ(page->SnapshotNames(), listed);
    EXPECT_FALSE(page->SnapshotUnreadableReason(4).isEmpty());
    ExpectListMatchesNames(*page, Child<QListWidget>("snapshotFolderList"), true, snapshotDir);
    ExpectListMatchesNames(*page, Child<QListWidget>("imageFolderList"), false, imageDir);
    ASSERT_EQ(page->RowCount(), 6);
    EXPECT_EQ(document.Project().Details().Count(), 6);
    EXPECT_EQ(LabelText(), "Inspections: 6");
    EXPECT_FALSE(page->Rows().WaitsForThumbs());
    for (int row = 0; row < 6; ++row) {
        const QString snapshot = snapshotDir.filePath(QString("s%1.qvx").arg(row));
        const QString image = row < 5 ? imageDir.filePath(QString("s%1.jpg").arg(row)) : QString();
        EXPECT_EQ(page->RowSelection(row)->snapshotPath, snapshot);
        EXPECT_EQ(page->RowSelection(row)->imagePath, image);
        EXPECT_EQ(page->RowThumbs().at(page->RowThumbIndex(row, 0)), MakeSnapshotThumbnail(snapshot).image);
        if (row < 5) {
            EXPECT_EQ(page->RowThumbs().at(page->RowThumbIndex(row, 1)), MakeImageThumbnail(image).image);
        }
    }
}

// A refresh while rows wait for thumbnails of the list's fill first makes them.
TEST_F(FoldersTest, RowsKeepTheirThumbnailsWhenTheirFolderIsRefreshedAgain)
{
    WriteSnapshots(4);
    StartSnapshotRefresh(snapshotDir.path());
    page->AddAll();
    StartSnapshotRefresh(snapshotDir.path());
    EXPECT_FALSE(page->Rows().WaitsForThumbs());
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(page->RowThumbs().at(page->RowThumbIndex(row, 0)),
                  MakeSnapshotThumbnail(page->RowSelection(row)->snapshotPath).image);
    }
    WaitForFill();
}

TEST_F(FoldersTest, RefreshAndBrowseForgetTheChosenFile)
{
    WriteSnapshots(3);
    WritePhotos(3);
    RefreshSnapshots(snapshotDir.path());
    RefreshImages(imageDir.path());
    QDir other(temporary.path());
    other.mkdir("other");
    other.cd("other");
    for (const char* name : {"t0.qvx", "t1.qvx", "t2.qvx"}) {
        WriteSnapshot(other, name);
    }
    WritePhoto(other, "q0.jpg", TwoColourPhoto({64, 48}, Qt::red, Qt::white));
    WritePhoto(other, "q1.jpg", TwoColourPhoto({64, 48}, Qt::green, Qt::white));

    auto* snapshots = Child<QListWidget>("snapshotFolderList");
    ClickItem(snapshots, 2);
    ASSERT_EQ(page->ChosenSnapshot(), 2);
    RefreshSnapshots(other.path());
    EXPECT_EQ(page->ChosenSnapshot(), -1);
    EXPECT_TRUE(snapshots->selectedItems().isEmpty());
    page->Add();
    EXPECT_EQ(page->RowCount(), 0);
    ClickItem(snapshots, 1);
    page->Add();
    ASSERT_EQ(page->RowCount(), 1);
    EXPECT_EQ(page->RowSelection(0)->snapshotPath, other.filePath("t1.qvx"));

    // The image chosen in the old folder is not paired; with none chosen, "<< Add" takes the
    // new folder's first image and highlights it.
    auto* images = Child<QListWidget>("imageFolderList");
    ClickItem(images, 2);
    dialogs.ChooseNextFile(other.filePath("q1.jpg"));
    page->BrowseImageFolder();
    WaitForFill();
    EXPECT_EQ(page->ChosenImage(), -1);
    page->Pair();
    EXPECT_EQ(page->RowSelection(0)->imagePath, other.filePath("q0.jpg"));
    EXPECT_EQ(page->ChosenImage(), 0);
    EXPECT_TRUE(images->item(0)->isSelected());
}

} // namespace
