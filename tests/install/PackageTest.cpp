#include "StagedInstall.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The Debian package CPack writes from this build, as tools/package.sh does from a Release build:
// its file name, control fields and contents.

namespace {

// The control field `name` of `dpkg-deb --info` output, or an empty text.
QString ControlField(const QString& info, const QString& name)
{
    const QRegularExpression field(QStringLiteral("^ %1: (.*)$").arg(name), QRegularExpression::MultilineOption);
    return field.match(info).captured(1).trimmed();
}

// The package names a Depends or Recommends field lists, without versions or alternatives.
QStringList PackageNames(const QString& field)
{
    QStringList names;
    for (const QString& entry : field.split(',', Qt::SkipEmptyParts)) {
        names << entry.trimmed().section(' ', 0, 0).section('|', 0, 0);
    }
    return names;
}

TEST(DebianPackage, HoldsTheInstalledFilesAndNamesWhatTheyNeed)
{
    QTemporaryDir output;
    const ToolRun cpack = RunTool(QStringLiteral(CPACK_PROGRAM),
                                  {"--config", THERMREPORT_BINARY_DIR "/CPackConfig.cmake", "-B", output.path()});
    ASSERT_EQ(cpack.status, 0) << cpack.out.toStdString() << cpack.err.toStdString();

    const ToolRun architecture = RunTool("dpkg", {"--print-architecture"});
    ASSERT_EQ(architecture.status, 0);
    const QString name = QStringLiteral("thermreport_%1_%2.deb").arg(PROJECT_VERSION, architecture.out.trimmed());
    ASSERT_EQ(QDir(output.path()).entryList({"*.deb"}), QStringList {name});
    const QString package = QDir(output.path()).filePath(name);

    const ToolRun info = RunTool("dpkg-deb", {"--info", package});
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    const QString fields = QString::fromUtf8(info.out);
    EXPECT_EQ(ControlField(fields, "Package"), "thermreport");
    EXPECT_EQ(ControlField(fields, "Version"), PROJECT_VERSION);
    EXPECT_EQ(ControlField(fields, "Architecture"), architecture.out.trimmed());
    EXPECT_EQ(ControlField(fields, "Section"), "graphics");
    EXPECT_FALSE(ControlField(fields, "Maintainer").isEmpty());
    EXPECT_FALSE(ControlField(fields, "Description").isEmpty());
    const QStringList depends = PackageNames(ControlField(fields, "Depends"));
    for (const char* needed :
         {"libc6", "libstdc++6", "libqt6core6", "libqt6gui6", "libqt6widgets6", "fonts-liberation2"}) {
        EXPECT_TRUE(depends.contains(QLatin1String(needed)))
            << needed << " not in " << depends.join(", ").toStdString();
    }
    EXPECT_EQ(PackageNames(ControlField(fields, "Recommends")), QStringList {"fonts-noto-cjk"});
    // The menu, MIME and icon caches follow through the system's triggers, so that removing the
    // package leaves nothing behind. The only scripts there may be are CPack's ldconfig calls, which
    // it adds for a library directly below lib/ (a build for /usr on Debian has none).
    for (const char* script : {"preinst", "prerm", "config"}) {
        EXPECT_FALSE(fields.contains(QLatin1String(script))) << script;
    }
    for (const char* script : {"postinst", "postrm"}) {
        const ToolRun shown = RunTool("dpkg-deb", {"--info", package, script});
        if (shown.status == 0) {
            const QStringList commands = QString::fromUtf8(shown.out)
                                             .split('\n', Qt::SkipEmptyParts)
                                             .filter(QRegularExpression(QStringLiteral("^\\s+[a-z]")));
            EXPECT_EQ(commands, QStringList {"\tldconfig"}) << script << ": " << shown.out.toStdString();
        }
    }

    const ToolRun contents = RunTool("dpkg-deb", {"--contents", package});
    ASSERT_EQ(contents.status, 0) << contents.err.toStdString();
    QStringList files;
    for (const QString& line : QString::fromUtf8(contents.out).split('\n', Qt::SkipEmptyParts)) {
        if (!line.startsWith('d')) {
            // "-rwxr-xr-x root/root 123 2026-01-01 00:00 ./usr/bin/thermreport": the path may hold blanks.
            files << line.section(QRegularExpression(QStringLiteral("\\s+")), 5).mid(QStringLiteral("./usr/").size());
        }
    }
    files.sort();
    EXPECT_EQ(files, ExpectedInstalledFiles());
}

} // namespace
