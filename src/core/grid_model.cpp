#include "core/grid_model.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace n3 {

std::string Colour::hex(Colour fallback) const {
    const Colour c = isSet() ? *this : fallback;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

GridModel::GridModel() {
    texts_.emplace_back();
    textIndex_.emplace(std::string(), 0);
    styles_.emplace_back();
}

void GridModel::setSize(int cols, int rows) {
    cols_ = std::max(0, cols);
    rows_ = std::max(0, rows);
    const std::size_t n = std::size_t(cols_) * std::size_t(rows_);
    cellText_.assign(n, 0);
    cellStyle_.assign(n, 0);
    spans_.clear();
    tips_.clear();
    rowHeights_.assign(std::size_t(rows_), -1);
    columnWidths_.assign(std::size_t(cols_), -1);
    activeCol = activeRow = 1;
}

// ---------------------------------------------------------------- texts

std::uint32_t GridModel::internText(std::string_view t) {
    if (t.empty()) return 0;
    auto it = textIndex_.find(std::string(t));
    if (it != textIndex_.end()) return it->second;
    const auto id = std::uint32_t(texts_.size());
    texts_.emplace_back(t);
    textIndex_.emplace(texts_.back(), id);
    return id;
}

void GridModel::setText(int col, int row, std::string_view text) {
    if (!contains(col, row)) return;
    cellText_[index(col, row)] = internText(text);
}

void GridModel::setTip(int col, int row, std::string_view tip) {
    if (!contains(col, row)) return;
    if (tip.empty())
        tips_.erase(index(col, row));
    else
        tips_[index(col, row)] = std::string(tip);
}

std::string_view GridModel::tip(int col, int row) const {
    if (!contains(col, row)) return {};
    const auto it = tips_.find(index(col, row));
    return it == tips_.end() ? std::string_view() : std::string_view(it->second);
}

void GridModel::setNumber(int col, int row, int value) {
    if (!contains(col, row)) return;
    constexpr int kCached = 1 << 16;
    if (value >= 0 && value < kCached) {
        if (numberText_.size() <= std::size_t(value)) numberText_.resize(std::size_t(value) + 1, 0xffffffffu);
        auto& id = numberText_[std::size_t(value)];
        if (id == 0xffffffffu) id = internText(std::to_string(value));
        cellText_[index(col, row)] = id;
        return;
    }
    cellText_[index(col, row)] = internText(std::to_string(value));
}

const std::string& GridModel::text(int col, int row) const {
    if (!contains(col, row)) return texts_[0];
    return texts_[cellText_[index(col, row)]];
}

bool GridModel::isEmpty(int col, int row) const { return !contains(col, row) || cellText_[index(col, row)] == 0; }

// --------------------------------------------------------------- styles

std::uint32_t GridModel::internStyle(const CellStyle& s) {
    // Grids use a handful of styles; a linear scan over a short list beats
    // hashing, and a long list falls back to a scan that is still rare
    // because block edits memoise their results.
    for (std::size_t i = 0; i < styles_.size(); ++i)
        if (styles_[i] == s) return std::uint32_t(i);
    styles_.push_back(s);
    return std::uint32_t(styles_.size() - 1);
}

const CellStyle& GridModel::style(int col, int row) const {
    if (!contains(col, row)) return styles_[0];
    return styles_[cellStyle_[index(col, row)]];
}

template <class Edit>
void GridModel::editBlock(const CellBlock& b, Edit edit) {
    const int c1 = std::max(1, b.col1), c2 = std::min(cols_, b.col2);
    const int r1 = std::max(1, b.row1), r2 = std::min(rows_, b.row2);
    if (c1 > c2 || r1 > r2) return;
    // Old style index -> new style index, per cell position class. Most
    // cells of a block share one old style, so each change is computed once.
    std::unordered_map<std::uint64_t, std::uint32_t> memo;
    std::uint64_t lastKey = ~std::uint64_t(0);
    std::uint32_t lastId = 0;
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c) {
            auto& id = cellStyle_[index(c, r)];
            const int where = edit.positionClass(c, r, c1, r1, c2, r2);
            const std::uint64_t key = (std::uint64_t(id) << 8) | std::uint64_t(where);
            if (key == lastKey) {
                id = lastId;
                continue;
            }
            lastKey = key;
            auto it = memo.find(key);
            if (it != memo.end()) {
                id = lastId = it->second;
                continue;
            }
            CellStyle s = styles_[id];
            edit.apply(s, where);
            const auto newId = internStyle(s);
            memo.emplace(key, newId);
            id = lastId = newId;
        }
    }
}

