#include "pages/imageselect/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/gui/WaitCursor.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/ImageFolderFilters.h"
#include "pages/imageselect/InspectionRowsModel.h"
#include "pages/imageselect/PreviewAreas.h"
#include "pages/imageselect/ThumbnailIcon.h"
#include "pages/thumbnails/FolderScan.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

// The folder of a chosen file: everything before its last separator, empty when it has none.
// The file dialogs give '/' as the separator on every platform; the root folder stays "/".
QString FolderOf(const QString& path)
{
    const qsizetype separator = path.lastIndexOf(u'/');
    return separator < 0 ? QString() : path.left(std::max<qsizetype>(separator, 1));
}

} // namespace

void ImageSelectDlg::TakeFolderFields()
{
    snapshotFolder = snapshotFolderEdit->text();
    imageFolder = imageFolderEdit->text();
}

void ImageSelectDlg::PutFolderFields()
{
    snapshotFolderEdit->setText(snapshotFolder);
    imageFolderEdit->setText(imageFolder);
}

void ImageSelectDlg::BrowseSnapshotFolder()
{
    const auto chosen = ChooseFile(this, {FileRequest::Open, {}, {}, QStringLiteral("qvx"), SnapshotFileFilter()});
    if (!chosen) {
        return;
    }
    snapshotFolder = FolderOf(chosen->path);
    PutFolderFields();
    RefreshSnapshotFolder();
}

void ImageSelectDlg::BrowseImageFolder()
{
    const auto chosen = ChooseFile(this, {FileRequest::Open, {}, {}, QStringLiteral("jpg"), ImageFileFilter()});
    if (!chosen) {
        return;
    }
    imageFolder = FolderOf(chosen->path);
    PutFolderFields();
    RefreshImageFolder(ImageExtensionsForFilter(chosen->filterIndex));
}

void ImageSelectDlg::RefreshSnapshotFolder()
{
    WaitCursor busy;
    // The highlighted file is the chosen one; a refresh leaves none of the old folder chosen.
    snapshotFolderList->clearSelection();
    const QString remembered = snapshotFolder;
    TakeFolderFields();
    if (snapshotFolder.isEmpty()) {
        snapshotFolder = remembered;
        snapshotFolderEdit->setText(remembered);
        MessageBoxId(StringId::InvalidSnapshotFolder, IconExclamation, ButtonsOk);
        snapshotFolderEdit->setFocus();
        return;
    }
    QStringList names;
    if (!ScanFolder(snapshotFolder, ThumbnailFill::Snapshots, QStringLiteral("qvx"), names)) {
        snapshotFolder = remembered;
        snapshotFolderEdit->setText(remembered);
        return;
    }
    ListFiles(snapshotFiles, snapshotFolder, names);
    snapshotPreview->SetBlank();
}

void ImageSelectDlg::RefreshImageFolder(const QString& extensions)
{
    WaitCursor busy;
    imageFolderList->clearSelection();
    const QString remembered = imageFolder;
    TakeFolderFields();
    if (imageFolder.isEmpty()) {
        imageFolder = remembered;
        imageFolderEdit->setText(remembered);
        MessageBoxId(StringId::InvalidImageFolder, IconExclamation, ButtonsOk);
        imageFolderEdit->setFocus();
        return;
    }
    QStringList names;
    if (!ScanFolder(imageFolder, ThumbnailFill::Images, extensions, names)) {
        imageFolder = remembered;
        imageFolderEdit->setText(remembered);
        return;
    }
    ListFiles(imageFiles, imageFolder, names);
    imagePreview->SetBlank();
}

bool ImageSelectDlg::ScanFolder(const QString& folder,
                                ThumbnailFill::Kind kind,
                                const QString& extensions,
                                QStringList& names)
{
    QStringList found = ListFolderFiles(folder, extensions);
    if (found.isEmpty()) {
        MessageBoxId(kind == ThumbnailFill::Snapshots ? StringId::NoSnapshotsInFolder : StringId::NoImagesInFolder,
                     IconExclamation,
                     ButtonsOk);
        return false;
    }
    names = std::move(found);
    return true;
}

