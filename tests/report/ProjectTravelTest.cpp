#include "report/MissingFileList.h"
#include "report/MovedFileSearch.h"
#include "report/ProjectFileIO.h"
#include "report/ProjectFiles.h"
#include "report/ProjectPack.h"

#include "SampleProjects.h"
#include "tests/support/SnapshotTestFiles.h"
#include "tools/samplegen/SnapshotWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace {

void WriteSnapshot(const QString& path, int shade = 0)
{
    WriteAll(path, WriteSnapshotFile(FieldsWithImage(ImageOf([shade](int row, int column) {
                 return 2000 + shade + row + column;
             }))));
}

void WritePhoto(const QString& path)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QImage photo(32, 24, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    ASSERT_TRUE(photo.save(path, path.endsWith("bmp") ? "BMP" : "JPG"));
}

// A project naming `names` as snapshots under `folder`, with a photo beside each and a logo.
ReportProject ProjectOf(const QString& folder, const QStringList& names)
{
    ReportProject project = FullProject(int(names.size()));
    project.title.logoPath = folder + "/logo.jpg";
    for (int i = 0; i < names.size(); ++i) {
        project.SelectionAt(i)->snapshotPath = folder + "/snaps/" + names[i] + ".qvx";
        project.SelectionAt(i)->imagePath = folder + "/photos/" + names[i] + ".jpg";
    }
    return project;
}

void WriteFilesOf(const ReportProject& project)
{
    for (const ProjectFileEntry& entry : ProjectFileEntries(project)) {
        entry.kind == ProjectFileKind::Snapshot ? WriteSnapshot(entry.path) : WritePhoto(entry.path);
    }
}

QStringList PathsOf(const ReportProject& project)
{
    QStringList paths;
    for (const ProjectFileEntry& entry : ProjectFileEntries(project)) {
        paths.append(entry.path);
    }
    return paths;
}

// A survey written at one place and found from another: where the project file goes, where the
// files go, how the stored paths look, and whether the save stated relative paths.
struct MoveCase
{
    const char* name;
    const char* projectAt; // below the new root
    const char* filesAt; // below the new root
    bool windowsPaths; // stored as written on Windows: "C:\...\..."
    bool relativePaths;
};

class MovedTree : public testing::TestWithParam<MoveCase>
{
protected:
    QTemporaryDir root;
};

