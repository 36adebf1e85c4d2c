#pragma once
// What the user has done to a grid's view (where it is scrolled, which
// cell is current, what is selected), kept across a new model so that a
// window computed again over new data stays where the user left it.
#include <QItemSelection>
#include <QModelIndex>
#include <vector>

class QTableView;

namespace n3 {

class GridView;

class GridViewState {
public:
    // Takes the state of a grid view (its scrolling body) or a table view.
    static GridViewState Of(const GridView& view);
    static GridViewState Of(const QTableView& view);
    // Puts it back on the view's new model, as far as the new rows and
    // columns reach. A view scrolled to its end stays at the end, so that
    // the newest draw stays in sight as draws are added.
    void restore(GridView& view) const;
    void restore(QTableView& view) const;

private:
    struct Cell {
        int row = -1;
        int column = -1;
    };
    int vertical_ = 0;
    int horizontal_ = 0;
    bool atBottom_ = false;
    Cell current_;
    std::vector<std::pair<Cell, Cell>> selection_;  // top-left, bottom-right
};

}  // namespace n3
