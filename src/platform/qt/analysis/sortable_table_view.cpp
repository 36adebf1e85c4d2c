#include "platform/qt/analysis/sortable_table_view.h"

#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QTableView>

#include "platform/qt/analysis/sortable_table_model.h"
#include "platform/qt/grid/grid_font.h"

namespace n3 {

SortableTableView MakeSortableTableView(QObject* owner, QWidget* parent, const QString& objectName) {
    SortableTableView t;
    t.model = new SortableTableModel(owner);
    t.sort = new QSortFilterProxyModel(owner);
    t.sort->setSourceModel(t.model);
    t.sort->setSortRole(SortableTableModel::kSortRole);
    t.view = new QTableView(parent);
    t.view->setObjectName(objectName);
    t.view->setModel(t.sort);
    t.view->setSortingEnabled(true);
    t.view->setSelectionBehavior(QAbstractItemView::SelectRows);
    t.view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t.view->setFont(GridFont());
    t.view->verticalHeader()->setDefaultSectionSize(t.view->fontMetrics().height() + 4);
    t.view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t.view->sortByColumn(0, Qt::AscendingOrder);
    return t;
}

}  // namespace n3
