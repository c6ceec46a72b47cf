#include "ProjectCheck.h"

#include "pages/pictures/DibImage.h"
#include "snapshot/SnapshotPicture.h"
#include "snapshot/cQVX.h"

#include <QFile>
#include <QImageReader>

namespace {

using Kind = ProjectFileProblem::Kind;

// Images are shown as thumbnails of this size; decoding at it is enough to prove the file.
constexpr QSize ThumbnailSize(106, 80);

bool OpensForReading(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

std::optional<Kind> SnapshotProblem(const QString& path)
{
    if (path.isEmpty()) {
        return ProjectFileProblem::EmptySnapshotPath;
    }
    if (!OpensForReading(path)) {
        return ProjectFileProblem::SnapshotNotFound;
    }
    cQVX snapshot;
    if (!snapshot.Load(path) || !snapshot.valid) {
        return ProjectFileProblem::SnapshotNotReadable;
    }
    if (RenderPicture(snapshot).isNull()) {
        return ProjectFileProblem::SnapshotNoPicture;
    }
    return std::nullopt;
}

// The same reader the page's rebuild uses, so a bitmap that passes here cannot fail there
// after the open project has already been replaced.
bool IsBitmapFile(const QString& path)
{
    DibImage bitmap;
    return bitmap.LoadBmpFile(path) && bitmap.IsValid() && !bitmap.ToImage().isNull();
}

bool Decodes(const QString& path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    reader.setScaledSize(ThumbnailSize);
    return !reader.read().isNull();
}

std::optional<Kind> ImageProblem(const QString& path)
{
    if (path.isEmpty()) {
        return std::nullopt;
    }
    if (!OpensForReading(path)) {
        return ProjectFileProblem::ImageNotFound;
    }
    // Only a lower-case "bmp" ending marks a bitmap file; everything else is decoded as a picture.
    if (path.endsWith(QStringLiteral("bmp"), Qt::CaseSensitive)) {
        return IsBitmapFile(path) ? std::nullopt : std::optional(ProjectFileProblem::ImageInvalidBitmap);
    }
    return Decodes(path) ? std::nullopt : std::optional(ProjectFileProblem::ImageUndecodable);
}

} // namespace

std::optional<ProjectFileProblem> CheckProjectFiles(const ReportProject& project, const QSet<QString>& alreadyChecked)
{
    const auto& selections = project.Selections();
    for (int index = 0; index < project.InspectionCount(); ++index) {
        const QString& path = selections[size_t(index)].snapshotPath;
        if (alreadyChecked.contains(path)) {
            continue;
        }
        if (const auto kind = SnapshotProblem(path)) {
            return ProjectFileProblem {*kind, index, path};
        }
    }
    for (int index = 0; index < project.InspectionCount(); ++index) {
        const QString& path = selections[size_t(index)].imagePath;
        if (alreadyChecked.contains(path)) {
            continue;
        }
        if (const auto kind = ImageProblem(path)) {
            return ProjectFileProblem {*kind, index, path};
        }
    }
    return std::nullopt;
}

bool ReadsAsProjectFile(ProjectFileKind kind, const QString& path)
{
    if (path.isEmpty()) {
        return false;
    }
    return kind == ProjectFileKind::Snapshot ? !SnapshotProblem(path) : !ImageProblem(path);
}
