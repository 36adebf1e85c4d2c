#include "core/grid_model.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <utility>

namespace n3 {

std::string Colour::hex(Colour fallback) const {
    const Colour c = isSet() ? *this : fallback;
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.red(), c.green(), c.blue());
    return buf;
}

namespace {

// A style edit packed in 64 bits: the colour in the low 32, then what the
// edit sets. Never 0, so that 0 marks an empty memo slot.
enum EditKind : std::uint64_t {
    kSetForeground = 1,
    kSetBackground = 2,
    kSetAlignment = 3,
    kSetSide = 4,      // one side, given by the side bits
    kSetAllSides = 5,  // all four sides
    kSetOutline = 6,   // the sides given by the "where" bits: 1 left, 2 right, 4 top, 8 bottom
};

constexpr std::uint64_t Edit(EditKind kind, Colour c) { return std::uint64_t(c.rgb()) | (std::uint64_t(kind) << 32); }
std::uint64_t WithSide(std::uint64_t e, int side) { return e | (std::uint64_t(side) << 36); }
std::uint64_t WithWhere(std::uint64_t e, int where) { return e | (std::uint64_t(where) << 40); }
std::uint64_t WithLine(std::uint64_t e, LineStyle st) { return e | (std::uint64_t(st) << 44); }
std::uint64_t WithAlignment(std::uint64_t e, HAlign h, VAlign v) {
    return e | (std::uint64_t(h) << 48) | (std::uint64_t(v) << 52);
}

void Apply(CellStyle& s, std::uint64_t e) {
    const Colour colour = Colour::FromValue(std::uint32_t(e));
    const Border line{LineStyle((e >> 44) & 0xf), colour};
    switch (EditKind((e >> 32) & 0xf)) {
    case kSetForeground: s.foreground = colour; break;
    case kSetBackground: s.background = colour; break;
    case kSetAlignment:
        s.hAlign = HAlign((e >> 48) & 0xf);
        s.vAlign = VAlign((e >> 52) & 0xf);
        break;
    case kSetSide: s.borders[(e >> 36) & 0x3] = line; break;
    case kSetAllSides:
        for (auto& side : s.borders) side = line;
        break;
    case kSetOutline: {
        const auto where = (e >> 40) & 0xf;
        if (where & 1) s.borders[Left] = line;
        if (where & 2) s.borders[Right] = line;
        if (where & 4) s.borders[Top] = line;
        if (where & 8) s.borders[Bottom] = line;
        break;
    }
    }
}

std::size_t Mix(std::size_t h, std::uint64_t v) { return (h ^ v) * 0x100000001b3ull; }

}  // namespace

std::size_t GridModel::StyleHash::operator()(const CellStyle& s) const {
    std::size_t h = 0xcbf29ce484222325ull;
    h = Mix(h, s.foreground.rgb());
    h = Mix(h, s.background.rgb());
    h = Mix(h, (std::uint64_t(s.hAlign) << 8) | std::uint64_t(s.vAlign));
    for (const Border& b : s.borders) h = Mix(h, (std::uint64_t(b.style) << 32) | b.colour.rgb());
    return h;
}

GridModel::GridModel() {
    texts_.emplace_back();
    textIndex_.emplace(std::string(), 0);
    styles_.emplace_back();
    styleIndex_.emplace(styles_[0], 0);
}

void GridModel::setSize(int cols, int rows) {
    // Rows being rebuilt: the grid already has its size.
    if (firstWritableRow_ > 1) {
        if (cols == cols_ && rows == rows_) return;
        firstWritableRow_ = 1;
    }
    cols_ = std::max(0, cols);
    rows_ = std::max(0, rows);
    const std::size_t n = std::size_t(cols_) * std::size_t(rows_);
    cellText_ = Cells(n);
    cellStyle_ = Cells(n);
    spans_.clear();
    tips_.clear();
    rowHeights_.assign(std::size_t(rows_), -1);
    columnWidths_.assign(std::size_t(cols_), -1);
    activeCol = activeRow = 1;
}

// ---------------------------------------------------------------- texts

std::uint32_t GridModel::internTextAfresh(std::string_view t) {
    std::uint32_t id = lastText_;
    if (texts_[id] != t) {
        const auto it = textIndex_.find(t);
        if (it != textIndex_.end()) {
            id = it->second;
        } else {
            id = std::uint32_t(texts_.size());
            texts_.emplace_back(t);
            textIndex_.emplace(texts_.back(), id);
        }
    }
    lastText_ = id;
    if (t.size() <= kShortTextBytes) {
        if (shortTexts_.empty()) shortTexts_.resize(kShortTextSlots);
        ShortText words = ShortTextOf(t);
        words.id = id;
        shortTexts_[ShortTextSlot(words)] = words;
    }
    return id;
}

