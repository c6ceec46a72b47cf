#include "pages/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "pages/imageselect/PreviewAreas.h"

#include <QListWidget>
#include <QTreeWidget>

int ImageSelectDlg::AppendRowThumb(const QImage& thumbnail)
{
    rowThumbs.append(thumbnail);
    return int(rowThumbs.size()) - 1;
}

QTreeWidgetItem* ImageSelectDlg::AppendRow(int thumbIndex)
{
    auto* item = new QTreeWidgetItem(inspectionsList);
    const int row = inspectionsList->indexOfTopLevelItem(item);
    SetRowThumb(row, 0, thumbIndex);
    SetRowThumb(row, 1, -1);
    return item;
}

void ImageSelectDlg::SetRowThumb(int row, int column, int thumbIndex)
{
    QTreeWidgetItem* item = inspectionsList->topLevelItem(row);
    if (!item) {
        return;
    }
    item->setData(column, Qt::UserRole, thumbIndex);
    const bool shown = thumbIndex >= 0 && thumbIndex < rowThumbs.size();
    item->setIcon(column, shown ? QIcon(QPixmap::fromImage(rowThumbs.at(thumbIndex))) : QIcon());
}

void ImageSelectDlg::SelectRow(int row)
{
    QTreeWidgetItem* item = inspectionsList->topLevelItem(row);
    if (!item) {
        return;
    }
    inspectionsList->setCurrentItem(item);
    inspectionsList->scrollToItem(item);
}

void ImageSelectDlg::AfterRowsChanged()
{
    UpdateInspectionCount();
    Project().SetCurrentPosition(0);
    emit InspectionsChanged();
}

void ImageSelectDlg::Add()
{
    if (chosenSnapshot < 0 || chosenSnapshot >= snapshotFolderList->count()) {
        return;
    }
    const QListWidgetItem* chosen = snapshotFolderList->item(chosenSnapshot);
    QTreeWidgetItem* row = AppendRow(chosen->data(Qt::UserRole).toInt());
    Project().AppendInspection({SnapshotItemPath(chosenSnapshot), {}, {}});
    inspectionsList->scrollToItem(row);
    imagePreview->DropPicture();
    snapshotFolderList->setFocus();
    ShowRowPreviews(RowCount() - 1);
    AfterRowsChanged();
}

void ImageSelectDlg::AddAll()
{
    for (int item = 0; item < snapshotFolderList->count(); ++item) {
        AppendRow(snapshotFolderList->item(item)->data(Qt::UserRole).toInt());
        Project().AppendInspection({SnapshotItemPath(item), {}, {}});
    }
    if (RowCount() > 0) {
        inspectionsList->scrollToItem(inspectionsList->topLevelItem(RowCount() - 1));
    }
    imagePreview->DropPicture();
    AfterRowsChanged();
}

int ImageSelectDlg::FirstRowOfUnpairedRun() const
{
    // The topmost of the rows without image at the end of the list; RowCount() when the last
    // row has an image.
    int row = RowCount();
    while (row > 0 && Project().SelectionAt(row - 1)->imagePath.isEmpty()) {
        --row;
    }
    return row;
}

void ImageSelectDlg::PairRow(int row, int imageItem)
{
    SetRowThumb(row, 1, imageFolderList->item(imageItem)->data(Qt::UserRole).toInt());
    if (InspectionSelection* selection = Project().SelectionAt(row)) {
        selection->imagePath = ImageItemPath(imageItem);
    }
}

void ImageSelectDlg::Pair()
{
    int row = SelectedRow();
    if (chosenImage < 0 || chosenImage >= imageFolderList->count()) {
        if (imageFolderList->count() == 0) {
            return;
        }
        chosenImage = 0;
    }
    if (row < 0) {
        const int unpaired = FirstRowOfUnpairedRun();
        row = unpaired < RowCount() ? unpaired : 0;
    }
    if (row >= RowCount()) {
        return;
    }
    PairRow(row, chosenImage);
    SelectRow(row + 1);
    inspectionsList->setFocus();
    ++currentRow;
    ShowRowPreviews(currentRow);
    pairFromTop = false;
}

void ImageSelectDlg::PairAll()
{
    if (RowCount() == 0) {
        return;
    }
    int row = 0;
    if (pairFromTop) {
        pairFromTop = false;
    } else {
        row = FirstRowOfUnpairedRun();
        if (row >= RowCount()) {
            return;
        }
    }
    for (int item = 0; item < imageFolderList->count() && row < RowCount(); ++item, ++row) {
        PairRow(row, item);
    }
    row = std::min(row, RowCount() - 1);
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
    SetRowThumb(row, 1, -1);
    Project().SelectionAt(row)->imagePath.clear();
    ShowRowPreviews(row);
    inspectionsList->setFocus();
}

void ImageSelectDlg::UnpairAll()
{
    for (int row = 0; row < RowCount(); ++row) {
        SetRowThumb(row, 1, -1);
        Project().SelectionAt(row)->imagePath.clear();
    }
    SelectRow(0);
    ShowRowPreviews(0);
    inspectionsList->setFocus();
    pairFromTop = true;
}

void ImageSelectDlg::RemoveRow()
{
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    Project().RemoveInspection(row);
    delete inspectionsList->takeTopLevelItem(row);
    inspectionsList->clearSelection();
    SelectRow(row);
    inspectionsList->setFocus();
    ShowRowPreviews(row);
    AfterRowsChanged();
}

void ImageSelectDlg::RemoveAllRows()
{
    Project().RemoveAllInspections();
    inspectionsList->clear();
    ShowRowPreviews(-1);
    chosenSnapshot = -1;
    chosenImage = -1;
    pairFromTop = true;
    AfterRowsChanged();
}
