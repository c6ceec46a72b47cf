#include "pages/thumbnails/FolderScan.h"
#include "tests/support/PageSamples.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FolderScanTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"b.jpg", "a.JPG", "c.bmp", "d.qvx", "notes.txt"}) {
            WriteFile(folder, name, "x");
        }
    }

    QTemporaryDir temporary;
    QDir folder {temporary.path()};
};

TEST_F(FolderScanTest, ExtensionsInTheGivenOrderNamesSortedWithinEach)
{
    EXPECT_EQ(ListFolderFiles(folder.path(), "bmp,jpg"), QStringList({"c.bmp", "a.JPG", "b.jpg"}));
    EXPECT_EQ(ListFolderFiles(folder.path(), "jpg,bmp"), QStringList({"a.JPG", "b.jpg", "c.bmp"}));
    EXPECT_EQ(ListFolderFiles(folder.path(), "qvx"), QStringList({"d.qvx"}));
}

TEST_F(FolderScanTest, ListSplitsAtEverySeparatorAndSkipsEmptyEntries)
{
    EXPECT_EQ(ListFolderFiles(folder.path(), ";bmp,,qvx#txt;"), QStringList({"c.bmp", "d.qvx", "notes.txt"}));
    // A file matching two entries is listed twice.
    EXPECT_EQ(ListFolderFiles(folder.path(), "qvx,QVX"), QStringList({"d.qvx", "d.qvx"}));
    EXPECT_TRUE(ListFolderFiles(folder.path(), ",;#").isEmpty());
}

TEST_F(FolderScanTest, HiddenFilesFoldersAndDanglingLinksAreLeftOut)
{
    WriteFile(folder, ".hidden.qvx", "x");
    ASSERT_TRUE(folder.mkdir("folder.qvx"));
    ASSERT_TRUE(QFile::link(folder.filePath("gone.qvx"), folder.filePath("dangling.qvx")));
    EXPECT_EQ(ListFolderFiles(folder.path(), "qvx"), QStringList({"d.qvx"}));
}

TEST_F(FolderScanTest, UnreadableFilesAreListedForTheListToMark)
{
    const QString path = WriteFile(folder, "locked.qvx", "x");
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    if (QFile file(path); file.open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "this user reads files whatever their permissions";
    }
    EXPECT_EQ(ListFolderFiles(folder.path(), "qvx"), QStringList({"d.qvx", "locked.qvx"}));
}

TEST_F(FolderScanTest, MissingOrEmptyFolderListsNothing)
{
    EXPECT_TRUE(ListFolderFiles(folder.filePath("nowhere"), "qvx").isEmpty());
    EXPECT_TRUE(ListFolderFiles(QString(), "qvx").isEmpty());
}

} // namespace
