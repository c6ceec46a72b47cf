#include "PageFixture.h"

#include "app/strings/StringSource.h"
#include "report/ProjectFileIO.h"

#include <QDateTime>
#include <QFile>

#include <QListWidget>
#include <QTreeView>

namespace {

class LoadTest : public PageFixture
{
protected:
    std::vector<InspectionSelection> TwoSelections()
    {
        const QString first = WriteSnapshot(snapshotDir, "first.qvx", {{30, 30, 100}});
        const QString second = WriteSnapshot(snapshotDir, "second.qvx");
        const QString photo = WritePhoto(imageDir, "photo.jpg", TwoColourPhoto({64, 48}, Qt::red, Qt::blue));
        // The second row's measurement settings must come back with it, like the first's strokes.
        MeasurementSettings measurement;
        measurement.emissivity = 0.5f;
        measurement.boxes = {QRect(1, 2, 3, 4)};
        return {{first, photo, {{1, 2, 3, 4, 5, 0xFF}}}, {second, {}, {}, measurement}};
    }

    std::vector<InspectionDetails> TwoRecords()
    {
        std::vector<InspectionDetails> records(2);
        records[0].name = "Main breaker";
        records[1].cursorA = 2;
        return records;
    }
};

TEST_F(LoadTest, RebuildsRowsImagesStrokesAndDetails)
{
    const auto selections = TwoSelections();
    ASSERT_TRUE(page->LoadSelections(selections, TwoRecords()));
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_EQ(*page->RowSelection(0), selections[0]);
    EXPECT_EQ(*page->RowSelection(1), selections[1]);
    EXPECT_EQ(document.Project().DetailsAt(0)->name, "Main breaker");
    EXPECT_EQ(document.Project().DetailsAt(1)->cursorA, 2);
    EXPECT_EQ(LabelText(), "Inspections: 2");
    // Three thumbnails: two snapshots and one photo, in the order they were made.
    ASSERT_EQ(page->RowThumbs().size(), 3);
    EXPECT_EQ(page->RowThumbIndex(0, 0), 0);
    EXPECT_EQ(page->RowThumbIndex(1, 0), 1);
    EXPECT_EQ(page->RowThumbIndex(0, 1), 2);
    EXPECT_EQ(page->RowThumbIndex(1, 1), -1);
    EXPECT_EQ(page->RowThumbs()[0], MakeSnapshotThumbnail(selections[0].snapshotPath).image);
    EXPECT_EQ(page->SelectedRow(), 1);
    // The previews show the selected row's files.
    EXPECT_FALSE(Child<SnapshotPreview>("snapshotPreview")->Blank());
    EXPECT_EQ(Child<SnapshotPreview>("snapshotPreview")->PreviewedPath(), selections[1].snapshotPath);
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->Blank());
    ClickItem(Child<QTreeView>("inspectionsList"), 0);
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->PreviewPicture().has_value());
}

TEST_F(LoadTest, APreviouslyOpenedProjectShowsItsPreviewsAfterOpening)
{
    const auto selections = TwoSelections();
    ASSERT_TRUE(page->LoadSelections({selections[1], selections[0]}, TwoRecords()));
    EXPECT_EQ(Child<SnapshotPreview>("snapshotPreview")->PreviewedPath(), selections[0].snapshotPath);
    EXPECT_FALSE(Child<ImagePreview>("imagePreview")->Blank());
    EXPECT_TRUE(Child<ImagePreview>("imagePreview")->PreviewPicture().has_value());
}

// After New (or Open) the folder boxes and the lists agree: the folders stay listed afresh, and a
// folder that has gone empties its box and its list.
TEST_F(LoadTest, ClearPageListsTheFoldersAgain)
{
    WriteSnapshots(2);
    WritePhotos(1);
    RefreshSnapshots(snapshotDir.path());
    RefreshImages(imageDir.path());
    page->AddAll();
    ASSERT_TRUE(imageDir.removeRecursively());
    page->ClearPage();
    WaitForFill();
    EXPECT_EQ(page->RowCount(), 0);
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_EQ(page->SnapshotNames(), QStringList({"s0.qvx", "s1.qvx"}));
    EXPECT_EQ(Child<QListWidget>("snapshotFolderList")->count(), 2);
    EXPECT_EQ(page->SnapshotThumbs().at(1), MakeSnapshotThumbnail(snapshotDir.filePath("s1.qvx")).image);
    EXPECT_EQ(page->SnapshotFolder(), snapshotDir.path());
    EXPECT_EQ(EditText("snapshotFolderEdit"), snapshotDir.path());
    EXPECT_TRUE(page->ImageNames().isEmpty());
    EXPECT_EQ(Child<QListWidget>("imageFolderList")->count(), 0);
    EXPECT_EQ(EditText("imageFolderEdit"), "");
    EXPECT_EQ(LabelText(), "Inspections: 0");
    EXPECT_TRUE(Child<SnapshotPreview>("snapshotPreview")->Blank());
    EXPECT_TRUE(dialogs.messages.empty());
}

struct MissingSnapshotCase
{
    int language;
    const char* expectedFormat; // %1 the path
};

class MissingSnapshotTest : public LoadTest, public testing::WithParamInterface<MissingSnapshotCase>
{
};

