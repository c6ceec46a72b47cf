#include "pages/imageselect/ImageSelectDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/InspectionRowsModel.h"
#include "pages/imageselect/PreviewAreas.h"
#include "pages/imageselect/ThumbnailIcon.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int FolderListWidth = 150;
constexpr int InspectionsColumnWidth = 150;

QListWidget* MakeFolderList(const char* objectName)
{
    auto* list = new QListWidget;
    list->setObjectName(QLatin1String(objectName));
    list->setViewMode(QListView::IconMode);
    list->setFlow(QListView::TopToBottom);
    list->setWrapping(false);
    list->setMovement(QListView::Static);
    list->setResizeMode(QListView::Adjust);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setIconSize(ThumbnailSize);
    list->setGridSize(QSize(ThumbnailSize.width() + 24, ThumbnailSize.height() + 28));
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setFixedWidth(FolderListWidth + 20);
    return list;
}

QLineEdit* MakeFolderEdit(const char* objectName)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(objectName));
    return edit;
}

} // namespace

ImageSelectDlg::ImageSelectDlg(CQvxReportWriterDoc* document, QWidget* parent)
    : QWidget(parent)
    , document(document)
    , caption(LoadAppString(StringId::ImageSelect))
    , rows(new InspectionRowsModel(document->Project(), this))
    , pendingIcon(ThumbnailIcon(PendingThumbnail()))
{
    setObjectName(QStringLiteral("ImageSelectDlg"));
    BuildControls();
    for (FolderList* files : {&snapshotFiles, &imageFiles}) {
        connect(&files->fill,
                &ThumbnailFill::ThumbnailsReady,
                this,
                [this, files](int first, const QList<ThumbnailResult>& results) {
                    TakeThumbnails(*files, first, results);
                });
        connect(&files->fill, &ThumbnailFill::Finished, this, [this, files] { FinishFill(*files); });
    }
    connect(document, &CQvxReportWriterDoc::ProjectReplaced, this, &ImageSelectDlg::ShowProject);
    ShowProject();
}

ImageSelectDlg::~ImageSelectDlg() = default;

QPushButton* ImageSelectDlg::MakeButton(const char* objectName, unsigned textId)
{
    auto* button = new QPushButton(LoadAppString(textId));
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

void ImageSelectDlg::BuildControls()
{
    snapshotPreview = new SnapshotPreview;
    snapshotPreview->setObjectName(QStringLiteral("snapshotPreview"));
    imagePreview = new ImagePreview;
    imagePreview->setObjectName(QStringLiteral("imagePreview"));

    QPushButton* add = MakeButton("addButton", StringId::Add);
    QPushButton* addAll = MakeButton("addAllButton", StringId::AddAll);
    QPushButton* removeRow = MakeButton("removeRowButton", StringId::RemoveRow);
    QPushButton* removeAllRows = MakeButton("removeAllRowsButton", StringId::RemoveAllRows);
    QPushButton* pair = MakeButton("pairButton", StringId::PairImage);
    QPushButton* pairAll = MakeButton("pairAllButton", StringId::PairAllImages);
    QPushButton* unpair = MakeButton("unpairButton", StringId::UnpairImage);
    QPushButton* unpairAll = MakeButton("unpairAllButton", StringId::UnpairAllImages);
    connect(add, &QPushButton::clicked, this, &ImageSelectDlg::Add);
    connect(addAll, &QPushButton::clicked, this, &ImageSelectDlg::AddAll);
    connect(removeRow, &QPushButton::clicked, this, &ImageSelectDlg::RemoveRow);
    connect(removeAllRows, &QPushButton::clicked, this, &ImageSelectDlg::RemoveAllRows);
    connect(pair, &QPushButton::clicked, this, &ImageSelectDlg::Pair);
    connect(pairAll, &QPushButton::clicked, this, &ImageSelectDlg::PairAll);
    connect(unpair, &QPushButton::clicked, this, &ImageSelectDlg::Unpair);
    connect(unpairAll, &QPushButton::clicked, this, &ImageSelectDlg::UnpairAll);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildSnapshotColumn());
    layout->addWidget(BuildButtonColumn({add, addAll, nullptr, removeRow, removeAllRows}));
    layout->addWidget(BuildInspectionsColumn(), 1);
    layout->addWidget(BuildButtonColumn({pair, pairAll, nullptr, unpair, unpairAll}));
    layout->addWidget(BuildImageColumn());
}

