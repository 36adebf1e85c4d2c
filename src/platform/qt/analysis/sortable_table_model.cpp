#include "platform/qt/analysis/sortable_table_model.h"

#include "platform/qt/common/qt_util.h"

namespace n3 {

void SortableTableModel::setTable(SortableTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int SortableTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_.rows.size());
}

int SortableTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(table_.headers.size());
}

QVariant SortableTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const auto& row = table_.rows[std::size_t(index.row())];
    if (std::size_t(index.column()) >= row.size()) return {};
    const TableCell& cell = row[std::size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole: return Q(cell.text);
    case kSortRole: return cell.key;
    case Qt::ForegroundRole: return cell.colour.isSet() ? QVariant(ToQColor(cell.colour)) : QVariant();
    case Qt::TextAlignmentRole: return int(index.column() < 2 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant SortableTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    if (section < 0 || section >= columnCount()) return {};
    return Q(table_.headers[std::size_t(section)]);
}

}  // namespace n3
