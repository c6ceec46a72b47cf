#include "pages/imageselect/InspectionRowsModel.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/imageselect/PairingPlan.h"
#include "pages/imageselect/ThumbnailIcon.h"
#include "pages/thumbnails/Thumbnail.h"
#include "report/MoveElement.h"
#include "report/ReportProject.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <functional>

InspectionRowsModel::InspectionRowsModel(ReportProject& project, QObject* parent)
    : QAbstractTableModel(parent)
    , project(project)
    , pendingIcon(ThumbnailIcon(PendingThumbnail()))
{ }

int InspectionRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int InspectionRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant InspectionRowsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const int thumb = ThumbIndex(index.row(), Column(index.column()));
    const InspectionSelection* selection = Selection(index.row());
    const QString& path = index.column() == SnapshotColumn ? selection->snapshotPath : selection->imagePath;
    switch (role) {
    case ThumbIndexRole:
        return thumb;
    case Qt::DisplayRole:
        return path.isEmpty() ? QVariant() : QFileInfo(path).fileName();
    case Qt::ToolTipRole:
        return path.isEmpty() ? QVariant() : QDir::toNativeSeparators(path);
    case Qt::DecorationRole:
        if (thumb < 0) {
            return {};
        }
        if (const InspectionSelection* selection = Selection(index.row()); index.column() == SnapshotColumn &&
            selection && (selection->measurement.palette || selection->measurement.manualRange)) {
            return MeasuredIcon(*selection);
        }
        return icons[thumb].isNull() ? pendingIcon : icons[thumb];
    default:
        return {};
    }
}

QIcon InspectionRowsModel::MeasuredIcon(const InspectionSelection& selection) const
{
    const MeasurementSettings& settings = selection.measurement;
    // One thumbnail a snapshot: the one of its settings as they were last shown.
    auto made = std::find_if(measuredThumbs.begin(), measuredThumbs.end(), [&](const MeasuredThumb& thumb) {
        return thumb.path == selection.snapshotPath;
    });
    if (made != measuredThumbs.end() && made->palette == settings.palette && made->range == settings.manualRange) {
        return made->icon;
    }
    const ThumbnailResult thumbnail = MakeMeasuredThumbnail(selection.snapshotPath, settings);
    const MeasuredThumb fresh {selection.snapshotPath,
                               settings.palette,
                               settings.manualRange,
                               thumbnail.Ok() ? ThumbnailIcon(thumbnail.image) : pendingIcon};
    if (made != measuredThumbs.end()) {
        *made = fresh;
    } else {
        measuredThumbs.push_back(fresh);
    }
    return fresh.icon;
}

QVariant InspectionRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1) {
        return {};
    }
    return LoadAppString(section == SnapshotColumn ? StringId::ThermalSnapshot : StringId::VisualImage);
}

int InspectionRowsModel::AppendThumb(const QImage& thumbnail)
{
    thumbs.append(thumbnail);
    icons.append(thumbnail.isNull() ? QIcon() : ThumbnailIcon(thumbnail));
    return int(thumbs.size()) - 1;
}

int InspectionRowsModel::ReserveThumbs(int count)
{
    const int first = int(thumbs.size());
    thumbs.resize(first + count);
    icons.resize(first + count);
    return first;
}

void InspectionRowsModel::SetThumb(int index, const QImage& thumbnail)
{
    if (index < 0 || index >= thumbs.size()) {
        return;
    }
    thumbs[index] = thumbnail;
    icons[index] = thumbnail.isNull() ? QIcon() : ThumbnailIcon(thumbnail);
    for (int row = 0; row < rowCount(); ++row) {
        if (rows[size_t(row)].snapshot == index || rows[size_t(row)].image == index) {
            EmitRowChanged(row);
        }
    }
}

int InspectionRowsModel::ThumbIndex(int row, Column column) const
{
    if (row < 0 || row >= rowCount()) {
        return -1;
    }
    return column == SnapshotColumn ? rows[size_t(row)].snapshot : rows[size_t(row)].image;
}

bool InspectionRowsModel::WaitsForThumbs(int first, int count) const
{
    const auto pending = [&](int thumb) {
        return thumb >= first && thumb - first < count && thumb < thumbs.size() && thumbs[thumb].isNull();
    };
    return std::any_of(
        rows.begin(), rows.end(), [&](const RowThumbs& row) { return pending(row.snapshot) || pending(row.image); });
}

const InspectionSelection* InspectionRowsModel::Selection(int row) const
{
    return row >= 0 && row < rowCount() ? project.SelectionAt(row) : nullptr;
}

