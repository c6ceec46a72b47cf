#include "ProjectPack.h"

#include "ProjectFileIO.h"
#include "ProjectFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace {

const QString SnapshotFolder = QStringLiteral("snapshots");
const QString PhotoFolder = QStringLiteral("photos");
constexpr qint64 CopyBlockSize = 1 << 16;

struct PlannedCopy
{
    QString source;
    QString target;
};

// Gives each source file one name in the folder its kind goes to; names are compared without
// case, so that the pack also holds together on file systems that ignore it.
class PackPlan
{
public:
    PackPlan(const QString& folder, const QString& projectFileName)
        : folder(folder)
    {
        taken.insert(projectFileName.toCaseFolded());
        taken.insert(SnapshotFolder.toCaseFolded());
        taken.insert(PhotoFolder.toCaseFolded());
    }

    QString TargetOf(const ProjectFileEntry& entry)
    {
        const QString source = QFileInfo(entry.path).absoluteFilePath();
        const QString key = QString::number(int(entry.kind)) + u'|' + source;
        if (const auto planned = targets.constFind(key); planned != targets.cend()) {
            return *planned;
        }
        const QString subfolder = entry.kind == ProjectFileKind::Snapshot ? SnapshotFolder
            : entry.kind == ProjectFileKind::Photo                        ? PhotoFolder
                                                                          : QString();
        const QString name = FreeName(subfolder, PathFileName(entry.path));
        const QString target = subfolder.isEmpty() ? folder + u'/' + name : folder + u'/' + subfolder + u'/' + name;
        targets.insert(key, target);
        copies.push_back({source, target});
        return target;
    }

    std::vector<PlannedCopy> copies;

private:
    QString FreeName(const QString& subfolder, const QString& name)
    {
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString base = dot > 0 ? name.left(dot) : name;
        const QString suffix = dot > 0 ? name.mid(dot) : QString();
        QString candidate = name;
        for (int number = 2; taken.contains(subfolder + u'/' + candidate.toCaseFolded()); ++number) {
            candidate = base + u'-' + QString::number(number) + suffix;
        }
        taken.insert(subfolder + u'/' + candidate.toCaseFolded());
        return candidate;
    }

    QString folder;
    QSet<QString> taken;
    QHash<QString, QString> targets;
};

// What the pack has written so far, removed again unless the pack completes.
class WrittenSoFar
{
public:
    ~WrittenSoFar()
    {
        if (kept) {
            return;
        }
        for (const QString& file : files) {
            QFile::remove(file);
        }
        for (auto folder = folders.rbegin(); folder != folders.rend(); ++folder) {
            QDir().rmdir(*folder);
        }
    }

    QStringList files;
    QStringList folders;
    bool kept = false;
};

bool CopyInto(QFile& source, QIODevice& target)
{
    QByteArray block;
    while (!source.atEnd()) {
        block = source.read(CopyBlockSize);
        if (block.isEmpty() || target.write(block) != block.size()) {
            return false;
        }
    }
    return source.error() == QFileDevice::NoError;
}

bool IsEmptyFolder(const QFileInfo& folder)
{
    return folder.isDir() &&
        QDir(folder.absoluteFilePath())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            .isEmpty();
}

PackResult Failure(PackError error, const QString& path, const QString& reason = {})
{
    return {error, path, reason, 0, 0};
}

} // namespace

PackResult PackProject(const ReportProject& project,
                       const QString& projectName,
                       const QString& folder,
                       const PackProgress& progress)
{
    const QFileInfo target(folder);
    const QString root = target.absoluteFilePath();
    WrittenSoFar written;
    if (target.exists()) {
        if (!IsEmptyFolder(target)) {
            return Failure(PackError::FolderNotEmpty, root);
        }
    } else if (!QDir().mkdir(root)) {
        return Failure(PackError::CannotCreateFolder, root);
    } else {
        written.folders.append(root);
    }

    const QString projectFileName = QFileInfo(projectName).completeBaseName() + QStringLiteral(".QVR");
    PackPlan plan(root, projectFileName);
    ReportProject packed = project;
    packed.relativePaths.clear();
    for (const ProjectFileEntry& entry : ProjectFileEntries(project)) {
        SetProjectFilePath(packed, entry, plan.TargetOf(entry));
    }

    const int total = int(plan.copies.size()) + 1;
    PackResult result;
    for (const PlannedCopy& copy : plan.copies) {
        if (progress && !progress(result.fileCount + 1, total)) {
            return Failure(PackError::Cancelled, root);
        }
        const QString subfolder = QFileInfo(copy.target).absolutePath();
        if (subfolder != root && !written.folders.contains(subfolder)) {
            if (!QDir().mkdir(subfolder)) {
                return Failure(PackError::CannotCreateFolder, subfolder);
            }
            written.folders.append(subfolder);
        }
        QFile source(copy.source);
        if (!source.open(QIODevice::ReadOnly)) {
            return Failure(PackError::CannotRead, copy.source, source.errorString());
        }
        bool readFailed = false;
        const FileWriteResult saved = SaveWholeFile(copy.target, [&](QIODevice& out) {
            readFailed = !CopyInto(source, out) && source.error() != QFileDevice::NoError;
            return !readFailed && source.atEnd();
        });
        if (readFailed) {
            return Failure(PackError::CannotRead, copy.source, source.errorString());
        }
        if (!saved.Ok()) {
            return Failure(PackError::CannotWrite, copy.target, saved.Message());
        }
        written.files.append(copy.target);
        ++result.fileCount;
        result.totalBytes += QFileInfo(copy.target).size();
    }

    if (progress && !progress(total, total)) {
        return Failure(PackError::Cancelled, root);
    }
    result.path = root + u'/' + projectFileName;
    const FileWriteResult saved = SaveProjectFile(result.path, packed);
    if (!saved.Ok()) {
        return Failure(PackError::CannotWrite, result.path, saved.Message());
    }
    written.files.append(result.path);
    ++result.fileCount;
    result.totalBytes += QFileInfo(result.path).size();
    written.kept = true;
    return result;
}