// The snapshot and image columns are laid out alike: a label, the folder box, Browse and
// Refresh, and the folder list; the caller connects the two buttons.
QWidget* ImageSelectDlg::BuildFolderColumn(const QString& name, unsigned labelId, FolderColumn& parts)
{
    auto* column = new QWidget;
    auto* layout = new QGridLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    parts.edit = MakeFolderEdit((name + "FolderEdit").toLatin1().constData());
    parts.list = MakeFolderList((name + "FolderList").toLatin1().constData());
    parts.browse = MakeButton((name + "BrowseButton").toLatin1().constData(), StringId::Browse);
    parts.refresh = MakeButton((name + "RefreshButton").toLatin1().constData(), StringId::Refresh);
    auto* label = new QLabel(LoadAppString(labelId));
    label->setObjectName(name + "FolderLabel");
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(parts.edit, 1, 0, 1, 2);
    layout->addWidget(parts.browse, 2, 0);
    layout->addWidget(parts.refresh, 2, 1);
    layout->addWidget(parts.list, 3, 0, 1, 2);
    parts.list->installEventFilter(this);
    parts.list->viewport()->installEventFilter(this);
    return column;
}

QWidget* ImageSelectDlg::BuildSnapshotColumn()
{
    FolderColumn parts;
    QWidget* column = BuildFolderColumn(QStringLiteral("snapshot"), StringId::SnapshotFolder, parts);
    snapshotFolderEdit = parts.edit;
    snapshotFolderList = parts.list;
    snapshotFiles.list = parts.list;
    connect(parts.browse, &QPushButton::clicked, this, &ImageSelectDlg::BrowseSnapshotFolder);
    connect(parts.refresh, &QPushButton::clicked, this, &ImageSelectDlg::RefreshSnapshotFolder);
    return column;
}

QWidget* ImageSelectDlg::BuildImageColumn()
{
    FolderColumn parts;
    QWidget* column = BuildFolderColumn(QStringLiteral("image"), StringId::ImageFolder, parts);
    imageFolderEdit = parts.edit;
    imageFolderList = parts.list;
    imageFiles.list = parts.list;
    connect(parts.browse, &QPushButton::clicked, this, &ImageSelectDlg::BrowseImageFolder);
    // Refresh lists bitmaps before JPEG files, Browse the other way round.
    connect(parts.refresh, &QPushButton::clicked, this, [this] { RefreshImageFolder(QStringLiteral("bmp,jpg")); });
    return column;
}

QWidget* ImageSelectDlg::BuildInspectionsColumn()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    inspectionCountLabel = new QLabel;
    inspectionCountLabel->setObjectName(QStringLiteral("inspectionCountLabel"));

    inspectionsList = new QTreeView;
    inspectionsList->setObjectName(QStringLiteral("inspectionsList"));
    inspectionsList->setModel(rows);
    inspectionsList->setColumnWidth(0, InspectionsColumnWidth);
    inspectionsList->setColumnWidth(1, InspectionsColumnWidth);
    inspectionsList->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    inspectionsList->header()->setStretchLastSection(false);
    inspectionsList->setRootIsDecorated(false);
    inspectionsList->setItemsExpandable(false);
    inspectionsList->setUniformRowHeights(true);
    inspectionsList->setSelectionMode(QAbstractItemView::SingleSelection);
    inspectionsList->setSelectionBehavior(QAbstractItemView::SelectRows);
    inspectionsList->setIconSize(ThumbnailSize);
    inspectionsList->setMinimumWidth(2 * InspectionsColumnWidth + 24);
    inspectionsList->installEventFilter(this);
    inspectionsList->viewport()->installEventFilter(this);

    auto* previews = new QHBoxLayout;
    previews->addWidget(snapshotPreview);
    previews->addWidget(imagePreview);

    layout->addWidget(inspectionCountLabel);
    layout->addWidget(inspectionsList, 1);
    layout->addLayout(previews);
    return column;
}

QWidget* ImageSelectDlg::BuildButtonColumn(const QList<QPushButton*>& buttons)
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QPushButton* button : buttons) {
        if (button) {
            layout->addWidget(button);
        } else {
            layout->addSpacing(24);
        }
    }
    layout->addStretch(2);
    return column;
}

ReportProject& ImageSelectDlg::Project() const
{
    return document->Project();
}

void ImageSelectDlg::ShowProject()
{
    // The project was replaced: its lists are copied first, the rebuild starts by clearing them.
    const ReportProject& project = Project();
    const int position = project.CurrentPosition();
    if (!LoadSelections(project.Selections(), project.Details().Records())) {
        document->New();
        return;
    }
    Project().SetCurrentPosition(position);
}

int ImageSelectDlg::RowCount() const
{
    return rows->rowCount();
}

const InspectionSelection* ImageSelectDlg::RowSelection(int row) const
{
    return rows->Selection(row);
}

const QList<QImage>& ImageSelectDlg::RowThumbs() const
{
    return rows->Thumbs();
}

bool ImageSelectDlg::PairFromTop() const
{
    return rows->PairFromTop();
}

int ImageSelectDlg::SelectedRow() const
{
    const QModelIndexList selected = inspectionsList->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

int ImageSelectDlg::RowThumbIndex(int row, int column) const
{
    return rows->ThumbIndex(row, InspectionRowsModel::Column(column));
}

void ImageSelectDlg::UpdateInspectionCount()
{
    inspectionCountLabel->setText(QStringLiteral("%1: %2").arg(LoadAppString(StringId::Inspections)).arg(RowCount()));
}