void GridModel::rebuildRowsFrom(int row, int rows) {
    rows = std::max(0, rows);
    row = std::clamp(row, 1, rows + 1);
    const int kept = std::min(row - 1, this->rows());
    // Column by column: the kept top of each column, then empty cells.
    Cells texts(std::size_t(cols_) * std::size_t(rows));
    Cells styles(texts.size());
    for (int c = 1; c <= cols_; ++c) {
        const std::size_t from = index(c, 1), to = std::size_t(c - 1) * std::size_t(rows);
        std::copy_n(cellText_.begin() + std::ptrdiff_t(from), kept, texts.begin() + std::ptrdiff_t(to));
        std::copy_n(cellStyle_.begin() + std::ptrdiff_t(from), kept, styles.begin() + std::ptrdiff_t(to));
    }
    std::map<std::size_t, std::string> tips;
    for (auto& [at, tip] : tips_) {
        const int c = int(at / std::size_t(rows_)) + 1, r = int(at % std::size_t(rows_)) + 1;
        if (r < row) tips.emplace(std::size_t(c - 1) * std::size_t(rows) + std::size_t(r - 1), std::move(tip));
    }
    std::erase_if(spans_, [row](const Span& s) { return s.row >= row; });
    for (Span& s : spans_) s.rows = std::min(s.rows, rows - s.row + 1);
    rowHeights_.resize(std::size_t(rows), -1);
    std::fill(rowHeights_.begin() + kept, rowHeights_.end(), -1);
    cellText_ = std::move(texts);
    cellStyle_ = std::move(styles);
    tips_ = std::move(tips);
    rows_ = rows;
    firstWritableRow_ = row;
}

void GridModel::setTip(int col, int row, std::string_view tip) {
    if (!writable(col, row)) return;
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

std::uint32_t GridModel::negativeNumber(int value) { return internText(std::to_string(value)); }

std::string GridModel::text(int col, int row) const {
    if (!contains(col, row)) return {};
    const std::uint32_t id = cellText_[index(col, row)];
    if (id & kNumberBit) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, id & ~kNumberBit).ptr;
        return std::string(digits, end);
    }
    return texts_[id];
}

std::optional<int> GridModel::number(int col, int row) const {
    if (!contains(col, row)) return std::nullopt;
    const std::uint32_t id = cellText_[index(col, row)];
    if (!(id & kNumberBit)) return std::nullopt;
    return int(id & ~kNumberBit);
}

bool GridModel::isEmpty(int col, int row) const { return !contains(col, row) || cellText_[index(col, row)] == 0; }

// --------------------------------------------------------------- styles

std::uint32_t GridModel::internStyle(const CellStyle& s) {
    const auto it = styleIndex_.find(s);
    if (it != styleIndex_.end()) return it->second;
    const auto id = std::uint32_t(styles_.size());
    styles_.push_back(s);
    styleIndex_.emplace(s, id);
    return id;
}

const CellStyle& GridModel::style(int col, int row) const {
    if (!contains(col, row)) return styles_[0];
    return styles_[cellStyle_[index(col, row)]];
}

// The style `from` becomes under `edit`: looked up in a small table that
// lives as long as the grid, so that an edit met before costs one probe.
std::uint32_t GridModel::editedAfresh(std::uint32_t from, StyleEdit edit) {
    static_assert(kForegroundEdit == Edit(kSetForeground, Colour::FromValue(0)) &&
                  kBackgroundEdit == Edit(kSetBackground, Colour::FromValue(0)));
    if (editMemo_.empty()) editMemo_.resize(kEditMemoSlots);
    // The slot from the top bits of a product that every bit of the edit and
    // the style reaches: colours that differ in one channel only must not
    // share a slot.
    const std::uint64_t mixed = (edit ^ (std::uint64_t(from) * 0xc2b2ae3d27d4eb4full)) * 0x9e3779b97f4a7c15ull;
    const std::size_t slot = std::size_t(mixed >> 56) % kEditMemoSlots;
    EditMemo& m = editMemo_[slot];
    if (m.edit != edit || m.from != from) {
        CellStyle s = styles_[from];
        Apply(s, edit);
        m = {edit, from, internStyle(s)};
    }
    recentEdits_[olderRecentEdit_] = m;
    olderRecentEdit_ ^= 1;
    return m.to;
}

