#include "ProjectCheck.h"

#include <QFile>

namespace {

bool OpensForReading(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

std::optional<ProjectFileProblem> CheckProjectFiles(const ReportProject& project)
{
    const auto& selections = project.Selections();
    for (int index = 0; index < project.InspectionCount(); ++index) {
        const QString& path = selections[size_t(index)].snapshotPath;
        if (path.isEmpty()) {
            return ProjectFileProblem {ProjectFileProblem::EmptySnapshotPath, index, path};
        }
        if (!OpensForReading(path)) {
            return ProjectFileProblem {ProjectFileProblem::SnapshotNotFound, index, path};
        }
    }
    for (int index = 0; index < project.InspectionCount(); ++index) {
        const QString& path = selections[size_t(index)].imagePath;
        if (!path.isEmpty() && !OpensForReading(path)) {
            return ProjectFileProblem {ProjectFileProblem::ImageNotFound, index, path};
        }
    }
    return std::nullopt;
}
