#pragma once
// One further view of an analysis window, in a tab of its own: its grid,
// or a selector and the chosen one of its sortable tables, with its charts
// underneath.
#include <QWidget>

#include "core/window_content.h"

class QComboBox;
class QSortFilterProxyModel;
class QSplitter;
class QTableView;

namespace n3 {

class ChartView;
class GridView;
class SortableTableModel;

class ContentTabView : public QWidget {
    Q_OBJECT
public:
    explicit ContentTabView(QWidget* parent = nullptr);

    // Shows `view`; the table chosen before stays chosen.
    void setView(ContentView view);
    const ContentView& view() const { return view_; }

    GridView* grid() const { return grid_; }
    QComboBox* chooser() const { return chooser_; }
    QTableView* tableView() const { return tableView_; }
    ChartView* chartView() const { return charts_; }

private:
    void showChoice(int index);

    ContentView view_;
    QSplitter* splitter_;
    GridView* grid_;
    QComboBox* chooser_;
    QTableView* tableView_;
    SortableTableModel* tableModel_;
    QSortFilterProxyModel* tableSort_;
    ChartView* charts_;
};

}  // namespace n3
