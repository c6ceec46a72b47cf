#include "StagedInstall.h"
#include "app/cli/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <memory>

// cmake --install into a staging folder: the files, their validators, and the staged program run
// from there.

namespace {

class StagedInstall : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        stage = std::make_unique<QTemporaryDir>();
        installed = InstallInto(stage->path());
    }

    static void TearDownTestSuite() { stage.reset(); }

    void SetUp() override { ASSERT_EQ(installed.status, 0) << installed.err.toStdString(); }

    static QString Staged(const QString& path) { return stage->filePath("usr/" + path); }
    static QString Data(const QString& path) { return Staged(QStringLiteral(INSTALL_DATADIR "/") + path); }
    static QString Program() { return Staged(QStringLiteral(INSTALL_BINDIR "/thermreport")); }

    static std::unique_ptr<QTemporaryDir> stage;
    static ToolRun installed;
};

std::unique_ptr<QTemporaryDir> StagedInstall::stage;
ToolRun StagedInstall::installed;

// The values of `key` in the first group of a desktop-entry style file, split at ';'.
QStringList EntryList(const QString& path, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.startsWith(key + '=')) {
            return line.mid(key.size() + 1).split(';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

// The MIME types the shared-MIME-info file declares.
QStringList DeclaredMimeTypes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList types;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("mime-type")) {
            types << xml.attributes().value("type").toString();
        }
    }
    if (xml.hasError()) {
        return {};
    }
    return types;
}

// A home and settings of its own, the language chosen by the locale `locale`.
QProcessEnvironment FreshUser(const QString& home, const QString& locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("LC_ALL", locale);
    environment.insert("LANG", locale);
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    return environment;
}

TEST_F(StagedInstall, PutsEveryFileInItsPlaceAndNothingElse)
{
    EXPECT_EQ(FilesBelow(stage->path() + "/usr"), ExpectedInstalledFiles());
    EXPECT_EQ(FilesBelow(stage->path()).size(), ExpectedInstalledFiles().size()); // nothing outside the prefix
    EXPECT_TRUE(QFileInfo(Program()).isExecutable());
}

TEST_F(StagedInstall, IconsHaveTheirSizes)
{
    for (const QString& size : QStringLiteral(ICON_SIZES).split(' ')) {
        const QImage icon(Data(QStringLiteral("icons/hicolor/%1x%1/apps/thermreport.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size.toInt(), size.toInt())) << size.toStdString();
        EXPECT_TRUE(icon.hasAlphaChannel()) << size.toStdString();
    }
    EXPECT_EQ(RunTool("xmllint", {"--noout", Data("icons/hicolor/scalable/apps/thermreport.svg")}).status, 0);
}

TEST_F(StagedInstall, DesktopEntryIsValid)
{
    const QString entry = Data("applications/org.thermreport.thermreport.desktop");
    const ToolRun run = RunTool("desktop-file-validate", {entry});
    EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty() && run.err.isEmpty()) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(EntryList(entry, "Exec"), QStringList {"thermreport %f"});
}

TEST_F(StagedInstall, MetainfoIsValidAndNamesThisRelease)
{
    const QString metainfo = Data("metainfo/org.thermreport.thermreport.metainfo.xml");
    const ToolRun run = RunTool("appstreamcli", {"validate", "--no-net", metainfo});
    EXPECT_EQ(run.status, 0) << run.out.toStdString() << run.err.toStdString();

    QFile file(metainfo);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList releases;
    QString launchable;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("release")) {
                releases << xml.attributes().value("version").toString();
            } else if (xml.name() == QLatin1String("launchable")) {
                launchable = xml.readElementText();
            }
        }
    }
    EXPECT_EQ(releases.value(0), PROJECT_VERSION);
    EXPECT_TRUE(QFile::exists(Data("applications/" + launchable))) << launchable.toStdString();
}