// German, Spanish, Japanese and Korean put the path first.
TEST_P(MissingSnapshotTest, CouldNotFindNamesThePathInTheLanguagesOrder)
{
    SetLanguage(GetParam().language);
    auto selections = TwoSelections();
    selections[0].snapshotPath = snapshotDir.filePath("gone.qvx");
    EXPECT_FALSE(page->LoadSelections(selections, TwoRecords()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QString(GetParam().expectedFormat).arg(selections[0].snapshotPath));
    EXPECT_EQ(dialogs.messages[0].icon, IconError);
    EXPECT_EQ(page->RowCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Languages,
                         MissingSnapshotTest,
                         testing::Values(MissingSnapshotCase {0, "Could not find %1\nAborting Load."},
                                         MissingSnapshotCase {1, "%1 Could not find\nAborting Load."},
                                         MissingSnapshotCase {2, "Could not find %1\nAborting Load."},
                                         MissingSnapshotCase {7, "%1 Could not find\nAborting Load."}));

struct BrokenFileCase
{
    const char* name;
    bool snapshot; // the broken file is the first snapshot, else the first row's image
    const char* content;
    const char* message;
};

class BrokenFileTest : public LoadTest, public testing::WithParamInterface<BrokenFileCase>
{
};

TEST_P(BrokenFileTest, LoadStopsWithTheFilesMessage)
{
    const BrokenFileCase& broken = GetParam();
    auto selections = TwoSelections();
    const QString path = WriteFile(broken.snapshot ? snapshotDir : imageDir, broken.name, broken.content);
    (broken.snapshot ? selections[0].snapshotPath : selections[0].imagePath) = path;
    EXPECT_FALSE(page->LoadSelections(selections, TwoRecords()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, broken.message);
    EXPECT_EQ(dialogs.messages[0].icon, IconError);
}

INSTANTIATE_TEST_SUITE_P(
    Files,
    BrokenFileTest,
    testing::Values(BrokenFileCase {"junk.qvx", true, "junk", "Failed to get bitmap from snapshot\nAborting Load."},
                    BrokenFileCase {
                        "fake.bmp", false, "PK not a bitmap", "Invalid bitmap while loading image\nAborting Load."},
                    BrokenFileCase {"fake.jpg", false, "not a jpeg", "Failed to load Jpeg.\nAborting Load."},
                    BrokenFileCase {"fake.BMP", false, "not a bitmap", "Failed to load Jpeg.\nAborting Load."}));

TEST_F(LoadTest, AnEmptySnapshotPathStopsTheLoad)
{
    auto selections = TwoSelections();
    selections[1].snapshotPath.clear();
    EXPECT_FALSE(page->LoadSelections(selections, TwoRecords()));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Empty snapshot name.\nAborting Load.");
}

TEST_F(LoadTest, AnImageForAMissingRowIsReported)
{
    TwoSelections();
    const QString photo = imageDir.filePath("photo.jpg");
    EXPECT_FALSE(page->SetRowImage(photo, 5));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Could not get selection data while loading image\nAborting Load.");
}

TEST_F(LoadTest, OpeningAProjectFileRebuildsTheRows)
{
    const auto selections = TwoSelections();
    auto saved =
        ReportProject::FromLists(NewReportProject(QDateTime::currentDateTime()).title, selections, TwoRecords());
    ASSERT_TRUE(saved);
    const QString projectPath = QDir(temporary.path()).filePath("report.QVR");
    ASSERT_TRUE(SaveProjectFile(projectPath, *saved).Ok());

    ASSERT_TRUE(document.OpenProjectPath(projectPath));
    ASSERT_EQ(page->RowCount(), 2);
    EXPECT_EQ(*page->RowSelection(0), selections[0]);
    EXPECT_EQ(page->RowThumbIndex(0, 1), 2);
    EXPECT_EQ(document.Project().DetailsAt(0)->name, "Main breaker");
    EXPECT_EQ(document.Project().CurrentPosition(), 1);
    EXPECT_EQ(LabelText(), "Inspections: 2");
}

TEST_F(LoadTest, AProjectWhoseFilesFailOnTheWayIsReplacedByANewOne)
{
    document.Project().AppendInspection({snapshotDir.filePath("vanished.qvx"), {}, {}});
    document.SetDocumentName("report.QVR");
    emit document.ProjectReplaced();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Could not find"));
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_EQ(document.documentName(), "Untitled");
    EXPECT_EQ(page->RowCount(), 0);
}

TEST_F(LoadTest, OpeningFailsWhenASnapshotVanishesAfterTheCheck)
{
    const auto selections = TwoSelections();
    auto saved =
        ReportProject::FromLists(NewReportProject(QDateTime::currentDateTime()).title, selections, TwoRecords());
    ASSERT_TRUE(saved);
    const QString projectPath = QDir(temporary.path()).filePath("report.QVR");
    ASSERT_TRUE(SaveProjectFile(projectPath, *saved).Ok());
    // The name changes after the files were checked and before the page reads them.
    QObject::connect(
        &document, &CQvxReportWriterDoc::DocumentNameChanged, [&] { QFile::remove(selections[1].snapshotPath); });

    EXPECT_FALSE(document.OpenProjectPath(projectPath));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("Could not find"));
    EXPECT_EQ(document.documentName(), "Untitled");
    EXPECT_TRUE(document.documentPath().isEmpty());
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_EQ(page->RowCount(), 0);
}

TEST_F(LoadTest, NewProjectClearsThePage)
{
    ASSERT_TRUE(page->LoadSelections(TwoSelections(), TwoRecords()));
    document.New();
    EXPECT_EQ(page->RowCount(), 0);
    EXPECT_EQ(LabelText(), "Inspections: 0");
}

} // namespace
