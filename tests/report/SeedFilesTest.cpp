#include "report/ProjectFile.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The fuzzing seeds double as files of earlier writers that must keep loading.
QString SeedFolder()
{
    return QStringLiteral(THERMREPORT_SOURCE_DIR "/fuzz/seeds/project");
}

QByteArray Seed(const QString& name)
{
    QFile file(SeedFolder() + "/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SeedFiles, EveryOneLoads)
{
    const QStringList names = QDir(SeedFolder()).entryList({"*.QVR"}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        EXPECT_TRUE(SerializeProject(Seed(name)).Ok()) << name.toStdString();
    }
}

TEST(SeedFiles, CurrentVersionFilesAreWrittenBackByteForByte)
{
    for (const char* name : {"new.QVR", "full.QVR"}) {
        const QByteArray bytes = Seed(name);
        EXPECT_EQ(SerializeProject(SerializeProject(bytes).project), bytes) << name;
    }
}

TEST(SeedFiles, NarrowStringsReadThroughWindows1252)
{
    const ProjectReadResult read = SerializeProject(Seed("narrow.QVR"));
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.project.title.logoPath, QString::fromUtf8("logoé.jpg"));
    EXPECT_EQ(read.project.title.author, QString::fromUtf8("Autor €"));
}

} // namespace