TEST_F(StagedInstall, MimeTypesAreDeclaredAndRecognised)
{
    const QString packageFile = Data("mime/packages/thermreport.xml");
    EXPECT_EQ(RunTool("xmllint", {"--noout", packageFile}).status, 0);
    const QStringList declared = DeclaredMimeTypes(packageFile);
    EXPECT_EQ(declared, (QStringList {"application/x-thermreport-project", "image/x-thermreport-snapshot"}));
    // Every type the desktop entry and the thumbnailer name is one of them.
    for (const QString& type : EntryList(Data("applications/org.thermreport.thermreport.desktop"), "MimeType") +
             EntryList(Data("thumbnailers/thermreport.thumbnailer"), "MimeType")) {
        EXPECT_TRUE(declared.contains(type)) << type.toStdString();
    }

    // The database built from the file alone knows the globs, the magic and the icon.
    QTemporaryDir dataHome;
    const QDir database(dataHome.filePath("mime"));
    ASSERT_TRUE(QDir().mkpath(database.filePath("packages")));
    ASSERT_TRUE(QFile::copy(packageFile, database.filePath("packages/thermreport.xml")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_HOME", dataHome.path());
    const ToolRun update = RunTool("update-mime-database", {database.path()}, environment);
    EXPECT_EQ(update.status, 0) << update.err.toStdString();
    EXPECT_TRUE(update.err.isEmpty()) << update.err.toStdString();
    QFile globs(database.filePath("globs2"));
    ASSERT_TRUE(globs.open(QIODevice::ReadOnly));
    const QByteArray globLines = globs.readAll();
    EXPECT_TRUE(globLines.contains("application/x-thermreport-project:*.qvr")) << globLines.toStdString();
    EXPECT_TRUE(globLines.contains("image/x-thermreport-snapshot:*.qvx")) << globLines.toStdString();
    QFile magic(database.filePath("magic"));
    ASSERT_TRUE(magic.open(QIODevice::ReadOnly));
    const QByteArray magicBytes = magic.readAll();
    // The match: offset 0, a value of 3 bytes (the length big-endian), "QVX".
    QByteArray match("image/x-thermreport-snapshot]\n>0=");
    match.append('\0').append('\3').append("QVX");
    EXPECT_TRUE(magicBytes.contains(match)) << magicBytes.toStdString();
    QFile icons(database.filePath("icons"));
    ASSERT_TRUE(icons.open(QIODevice::ReadOnly));
    EXPECT_EQ(icons.readAll(),
              "application/x-thermreport-project:thermreport\nimage/x-thermreport-snapshot:thermreport\n");
}

TEST_F(StagedInstall, ThumbnailerCommandRunsTheStagedProgramWithoutADisplay)
{
    const QString thumbnailer = Data("thumbnailers/thermreport.thumbnailer");
    EXPECT_EQ(EntryList(thumbnailer, "TryExec"), QStringList {"thermreport"});
    const QStringList exec = EntryList(thumbnailer, "Exec").value(0).split(' ');
    ASSERT_EQ(exec.size(), 5);
    ASSERT_EQ(exec[0], "thermreport");

    QTemporaryDir folder;
    const QString output = folder.filePath("thumbnail.png");
    QStringList arguments = exec.mid(1);
    arguments.replaceInStrings("%i", THERMREPORT_SOURCE_DIR "/examples/steam-valve.qvx");
    arguments.replaceInStrings("%o", output);
    arguments.replaceInStrings("%s", "256");
    QProcessEnvironment environment = FreshUser(folder.path(), "C.UTF-8");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    const ToolRun run = RunTool(Program(), arguments, environment);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(output).size(), QSize(256, 192));
}

TEST_F(StagedInstall, ManualPageDescribesEveryMode)
{
    const ToolRun page = RunTool("gzip", {"-dc", Staged(QStringLiteral(INSTALL_MANDIR "/man1/thermreport.1.gz"))});
    ASSERT_EQ(page.status, 0);
    const QString text = QString::fromUtf8(page.out);
    EXPECT_TRUE(text.startsWith(".TH THERMREPORT 1")) << text.left(80).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\"thermreport " PROJECT_VERSION "\"")));
    for (const char* section : {".SH SYNOPSIS", ".SH EXIT STATUS", ".SH FILES"}) {
        EXPECT_TRUE(text.contains(QLatin1String(section))) << section;
    }
    // Every option of the program's own usage text, written the roff way.
    const QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
    int options = 0;
    for (const QRegularExpressionMatch& match : option.globalMatch(UsageText())) {
        QString roff = match.captured();
        roff.replace('-', "\\-");
        EXPECT_TRUE(text.contains(roff)) << match.captured().toStdString();
        ++options;
    }
    EXPECT_GE(options, 10);
}

TEST_F(StagedInstall, StagedProgramPrintsTheDemoReportInTheUsersLanguage)
{
    QTemporaryDir folder;
    const QString project = folder.filePath("demo.QVR");
    const ToolRun demo =
        RunTool(THERMREPORT_BINARY_DIR "/bin/thermreport-demoproject", {THERMREPORT_SOURCE_DIR "/examples", project});
    ASSERT_EQ(demo.status, 0) << demo.err.toStdString();

    // A Japanese locale chooses the Japanese library, which only the installed tree holds.
    ASSERT_FALSE(QFile::exists(QFileInfo(Program()).dir().filePath("QVX Japanese.so")));
    const QString pdf = folder.filePath("demo-report.pdf");
    const ToolRun report = RunTool(Program(), {"--pdf", pdf, project}, FreshUser(folder.path(), "ja_JP.UTF-8"));
    EXPECT_EQ(report.status, 0) << report.err.toStdString();
    EXPECT_TRUE(report.err.isEmpty()) << report.err.toStdString();
    EXPECT_EQ(report.out, (pdf + '\n').toUtf8());
    const ToolRun text = RunTool("pdftotext", {"-layout", pdf, "-"});
    ASSERT_EQ(text.status, 0);
    EXPECT_TRUE(QString::fromUtf8(text.out).contains(QStringLiteral("目次"))) << "no Japanese contents page";
    EXPECT_FALSE(QString::fromUtf8(text.out).contains(QStringLiteral("Contents")));
}

} // namespace
