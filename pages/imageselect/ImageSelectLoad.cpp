#include "pages/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/gui/ProjectMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/PreviewAreas.h"

#include <QFile>
#include <QListWidget>
#include <QTreeWidget>

namespace {

void ShowLoadError(unsigned headlineId)
{
    MessageBox(JoinMessage(LoadAppString(headlineId), LoadAppString(StringId::AbortingLoad)), IconError, ButtonsOk);
}

// The "Could not find" message, with the path before or after the words as the language has it.
void ShowNotFound(ProjectFileProblem::Kind kind, int row, const QString& path)
{
    MessageBox(ProjectFileProblemMessage({kind, row, path}), IconError, ButtonsOk);
}

bool Readable(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

void ImageSelectDlg::ClearPage()
{
    snapshotFill.Cancel();
    imageFill.Cancel();
    snapshotFolderList->unsetCursor();
    imageFolderList->unsetCursor();
    Project().RemoveAllInspections();
    chosenSnapshot = -1;
    chosenImage = -1;
    snapshotFolderList->clear();
    imageFolderList->clear();
    inspectionsList->clear();
    UpdateInspectionCount();
    ShowRowPreviews(-1);
    snapshotThumbs.clear();
    imageThumbs.clear();
    rowThumbs.clear();
}

bool ImageSelectDlg::LoadSelections(std::vector<InspectionSelection> selections, std::vector<InspectionDetails> details)
{
    ClearPage();
    bool loaded = true;
    for (const InspectionSelection& selection : selections) {
        if (!AppendSnapshotRow(selection.snapshotPath)) {
            loaded = false;
            break;
        }
    }
    for (int row = 0; loaded && row < int(selections.size()); ++row) {
        loaded = SetRowImage(selections[size_t(row)].imagePath, row);
    }
    if (loaded) {
        for (int row = 0; row < int(selections.size()); ++row) {
            SetRowStrokes(selections[size_t(row)].strokes, row);
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
    if (path.isEmpty()) {
        ShowLoadError(StringId::EmptySnapshotName);
        return false;
    }
    if (!Readable(path)) {
        ShowNotFound(ProjectFileProblem::SnapshotNotFound, RowCount(), path);
        return false;
    }
    const ThumbnailResult thumbnail = MakeSnapshotThumbnail(path);
    if (thumbnail.failure == ThumbnailFailure::SnapshotNotLoaded) {
        ShowLoadError(StringId::NoBitmapFromSnapshot);
        return false;
    }
    if (!thumbnail.Ok()) {
        ShowLoadError(StringId::InvalidBitmap);
        return false;
    }
    QTreeWidgetItem* row = AppendRow(AppendRowThumb(thumbnail.image));
    Project().AppendInspection({path, {}, {}});
    inspectionsList->clearSelection();
    inspectionsList->setCurrentItem(row);
    inspectionsList->scrollToItem(row);
    UpdateInspectionCount();
    imagePreview->DropPicture();
    snapshotFolderList->setFocus();
    return true;
}

bool ImageSelectDlg::SetRowImage(const QString& path, int row)
{
    if (path.isEmpty()) {
        return true;
    }
    if (!Readable(path)) {
        ShowNotFound(ProjectFileProblem::ImageNotFound, row, path);
        return false;
    }
    const ThumbnailResult thumbnail = MakeImageThumbnail(path);
    if (!thumbnail.Ok()) {
        ShowLoadError(thumbnail.failure == ThumbnailFailure::InvalidBitmap ? StringId::InvalidBitmapForImage
                                                                           : StringId::FailedToLoadJpeg);
        return false;
    }
    SetRowThumb(row, 1, AppendRowThumb(thumbnail.image));
    InspectionSelection* selection = row < RowCount() ? Project().SelectionAt(row) : nullptr;
    if (!selection) {
        ShowLoadError(StringId::NoSelectionForImage);
        return false;
    }
    selection->imagePath = path;
    return true;
}

void ImageSelectDlg::SetRowStrokes(const std::vector<PenStroke>& strokes, int row)
{
    if (InspectionSelection* selection = row < RowCount() ? Project().SelectionAt(row) : nullptr) {
        selection->strokes = strokes;
    }
}
