#include "pages/ImageSelectDlg.h"

#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/gui/WaitCursor.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/ImageFolderFilters.h"
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
    const QString remembered = snapshotFolder;
    TakeFolderFields();
    if (snapshotFolder.isEmpty()) {
        snapshotFolder = remembered;
        snapshotFolderEdit->setText(remembered);
        MessageBoxId(StringId::InvalidSnapshotFolder, IconExclamation, ButtonsOk);
        snapshotFolderEdit->setFocus();
        return;
    }
    if (!ScanFolder(snapshotFolder, ThumbnailFill::Snapshots, QStringLiteral("qvx"), snapshotNames)) {
        snapshotFolder = remembered;
        snapshotFolderEdit->setText(remembered);
        return;
    }
    StartFill(ThumbnailFill::Snapshots, snapshotNames);
    snapshotFolderList->setFocus();
    snapshotPreview->SetBlank();
}

void ImageSelectDlg::RefreshImageFolder(const QString& extensions)
{
    WaitCursor busy;
    chosenImage = -1;
    const QString remembered = imageFolder;
    TakeFolderFields();
    if (imageFolder.isEmpty()) {
        imageFolder = remembered;
        imageFolderEdit->setText(remembered);
        MessageBoxId(StringId::InvalidImageFolder, IconExclamation, ButtonsOk);
        imageFolderEdit->setFocus();
        return;
    }
    if (!ScanFolder(imageFolder, ThumbnailFill::Images, extensions, imageNames)) {
        imageFolder = remembered;
        imageFolderEdit->setText(remembered);
        return;
    }
    StartFill(ThumbnailFill::Images, imageNames);
    imageFolderList->setFocus();
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

void ImageSelectDlg::StartFill(ThumbnailFill::Kind kind, const QStringList& names)
{
    // The list fills in as the thumbnails arrive; the names list grows with it, so that item k
    // is always the file names[k] of the listed folder, whatever has arrived so far.
    const bool snapshots = kind == ThumbnailFill::Snapshots;
    QListWidget* list = snapshots ? snapshotFolderList : imageFolderList;
    const QStringList scanned = names;
    if (snapshots) {
        listedSnapshotFolder = snapshotFolder;
        snapshotNames.clear();
        snapshotThumbs.clear();
    } else {
        listedImageFolder = imageFolder;
        imageNames.clear();
        imageThumbs.clear();
    }
    list->clear();
    list->setCursor(Qt::BusyCursor);
    ThumbnailFill& fill = snapshots ? snapshotFill : imageFill;
    fill.Start(kind, snapshots ? listedSnapshotFolder : listedImageFolder, scanned);
}

void ImageSelectDlg::AppendFolderItems(ThumbnailFill::Kind kind,
                                       const QStringList& names,
                                       const QList<QImage>& thumbnails)
{
    const bool snapshots = kind == ThumbnailFill::Snapshots;
    QListWidget* list = snapshots ? snapshotFolderList : imageFolderList;
    const bool first = list->count() == 0;
    list->setUpdatesEnabled(false);
    for (int i = 0; i < names.size(); ++i) {
        (snapshots ? snapshotNames : imageNames).append(names[i]);
        (snapshots ? snapshotThumbs : imageThumbs).append(thumbnails[i]);
        auto* item = new QListWidgetItem(ThumbnailIcon(thumbnails[i]), names[i]);
        item->setData(Qt::UserRole, AppendRowThumb(thumbnails[i]));
        item->setToolTip(names[i]);
        list->addItem(item);
    }
    list->setUpdatesEnabled(true);
    if (first) {
        list->setCurrentRow(0);
        list->scrollToItem(list->item(0));
    }
}

void ImageSelectDlg::FinishFill(ThumbnailFill::Kind kind)
{
    const bool snapshots = kind == ThumbnailFill::Snapshots;
    (snapshots ? snapshotFolderList : imageFolderList)->unsetCursor();
    // A refresh that shrank the list leaves no stale choice behind.
    int& chosen = snapshots ? chosenSnapshot : chosenImage;
    if (chosen >= (snapshots ? snapshotNames : imageNames).size()) {
        chosen = -1;
    }
    emit FolderFilled();
}

QString ImageSelectDlg::SnapshotItemPath(int item) const
{
    return item >= 0 && item < snapshotNames.size() ? FolderFilePath(listedSnapshotFolder, snapshotNames.at(item))
                                                    : QString();
}

QString ImageSelectDlg::ImageItemPath(int item) const
{
    return item >= 0 && item < imageNames.size() ? FolderFilePath(listedImageFolder, imageNames.at(item)) : QString();
}
