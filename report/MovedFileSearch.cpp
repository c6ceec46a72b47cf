#include "MovedFileSearch.h"

#include "ProjectCheck.h"
#include "ProjectFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The names along a stored path, without its drive letter or server's empty parts.
QStringList PathParts(const QString& storedPath)
{
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    static const QRegularExpression driveLetter(QStringLiteral("^[A-Za-z]:$"));
    QStringList parts = storedPath.split(separators, Qt::SkipEmptyParts);
    if (!parts.isEmpty() && driveLetter.match(parts.first()).hasMatch()) {
        parts.removeFirst();
    }
    return parts;
}

void AddTrailingParts(QStringList& candidates, const QStringList& parts, const QString& base)
{
    for (qsizetype first = 0; first < parts.size(); ++first) {
        const QStringList tail = parts.mid(first);
        // A tail that climbs out of the base is not below it.
        if (tail.contains(QStringLiteral("..")) || tail.contains(QStringLiteral("."))) {
            continue;
        }
        candidates.append(QDir::cleanPath(base + u'/' + tail.join(u'/')));
    }
}

QString RelativePathOf(const ReportProject& project, const ProjectFileEntry& entry)
{
    const auto stated = std::find_if(project.relativePaths.begin(),
                                     project.relativePaths.end(),
                                     [&entry](const ProjectFileEntry& relative) { return relative.SameFileAs(entry); });
    return stated == project.relativePaths.end() ? QString() : stated->path;
}

// The places tried, in order, for a file whose stored path names no file; `relativePath` is the
// one the last save stated, empty when none.
QStringList MovedFileCandidates(const QString& storedPath, const QString& relativePath, const QString& projectFolder)
{
    QStringList candidates;
    if (!relativePath.isEmpty()) {
        candidates.append(QDir::cleanPath(QDir(projectFolder).absoluteFilePath(relativePath)));
    }
    const QStringList parts = PathParts(storedPath);
    AddTrailingParts(candidates, parts, projectFolder);
    const QString parent = QFileInfo(projectFolder).absolutePath();
    if (parent != projectFolder) {
        AddTrailingParts(candidates, parts, parent);
    }
    candidates.removeDuplicates();
    return candidates;
}

} // namespace

MovedFileSearch FindMovedFiles(ReportProject& project, const QString& projectFilePath)
{
    const QString folder = QFileInfo(projectFilePath).absolutePath();
    MovedFileSearch search;
    for (const ProjectFileEntry& entry : ProjectFileEntries(project)) {
        if (QFileInfo(entry.path).isFile()) {
            continue;
        }
        const QStringList candidates = MovedFileCandidates(entry.path, RelativePathOf(project, entry), folder);
        const auto usable = std::find_if(candidates.begin(), candidates.end(), [&entry](const QString& candidate) {
            return QFileInfo(candidate).isFile() && ReadsAsProjectFile(entry.kind, candidate);
        });
        if (usable == candidates.end()) {
            search.missing.push_back(entry);
        } else {
            search.found.push_back({entry, *usable});
        }
    }
    for (const FoundFile& file : search.found) {
        SetProjectFilePath(project, file.entry, file.foundPath);
    }
    project.relativePaths.clear();
    return search;
}

QSet<QString> MovedFileSearch::FoundPaths() const
{
    QSet<QString> paths;
    for (const FoundFile& file : found) {
        paths.insert(file.foundPath);
    }
    return paths;
}
