#include "SnapshotFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The built program, run as a user would: exit statuses, what goes where, nothing left behind.

namespace {

class ProgramExit : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        good = folder.filePath("good.qvx");
        truncated = folder.filePath("truncated.qvx");
        const QByteArray bytes = WriteSnapshotFile(FieldsWithOnePixel(20, 10, 2500, 9000));
        ASSERT_TRUE(WriteBytes(good, bytes));
        ASSERT_TRUE(WriteBytes(truncated, bytes.chopped(100)));
    }

    QTemporaryDir folder;
    QString good;
    QString truncated;
};

TEST_F(ProgramExit, InfoOfAGoodFilePrintsJsonOnly)
{
    const ProgramRun run = RunProgram({"--info", good, "--unit", "k"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(document.object()["unit"].toString(), "K");
    EXPECT_EQ(document.object()["file"].toString(), good);
}

TEST_F(ProgramExit, CsvOfAGoodFileHas120Lines)
{
    const ProgramRun run = RunProgram({"--csv", good});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.count('\n'), 120);
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(ProgramExit, UnusableFilesExitWith2AndOneLineNamingFileAndReason)
{
    const QString missing = folder.filePath("missing.qvx");
    const std::vector<std::pair<QStringList, QString>> cases {
        {{"--info", missing}, missing + ": cannot open"},
        {{"--csv", truncated}, truncated + ": truncated"},
        {{"--png", truncated, folder.filePath("out.png")}, truncated + ": truncated"},
        {{"--info", folder.path()}, folder.path() + ": "},
    };
    for (const auto& [arguments, start] : cases) {
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(("thermreport: " + start).toUtf8())) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(folder.filePath("out.png")));
}

TEST_F(ProgramExit, FailedPngLeavesAnExistingFileAlone)
{
    const QString output = folder.filePath("kept.png");
    ASSERT_TRUE(WriteBytes(output, "old content"));
    EXPECT_EQ(RunProgram({"--png", truncated, output}).status, 2);
    QFile kept(output);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old content");
    EXPECT_EQ(folder.path(), QFileInfo(output).path());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3); // no temporary file left either
}

TEST_F(ProgramExit, PngThatCannotBeWrittenExitsWith2)
{
    const QString output = folder.filePath("no/such/folder/out.png");
    const ProgramRun run = RunProgram({"--png", good, output});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith(("thermreport: " + output + ": cannot write").toUtf8())) << run.err.toStdString();
}

TEST_F(ProgramExit, PngOfAGoodFileIsWritten)
{
    const QString output = folder.filePath("picture.png");
    const ProgramRun run = RunProgram({"--png", good, output, "--scale", "3"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(QImage(output).size(), QSize(480, 360));
}

TEST_F(ProgramExit, WrongUsageExitsWith64AndShowsTheUsage)
{
    for (const QStringList& arguments : {QStringList {"--info"},
                                         QStringList {"--png", "a.qvx", "b.png", "--scale", "0"},
                                         QStringList {"--frobnicate"},
                                         QStringList {"one.QVR", "two.QVR"}}) {
        const ProgramRun run = RunProgram(arguments);
        EXPECT_EQ(run.status, 64) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.contains("Usage:")) << run.err.toStdString();
    }
}

TEST_F(ProgramExit, HelpGoesToStandardOutput)
{
    const ProgramRun run = RunProgram({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("Usage:"));
    EXPECT_TRUE(run.err.isEmpty());
}

} // namespace