namespace {
// An edit that treats every cell of the block alike.
template <class F>
struct Uniform {
    F f;
    int positionClass(int, int, int, int, int, int) const { return 0; }
    void apply(CellStyle& s, int) const { f(s); }
};
template <class F>
Uniform<F> uniform(F f) {
    return {f};
}

struct Outline {
    Border line;
    int positionClass(int c, int r, int c1, int r1, int c2, int r2) const {
        return (c == c1 ? 1 : 0) | (c == c2 ? 2 : 0) | (r == r1 ? 4 : 0) | (r == r2 ? 8 : 0);
    }
    void apply(CellStyle& s, int where) const {
        if (where & 1) s.borders[Left] = line;
        if (where & 2) s.borders[Right] = line;
        if (where & 4) s.borders[Top] = line;
        if (where & 8) s.borders[Bottom] = line;
    }
};
}  // namespace

void GridModel::setForeground(const CellBlock& b, Colour c) {
    editBlock(b, uniform([c](CellStyle& s) { s.foreground = c; }));
}

void GridModel::setBackground(const CellBlock& b, Colour c) {
    editBlock(b, uniform([c](CellStyle& s) { s.background = c; }));
}

void GridModel::setAlignment(const CellBlock& b, HAlign h, VAlign v) {
    editBlock(b, uniform([h, v](CellStyle& s) {
                  s.hAlign = h;
                  s.vAlign = v;
              }));
}

void GridModel::outlineBlock(const CellBlock& b, Colour c, LineStyle st) { editBlock(b, Outline{Border{st, c}}); }

void GridModel::rightLineOnBlock(const CellBlock& b, Colour c, LineStyle st) { setBorder(b, Right, c, st); }

void GridModel::gridLinesOnBlock(const CellBlock& b, Colour c, LineStyle st) {
    const Border line{st, c};
    editBlock(b, uniform([line](CellStyle& s) {
                  for (auto& side : s.borders) side = line;
              }));
}

void GridModel::setBorder(const CellBlock& b, Side side, Colour c, LineStyle st) {
    const Border line{st, st == LineStyle::None ? Colour{} : c};
    editBlock(b, uniform([line, side](CellStyle& s) { s.borders[side] = line; }));
}

// ---------------------------------------------------------------- spans

void GridModel::addSpan(int col, int row, int columns, int rows) {
    if (!contains(col, row) || columns < 1 || rows < 1) return;
    spans_.push_back({col, row, std::min(columns, cols_ - col + 1), std::min(rows, rows_ - row + 1)});
}

const Span* GridModel::spanAt(int col, int row) const {
    for (const auto& s : spans_)
        if (col >= s.col && col < s.col + s.columns && row >= s.row && row < s.row + s.rows) return &s;
    return nullptr;
}

// ---------------------------------------------------------------- sizes

void GridModel::setDefaultRowHeight(double points) {
    defaultRowHeight_ = points;
    std::fill(rowHeights_.begin(), rowHeights_.end(), -1);
}

void GridModel::setRowHeight(int row, double points) {
    if (row >= 1 && row <= rows_) rowHeights_[std::size_t(row - 1)] = points;
}

double GridModel::rowHeight(int row) const {
    if (row < 1 || row > rows_) return defaultRowHeight_;
    const double h = rowHeights_[std::size_t(row - 1)];
    return h < 0 ? defaultRowHeight_ : h;
}

void GridModel::setDefaultColumnWidth(double chars) {
    defaultColumnWidth_ = chars;
    std::fill(columnWidths_.begin(), columnWidths_.end(), -1);
}

void GridModel::setColumnWidth(int col, double chars) {
    if (col >= 1 && col <= cols_) columnWidths_[std::size_t(col - 1)] = chars;
}

double GridModel::columnWidth(int col) const {
    if (col < 1 || col > cols_) return defaultColumnWidth_;
    const double w = columnWidths_[std::size_t(col - 1)];
    return w < 0 ? defaultColumnWidth_ : w;
}

std::size_t GridModel::memoryBytes() const {
    std::size_t bytes = sizeof(*this);
    bytes += cellText_.capacity() * sizeof(std::uint32_t);
    bytes += cellStyle_.capacity() * sizeof(std::uint32_t);
    bytes += styles_.capacity() * sizeof(CellStyle);
    bytes += (rowHeights_.capacity() + columnWidths_.capacity()) * sizeof(double);
    for (const auto& t : texts_) bytes += sizeof(t) + t.capacity() + 32;  // + map node
    bytes += numberText_.capacity() * sizeof(std::uint32_t);
    return bytes;
}

}  // namespace n3
