#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/cMissingFilesDlg.h"
#include "app/settings/SettingsStores.h"
#include "report/ProjectFileIO.h"
#include "tests/report/SampleProjects.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SnapshotTestFiles.h"
#include "tests/support/StringSourceGuard.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

void Press(cMissingFilesDlg& dialog, const char* button)
{
    auto* found = dialog.findChild<QPushButton*>(button);
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

void SelectRow(cMissingFilesDlg& dialog, int row)
{
    auto* list = dialog.findChild<QTreeWidget*>("missingFilesList");
    ASSERT_NE(list, nullptr);
    list->setCurrentItem(list->topLevelItem(row));
}

// Opening projects whose files are not where the project says.
class MissingFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        OpenFrameworkProfile()->clear();
        OpenProgramKey()->clear();
        project = FullProject(3);
        for (int i = 0; i < 3; ++i) {
            project.DetailsAt(i)->name = QString("inspection %1").arg(i + 1);
        }
        project.title.logoPath = Photo("survey/logo.jpg");
        for (int i = 0; i < 3; ++i) {
            project.SelectionAt(i)->snapshotPath = Snapshot(QString("survey/snaps/s%1.qvx").arg(i));
            project.SelectionAt(i)->imagePath = Photo(QString("survey/photos/p%1.jpg").arg(i));
        }
        ASSERT_TRUE(SaveProjectFile(Path("survey/site.QVR"), project).Ok());
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    QString Snapshot(const QString& name)
    {
        WriteAll(Path(name),
                 WriteSnapshotFile(FieldsWithImage(ImageOf([](int row, int column) { return 1000 + row + column; }))));
        return Path(name);
    }

    QString Photo(const QString& name)
    {
        EXPECT_TRUE(QDir().mkpath(QFileInfo(Path(name)).absolutePath()));
        QImage photo(32, 24, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        EXPECT_TRUE(photo.save(Path(name), "JPG"));
        return Path(name);
    }

    // The survey's project file alone, somewhere the search does not reach its files.
    QString ProjectAlone()
    {
        EXPECT_TRUE(QDir().mkpath(Path("alone")));
        EXPECT_TRUE(QFile::copy(Path("survey/site.QVR"), Path("alone/site.QVR")));
        EXPECT_TRUE(QDir().mkpath(Path("moved/deep")));
        EXPECT_TRUE(QDir().rename(Path("survey"), Path("moved/deep/survey")));
        return Path("alone/site.QVR");
    }

    QTemporaryDir folder;
    StringSourceGuard strings;
    ScriptedDialogs dialogs;
    CQvxReportWriterDoc document;
    ReportProject project;
};

TEST_F(MissingFiles, AMovedFolderOpensWithoutAQuestionAndTellsOnce)
{
    ASSERT_TRUE(QDir().rename(Path("survey"), Path("usb")));
    ASSERT_TRUE(document.OpenProjectPath(Path("usb/site.QVR")));
    EXPECT_EQ(document.Project().SelectionAt(2)->imagePath, Path("usb/photos/p2.jpg"));
    EXPECT_EQ(document.Project().title.logoPath, Path("usb/logo.jpg"));
    EXPECT_TRUE(document.IsModified());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, IconInformation);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("7 files of the project were found in new places:"));
    EXPECT_TRUE(dialogs.messages[0].text.contains(Path("usb/snaps/s0.qvx")));
}

