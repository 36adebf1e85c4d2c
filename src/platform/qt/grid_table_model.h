#pragma once
// Shows a GridModel, owned elsewhere, to Qt's views: read cell by cell,
// never copied, read-only. A row limit shows only the top rows.
#include <QAbstractTableModel>

#include "core/grid_model.h"
#include "platform/qt/qt_util.h"

namespace n3 {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(QObject* parent = nullptr);

    // Starts showing `grid` (which must outlive this model), at most
    // `rowLimit` rows of it when rowLimit >= 0.
    void showGrid(const GridModel* grid, int rowLimit = -1);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const GridModel* grid_ = nullptr;
    int rowLimit_ = -1;
};

}  // namespace n3