void ImageSelectDlg::ListFiles(FolderList& files, const QString& folder, const QStringList& names)
{
    // Rows may already show thumbnails of the fill being replaced: those are made first.
    if (files.fill.Running() && rows->WaitsForThumbs(files.firstThumb, int(files.names.size()) + files.dropped)) {
        files.fill.Complete();
    }
    files.fill.Cancel();
    // Every file is listed at once; its thumbnail takes the place of a blank one when it comes.
    files.folder = folder;
    files.names = names;
    files.thumbs = QList<QImage>(names.size());
    files.firstThumb = rows->ReserveThumbs(int(names.size()));
    files.dropped = 0;
    QListWidget* list = files.list;
    list->setUpdatesEnabled(false);
    list->clear();
    for (int item = 0; item < names.size(); ++item) {
        auto* entry = new QListWidgetItem(pendingIcon, names[item]);
        entry->setData(Qt::UserRole, files.firstThumb + item);
        entry->setToolTip(names[item]);
        list->addItem(entry);
    }
    list->setUpdatesEnabled(true);
    // The keyboard starts at the first file, which is not chosen until the user says so.
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    list->scrollToTop();
    list->setFocus();
    list->setCursor(Qt::BusyCursor);
    files.fill.Start(files.kind, files.folder, names);
}

void ImageSelectDlg::TakeThumbnails(FolderList& files, int first, const QList<ThumbnailResult>& results)
{
    bool rowsChanged = false;
    files.list->setUpdatesEnabled(false);
    for (int offset = 0; offset < results.size(); ++offset) {
        const ThumbnailResult& result = results[offset];
        const int thumb = files.firstThumb + first + offset;
        const int item = first + offset - files.dropped;
        if (item >= files.list->count()) {
            break;
        }
        if (result.Ok()) {
            files.thumbs[item] = result.image;
            files.list->item(item)->setIcon(ThumbnailIcon(result.image));
            rows->SetThumb(thumb, result.image);
            continue;
        }
        // A file that cannot be shown leaves the list, and any row that took it meanwhile.
        delete files.list->takeItem(item);
        files.names.removeAt(item);
        files.thumbs.removeAt(item);
        ++files.dropped;
        rowsChanged = rows->DropFile(thumb) || rowsChanged;
    }
    files.list->setUpdatesEnabled(true);
    if (rowsChanged) {
        document->SetModified();
        ShowRowPreviews(SelectedRow());
        AfterRowsChanged();
    }
}

void ImageSelectDlg::FinishFill(FolderList& files)
{
    files.list->unsetCursor();
    emit FolderFilled();
}

int ImageSelectDlg::Chosen(const FolderList& files)
{
    const QList<QListWidgetItem*> selected = files.list->selectedItems();
    return selected.isEmpty() ? -1 : files.list->row(selected.constFirst());
}

void ImageSelectDlg::Choose(FolderList& files, int item)
{
    files.list->setCurrentRow(item, QItemSelectionModel::ClearAndSelect);
}

int ImageSelectDlg::ChosenSnapshot() const
{
    return Chosen(snapshotFiles);
}

int ImageSelectDlg::ChosenImage() const
{
    return Chosen(imageFiles);
}

FolderFile ImageSelectDlg::ItemFile(const FolderList& files, int item) const
{
    // A cleared page keeps the names of its lists but shows no items until the next refresh.
    if (item < 0 || item >= files.names.size() || item >= files.list->count()) {
        return {};
    }
    return {FolderFilePath(files.folder, files.names.at(item)), files.list->item(item)->data(Qt::UserRole).toInt()};
}

std::vector<FolderFile> ImageSelectDlg::AllItemFiles(const FolderList& files) const
{
    std::vector<FolderFile> all;
    all.reserve(size_t(files.list->count()));
    for (int item = 0; item < files.list->count(); ++item) {
        all.push_back(ItemFile(files, item));
    }
    return all;
}

QString ImageSelectDlg::SnapshotItemPath(int item) const
{
    return ItemFile(snapshotFiles, item).path;
}

QString ImageSelectDlg::ImageItemPath(int item) const
{
    return ItemFile(imageFiles, item).path;
}
