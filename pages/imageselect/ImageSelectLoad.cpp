#include "pages/imageselect/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/gui/ProjectMessages.h"
#include "app/gui/WaitCursor.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/InspectionRowsModel.h"
#include "pages/imageselect/PreviewAreas.h"

#include <QFile>
#include <QListWidget>
#include <QTreeView>

namespace {

// The same messages as the document's own check of a loaded project; "Could not find" puts the
// path before or after the words as the language has it.
void ShowProblem(ProjectFileProblem::Kind kind, int row, const QString& path)
{
    MessageBox(ProjectFileProblemMessage({kind, row, path}), IconError, ButtonsOk);
}

ProjectFileProblem::Kind ProblemOf(ThumbnailFailure failure)
{
    switch (failure) {
    case ThumbnailFailure::SnapshotNotLoaded:
        return ProjectFileProblem::SnapshotNotReadable;
    case ThumbnailFailure::NoSnapshotPicture:
        return ProjectFileProblem::SnapshotNoPicture;
    case ThumbnailFailure::InvalidBitmap:
        return ProjectFileProblem::ImageInvalidBitmap;
    case ThumbnailFailure::PictureNotDecodable:
    case ThumbnailFailure::None:
        break;
    }
    return ProjectFileProblem::ImageUndecodable;
}

bool Readable(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

void ImageSelectDlg::ClearPage()
{
    for (FolderList* files : {&snapshotFiles, &imageFiles}) {
        files->fill.Cancel();
        files->list->unsetCursor();
        files->list->clear();
        files->thumbs.clear();
    }
    rows->Clear();
    UpdateInspectionCount();
    ShowRowPreviews(-1);
}

bool ImageSelectDlg::LoadSelections(std::vector<InspectionSelection> selections, std::vector<InspectionDetails> details)
{
    ClearPage();
    // Every thumbnail is made up front on all cores; the steps below still meet the files, and
    // report them, one after the other.
    QStringList snapshotPaths;
    QStringList imagePaths;
    for (const InspectionSelection& selection : selections) {
        snapshotPaths << selection.snapshotPath;
        imagePaths << selection.imagePath;
    }
    QList<ThumbnailResult> snapshotThumbnails;
    QList<ThumbnailResult> imageThumbnails;
    {
        WaitCursor busy;
        snapshotThumbnails = MakeThumbnailsOfPaths(ThumbnailFill::Snapshots, snapshotPaths);
        imageThumbnails = MakeThumbnailsOfPaths(ThumbnailFill::Images, imagePaths);
    }
    bool loaded = true;
    for (int row = 0; loaded && row < int(selections.size()); ++row) {
        loaded = AppendSnapshotRow(snapshotPaths[row], snapshotThumbnails[row]);
    }
    for (int row = 0; loaded && row < int(selections.size()); ++row) {
        loaded = SetRowImage(imagePaths[row], row, imageThumbnails[row]);
    }
    if (loaded) {
        for (int row = 0; row < int(selections.size()); ++row) {
            SetRowAnnotations(selections[size_t(row)], row);
        }
        // Every row came with a fresh record; the loaded ones take their places.
        for (int row = 0; row < RowCount() && row < int(details.size()); ++row) {
            *Project().DetailsAt(row) = details[size_t(row)];
        }
    }
    emit InspectionsChanged();
    return loaded;
}

bool ImageSelectDlg::AppendSnapshotRow(const QString& path)
{
    return AppendSnapshotRow(path, MakeSnapshotThumbnail(path));
}

bool ImageSelectDlg::AppendSnapshotRow(const QString& path, const ThumbnailResult& thumbnail)
{
    if (path.isEmpty()) {
        ShowProblem(ProjectFileProblem::EmptySnapshotPath, RowCount(), path);
        return false;
    }
    if (!Readable(path)) {
        ShowProblem(ProjectFileProblem::SnapshotNotFound, RowCount(), path);
        return false;
    }
    if (!thumbnail.Ok()) {
        ShowProblem(ProblemOf(thumbnail.failure), RowCount(), path);
        return false;
    }
    rows->AppendRows({{path, rows->AppendThumb(thumbnail.image)}});
    SelectRow(RowCount() - 1);
    UpdateInspectionCount();
    imagePreview->DropPicture();
    snapshotFolderList->setFocus();
    return true;
}

bool ImageSelectDlg::SetRowImage(const QString& path, int row)
{
    return path.isEmpty() || SetRowImage(path, row, MakeImageThumbnail(path));
}

bool ImageSelectDlg::SetRowImage(const QString& path, int row, const ThumbnailResult& thumbnail)
{
    if (path.isEmpty()) {
        return true;
    }
    if (!Readable(path)) {
        ShowProblem(ProjectFileProblem::ImageNotFound, row, path);
        return false;
    }
    if (!thumbnail.Ok()) {
        ShowProblem(ProblemOf(thumbnail.failure), row, path);
        return false;
    }
    const int thumb = rows->AppendThumb(thumbnail.image);
    if (!RowSelection(row)) {
        MessageBox(JoinMessage(LoadAppString(StringId::NoSelectionForImage), LoadAppString(StringId::AbortingLoad)),
                   IconError,
                   ButtonsOk);
        return false;
    }
    rows->SetRowImage(row, {path, thumb});
    return true;
}

void ImageSelectDlg::SetRowAnnotations(const InspectionSelection& loaded, int row)
{
    if (InspectionSelection* selection = row < RowCount() ? Project().SelectionAt(row) : nullptr) {
        selection->strokes = loaded.strokes;
        selection->measurement = loaded.measurement;
    }
}
