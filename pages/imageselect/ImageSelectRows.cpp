#include "pages/imageselect/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/InspectionRowsModel.h"
#include "pages/imageselect/PreviewAreas.h"
#include "report/DetailsEdits.h"

#include <QListWidget>
#include <QTreeView>

void ImageSelectDlg::SelectRow(int row)
{
    const QModelIndex index = rows->index(row, 0);
    if (!index.isValid()) {
        return;
    }
    inspectionsList->setCurrentIndex(index);
    inspectionsList->scrollTo(index);
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

bool ImageSelectDlg::MayDropRows(int first, int count) const
{
    // Rows are cheap to add again; what was typed on the Inspection Data page is not.
    int typed = 0;
    for (int row = first; row < first + count; ++row) {
        const InspectionDetails* details = Project().DetailsAt(row);
        typed += details && HasTypedData(*details) ? 1 : 0;
    }
    return typed == 0 ||
        MessageBox(LoadAppString(StringId::RemoveTypedInspections).arg(typed), IconQuestion, ButtonsYesNo) == ResultYes;
}

void ImageSelectDlg::RemoveRow()
{
    const int row = SelectedRow();
    if (row < 0 || !MayDropRows(row, 1)) {
        return;
    }
    rows->RemoveRow(row);
    document->SetModified();
    inspectionsList->clearSelection();
    SelectRow(row);
    inspectionsList->setFocus();
    ShowRowPreviews(row);
    AfterRowsChanged();
}

void ImageSelectDlg::RemoveAllRows()
{
    if (!MayDropRows(0, RowCount())) {
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
