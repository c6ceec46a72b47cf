#include "pages/imageselect/ImageSelectDlg.h"

#include "pages/imageselect/PreviewAreas.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QTreeView>

namespace {

bool IsUpOrDown(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Up || key == Qt::Key_Down;
}

bool IsUp(const QEvent* event)
{
    return static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Up;
}

bool IsLeftPress(const QEvent* event)
{
    return (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

// The item next to `mark` that Up or Down moves to, or -1 when the key goes nowhere.
int NeighbourItem(int mark, int count, bool up)
{
    if (count == 0) {
        return -1;
    }
    if (up) {
        return mark < 1 ? -1 : mark - 1;
    }
    return mark >= count - 1 ? -1 : mark + 1;
}

} // namespace

bool ImageSelectDlg::eventFilter(QObject* watched, QEvent* event)
{
    for (QListWidget* list : {snapshotFolderList, imageFolderList}) {
        if (list && (watched == list || watched == list->viewport())) {
            return HandleListEvent(list, event);
        }
    }
    if (inspectionsList && (watched == inspectionsList || watched == inspectionsList->viewport())) {
        return HandleInspectionsEvent(event);
    }
    return QWidget::eventFilter(watched, event);
}

bool ImageSelectDlg::HandleListEvent(QListWidget* list, QEvent* event)
{
    const bool snapshots = list == snapshotFolderList;
    if (IsLeftPress(event)) {
        // A double-click is the click before it followed by Add or Pair; on empty space it
        // uses the item chosen before.
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        if (const QListWidgetItem* item = list->itemAt(mouse->position().toPoint())) {
            // Highlighted here already, as the list would on the press, so that the command of
            // a double-click takes the item under the mouse.
            FolderList& files = snapshots ? snapshotFiles : imageFiles;
            Choose(files, list->row(item));
            snapshots ? ChooseSnapshot(list->row(item)) : ChooseImage(list->row(item));
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            snapshots ? Add() : Pair();
            return true;
        }
    } else if (IsUpOrDown(event)) {
        // The list moves its own selection; the item it moves to is chosen and previewed.
        const int item = NeighbourItem(list->currentRow(), list->count(), IsUp(event));
        if (item >= 0) {
            snapshots ? ChooseSnapshot(item) : ChooseImage(item);
        }
    }
    return false;
}

bool ImageSelectDlg::HandleInspectionsEvent(QEvent* event)
{
    if (IsLeftPress(event)) {
        const auto* mouse = static_cast<const QMouseEvent*>(event);
        const QModelIndex index = inspectionsList->indexAt(mouse->position().toPoint());
        if (index.isValid()) {
            currentRow = index.row();
            ShowRowPreviews(currentRow);
        }
    } else if (IsUpOrDown(event)) {
        // The previews follow currentRow, not the list's own selection mark.
        const int n = RowCount();
        int row = -1;
        if (n > 0 && IsUp(event) && currentRow > 0) {
            row = currentRow - 1;
        } else if (n > 0 && !IsUp(event) && currentRow < n - 1) {
            row = currentRow + 1;
        }
        if (row >= 0) {
            currentRow = row;
            ShowRowPreviews(row);
        }
    }
    return false;
}

// The highlighted item is the chosen one; here it is previewed.
void ImageSelectDlg::ChooseSnapshot(int item)
{
    snapshotPreview->PreviewSnapshot(SnapshotItemPath(item));
}

void ImageSelectDlg::ChooseImage(int item)
{
    imagePreview->LoadPreviewPicture(ImageItemPath(item));
}

void ImageSelectDlg::ShowRowPreviews(int row)
{
    const InspectionSelection* selection = RowSelection(row);
    if (!selection) {
        snapshotPreview->SetBlank();
        imagePreview->SetBlank();
        return;
    }
    if (!selection->snapshotPath.isEmpty()) {
        snapshotPreview->PreviewSnapshot(selection->snapshotPath);
    }
    if (selection->imagePath.isEmpty()) {
        imagePreview->SetBlank();
        imagePreview->DropPicture();
    } else {
        imagePreview->LoadPreviewPicture(selection->imagePath);
    }
}
