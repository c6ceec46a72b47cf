#pragma once

#include <QStyledItemDelegate>

// Draws a cell of the inspections list as a folder list draws its items: the thumbnail on top,
// the file name centred under it.
class ThumbnailNameDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