void GridModel::editBlock(const CellBlock& b, StyleEdit edit) {
    const int c1 = std::max(1, b.col1), c2 = std::min(columns(), b.col2);
    const int r1 = std::max(int(firstWritableRow_), b.row1), r2 = std::min(rows(), b.row2);
    if (c1 > c2 || r1 > r2) return;
    // A column is a run of cells in memory, most of them sharing their
    // style with the cell above: one pass down it, looking the edit up again
    // only where the style changes.
    // Eight cells at a time where all eight share the style, which the
    // compiler turns into a few vector instructions.
    constexpr int kBlock = 8;
    for (int c = c1; c <= c2; ++c) {
        std::uint32_t* cell = &cellStyle_[index(c, r1)];
        std::uint32_t* const end = cell + (r2 - r1 + 1);
        std::uint32_t from = *cell, to = edited(from, edit);
        while (cell != end) {
            const std::ptrdiff_t left = end - cell;
            if (left >= kBlock) {
                std::uint32_t differs = 0;
                for (int k = 0; k < kBlock; ++k) differs |= cell[k] ^ from;
                if (differs == 0) {
                    for (int k = 0; k < kBlock; ++k) cell[k] = to;
                    cell += kBlock;
                    continue;
                }
            }
            // Cell by cell up to the next eight.
            for (std::uint32_t* const stop = cell + std::min<std::ptrdiff_t>(left, kBlock); cell != stop; ++cell) {
                if (*cell != from) {
                    from = *cell;
                    to = edited(from, edit);
                }
                *cell = to;
            }
        }
    }
}

void GridModel::setForeground(const CellBlock& b, Colour c) { editBlock(b, Edit(kSetForeground, c)); }

void GridModel::setBackground(const CellBlock& b, Colour c) { editBlock(b, Edit(kSetBackground, c)); }

void GridModel::setAlignment(const CellBlock& b, HAlign h, VAlign v) {
    editBlock(b, WithAlignment(Edit(kSetAlignment, Colour()), h, v));
}

// Only the cells on the edge of the block (as cut by the grid) change:
// each gets the sides it lies on.
void GridModel::outlineBlock(const CellBlock& b, Colour c, LineStyle st) {
    const int c1 = std::max(1, b.col1), c2 = std::min(columns(), b.col2);
    const int r1 = std::max(1, b.row1), r2 = std::min(rows(), b.row2);
    if (c1 > c2 || r1 > r2) return;
    const std::uint64_t line = WithLine(Edit(kSetOutline, c), st);
    const auto where = [&](int col, int row) {
        return (col == c1 ? 1 : 0) | (col == c2 ? 2 : 0) | (row == r1 ? 4 : 0) | (row == r2 ? 8 : 0);
    };
    const auto edge = [&](int col, int row) {
        if (const int w = where(col, row)) editCell(col, row, WithWhere(line, w));
    };
    for (int col = c1; col <= c2; ++col) {
        if (col == c1 || col == c2) {
            for (int row = r1; row <= r2; ++row) edge(col, row);
        } else {
            edge(col, r1);
            if (r2 != r1) edge(col, r2);
        }
    }
}

void GridModel::rightLineOnBlock(const CellBlock& b, Colour c, LineStyle st) { setBorder(b, Right, c, st); }

void GridModel::gridLinesOnBlock(const CellBlock& b, Colour c, LineStyle st) {
    editBlock(b, WithLine(Edit(kSetAllSides, c), st));
}

void GridModel::setBorder(const CellBlock& b, Side side, Colour c, LineStyle st) {
    editBlock(b, WithLine(WithSide(Edit(kSetSide, st == LineStyle::None ? Colour{} : c), side), st));
}

// ---------------------------------------------------------------- spans

void GridModel::addSpan(int col, int row, int columns, int rows) {
    if (!writable(col, row) || columns < 1 || rows < 1) return;
    spans_.push_back({col, row, std::min(columns, this->columns() - col + 1), std::min(rows, this->rows() - row + 1)});
}

const Span* GridModel::spanAt(int col, int row) const {
    for (const auto& s : spans_)
        if (col >= s.col && col < s.col + s.columns && row >= s.row && row < s.row + s.rows) return &s;
    return nullptr;
}

// ---------------------------------------------------------------- sizes

void GridModel::setDefaultRowHeight(double points) {
    defaultRowHeight_ = points;
    std::fill(rowHeights_.begin() + std::min(std::ptrdiff_t(firstWritableRow_ - 1), std::ptrdiff_t(rowHeights_.size())),
              rowHeights_.end(), -1);
}

void GridModel::setRowHeight(int row, double points) {
    if (row >= firstWritableRow_ && row <= rows_) rowHeights_[std::size_t(row - 1)] = points;
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
    bytes += styleIndex_.size() * (sizeof(CellStyle) + 16) + editMemo_.capacity() * sizeof(EditMemo) +
             shortTexts_.capacity() * sizeof(ShortText);
    return bytes;
}

}  // namespace n3
