#pragma once
// A window's sortable table (window_content.h) as a read-only Qt model:
// the cells' texts for display, their keys for sorting (Qt::UserRole), the
// headers as the column captions.
#include <QAbstractTableModel>

#include "core/window_content.h"

namespace n3 {

class SortableTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole;

    explicit SortableTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setTable(SortableTable table);
    const SortableTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    SortableTable table_;
};

}  // namespace n3
