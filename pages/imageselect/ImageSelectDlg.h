#pragma once

#include "pages/thumbnails/ThumbnailFill.h"
#include "report/InspectionDetails.h"
#include "report/InspectionSelection.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <vector>

class CQvxReportWriterDoc;
class ImagePreview;
class InspectionRowsModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeView;
class ReportProject;
class SnapshotPreview;
struct FolderFile;

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
    // The strokes and measurement settings a loaded inspection brings with it.
    void SetRowAnnotations(const InspectionSelection& loaded, int row);

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
    // True when rows first..first+count-1 may go: none carries typed inspection data, or the user
    // agreed to lose it.
    bool MayDropRows(int first, int count) const;

    // Whether a folder list is still filling in its thumbnails.
    bool Filling() const { return snapshotFiles.fill.Running() || imageFiles.fill.Running(); }

    // The page's state, as the user's actions leave it.
    const QString& SnapshotFolder() const { return snapshotFolder; }
    const QString& ImageFolder() const { return imageFolder; }
    // Every file of a folder list from the moment the folder is read; a thumbnail is null
    // until it has been made.
    const QStringList& SnapshotNames() const { return snapshotFiles.names; }
    const QStringList& ImageNames() const { return imageFiles.names; }
    const QList<QImage>& SnapshotThumbs() const { return snapshotFiles.thumbs; }
    const QList<QImage>& ImageThumbs() const { return imageFiles.thumbs; }
    const QList<QImage>& RowThumbs() const;
    // The item highlighted in a folder list, which Add and Pair use; -1 for none.
    int ChosenSnapshot() const;
    int ChosenImage() const;
    int CurrentRow() const { return currentRow; }
    bool PairFromTop() const;
    // The row the list shows selected, -1 for none.
    int SelectedRow() const;
    // The rowThumbs index shown in a row's column (0 snapshot, 1 visual image), -1 for none.
    int RowThumbIndex(int row, int column) const;
    const InspectionRowsModel& Rows() const { return *rows; }

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
    // One folder list: the files of the folder it shows and their thumbnails as they arrive.
    struct FolderList
    {
        explicit FolderList(ThumbnailFill::Kind kind)
            : kind(kind)
        { }

        ThumbnailFill::Kind kind;
        // The folder whose files the list shows; the edit box may already name another.
        QString folder;
        QStringList names;
        QList<QImage> thumbs;
        QListWidget* list = nullptr;
        ThumbnailFill fill;
        int firstThumb = 0; // the row thumbnail of names[0] as the folder was read
        int dropped = 0; // files of the running fill left out so far
    };

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
    void ListFiles(FolderList& files, const QString& folder, const QStringList& names);
    void TakeThumbnails(FolderList& files, int first, const QList<ThumbnailResult>& results);
    void FinishFill(FolderList& files);
    void TakeFolderFields();
    void PutFolderFields();
    static int Chosen(const FolderList& files);
    static void Choose(FolderList& files, int item);
    FolderFile ItemFile(const FolderList& files, int item) const;
    std::vector<FolderFile> AllItemFiles(const FolderList& files) const;

    // Project loading, with the thumbnail already made.
    bool AppendSnapshotRow(const QString& path, const ThumbnailResult& thumbnail);
    bool SetRowImage(const QString& path, int row, const ThumbnailResult& thumbnail);

    // Rows.
    void SelectRow(int row);
    void UpdateInspectionCount();
    void AfterRowsChanged();
    // Marks the project modified when a command of the user changed its inspections.
    void NoteUserEdit(const std::vector<InspectionSelection>& before);

    // Choosing and previewing.
    bool HandleListEvent(QListWidget* list, QEvent* event);
    bool HandleInspectionsEvent(QEvent* event);
    void ChooseSnapshot(int item);
    void ChooseImage(int item);
    void ShowRowPreviews(int row);

    CQvxReportWriterDoc* document;
    QString caption;
    InspectionRowsModel* rows;

    QString snapshotFolder;
    QString imageFolder;
    FolderList snapshotFiles {ThumbnailFill::Snapshots};
    FolderList imageFiles {ThumbnailFill::Images};
    QIcon pendingIcon;
    int currentRow = -1;

    QLineEdit* snapshotFolderEdit = nullptr;
    QLineEdit* imageFolderEdit = nullptr;
    QListWidget* snapshotFolderList = nullptr;
    QListWidget* imageFolderList = nullptr;
    QTreeView* inspectionsList = nullptr;
    QLabel* inspectionCountLabel = nullptr;
    SnapshotPreview* snapshotPreview = nullptr;
    ImagePreview* imagePreview = nullptr;
};
