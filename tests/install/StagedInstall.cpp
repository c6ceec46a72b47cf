#include "StagedInstall.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

ToolRun
RunTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment, int seconds)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(seconds * 1000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return {-1, process.readAllStandardOutput(), process.readAllStandardError() + process.errorString().toUtf8()};
    }
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

ToolRun InstallInto(const QString& destdir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DESTDIR", destdir);
    return RunTool(
        QStringLiteral(CMAKE_PROGRAM), {"--install", THERMREPORT_BINARY_DIR, "--prefix", "/usr"}, environment);
}

QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        files << QDir(folder).relativeFilePath(entries.next());
    }
    files.sort();
    return files;
}

QStringList ExpectedInstalledFiles()
{
    const QString data = QStringLiteral(INSTALL_DATADIR "/");
    QStringList files {
        QStringLiteral(INSTALL_BINDIR "/thermreport"),
        QStringLiteral(LANGUAGE_INSTALL_DIR "/QVX Japanese.so"),
        data + "applications/org.thermreport.thermreport.desktop",
        data + "metainfo/org.thermreport.thermreport.metainfo.xml",
        data + "mime/packages/thermreport.xml",
        data + "thumbnailers/thermreport.thumbnailer",
        data + "icons/hicolor/scalable/apps/thermreport.svg",
        QStringLiteral(INSTALL_MANDIR "/man1/thermreport.1.gz"),
    };
    for (const QString& size : QStringLiteral(ICON_SIZES).split(' ')) {
        files << data + QStringLiteral("icons/hicolor/%1x%1/apps/thermreport.png").arg(size);
    }
    files.sort();
    return files;
}
