#include "platform/qt/grid_table_model.h"

#include <QBrush>

namespace n3 {

GridTableModel::GridTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridTableModel::showGrid(const GridModel* grid, int rowLimit) {
    beginResetModel();
    grid_ = grid;
    rowLimit_ = rowLimit;
    endResetModel();
}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !grid_) return 0;
    return rowLimit_ >= 0 ? std::min(rowLimit_, grid_->rows()) : grid_->rows();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !grid_ ? 0 : grid_->columns();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !grid_) return {};
    const GridModel& grid = *grid_;
    const int col = index.column() + 1, row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(grid.text(col, row));
    case Qt::ForegroundRole: return QBrush(ToQColor(grid.style(col, row).foreground, colours::DefaultText));
    case Qt::BackgroundRole: return QBrush(ToQColor(grid.style(col, row).background, colours::DefaultBackground));
    case Qt::TextAlignmentRole: {
        const CellStyle& s = grid.style(col, row);
        Qt::Alignment a = s.hAlign == HAlign::Left    ? Qt::AlignLeft
                          : s.hAlign == HAlign::Right ? Qt::AlignRight
                                                      : Qt::AlignHCenter;
        a |= s.vAlign == VAlign::Top ? Qt::AlignTop : s.vAlign == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignVCenter;
        return int(a);
    }
    default: return {};
    }
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

}  // namespace n3
