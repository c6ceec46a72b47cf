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
#include "pages/imageselect/UnreadableFiles.h"
#include "pages/thumbnails/FolderScan.h"

#include <QDir>
#include <QFileInfo>
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
    RefreshFolder(snapshotFiles, QStringLiteral("qvx"));
}

void ImageSelectDlg::RefreshImageFolder(const QString& extensions)
{
    RefreshFolder(imageFiles, extensions);
}

void ImageSelectDlg::RefreshFolder(FolderList& files, const QString& extensions)
{
    WaitCursor busy;
    const bool snapshots = &files == &snapshotFiles;
    QString& folder = snapshots ? snapshotFolder : imageFolder;
    QLineEdit* edit = snapshots ? snapshotFolderEdit : imageFolderEdit;
    // The highlighted file is the chosen one; a refresh leaves none of the old folder chosen.
    files.list->clearSelection();
    const QString remembered = folder;
    TakeFolderFields();
    if (folder.isEmpty()) {
        folder = remembered;
        edit->setText(remembered);
        MessageBoxId(
            snapshots ? StringId::InvalidSnapshotFolder : StringId::InvalidImageFolder, IconExclamation, ButtonsOk);
        edit->setFocus();
        return;
    }
    if (!QFileInfo(folder).isDir()) {
        // What was typed stays for the user to correct; the list still shows the folder it showed.
        MessageBox(
            LoadAppString(StringId::FolderNotFound).arg(QDir::toNativeSeparators(folder)), IconExclamation, ButtonsOk);
        folder = remembered;
        edit->setFocus();
        return;
    }
    QStringList names;
    if (!ScanFolder(folder, files.kind, extensions, names)) {
        folder = remembered;
        edit->setText(remembered);
        return;
    }
    ListFiles(files, folder, names, extensions);
    files.list->setFocus();
    if (snapshots) {
        snapshotPreview->SetBlank();
    } else {
        imagePreview->SetBlank();
    }
}

void ImageSelectDlg::RelistFolders()
{
    // The folders of the last project usually hold the next one's files too: they are listed
    // again, and a folder that has gone, or has no files left, empties its box with its list.
    for (FolderList* files : {&snapshotFiles, &imageFiles}) {
        QString& folder = files == &snapshotFiles ? snapshotFolder : imageFolder;
        const QStringList names = ListFolderFiles(files->folder, files->extensions);
        if (names.isEmpty()) {
            files->folder.clear();
            files->names.clear();
            folder.clear();
        } else {
            folder = files->folder;
            ListFiles(*files, files->folder, names, files->extensions);
        }
    }
    PutFolderFields();
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

void ImageSelectDlg::ListFiles(FolderList& files,
                               const QString& folder,
                               const QStringList& names,
                               const QString& extensions)
{
    // Rows may already show thumbnails of the fill being replaced: those are made first.
    if (files.fill.Running() && rows->WaitsForThumbs(files.firstThumb, int(files.names.size()))) {
        files.fill.Complete();
    }
    files.fill.Cancel();
    // Every file is listed at once; its thumbnail takes the place of a blank one when it comes.
    files.folder = folder;
    files.extensions = extensions;
    files.names = names;
    files.thumbs = QList<QImage>(names.size());
    files.firstThumb = rows->ReserveThumbs(int(names.size()));
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
        const int item = first + offset;
        if (item >= files.list->count()) {
            break;
        }
        QListWidgetItem* entry = files.list->item(item);
        if (result.Ok()) {
            files.thumbs[item] = result.image;
            entry->setIcon(ThumbnailIcon(result.image));
            rows->SetThumb(thumb, result.image);
            continue;
        }
        // A file that cannot be used stays listed, marked, with the reason; rows that took it
        // while its thumbnail was being made let it go again.
        const QString reason = UnreadableReason(result);
        entry->setIcon(unreadableIcon);
        entry->setData(UnreadableRole, reason);
        entry->setToolTip(files.names[item] + u'\n' + reason);
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

QString ImageSelectDlg::UnreadableReasonOf(const FolderList& files, int item)
{
    const QListWidgetItem* entry = files.list->item(item);
    return entry ? entry->data(UnreadableRole).toString() : QString();
}

QString ImageSelectDlg::SnapshotUnreadableReason(int item) const
{
    return UnreadableReasonOf(snapshotFiles, item);
}

QString ImageSelectDlg::ImageUnreadableReason(int item) const
{
    return UnreadableReasonOf(imageFiles, item);
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
    // A file that cannot be used gives Add and Pair nothing to take.
    if (item < 0 || item >= files.names.size() || item >= files.list->count() ||
        !UnreadableReasonOf(files, item).isEmpty()) {
        return {};
    }
    return {FolderFilePath(files.folder, files.names.at(item)), files.list->item(item)->data(Qt::UserRole).toInt()};
}

std::vector<FolderFile> ImageSelectDlg::AllItemFiles(const FolderList& files) const
{
    std::vector<FolderFile> all;
    all.reserve(size_t(files.list->count()));
    for (int item = 0; item < files.list->count(); ++item) {
        if (FolderFile file = ItemFile(files, item); !file.path.isEmpty()) {
            all.push_back(std::move(file));
        }
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
