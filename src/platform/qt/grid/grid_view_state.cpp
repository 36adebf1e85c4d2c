#include "platform/qt/grid/grid_view_state.h"

#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

#include "platform/qt/grid/grid_view.h"

namespace n3 {

GridViewState GridViewState::Of(const GridView& view) { return Of(*view.body()); }

GridViewState GridViewState::Of(const QTableView& view) {
    GridViewState state;
    const QScrollBar* v = view.verticalScrollBar();
    state.vertical_ = v->value();
    state.atBottom_ = v->maximum() > 0 && v->value() == v->maximum();
    state.horizontal_ = view.horizontalScrollBar()->value();
    const QModelIndex current = view.currentIndex();
    if (current.isValid()) state.current_ = {current.row(), current.column()};
    if (const QItemSelectionModel* selection = view.selectionModel())
        for (const QItemSelectionRange& range : selection->selection())
            state.selection_.push_back({{range.top(), range.left()}, {range.bottom(), range.right()}});
    return state;
}

void GridViewState::restore(GridView& view) const { restore(*view.body()); }

void GridViewState::restore(QTableView& view) const {
    QAbstractItemModel* model = view.model();
    QItemSelectionModel* selection = view.selectionModel();
    if (model && selection && model->rowCount() > 0 && model->columnCount() > 0) {
        const int lastRow = model->rowCount() - 1, lastColumn = model->columnCount() - 1;
        auto index = [&](Cell c) {
            return model->index(std::clamp(c.row, 0, lastRow), std::clamp(c.column, 0, lastColumn));
        };
        if (current_.row >= 0) selection->setCurrentIndex(index(current_), QItemSelectionModel::NoUpdate);
        QItemSelection cells;
        for (const auto& [from, to] : selection_)
            if (from.row <= lastRow && from.column <= lastColumn) cells.select(index(from), index(to));
        selection->select(cells, QItemSelectionModel::ClearAndSelect);
    }
    // The bars learn their new ranges from the layout: set them after it.
    view.doItemsLayout();
    QScrollBar* v = view.verticalScrollBar();
    v->setValue(atBottom_ ? v->maximum() : vertical_);
    view.horizontalScrollBar()->setValue(horizontal_);
}

}  // namespace n3
