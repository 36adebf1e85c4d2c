#include "platform/qt/grid/whole_rows.h"

#include <QAbstractItemModel>
#include <QTableView>

namespace n3 {

int WholeRowsHeight(const QTableView* view, int available) {
    const QAbstractItemModel* model = view->model();
    if (!model || available <= 0) return available;
    int used = 0;
    for (int row = model->rowCount() - 1; row >= 0; --row) {
        if (view->isRowHidden(row)) continue;
        const int height = view->rowHeight(row);
        if (used + height > available) return used > 0 ? used : available;
        used += height;
    }
    return available;  // every row fits: nothing scrolls
}

}  // namespace n3
