#include "ProjectFileIO.h"

#include "ProjectFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

ProjectReadResult LoadProjectFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return ProjectReadResult::Failure(ProjectReadError::CannotOpen);
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return ProjectReadResult::Failure(ProjectReadError::Malformed);
    }
    return SerializeProject(bytes);
}

FileWriteResult SaveProjectFile(const QString& path, const ReportProject& project)
{
    ReportProject saved = project;
    saved.relativePaths = RelativeFileEntries(project, QFileInfo(path).absolutePath());
    return SaveWholeFile(path, [&saved](QIODevice& file) { return SerializeProject(saved, file); });
}

FileWriteResult SaveWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return FileWriteResult::Failure(FileWriteError::CannotCreate, file.errorString());
    }
    // commit() has been seen reporting success after a short write on a full disk, so every
    // write, the flush and the device's error state are checked before the file is replaced.
    const bool written = write(file) && file.flush() && file.error() == QFileDevice::NoError;
    if (!written) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileWriteResult::Failure(FileWriteError::WriteFailed, reason);
    }
    if (!file.commit()) {
        return FileWriteResult::Failure(FileWriteError::CannotReplace, file.errorString());
    }
    return Done {};
}
