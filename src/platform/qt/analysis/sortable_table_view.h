#pragma once
// A sortable table as the windows show it: the model, a proxy that sorts
// by the cells' keys, and a read-only view of whole rows in the grid's font,
// sorted by its first column until the user clicks a header.
#include <QString>

class QObject;
class QSortFilterProxyModel;
class QTableView;
class QWidget;

namespace n3 {

class SortableTableModel;

struct SortableTableView {
    SortableTableModel* model = nullptr;
    QSortFilterProxyModel* sort = nullptr;
    QTableView* view = nullptr;
};

// The model and proxy belong to `owner`, the view to `parent`.
SortableTableView MakeSortableTableView(QObject* owner, QWidget* parent, const QString& objectName);

}  // namespace n3
