#pragma once
// Shows a GridModel, owned elsewhere, to Qt's views: read cell by cell,
// never copied, read-only. Besides Qt's own roles for text, colours and
// alignment it answers the borders of each side and whether texts may run
// over empty neighbours, so that a delegate paints from the model alone.
#include <QAbstractTableModel>

#include "core/grid_model.h"
#include "platform/qt/common/qt_util.h"

namespace n3 {

enum GridRole {
    // The QColor of the line on that side of the cell, or no value for none.
    LeftBorderRole = Qt::UserRole + 1,
    RightBorderRole,
    TopBorderRole,
    BottomBorderRole,
    // bool: the grid lets a text run over empty cells beside it.
    TextOverflowRole,
};

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(QObject* parent = nullptr);

    // Starts showing `grid`, which must outlive this model (nullptr: nothing).
    void showGrid(const GridModel* grid);
    const GridModel* grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const GridModel* grid_ = nullptr;
};

}  // namespace n3
