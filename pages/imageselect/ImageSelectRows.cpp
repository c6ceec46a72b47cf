#include "pages/imageselect/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/InspectionRowsModel.h"
#include "pages/imageselect/PreviewAreas.h"
#include "report/DetailsEdits.h"

#include <QItemSelectionModel>
#include <QListWidget>
#include <QTreeView>

#include <algorithm>
#include <numeric>

void ImageSelectDlg::SelectRow(int row)
{
    const QModelIndex index = rows->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    inspectionsList->setCurrentIndex(index);
    inspectionsList->scrollTo(index);
}

void ImageSelectDlg::SelectRows(const QList<int>& rowsToSelect)
{
    QItemSelection selection;
    for (const int row : rowsToSelect) {
        selection.select(rows->index(row, 0), rows->index(row, InspectionRowsModel::ImageColumn));
    }
    inspectionsList->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rowsToSelect.isEmpty()) {
        inspectionsList->selectionModel()->setCurrentIndex(rows->index(currentRow, 0), QItemSelectionModel::NoUpdate);
        inspectionsList->scrollTo(rows->index(currentRow, 0));
    }
}

void ImageSelectDlg::AfterRowsChanged()
{
    UpdateInspectionCount();
    Project().SetCurrentPosition(0);
    emit InspectionsChanged();
}

void ImageSelectDlg::NoteUserEdit(const std::vector<InspectionSelection>& before)
{
    if (Project().Selections() != before) {
        document->SetModified();
    }
}

void ImageSelectDlg::Add()
{
    const int chosen = ChosenSnapshot();
    const FolderFile snapshot = ItemFile(snapshotFiles, chosen);
    if (snapshot.path.isEmpty()) {
        return;
    }
    rows->AppendRows({snapshot});
    document->SetModified();
    inspectionsList->scrollTo(rows->index(RowCount() - 1, 0));
    imagePreview->DropPicture();
    snapshotFolderList->setFocus();
    ShowRowPreviews(RowCount() - 1);
    AfterRowsChanged();
}

void ImageSelectDlg::AddAll()
{
    // Every file of the folder, whether or not its thumbnail has been made yet.
    const std::vector<FolderFile> snapshots = AllItemFiles(snapshotFiles);
    rows->AppendRows(snapshots);
    if (!snapshots.empty()) {
        document->SetModified();
        inspectionsList->scrollTo(rows->index(RowCount() - 1, 0));
    }
    imagePreview->DropPicture();
    AfterRowsChanged();
}

void ImageSelectDlg::Pair()
{
    if (ChosenImage() < 0) {
        if (imageFolderList->count() == 0) {
            return;
        }
        // With no image chosen the first one is taken, and shown as chosen.
        Choose(imageFiles, 0);
    }
    const std::vector<InspectionSelection> before = Project().Selections();
    const int row = rows->Pair(SelectedRow(), ItemFile(imageFiles, ChosenImage()));
    if (row < 0) {
        return;
    }
    NoteUserEdit(before);
    SelectRow(row + 1);
    inspectionsList->setFocus();
    ++currentRow;
    ShowRowPreviews(currentRow);
}

void ImageSelectDlg::PairAll()
{
    // Every image of the folder, whether or not its thumbnail has been made yet.
    const std::vector<InspectionSelection> before = Project().Selections();
    const int row = rows->PairAll(AllItemFiles(imageFiles));
    if (row < 0) {
        return;
    }
    NoteUserEdit(before);
    SelectRow(row);
    inspectionsList->setFocus();
    ShowRowPreviews(row);
}

void ImageSelectDlg::Unpair()
{
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    const std::vector<InspectionSelection> before = Project().Selections();
    rows->Unpair(row);
    NoteUserEdit(before);
    ShowRowPreviews(row);
    inspectionsList->setFocus();
}

void ImageSelectDlg::UnpairAll()
{
    const std::vector<InspectionSelection> before = Project().Selections();
    rows->UnpairAll();
    NoteUserEdit(before);
    SelectRow(0);
    ShowRowPreviews(0);
    inspectionsList->setFocus();
}

bool ImageSelectDlg::MayDropRows(const QList<int>& rowsToGo) const
{
    // Rows are cheap to add again; what was typed on the Inspection Data page is not.
    int typed = 0;
    for (const int row : rowsToGo) {
        const InspectionDetails* details = Project().DetailsAt(row);
        typed += details && HasTypedData(*details) ? 1 : 0;
    }
    return typed == 0 ||
        MessageBox(LoadAppString(StringId::RemoveTypedInspections).arg(typed), IconQuestion, ButtonsYesNo) == ResultYes;
}

void ImageSelectDlg::RemoveRow()
{
    const QList<int> selected = SelectedRows();
    if (selected.isEmpty() || !MayDropRows(selected)) {
        return;
    }
    rows->RemoveRows(selected);
    document->SetModified();
    // The row that took the place of the first one removed is the one to go on with.
    const int row = std::min(selected.constFirst(), RowCount() - 1);
    inspectionsList->clearSelection();
    SelectRow(row);
    currentRow = row;
    inspectionsList->setFocus();
    ShowRowPreviews(row);
    AfterRowsChanged();
}

void ImageSelectDlg::MoveRowsUp()
{
    MoveRows(-1);
}

void ImageSelectDlg::MoveRowsDown()
{
    MoveRows(1);
}

void ImageSelectDlg::MoveRows(int step)
{
    QList<int> selected = SelectedRows();
    // The selected rows move as one: none moves when the first (or last) cannot.
    if (selected.isEmpty() || selected.constFirst() + step < 0 || selected.constLast() + step >= RowCount()) {
        return;
    }
    if (step > 0) {
        std::reverse(selected.begin(), selected.end());
    }
    // The previews stay on the row they showed when it moves, else go to the first one moved.
    const int previewed = currentRow;
    bool followed = false;
    for (int& row : selected) {
        rows->MoveRow(row, row + step);
        if (row == previewed) {
            currentRow = row + step;
            followed = true;
        }
        row += step;
    }
    std::sort(selected.begin(), selected.end());
    if (!followed) {
        currentRow = selected.constFirst();
    }
    document->SetModified();
    SelectRows(selected);
    inspectionsList->setFocus();
    ShowRowPreviews(currentRow);
    // The rows keep their count; the Inspection Data page follows the inspection it showed.
    emit InspectionsChanged();
}

void ImageSelectDlg::RemoveAllRows()
{
    QList<int> all(RowCount());
    std::iota(all.begin(), all.end(), 0);
    if (!MayDropRows(all)) {
        return;
    }
    const bool hadRows = RowCount() > 0;
    rows->RemoveAllRows();
    if (hadRows) {
        document->SetModified();
    }
    ShowRowPreviews(-1);
    snapshotFolderList->clearSelection();
    imageFolderList->clearSelection();
    AfterRowsChanged();
}