TEST_F(MissingFiles, SearchFolderFindsFilesInSubfoldersAndAsksBetweenTwoOfOneName)
{
    const QString alone = ProjectAlone();
    Snapshot("moved/other/S1.QVX"); // a second valid "s1.qvx"
    std::vector<QStringList> asked;
    dialogs.ChooseNextFile(Path("moved"));
    dialogs.missingFiles = [&](cMissingFilesDlg& dialog) {
        dialog.SetDuplicateChooser([&](const QString& name, const QStringList& paths) -> std::optional<QString> {
            asked.push_back(QStringList(name) + paths);
            return paths.last();
        });
        Press(dialog, "searchFolderButton");
    };
    ASSERT_TRUE(document.OpenProjectPath(alone));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], QStringList({"s1.qvx", Path("moved/deep/survey/snaps/s1.qvx"), Path("moved/other/S1.QVX")}));
    EXPECT_EQ(document.Project().SelectionAt(1)->snapshotPath, Path("moved/other/S1.QVX"));
    EXPECT_EQ(document.Project().SelectionAt(2)->imagePath, Path("moved/deep/survey/photos/p2.jpg"));
    EXPECT_EQ(document.documentPath(), alone);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(dialogs.fileRequests.at(0).kind, FileRequest::Folder);
}

TEST_F(MissingFiles, RemoveInspectionAndLocateCompleteTheOpen)
{
    const QString alone = ProjectAlone();
    dialogs.ChooseNextFile(Path("moved/deep/survey/logo.jpg"));
    dialogs.missingFiles = [&](cMissingFilesDlg& dialog) {
        auto* remove = dialog.findChild<QPushButton*>("removeButton");
        SelectRow(dialog, 0);
        EXPECT_EQ(remove->text(), "Remove Logo");
        Press(dialog, "locateButton"); // the logo, from the scripted file
        for (int left = 3; left > 0; --left) {
            SelectRow(dialog, 0);
            EXPECT_EQ(remove->text(), "Remove Inspection");
            Press(dialog, "removeButton");
        }
    };
    ASSERT_TRUE(document.OpenProjectPath(alone));
    EXPECT_EQ(document.Project().InspectionCount(), 0);
    EXPECT_EQ(document.Project().Details().Count(), 0);
    EXPECT_EQ(document.Project().title.logoPath, Path("moved/deep/survey/logo.jpg"));
}

TEST_F(MissingFiles, RemovingOneInspectionKeepsSelectionsAndDetailsInStep)
{
    const QString alone = ProjectAlone();
    dialogs.ChooseNextFile(Path("moved"));
    dialogs.missingFiles = [&](cMissingFilesDlg& dialog) {
        auto* list = dialog.findChild<QTreeWidget*>("missingFilesList");
        SelectRow(dialog, 3); // inspection 2's snapshot, after the logo and inspection 1's two files
        Press(dialog, "removeButton");
        ASSERT_EQ(list->topLevelItemCount(), 5);
        EXPECT_EQ(list->topLevelItem(3)->text(1), "Inspection 2 (inspection 3)");
        Press(dialog, "searchFolderButton");
    };
    ASSERT_TRUE(document.OpenProjectPath(alone));
    const ReportProject& opened = document.Project();
    ASSERT_EQ(opened.InspectionCount(), 2);
    ASSERT_EQ(opened.Details().Count(), 2);
    EXPECT_EQ(opened.DetailsAt(1)->name, "inspection 3");
    EXPECT_EQ(opened.SelectionAt(1)->snapshotPath, Path("moved/deep/survey/snaps/s2.qvx"));
    EXPECT_EQ(opened.SelectionAt(1)->strokes, project.SelectionAt(2)->strokes);
}

TEST_F(MissingFiles, CancelLeavesTheOpenProjectUntouched)
{
    ASSERT_TRUE(document.OpenProjectPath(Path("survey/site.QVR")));
    const ReportProject open = document.Project();
    const QString alone = ProjectAlone();
    dialogs.ChooseNextFile(Path("empty-search"));
    ASSERT_TRUE(QDir().mkpath(Path("empty-search")));
    dialogs.missingFiles = [&](cMissingFilesDlg& dialog) {
        Press(dialog, "searchFolderButton"); // finds nothing and says so
        Press(dialog, "cancelButton");
    };
    EXPECT_FALSE(document.OpenProjectPath(alone));
    EXPECT_EQ(document.Project(), open);
    EXPECT_EQ(document.documentPath(), Path("survey/site.QVR"));
    EXPECT_FALSE(document.IsModified());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith("None of the missing files was found in"));
}

} // namespace
