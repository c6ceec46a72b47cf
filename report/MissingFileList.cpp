#include "MissingFileList.h"

#include "ProjectCheck.h"
#include "ProjectFiles.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

MissingFileList::MissingFileList(ReportProject project, std::vector<ProjectFileEntry> missing)
    : project(std::move(project))
    , missing(std::move(missing))
{ }

bool MissingFileList::Locate(int row, const QString& path)
{
    if (row < 0 || row >= int(missing.size()) || !ReadsAsProjectFile(missing[size_t(row)].kind, path)) {
        return false;
    }
    SetProjectFilePath(project, missing[size_t(row)], QFileInfo(path).absoluteFilePath());
    missing.erase(missing.begin() + row);
    return true;
}

void MissingFileList::Remove(int row)
{
    if (row < 0 || row >= int(missing.size())) {
        return;
    }
    const ProjectFileEntry removed = missing[size_t(row)];
    if (removed.kind == ProjectFileKind::Logo) {
        project.title.logoPath.clear();
        missing.erase(missing.begin() + row);
        return;
    }
    project.RemoveInspection(removed.inspection);
    std::erase_if(missing, [&removed](const ProjectFileEntry& entry) {
        return entry.kind != ProjectFileKind::Logo && entry.inspection == removed.inspection;
    });
    for (ProjectFileEntry& entry : missing) {
        if (entry.inspection > removed.inspection) {
            --entry.inspection;
        }
    }
}

std::vector<QStringList> MissingFileList::SearchFolder(const QString& folder) const
{
    // One walk through the tree, keeping only the names looked for.
    QHash<QString, QStringList> pathsByName;
    for (const ProjectFileEntry& entry : missing) {
        pathsByName.insert(PathFileName(entry.path).toCaseFolded(), {});
    }
    QDirIterator walk(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        walk.next();
        const auto paths = pathsByName.find(walk.fileName().toCaseFolded());
        if (paths != pathsByName.end()) {
            paths->append(walk.filePath());
        }
    }
    std::vector<QStringList> candidates;
    for (const ProjectFileEntry& entry : missing) {
        QStringList usable;
        for (const QString& path : pathsByName.value(PathFileName(entry.path).toCaseFolded())) {
            if (ReadsAsProjectFile(entry.kind, path)) {
                usable.append(path);
            }
        }
        usable.sort();
        candidates.push_back(usable);
    }
    return candidates;
}
