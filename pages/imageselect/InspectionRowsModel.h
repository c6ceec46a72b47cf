#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QString>

#include "snapshot/MeasurementSettings.h"

#include <limits>
#include <optional>
#include <vector>

class ReportProject;
struct InspectionSelection;

// A file of a folder list as the rows take it: its path and the index of its thumbnail.
struct FolderFile
{
    QString path;
    int thumb = -1;
};

// The inspections list of the Image Select page: one row per inspection of the project, in
// report order, showing the thumbnail and file name of its snapshot and of its paired visual
// image, the full path as the tooltip. Adding or
// removing a row adds or removes the whole inspection, details included, so the rows are the
// project's inspections. Also keeps the page's thumbnails: a thumbnail may still be being made,
// and the rows that show it fill in when it arrives.
class InspectionRowsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { SnapshotColumn, ImageColumn };
    // The thumbnail index a cell shows, -1 for none.
    static constexpr int ThumbIndexRole = Qt::UserRole;

    explicit InspectionRowsModel(ReportProject& project, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Thumbnails, by index; a null image is one still being made. Indexes stay valid until Clear.
    const QList<QImage>& Thumbs() const { return thumbs; }
    int AppendThumb(const QImage& thumbnail);
    // Room for `count` thumbnails still to come; returns the first index.
    int ReserveThumbs(int count);
    void SetThumb(int index, const QImage& thumbnail);
    int ThumbIndex(int row, Column column) const;
    // Whether a row shows a thumbnail that is still being made, of all or of those from `first`
    // on, `count` of them.
    bool WaitsForThumbs(int first = 0, int count = std::numeric_limits<int>::max()) const;

    const InspectionSelection* Selection(int row) const;

    void AppendRows(const std::vector<FolderFile>& snapshots);
    void RemoveRow(int row);
    // Removes the given rows, in any order; rows outside the list are passed over.
    void RemoveRows(QList<int> rowsToGo);
    void RemoveAllRows();
    // Moves row `from` to index `to` with its inspection, details included. False when either
    // is outside the list.
    bool MoveRow(int from, int to);
    // No rows and no thumbnails; the pairing state stays.
    void Clear();
    // Gives the row its visual image, replacing any it had.
    void SetRowImage(int row, const FolderFile& image);
    void Unpair(int row);
    void UnpairAll();
    // A file whose thumbnail turned out impossible: rows of that snapshot go, rows paired with
    // that image lose it. Returns whether any row changed.
    bool DropFile(int thumb);

    // "<< Add": pairs the selected row, or with none selected the first of the rows without
    // image at the end of the list (row 0 when the last row has one). Returns the row paired,
    // -1 when there is no row.
    int Pair(int selectedRow, const FolderFile& image);
    // "<< Add All": from row 0 the first time (and after Unpair All or Remove All), else from
    // the first of the unpaired rows at the end, each row takes the image of its snapshot's name
    // and the others the remaining images in order. Returns the row to select after the last
    // one paired, -1 when nothing happens.
    int PairAll(const std::vector<FolderFile>& images);
    bool PairFromTop() const { return pairFromTop; }

private:
    struct RowThumbs
    {
        int snapshot = -1;
        int image = -1;
    };

    int FirstRowOfUnpairedRun() const;
    // The snapshot's thumbnail in the palette and colour range the inspection's settings choose,
    // made when first asked for and again whenever those change.
    QIcon MeasuredIcon(const InspectionSelection& selection) const;
    void EmitRowChanged(int row);

    ReportProject& project;
    std::vector<RowThumbs> rows; // one per inspection of the project
    QList<QImage> thumbs;
    QList<QIcon> icons; // of thumbs, made once each
    QIcon pendingIcon;
    struct MeasuredThumb
    {
        QString path;
        std::optional<PaletteKind> palette;
        std::optional<ManualColourRange> range;
        QIcon icon;
    };
    mutable std::vector<MeasuredThumb> measuredThumbs;
    bool pairFromTop = true;
};