TEST_P(MovedTree, FindsEveryFileFromWhereTheProjectIsNow)
{
    const MoveCase& c = GetParam();
    const QString files = root.filePath(c.filesAt);
    ReportProject placed = ProjectOf(files, {"a", "b", "Fähre"});
    WriteFilesOf(placed);
    // The same project as stored before the move: the same tree below an old survey folder.
    const QString old = c.windowsPaths ? "C:\\Users\\ana\\survey-2026\\" : "/home/ana/survey-2026/";
    ReportProject stored = placed;
    for (const ProjectFileEntry& entry : ProjectFileEntries(placed)) {
        QString tail = QDir(root.path()).relativeFilePath(entry.path);
        SetProjectFilePath(stored, entry, old + (c.windowsPaths ? tail.replace(u'/', u'\\') : tail));
    }
    const QString projectPath = root.filePath(QString(c.projectAt) + "/site.QVR");
    if (c.relativePaths) {
        stored.relativePaths = RelativeFileEntries(placed, QFileInfo(projectPath).absolutePath());
    }
    WriteAll(projectPath, SerializeProject(stored));

    ProjectReadResult loaded = LoadProjectFile(projectPath);
    ASSERT_TRUE(loaded.Ok());
    const MovedFileSearch search = FindMovedFiles(loaded.Value(), projectPath);
    EXPECT_TRUE(search.missing.empty());
    EXPECT_EQ(search.found.size(), 7u);
    EXPECT_EQ(PathsOf(loaded.Value()), PathsOf(placed));
    EXPECT_TRUE(loaded.Value().relativePaths.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts,
    MovedTree,
    testing::Values(MoveCase {"FilesBesideTheProject", "usb/plant", "usb/plant", false, false},
                    MoveCase {"FilesInASubfolder", "usb", "usb/plant", false, false},
                    MoveCase {"FilesBesideTheProjectsFolder", "usb/plant/reports", "usb/plant", false, false},
                    MoveCase {"WindowsPaths", "usb", "usb/plant", true, false},
                    MoveCase {"WindowsPathsBesideTheProjectsFolder", "usb/reports", "usb/plant", true, false},
                    MoveCase {"StatedRelativePathsReachFurther", "a/b/c", "x/y", false, true},
                    MoveCase {"StatedRelativePathsFromWindows", "usb", "disk/plant", true, true}),
    [](const testing::TestParamInfo<MoveCase>& info) { return info.param.name; });

TEST(MovedFileSearch, TakesOnlyFilesOfTheRightNameThatReadAsTheirKind)
{
    QTemporaryDir root;
    const QString projectPath = root.filePath("usb/site.QVR");
    ReportProject project = ProjectOf("/gone/plant", {"a", "b"});
    // The longest candidates hold files of the right name that are no snapshot and no picture;
    // shorter ones hold the real files, but only for "a".
    WriteAll(root.filePath("usb/gone/plant/snaps/a.qvx"), "not a snapshot");
    WriteAll(root.filePath("usb/gone/plant/photos/a.jpg"), "not a picture");
    WriteSnapshot(root.filePath("usb/plant/snaps/a.qvx"));
    WritePhoto(root.filePath("usb/plant/photos/a.jpg"));
    // "b" is there under other names only.
    WriteSnapshot(root.filePath("usb/plant/snaps/b2.qvx"));
    WritePhoto(root.filePath("usb/plant/photos/B.jpeg"));

    const MovedFileSearch search = FindMovedFiles(project, projectPath);
    EXPECT_EQ(project.SelectionAt(0)->snapshotPath, root.filePath("usb/plant/snaps/a.qvx"));
    EXPECT_EQ(project.SelectionAt(0)->imagePath, root.filePath("usb/plant/photos/a.jpg"));
    EXPECT_EQ(project.SelectionAt(1)->snapshotPath, "/gone/plant/snaps/b.qvx");
    ASSERT_EQ(search.missing.size(), 3u); // the logo and both files of "b"
    EXPECT_EQ(search.missing[0].kind, ProjectFileKind::Logo);
    EXPECT_EQ(search.missing[1], (ProjectFileEntry {ProjectFileKind::Snapshot, 1, "/gone/plant/snaps/b.qvx"}));
}

TEST(MovedFileSearch, StatedRelativePathComesFirstAndFilesThereStayPut)
{
    QTemporaryDir root;
    const QString projectPath = root.filePath("site.QVR");
    ReportProject project = ProjectOf("/gone", {"a"});
    WriteSnapshot(root.filePath("snaps/a.qvx"));
    WriteSnapshot(root.filePath("elsewhere/a.qvx"), 50);
    project.relativePaths = {{ProjectFileKind::Snapshot, 0, "elsewhere/a.qvx"}};
    const QString photo = root.filePath("present.jpg");
    WritePhoto(photo);
    project.SelectionAt(0)->imagePath = photo;

    const MovedFileSearch search = FindMovedFiles(project, projectPath);
    EXPECT_EQ(project.SelectionAt(0)->snapshotPath, root.filePath("elsewhere/a.qvx"));
    EXPECT_EQ(project.SelectionAt(0)->imagePath, photo);
    ASSERT_EQ(search.found.size(), 1u);
    EXPECT_EQ(search.found[0].entry.path, "/gone/snaps/a.qvx");
}

TEST(MissingFileList, SearchLocateAndRemoveKeepTheProjectInStep)
{
    QTemporaryDir root;
    ReportProject project = ProjectOf("/gone", {"a", "b", "c"});
    for (int i = 0; i < 3; ++i) {
        project.DetailsAt(i)->name = QString("inspection %1").arg(i);
    }
    MissingFileList list(project, ProjectFileEntries(project));
    ASSERT_EQ(list.Missing().size(), 7u);

    // Found in subfolders, in any case; a second valid "B.QVX" makes "b" a choice; a broken one is no candidate.
    WriteSnapshot(root.filePath("deep/er/A.QVX"));
    WriteSnapshot(root.filePath("one/b.qvx"));
    WriteSnapshot(root.filePath("two/B.QVX"), 9);
    WriteAll(root.filePath("three/b.qvx"), "broken");
    const std::vector<QStringList> candidates = list.SearchFolder(root.path());
    ASSERT_EQ(candidates.size(), 7u);
    EXPECT_EQ(candidates[1], QStringList {root.filePath("deep/er/A.QVX")});
    EXPECT_EQ(candidates[3], QStringList({root.filePath("one/b.qvx"), root.filePath("two/B.QVX")}));
    EXPECT_TRUE(candidates[2].isEmpty());

    EXPECT_FALSE(list.Locate(3, root.filePath("three/b.qvx")));
    EXPECT_TRUE(list.Locate(3, root.filePath("two/B.QVX")));
    EXPECT_EQ(list.Project().SelectionAt(1)->snapshotPath, root.filePath("two/B.QVX"));

    // Removing inspection "a" takes both its rows; "c"'s rows now belong to inspection 2.
    list.Remove(1);
    ASSERT_EQ(list.Project().InspectionCount(), 2);
    EXPECT_EQ(list.Project().DetailsAt(0)->name, "inspection 1");
    EXPECT_EQ(list.Project().SelectionAt(0)->snapshotPath, root.filePath("two/B.QVX"));
    EXPECT_EQ(list.Project().DetailsAt(1)->name, "inspection 2");
    ASSERT_EQ(list.Missing().size(), 4u);
    EXPECT_EQ(list.Missing()[2], (ProjectFileEntry {ProjectFileKind::Snapshot, 1, "/gone/snaps/c.qvx"}));

    list.Remove(0); // the logo
    EXPECT_TRUE(list.Project().title.logoPath.isEmpty());
    EXPECT_EQ(list.Project().InspectionCount(), 2);
    list.Remove(1);
    list.Remove(0);
    EXPECT_TRUE(list.Done());
    EXPECT_EQ(list.Project().InspectionCount(), 0);
}

class ProjectPack : public testing::Test
{
protected:
    void SetUp() override
    {
        // Two snapshots and two photos of one name from different folders, one photo used twice,
        // and a logo without suffix.
        project = FullProject(3);
        project.title.logoPath = Source("logo");
        project.SelectionAt(0)->snapshotPath = Source("one/a.qvx");
        project.SelectionAt(0)->imagePath = Source("one/a.jpg");
        project.SelectionAt(1)->snapshotPath = Source("two/A.qvx");
        project.SelectionAt(1)->imagePath = Source("two/a.jpg");
        project.SelectionAt(2)->snapshotPath = Source("one/c.qvx");
        project.SelectionAt(2)->imagePath = Source("one/a.jpg");
        WriteFilesOf(project);
        before = SerializeProject(project);
    }

    QString Source(const QString& name) const { return sources.filePath(name); }

    QTemporaryDir sources;
    QTemporaryDir targets;
    ReportProject project;
    QByteArray before;
};

TEST_F(ProjectPack, CopiesEveryFileOnceUnderFreeNamesAndOpensAfterAMove)
{
    const QString folder = targets.filePath("packed");
    std::vector<std::pair<int, int>> steps;
    const PackResult packed = PackProject(project, "Site.QVR", folder, [&steps](int file, int total) {
        steps.emplace_back(file, total);
        return true;
    });
    ASSERT_TRUE(packed.Ok()) << packed.path.toStdString() << packed.reason.toStdString();
    EXPECT_EQ(packed.path, folder + "/Site.QVR");
    EXPECT_EQ(packed.fileCount, 7);
    EXPECT_EQ(steps.back(), std::make_pair(7, 7));
    EXPECT_EQ(SerializeProject(project), before);

    ProjectReadResult loaded = LoadProjectFile(packed.path);
    ASSERT_TRUE(loaded.Ok());
    const QStringList expected = {folder + "/logo",
                                  folder + "/snapshots/a.qvx",
                                  folder + "/photos/a.jpg",
                                  folder + "/snapshots/A-2.qvx",
                                  folder + "/photos/a-2.jpg",
                                  folder + "/snapshots/c.qvx",
                                  folder + "/photos/a.jpg"};
    EXPECT_EQ(PathsOf(loaded.Value()), expected);
    qint64 total = 0;
    QStringList written = QStringList(expected) << packed.path;
    written.removeDuplicates();
    for (const QString& path : written) {
        total += QFileInfo(path).size();
    }
    EXPECT_EQ(packed.totalBytes, total);

    // Moved anywhere, every file is found from the stated relative paths.
    const QString moved = targets.filePath("far/away");
    ASSERT_TRUE(QDir().mkpath(targets.filePath("far")));
    ASSERT_TRUE(QDir().rename(folder, moved));
    loaded = LoadProjectFile(moved + "/Site.QVR");
    const MovedFileSearch search = FindMovedFiles(loaded.Value(), moved + "/Site.QVR");
    EXPECT_TRUE(search.missing.empty());
    EXPECT_EQ(PathsOf(loaded.Value()), QStringList(expected).replaceInStrings(folder, moved));
}

TEST_F(ProjectPack, RefusesAFolderThatHoldsAnythingAndRemovesWhatAFailureWrote)
{
    WriteAll(targets.filePath("used/.hidden"), "x");
    EXPECT_EQ(PackProject(project, "Site", targets.filePath("used")).error, PackError::FolderNotEmpty);
    EXPECT_EQ(PackProject(project, "Site", targets.filePath("no/parent")).error, PackError::CannotCreateFolder);

    // A source gone after two files were copied; an empty folder given stays, empty.
    ASSERT_TRUE(QDir().mkdir(targets.filePath("empty")));
    QFile::remove(Source("two/A.qvx"));
    const PackResult failed = PackProject(project, "Site", targets.filePath("empty"));
    EXPECT_EQ(failed.error, PackError::CannotRead);
    EXPECT_EQ(failed.path, Source("two/A.qvx"));
    EXPECT_TRUE(QDir(targets.filePath("empty")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));

    // Cancelled at the last step, before the project file: the created folder goes too.
    WriteSnapshot(Source("two/A.qvx"));
    const PackResult cancelled =
        PackProject(project, "Site", targets.filePath("new"), [](int file, int total) { return file < total; });
    EXPECT_EQ(cancelled.error, PackError::Cancelled);
    EXPECT_FALSE(QFileInfo::exists(targets.filePath("new")));
}

#ifdef Q_OS_LINUX
TEST_F(ProjectPack, AFullDiskPartWayLeavesNothingBehind)
{
    const QString mountPoint = targets.filePath("disk");
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    if (mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    // The second snapshot alone is larger than the disk.
    WriteAll(Source("two/A.qvx"), QByteArray(200000, 'q'));
    project.SelectionAt(1)->snapshotPath = Source("two/A.qvx");
    const PackResult packed = PackProject(project, "Site", mountPoint + "/packed");
    EXPECT_EQ(packed.error, PackError::CannotWrite);
    EXPECT_FALSE(packed.reason.isEmpty());
    EXPECT_TRUE(QDir(mountPoint).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
}
#endif

} // namespace