void InspectionRowsModel::AppendRows(const std::vector<FolderFile>& snapshots)
{
    if (snapshots.empty()) {
        return;
    }
    beginInsertRows({}, rowCount(), rowCount() + int(snapshots.size()) - 1);
    for (const FolderFile& snapshot : snapshots) {
        project.AppendInspection({snapshot.path, {}, {}});
        rows.push_back({snapshot.thumb, -1});
    }
    endInsertRows();
}

void InspectionRowsModel::RemoveRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        return;
    }
    beginRemoveRows({}, row, row);
    project.RemoveInspection(row);
    rows.erase(rows.begin() + row);
    endRemoveRows();
}

void InspectionRowsModel::RemoveRows(QList<int> rowsToGo)
{
    // From the bottom up, so that the rows still to go keep their numbers.
    std::sort(rowsToGo.begin(), rowsToGo.end(), std::greater<>());
    rowsToGo.erase(std::unique(rowsToGo.begin(), rowsToGo.end()), rowsToGo.end());
    for (const int row : rowsToGo) {
        RemoveRow(row);
    }
}

bool InspectionRowsModel::MoveRow(int from, int to)
{
    if (from < 0 || from >= rowCount() || to < 0 || to >= rowCount() || from == to) {
        return false;
    }
    // Qt counts the destination before the move: a row going down lands before the row after `to`.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    project.MoveInspection(from, to);
    MoveElement(rows, from, to);
    endMoveRows();
    return true;
}

void InspectionRowsModel::RemoveAllRows()
{
    beginResetModel();
    project.RemoveAllInspections();
    rows.clear();
    pairFromTop = true;
    endResetModel();
}

void InspectionRowsModel::Clear()
{
    beginResetModel();
    project.RemoveAllInspections();
    rows.clear();
    thumbs.clear();
    icons.clear();
    endResetModel();
}

void InspectionRowsModel::SetRowImage(int row, const FolderFile& image)
{
    InspectionSelection* selection = project.SelectionAt(row);
    if (row >= rowCount() || !selection) {
        return;
    }
    selection->imagePath = image.path;
    rows[size_t(row)].image = image.thumb;
    EmitRowChanged(row);
}

void InspectionRowsModel::Unpair(int row)
{
    SetRowImage(row, {});
}

void InspectionRowsModel::UnpairAll()
{
    for (int row = 0; row < rowCount(); ++row) {
        Unpair(row);
    }
    pairFromTop = true;
}

bool InspectionRowsModel::DropFile(int thumb)
{
    if (thumb < 0) {
        return false;
    }
    bool changed = false;
    for (int row = rowCount() - 1; row >= 0; --row) {
        if (rows[size_t(row)].snapshot == thumb) {
            RemoveRow(row);
            changed = true;
        } else if (rows[size_t(row)].image == thumb) {
            Unpair(row);
            changed = true;
        }
    }
    return changed;
}

int InspectionRowsModel::FirstRowOfUnpairedRun() const
{
    // rowCount() when the last row has an image.
    int row = rowCount();
    while (row > 0 && project.SelectionAt(row - 1)->imagePath.isEmpty()) {
        --row;
    }
    return row;
}

int InspectionRowsModel::Pair(int selectedRow, const FolderFile& image)
{
    int row = selectedRow;
    if (row < 0) {
        const int unpaired = FirstRowOfUnpairedRun();
        row = unpaired < rowCount() ? unpaired : 0;
    }
    if (row >= rowCount()) {
        return -1;
    }
    SetRowImage(row, image);
    pairFromTop = false;
    return row;
}

int InspectionRowsModel::PairAll(const std::vector<FolderFile>& images)
{
    if (rowCount() == 0) {
        return -1;
    }
    int start = 0;
    if (pairFromTop) {
        pairFromTop = false;
    } else {
        start = FirstRowOfUnpairedRun();
        if (start >= rowCount()) {
            return -1;
        }
    }
    QStringList snapshotPaths;
    for (int row = start; row < rowCount(); ++row) {
        snapshotPaths << project.SelectionAt(row)->snapshotPath;
    }
    QStringList imagePaths;
    for (const FolderFile& image : images) {
        imagePaths << image.path;
    }
    const std::vector<int> plan = PairingPlan(snapshotPaths, imagePaths);
    int next = start;
    for (int offset = 0; offset < int(plan.size()); ++offset) {
        if (plan[size_t(offset)] >= 0) {
            SetRowImage(start + offset, images[size_t(plan[size_t(offset)])]);
            next = start + offset + 1;
        }
    }
    return std::min(next, rowCount() - 1);
}

void InspectionRowsModel::EmitRowChanged(int row)
{
    emit dataChanged(index(row, SnapshotColumn),
                     index(row, ImageColumn),
                     {Qt::DecorationRole, Qt::DisplayRole, Qt::ToolTipRole, ThumbIndexRole});
}
