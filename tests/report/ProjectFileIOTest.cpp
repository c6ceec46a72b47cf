#include "report/ProjectFileIO.h"
#include "report/ProjectFiles.h"
#include "tests/support/SnapshotTestFiles.h"

#include "SampleProjects.h"
#include "tests/support/FailingDevice.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace {

// A device that stops taking bytes part of the way through a project.
struct DeviceCase
{
    qint64 capacity;
    FailingDevice::Failure failure;
};

class FailingWrite : public testing::TestWithParam<DeviceCase>
{
};

TEST_P(FailingWrite, IsReportedAsAFailure)
{
    const ReportProject project = FullProject(40);
    ASSERT_GT(SerializeProject(project).size(), 8192);
    FailingDevice device(GetParam().capacity, GetParam().failure);
    EXPECT_FALSE(SerializeProject(project, device));
}

INSTANTIATE_TEST_SUITE_P(Capacities,
                         FailingWrite,
                         testing::Values(DeviceCase {0, FailingDevice::Error},
                                         DeviceCase {1, FailingDevice::Error},
                                         DeviceCase {4095, FailingDevice::ShortWrite},
                                         DeviceCase {4096, FailingDevice::Error},
                                         DeviceCase {4096, FailingDevice::ShortWrite},
                                         DeviceCase {6000, FailingDevice::ShortWrite}));

TEST(ProjectFileIO, ADeviceWithRoomTakesTheWholeProject)
{
    const ReportProject project = FullProject(40);
    const QByteArray bytes = SerializeProject(project);
    FailingDevice device(bytes.size(), FailingDevice::ShortWrite);
    EXPECT_TRUE(SerializeProject(project, device));
    EXPECT_EQ(device.Written(), bytes);
}

TEST(ProjectFileIO, SavedFileLoadsBackAndReplacesThePreviousOne)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("site.QVR");
    WriteAll(path, QByteArray(100000, 'x'));
    const ReportProject project = FullProject(4);
    ASSERT_TRUE(SaveProjectFile(path, project).Ok());
    // The save states where each file lies from the project file's folder.
    ReportProject expected = project;
    expected.relativePaths = RelativeFileEntries(project, folder.path());
    ASSERT_EQ(expected.relativePaths.size(), ProjectFileEntries(project).size());
    EXPECT_EQ(ReadAll(path), SerializeProject(expected));
    const ProjectReadResult loaded = LoadProjectFile(path);
    ASSERT_TRUE(loaded.Ok());
    EXPECT_EQ(loaded.Value(), expected);
}

TEST(ProjectFileIO, SaveIntoAMissingFolderFailsAndCreatesNothing)
{
    QTemporaryDir folder;
    const FileWriteResult saved = SaveProjectFile(folder.filePath("missing/site.QVR"), FullProject(1));
    EXPECT_FALSE(saved.Ok());
    EXPECT_FALSE(saved.Message().isEmpty());
    EXPECT_FALSE(QDir(folder.filePath("missing")).exists());
}

TEST(ProjectFileIO, SaveBelowAFileThatIsNoFolderFails)
{
    QTemporaryDir folder;
    WriteAll(folder.filePath("plain"), "previous");
    EXPECT_FALSE(SaveProjectFile(folder.filePath("plain/site.QVR"), FullProject(1)).Ok());
    EXPECT_EQ(ReadAll(folder.filePath("plain")), "previous");
}

TEST(ProjectFileIO, LoadOfAMissingFileOrAFolderCannotOpen)
{
    QTemporaryDir folder;
    EXPECT_EQ(LoadProjectFile(folder.filePath("missing.QVR")).Error(), ProjectReadError::CannotOpen);
    EXPECT_EQ(LoadProjectFile(folder.path()).Error(), ProjectReadError::CannotOpen);
}

TEST(ProjectFileIO, LoadOfATruncatedFileIsMalformed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("cut.QVR");
    WriteAll(path, SerializeProject(FullProject(2)).chopped(1));
    EXPECT_EQ(LoadProjectFile(path).Error(), ProjectReadError::Malformed);
}

#ifdef Q_OS_LINUX
// A 64 KiB file system of its own; needs the right to mount (tests run as root in CI).
class SmallFileSystem : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        if (mount("tmpfs", QFile::encodeName(folder.path()).constData(), "tmpfs", 0, "size=64k") != 0) {
            GTEST_SKIP() << "cannot mount a small file system here";
        }
        mounted = true;
        path = folder.filePath("site.QVR");
        previous = SerializeProject(FullProject(2));
        WriteAll(path, previous);
    }

    void TearDown() override
    {
        if (mounted) {
            umount2(QFile::encodeName(folder.path()).constData(), MNT_DETACH);
        }
    }

    bool RemountReadOnly()
    {
        return mount(nullptr, QFile::encodeName(folder.path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
            0;
    }

    QStringList FilesLeft() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir folder;
    bool mounted = false;
    QString path;
    QByteArray previous;
};

TEST_F(SmallFileSystem, AFullDiskLeavesThePreviousFileIntact)
{
    ReportProject large = FullProject(2);
    large.title.generalComments = QString(100000, u'z'); // 200 KB, three times the disk
    const FileWriteResult saved = SaveProjectFile(path, large);
    EXPECT_FALSE(saved.Ok());
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(FilesLeft(), QStringList {"site.QVR"});
}

TEST_F(SmallFileSystem, AReadOnlyFolderLeavesThePreviousFileIntact)
{
    ASSERT_TRUE(RemountReadOnly());
    EXPECT_FALSE(SaveProjectFile(path, FullProject(5)).Ok());
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(FilesLeft(), QStringList {"site.QVR"});
}
#endif

} // namespace
