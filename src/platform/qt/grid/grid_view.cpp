#include "platform/qt/grid/grid_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include "platform/qt/grid/grid_delegate.h"
#include "platform/qt/grid/grid_font.h"
#include "platform/qt/grid/grid_table_model.h"
#include "platform/qt/grid/grid_text_fit.h"
#include "platform/qt/grid/whole_rows.h"

namespace n3 {

namespace {

QTableView* MakeTable(QWidget* parent, GridTableModel* model) {
    auto* view = new QTableView(parent);
    view->setModel(model);
    // The delegate asks its own view for column positions.
    view->setItemDelegate(new GridDelegate(view));
    view->setFont(GridFont());
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setMinimumSectionSize(1);
    view->setShowGrid(false);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setTabKeyNavigation(false);  // Tab goes on to the window's buttons
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setFrameShape(QFrame::NoFrame);
    view->setCornerButtonEnabled(false);
    return view;
}

Qt::ScrollBarPolicy Policy(bool shown) { return shown ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff; }

}  // namespace

GridView::GridView(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFont(GridFont());
    // One model for both views, as in Qt's frozen-column example: the band
    // is the same table cut to the height of the frozen rows and held at
    // the top, so it never needs rows of its own.
    model_ = new GridTableModel(this);
    body_ = MakeTable(this, model_);
    frozen_ = MakeTable(this, model_);
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value != 0) frozen_->verticalScrollBar()->setValue(0);
    });
    connect(body_->horizontalScrollBar(), &QScrollBar::valueChanged, frozen_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(body_->horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this] { layoutFrozenBand(); });
    connect(body_->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { layoutFrozenBand(); });
}

const GridModel& GridView::gridModel() const { return grid_; }

int GridView::rowHeightPixels(double points) const { return PointsToPixels(points, this); }

int GridView::columnWidthPixels(double chars) const { return CharUnitsToPixels(chars); }

void GridView::setGridModel(GridModel model) {
    model_->showGrid(nullptr);
    grid_ = std::move(model);
    const GridModel& grid = grid_;
    const int frozenRows = std::clamp(grid.frozenRows, 0, grid.rows());
    model_->showGrid(&grid_);
    applySizes(body_);
    applySizes(frozen_);
    widenForTitles();

    body_->clearSpans();
    frozen_->clearSpans();
    for (const Span& s : grid.spans()) {
        body_->setSpan(s.row - 1, s.col - 1, s.rows, s.columns);
        if (s.row <= frozenRows)
            frozen_->setSpan(s.row - 1, s.col - 1, std::min(s.rows, frozenRows - s.row + 1), s.columns);
    }

    frozenHeight_ = 0;
    for (int r = 1; r <= frozenRows; ++r) {
        frozenHeight_ += rowHeightPixels(grid.rowHeight(r));
        body_->setRowHidden(r - 1, true);
    }
    frozen_->setVisible(frozenRows > 0);

    const bool horizontal = grid.scrollBars == ScrollBars::Both || grid.scrollBars == ScrollBars::Horizontal;
    body_->setHorizontalScrollBarPolicy(Policy(horizontal));
    // Rows the window cannot show are never out of reach: a grid made
    // without a vertical scroll bar still gets one when it needs it.
    body_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    if (grid.rows() > 0 && grid.columns() > 0) {
        const int row = std::max(grid.activeRow, frozenRows + 1);
        if (row <= grid.rows()) body_->setCurrentIndex(model_->index(row - 1, grid.activeCol - 1));
        body_->scrollToTop();
        frozen_->scrollToTop();
        body_->horizontalScrollBar()->setValue(0);
    }
    layoutFrozenBand();
}

int GridView::wholeHeight() const {
    int height = 2 * frameWidth() + 2 * body_->frameWidth();
    for (int r = 1; r <= grid_.rows(); ++r) height += rowHeightPixels(grid_.rowHeight(r));
    if (body_->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff &&
        body_->horizontalHeader()->length() > body_->viewport()->width())
        height += body_->horizontalScrollBar()->sizeHint().height();
    return height;
}

void GridView::applySizes(QTableView* view) {
    const GridModel& grid = grid_;
    auto* vh = view->verticalHeader();
    auto* hh = view->horizontalHeader();
    vh->setDefaultSectionSize(rowHeightPixels(grid.defaultRowHeight()));
    hh->setDefaultSectionSize(columnWidthPixels(grid.defaultColumnWidth()));
    // Only the exceptions are set one by one: 32,767 rows stay cheap.
    const int rows = view->model()->rowCount();
    for (int r = 1; r <= rows; ++r)
        if (grid.rowHeight(r) != grid.defaultRowHeight()) vh->resizeSection(r - 1, rowHeightPixels(grid.rowHeight(r)));
    for (int c = 1; c <= grid.columns(); ++c)
        if (grid.columnWidth(c) != grid.defaultColumnWidth())
            hh->resizeSection(c - 1, columnWidthPixels(grid.columnWidth(c)));
}

// A title running over the empty cells at the right end is shown whole:
// the last column grows on screen (the grid itself keeps its widths).
void GridView::widenForTitles() {
    const int columns = grid_.columns();
    const int shortfall = LastColumnShortfall(grid_, std::max(grid_.frozenRows, 2), body_->fontMetrics(),
                                              [this](int c) { return body_->columnWidth(c - 1); });
    if (shortfall <= 0 || columns < 1) return;
    for (QTableView* view : {body_, frozen_})
        view->horizontalHeader()->resizeSection(columns - 1, view->columnWidth(columns - 1) + shortfall);
}

void GridView::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    layoutFrozenBand();
}

void GridView::layoutFrozenBand() {
    const QRect inner = contentsRect();
    const int band = frozen_->isVisibleTo(this) ? std::min(frozenHeight_, inner.height()) : 0;
    const int vbar =
        body_->verticalScrollBar()->isVisibleTo(body_) ? body_->verticalScrollBar()->sizeHint().width() : 0;
    frozen_->setGeometry(inner.x(), inner.y(), inner.width() - vbar, band);
    // The body shows whole rows only; what is left stays empty below it.
    const QScrollBar* hbar = body_->horizontalScrollBar();
    const int hbarHeight = hbar->isVisibleTo(body_) ? hbar->sizeHint().height() : 0;
    const int rowsHeight = WholeRowsHeight(body_, inner.height() - band - hbarHeight);
    body_->setGeometry(inner.x(), inner.y() + band, inner.width(), rowsHeight + hbarHeight);
    frozen_->horizontalScrollBar()->setValue(body_->horizontalScrollBar()->value());
}

}  // namespace n3
