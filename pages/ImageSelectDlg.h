#pragma once

#include "pages/thumbnails/ThumbnailFill.h"
#include "report/InspectionDetails.h"
#include "report/InspectionSelection.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <vector>

class CQvxReportWriterDoc;
class ImagePreview;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ReportProject;
class SnapshotPreview;

// The "Image Select" page: a folder of snapshots on the left, a folder of visual images on the
// right, and between them the inspections of the report, each a snapshot with an optional
// visual image. The rows are the document's inspections: adding or removing a row adds or
// removes the inspection with its details record.
class ImageSelectDlg : public QWidget
{
    Q_OBJECT

public:
    explicit ImageSelectDlg(CQvxReportWriterDoc* document, QWidget* parent = nullptr);
    ~ImageSelectDlg() override;

    // The tab caption, from the string table in the language in use.
    QString Caption() const { return caption; }
    CQvxReportWriterDoc* Document() const { return document; }

    int RowCount() const;
    // The selection of row `row`; nullptr outside 0..RowCount()-1.
    const InspectionSelection* RowSelection(int row) const;

    // Empties the three lists and the thumbnails, and removes every inspection. The folder
    // fields and the names of the folder lists stay.
    void ClearPage();
    // Rebuilds the rows and the inspections from a loaded project. False, after its message,
    // when a file of the project cannot be shown; the caller then resets the project.
    bool LoadSelections(std::vector<InspectionSelection> selections, std::vector<InspectionDetails> details);
    bool AppendSnapshotRow(const QString& path);
    bool SetRowImage(const QString& path, int row);
    void SetRowStrokes(const std::vector<PenStroke>& strokes, int row);

    // The page's commands, as its buttons run them.
    void BrowseSnapshotFolder();
    void RefreshSnapshotFolder();
    void BrowseImageFolder();
    void RefreshImageFolder(const QString& extensions);
    void Add();
    void AddAll();
    void Pair();
    void PairAll();
    void Unpair();
    void UnpairAll();
    void RemoveRow();
    void RemoveAllRows();

    // Whether a folder list is still filling in its thumbnails.
    bool Filling() const { return snapshotFill.Running() || imageFill.Running(); }

    // The page's state, as the user's actions leave it.
    const QString& SnapshotFolder() const { return snapshotFolder; }
    const QString& ImageFolder() const { return imageFolder; }
    const QStringList& SnapshotNames() const { return snapshotNames; }
    const QStringList& ImageNames() const { return imageNames; }
    const QList<QImage>& SnapshotThumbs() const { return snapshotThumbs; }
    const QList<QImage>& ImageThumbs() const { return imageThumbs; }
    const QList<QImage>& RowThumbs() const { return rowThumbs; }
    int ChosenSnapshot() const { return chosenSnapshot; }
    int ChosenImage() const { return chosenImage; }
    int CurrentRow() const { return currentRow; }
    bool PairFromTop() const { return pairFromTop; }
    // The row the list shows selected, -1 for none.
    int SelectedRow() const;
    // The rowThumbs index shown in a row's column (0 snapshot, 1 visual image), -1 for none.
    int RowThumbIndex(int row, int column) const;

    // The path of folder list item k, as Add and the Pair operations use it.
    QString SnapshotItemPath(int item) const;
    QString ImageItemPath(int item) const;

signals:
    // Rows, and with them inspections, were added, removed or rebuilt.
    void InspectionsChanged();
    // A folder list has all its thumbnails.
    void FolderFilled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    struct FolderColumn
    {
        QLineEdit* edit = nullptr;
        QListWidget* list = nullptr;
        QPushButton* browse = nullptr;
        QPushButton* refresh = nullptr;
    };
    QWidget* BuildFolderColumn(const QString& name, unsigned labelId, FolderColumn& parts);
    QWidget* BuildSnapshotColumn();
    QWidget* BuildImageColumn();
    QWidget* BuildInspectionsColumn();
    QWidget* BuildButtonColumn(const QList<QPushButton*>& buttons);
    QPushButton* MakeButton(const char* objectName, unsigned textId);
    ReportProject& Project() const;
    void ShowProject();

    // Folder lists.
    bool ScanFolder(const QString& folder, ThumbnailFill::Kind kind, const QString& extensions, QStringList& names);
    void StartFill(ThumbnailFill::Kind kind, const QStringList& names);
    void AppendFolderItems(ThumbnailFill::Kind kind, const QStringList& names, const QList<QImage>& thumbnails);
    void FinishFill(ThumbnailFill::Kind kind);
    void TakeFolderFields();
    void PutFolderFields();

    // Project loading, with the thumbnail already made.
    bool AppendSnapshotRow(const QString& path, const ThumbnailResult& thumbnail);
    bool SetRowImage(const QString& path, int row, const ThumbnailResult& thumbnail);

    // Rows.
    int AppendRowThumb(const QImage& thumbnail);
    QTreeWidgetItem* AppendRow(int thumbIndex);
    void SetRowThumb(int row, int column, int thumbIndex);
    void SelectRow(int row);
    void PairRow(int row, int imageItem);
    int FirstRowOfUnpairedRun() const;
    void UpdateInspectionCount();
    void AfterRowsChanged();

    // Choosing and previewing.
    bool HandleListEvent(QListWidget* list, QEvent* event);
    bool HandleInspectionsEvent(QEvent* event);
    void ChooseSnapshot(int item);
    void ChooseImage(int item);
    void ShowRowPreviews(int row);

    CQvxReportWriterDoc* document;
    QString caption;

    QString snapshotFolder;
    QString imageFolder;
    // The folders whose files the lists show; the edit boxes may already name others.
    QString listedSnapshotFolder;
    QString listedImageFolder;
    QStringList snapshotNames;
    QStringList imageNames;
    QList<QImage> snapshotThumbs;
    QList<QImage> imageThumbs;
    QList<QImage> rowThumbs;
    int chosenSnapshot = -1;
    int chosenImage = -1;
    int currentRow = -1;
    bool pairFromTop = true;

    ThumbnailFill snapshotFill;
    ThumbnailFill imageFill;

    QLineEdit* snapshotFolderEdit = nullptr;
    QLineEdit* imageFolderEdit = nullptr;
    QListWidget* snapshotFolderList = nullptr;
    QListWidget* imageFolderList = nullptr;
    QTreeWidget* inspectionsList = nullptr;
    QLabel* inspectionCountLabel = nullptr;
    SnapshotPreview* snapshotPreview = nullptr;
    ImagePreview* imagePreview = nullptr;
};
