#include "platform/qt/print/print_layout.h"

#include <QFontMetrics>
#include <algorithm>
#include <numeric>

#include "platform/qt/common/qt_util.h"
#include "platform/qt/grid/grid_font.h"

namespace n3 {

namespace {

constexpr int kItemGap = 6;
constexpr double kChartAspect = 0.6;  // chart height over page width, about as the window shows it

int PointsToPrintPixels(double points) { return std::max(1, int(points * kPrintDpi / 72.0 + 0.5)); }

// A column band: grid columns first..last, with the first column repeated
// in front of it when `repeatFirst`.
struct Band {
    int first;
    int last;
    bool repeatFirst;
};

// The columns of `grid` in bands no wider than `width`. A band does not end
// inside a span when it can end before it.
std::vector<Band> ColumnBands(const GridModel& grid, const PrintGridSizes& sizes, int width) {
    const int cols = grid.columns();
    if (sizes.width() <= width) return {{1, cols, false}};
    const int firstWidth = sizes.columnWidths[1];
    const bool repeat = cols > 1 && firstWidth <= width / 3;
    std::vector<Band> bands;
    for (int start = 1; start <= cols;) {
        const bool repeatHere = repeat && start > 1;
        const int avail = width - (repeatHere ? firstWidth : 0);
        int end = start, used = sizes.columnWidths[std::size_t(start)];
        while (end < cols && used + sizes.columnWidths[std::size_t(end + 1)] <= avail)
            used += sizes.columnWidths[std::size_t(++end)];
        for (bool moved = end < cols; moved;) {
            moved = false;
            for (const Span& s : grid.spans())
                if (s.col > start && s.col <= end && s.col + s.columns - 1 > end) {
                    end = s.col - 1;
                    moved = true;
                }
        }
        bands.push_back({start, end, repeatHere});
        start = end + 1;
    }
    return bands;
}

class Paginator {
public:
    Paginator(const PrintDocument& doc, QSize page) : doc_(doc), page_(page) { pages_.emplace_back(); }

    std::vector<PrintPage> run() {
        placeHeading();
        for (int i = 0; i < int(doc_.items.size()); ++i) {
            const PrintItem& item = doc_.items[std::size_t(i)];
            switch (item.kind) {
            case PrintItem::Kind::Text: placeText(item.text); break;
            case PrintItem::Kind::Grid: placeGrid(i, item); break;
            case PrintItem::Kind::Chart: placeChart(i); break;
            }
        }
        if (pages_.size() > 1 && pages_.back().empty()) pages_.pop_back();
        const QRect footer(0, page_.height() - PrintFooterHeight(), page_.width(), PrintFooterHeight());
        for (PrintPage& p : pages_) p.footer = footer;
        return std::move(pages_);
    }

private:
    int bottom() const { return page_.height() - PrintFooterHeight(); }
    PrintPage& page() { return pages_.back(); }
    void newPage() {
        pages_.emplace_back();
        y_ = 0;
    }
    // Starts a new page unless `height` still fits on this one (or the page
    // is empty, where nothing is gained by turning it).
    void makeRoom(int height) {
        if (y_ + height > bottom() && !page().empty()) newPage();
    }

    void addText(const QString& text, PrintTextStyle style, int height) {
        page().texts.push_back({QRect(0, y_, page_.width(), height), text, style});
        y_ += height;
    }

    void placeHeading() {
        if (!doc_.caption.empty())
            addText(Q(doc_.caption), PrintTextStyle::Title, PrintLineHeight(PrintTextStyle::Title));
        if (!doc_.description.empty()) {
            const QFontMetrics fm(PrintTextFont(PrintTextStyle::Normal));
            const QRect need =
                fm.boundingRect(QRect(0, 0, page_.width(), 10000), Qt::TextWordWrap, Q(doc_.description));
            addText(Q(doc_.description), PrintTextStyle::Normal,
                    std::max(PrintLineHeight(PrintTextStyle::Normal), need.height() + 2));
        }
        QString line = Q(doc_.dateText);
        if (!doc_.rangeText.empty()) line += QStringLiteral("　　対象 ") + Q(doc_.rangeText);
        if (!line.isEmpty()) addText(line, PrintTextStyle::Normal, PrintLineHeight(PrintTextStyle::Normal));
        y_ += kItemGap;
    }

    // A line longer than the page wraps onto as many lines as it needs.
    void placeText(const std::string& text) {
        const QFontMetrics fm(PrintTextFont(PrintTextStyle::Normal));
        const QRect need = fm.boundingRect(QRect(0, 0, page_.width(), 100000), Qt::TextWordWrap, Q(text));
        const int height = std::max(PrintLineHeight(PrintTextStyle::Normal), need.height() + 3);
        makeRoom(height);
        addText(Q(text), PrintTextStyle::Normal, height);
    }

