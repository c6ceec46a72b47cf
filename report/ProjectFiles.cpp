#include "ProjectFiles.h"

#include <QDir>

#include <algorithm>

std::vector<ProjectFileEntry> ProjectFileEntries(const ReportProject& project)
{
    std::vector<ProjectFileEntry> entries;
    if (!project.title.logoPath.isEmpty()) {
        entries.push_back({ProjectFileKind::Logo, -1, project.title.logoPath});
    }
    for (int index = 0; index < project.InspectionCount(); ++index) {
        const InspectionSelection& selection = *project.SelectionAt(index);
        if (!selection.snapshotPath.isEmpty()) {
            entries.push_back({ProjectFileKind::Snapshot, index, selection.snapshotPath});
        }
        if (!selection.imagePath.isEmpty()) {
            entries.push_back({ProjectFileKind::Photo, index, selection.imagePath});
        }
    }
    return entries;
}

void SetProjectFilePath(ReportProject& project, const ProjectFileEntry& entry, const QString& path)
{
    if (entry.kind == ProjectFileKind::Logo) {
        project.title.logoPath = path;
        return;
    }
    if (InspectionSelection* selection = project.SelectionAt(entry.inspection)) {
        (entry.kind == ProjectFileKind::Snapshot ? selection->snapshotPath : selection->imagePath) = path;
    }
}

std::vector<ProjectFileEntry> RelativeFileEntries(const ReportProject& project, const QString& folder)
{
    const QDir base(folder);
    std::vector<ProjectFileEntry> entries;
    for (ProjectFileEntry entry : ProjectFileEntries(project)) {
        entry.path = base.relativeFilePath(entry.path);
        if (!entry.path.isEmpty() && QDir::isRelativePath(entry.path)) {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

QString PathFileName(const QString& storedPath)
{
    const qsizetype separator = std::max(storedPath.lastIndexOf(u'/'), storedPath.lastIndexOf(u'\\'));
    return storedPath.mid(separator + 1);
}
