#include "platform/qt/print/print_page_painter.h"

#include <QPainter>

#include "platform/qt/charts/chart_render.h"
#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_cell_painter.h"
#include "platform/qt/grid/grid_table_model.h"

namespace n3 {

namespace {

ChartPainter& CurrentChartPainter() {
    static ChartPainter painter = PaintChart;
    return painter;
}

}  // namespace

void SetChartPainter(ChartPainter painter) { CurrentChartPainter() = painter ? std::move(painter) : PaintChart; }

// What painting a grid needs, made once per print: the model over the grid
// (read through its roles like the screen's), the sizes, the x of every
// column and which span covers each cell.
struct PrintPagePainter::GridParts {
    GridTableModel model;
    PrintGridSizes sizes;
    std::vector<int> columnX;  // x of column c counted from column 1
    std::vector<int> spanOf;   // per cell (row-major, from 0): index into spans(), or -1
};

PrintPagePainter::PrintPagePainter(const PrintDocument& doc) : doc_(doc) {
    for (const PrintItem& item : doc.items) {
        if (item.kind != PrintItem::Kind::Grid) {
            grids_.emplace_back();
            continue;
        }
        auto parts = std::make_unique<GridParts>();
        const GridModel& g = item.grid;
        parts->model.showGrid(&g);
        parts->sizes = MeasurePrintGrid(g);
        parts->columnX.assign(std::size_t(g.columns()) + 2, 0);
        for (int c = 1; c <= g.columns(); ++c)
            parts->columnX[std::size_t(c + 1)] =
                parts->columnX[std::size_t(c)] + parts->sizes.columnWidths[std::size_t(c)];
        if (!g.spans().empty()) {
            parts->spanOf.assign(std::size_t(g.columns()) * std::size_t(g.rows()), -1);
            for (std::size_t i = 0; i < g.spans().size(); ++i) {
                const Span& s = g.spans()[i];
                for (int r = std::max(1, s.row); r < s.row + s.rows && r <= g.rows(); ++r)
                    for (int c = std::max(1, s.col); c < s.col + s.columns && c <= g.columns(); ++c)
                        parts->spanOf[std::size_t(r - 1) * std::size_t(g.columns()) + std::size_t(c - 1)] = int(i);
            }
        }
        grids_.push_back(std::move(parts));
    }
}

PrintPagePainter::~PrintPagePainter() = default;

void PrintPagePainter::paint(QPainter& p, const PrintPage& page, int number, int count) const {
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const PrintTextPiece& t : page.texts) {
        p.setFont(PrintTextFont(t.style));
        p.setPen(Qt::black);
        p.drawText(t.rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, t.text);
    }
    for (const PrintGridPiece& piece : page.grids) paintGrid(p, piece);
    for (const PrintChartPiece& c : page.charts) {
        p.save();
        p.setClipRect(c.rect);
        CurrentChartPainter()(p, QRectF(c.rect), doc_.items[std::size_t(c.item)].chart);
        p.restore();
    }
    p.setFont(PrintTextFont(PrintTextStyle::Normal));
    p.setPen(Qt::black);
    p.drawText(page.footer, Qt::AlignCenter, QStringLiteral("%1 / %2 ページ").arg(number).arg(count));
    p.restore();
}

void PrintPagePainter::paintGrid(QPainter& p, const PrintGridPiece& piece) const {
    const GridParts& parts = *grids_[std::size_t(piece.item)];
    const GridModel& g = doc_.items[std::size_t(piece.item)].grid;
    const auto& widths = parts.sizes.columnWidths;
    const auto& heights = parts.sizes.rowHeights;

    std::vector<int> xs, ys;
    for (int x = piece.origin.x(); int c : piece.columns) {
        xs.push_back(x);
        x += widths[std::size_t(c)];
    }
    for (int y = piece.origin.y(); int r : piece.rows) {
        ys.push_back(y);
        y += heights[std::size_t(r)];
    }
    // Where a column lies, also one off this page, for texts that run over:
    // the page's columns are contiguous after the repeated first one.
    const bool repeated = piece.columns.size() > 1 && piece.columns[0] == 1 && piece.columns[1] != 2;
    const std::size_t bodyAt = repeated ? 1 : 0;
    const int bodyFirst = piece.columns[bodyAt];
    auto columnLeft = [&](int c) {
        if (repeated && c == 1) return xs[0];
        return xs[bodyAt] + parts.columnX[std::size_t(c)] - parts.columnX[std::size_t(bodyFirst)];
    };
    // The part of a run of grid lines [first, first+count) that lies on this
    // page: from the first line's start to the last line's end.
    auto extent = [](const std::vector<int>& lines, const std::vector<int>& starts, const std::vector<int>& sizes,
                     int first, int count) {
        int from = -1, to = -1;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i] >= first && lines[i] < first + count) {
                if (from < 0) from = starts[i];
                to = starts[i] + sizes[std::size_t(lines[i])];
            }
        return std::pair{from, to};
    };

    std::vector<bool> spanDone(g.spans().size(), false);
    p.save();
    p.setFont(PrintGridFont());
    for (std::size_t ri = 0; ri < piece.rows.size(); ++ri) {
        const int r = piece.rows[ri];
        for (std::size_t ci = 0; ci < piece.columns.size(); ++ci) {
            const int c = piece.columns[ci];
            QRect rect(xs[ci], ys[ri], widths[std::size_t(c)], heights[std::size_t(r)]);
            QModelIndex index = parts.model.index(r - 1, c - 1);
            const int span = parts.spanOf.empty()
                                 ? -1
                                 : parts.spanOf[std::size_t(r - 1) * std::size_t(g.columns()) + std::size_t(c - 1)];
            if (span >= 0) {
                if (spanDone[std::size_t(span)]) continue;
                spanDone[std::size_t(span)] = true;
                const Span& s = g.spans()[std::size_t(span)];
                const auto [x1, x2] = extent(piece.columns, xs, widths, s.col, s.columns);
                const auto [y1, y2] = extent(piece.rows, ys, heights, s.row, s.rows);
                rect = QRect(x1, y1, x2 - x1, y2 - y1);
                index = parts.model.index(s.row - 1, s.col - 1);
            }
            const int top = rect.top(), height = rect.height();
            PaintGridCell(p, index, rect, [&, top, height](int column) {
                return QRect(columnLeft(column + 1), top, widths[std::size_t(column + 1)], height);
            });
        }
    }
    p.restore();
}

}  // namespace n3