    // A chart has a page of its own, shared only with the lines of text
    // above it (the heading, the window's one-line verdict), as wide as the
    // page and as tall as the window shows it.
    void placeChart(int item) {
        if (!page().grids.empty() || !page().charts.empty()) newPage();
        const int height = std::min(int(page_.width() * kChartAspect), bottom() - y_);
        page().charts.push_back({item, QRect(0, y_, page_.width(), height)});
        y_ += height + kItemGap;
    }

    void placeGrid(int item, const PrintItem& printed) {
        const GridModel& grid = printed.grid;
        if (grid.rows() < 1 || grid.columns() < 1) return;
        const PrintGridSizes sizes = MeasurePrintGrid(grid);
        const int headerRows = std::clamp(grid.frozenRows, 0, grid.rows());
        // A grid of frozen rows only has no body to page through: it prints
        // as plain rows.
        const int header = headerRows < grid.rows() ? headerRows : 0;
        int headerHeight = 0;
        for (int r = 1; r <= header; ++r) headerHeight += sizes.rowHeights[std::size_t(r)];
        std::vector<int> body;
        if (printed.onlyRows) {
            for (int r : *printed.onlyRows)
                if (r > header && r <= grid.rows()) body.push_back(r);
        } else {
            for (int r = header + 1; r <= grid.rows(); ++r) body.push_back(r);
        }
        if (body.empty()) return;

        const std::vector<Band> bands = ColumnBands(grid, sizes, page_.width());
        for (std::size_t b = 0; b < bands.size(); ++b) {
            if (b > 0 && !page().empty()) newPage();
            std::vector<int> columns;
            if (bands[b].repeatFirst) columns.push_back(1);
            for (int c = bands[b].first; c <= bands[b].last; ++c) columns.push_back(c);
            int width = 0;
            for (int c : columns) width += sizes.columnWidths[std::size_t(c)];

            for (std::size_t next = 0; next < body.size();) {
                makeRoom(headerHeight + sizes.rowHeights[std::size_t(body[next])]);
                PrintGridPiece piece{item, QPoint(0, y_), columns, {}, {}};
                int height = headerHeight;
                for (int h = 1; h <= header; ++h) piece.rows.push_back(h);
                while (next < body.size() && (height + sizes.rowHeights[std::size_t(body[next])] <= bottom() - y_ ||
                                              int(piece.rows.size()) == header)) {
                    height += sizes.rowHeights[std::size_t(body[next])];
                    piece.rows.push_back(body[next++]);
                }
                piece.size = QSize(width, height);
                page().grids.push_back(std::move(piece));
                y_ += height;
                if (next < body.size()) newPage();
            }
            y_ += kItemGap;
        }
    }

    const PrintDocument& doc_;
    QSize page_;
    std::vector<PrintPage> pages_;
    int y_ = 0;
};

}  // namespace

QFont PrintGridFont() {
    QFont f = GridFont();
    f.setPixelSize(PointsToPrintPixels(GridFont().pointSizeF()));
    return f;
}

QFont PrintTextFont(PrintTextStyle style) {
    QFont f = GridFont();
    f.setPixelSize(PointsToPrintPixels(style == PrintTextStyle::Title ? 14 : 10));
    f.setBold(style == PrintTextStyle::Title);
    return f;
}

int PrintFooterHeight() { return 24; }

int PrintLineHeight(PrintTextStyle style) {
    return QFontMetrics(PrintTextFont(style)).height() + (style == PrintTextStyle::Title ? 6 : 3);
}

int PrintGridSizes::width() const { return std::accumulate(columnWidths.begin(), columnWidths.end(), 0); }

PrintGridSizes MeasurePrintGrid(const GridModel& grid) {
    PrintGridSizes s;
    s.columnWidths.assign(std::size_t(grid.columns()) + 1, 0);
    s.rowHeights.assign(std::size_t(grid.rows()) + 1, 0);
    for (int c = 1; c <= grid.columns(); ++c) s.columnWidths[std::size_t(c)] = CharUnitsToPixels(grid.columnWidth(c));
    const int defaultHeight = PointsToPrintPixels(grid.defaultRowHeight());
    for (int r = 1; r <= grid.rows(); ++r) {
        const double h = grid.rowHeight(r);
        s.rowHeights[std::size_t(r)] = h == grid.defaultRowHeight() ? defaultHeight : PointsToPrintPixels(h);
    }
    return s;
}

bool PrefersLandscape(const PrintDocument& doc, int portraitWidth) {
    for (const PrintItem& item : doc.items)
        if (item.kind == PrintItem::Kind::Grid && MeasurePrintGrid(item.grid).width() > portraitWidth) return true;
    return false;
}

std::vector<PrintPage> LayOutPages(const PrintDocument& doc, QSize page) { return Paginator(doc, page).run(); }

}  // namespace n3
