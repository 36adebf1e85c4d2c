#pragma once
// The table of cells a window shows: texts, colours, alignment, borders,
// spans and sizes. Plain data, built by the analyses and read by the views.
//
// Cells are addressed (column, row), both counted from 1. Styles and texts
// are interned: a cell holds two small indexes, so a 32,767 x 32 grid stays
// a few megabytes. A number is kept as the number itself and becomes text
// only when it is read; cells are stored column by column, so that a pass
// down a column (a band, a line) walks memory in order.
#include <cstdint>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/cell_memory.h"

namespace n3 {

// A colour, or "unset" meaning the grid default (black text, white ground,
// the grid's own line colour for borders).
class Colour {
public:
    constexpr Colour() = default;
    constexpr Colour(std::uint8_t r, std::uint8_t g, std::uint8_t b)
        : value_((std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | b) {}
    // The colour whose rgb() is `value` (0xffffffff: unset).
    static constexpr Colour FromValue(std::uint32_t value) {
        Colour c;
        c.value_ = value;
        return c;
    }
    constexpr bool isSet() const { return value_ != kUnset; }
    constexpr std::uint8_t red() const { return (value_ >> 16) & 0xff; }
    constexpr std::uint8_t green() const { return (value_ >> 8) & 0xff; }
    constexpr std::uint8_t blue() const { return value_ & 0xff; }
    constexpr std::uint32_t rgb() const { return value_; }
    // "#rrggbb" in lower case; an unset colour prints as `fallback`.
    std::string hex(Colour fallback) const;
    friend constexpr bool operator==(Colour, Colour) = default;

private:
    static constexpr std::uint32_t kUnset = 0xffffffffu;
    std::uint32_t value_ = kUnset;
};

namespace colours {
inline constexpr Colour Black{0, 0, 0};
inline constexpr Colour White{255, 255, 255};
inline constexpr Colour Red{255, 0, 0};
inline constexpr Colour Blue{0, 0, 255};
inline constexpr Colour HeaderYellow{255, 255, 200};
inline constexpr Colour LabelCyan{222, 254, 253};
inline constexpr Colour LineBlue{136, 196, 255};
inline constexpr Colour MarkBlue{62, 158, 255};
inline constexpr Colour HeaderPink{255, 200, 200};
// What an unset colour means when something has to be drawn or printed.
inline constexpr Colour DefaultText = Black;
inline constexpr Colour DefaultBackground = White;
inline constexpr Colour DefaultLine{192, 192, 192};
}  // namespace colours

enum class HAlign : std::uint8_t { Left, Center, Right };
enum class VAlign : std::uint8_t { Top, Center, Bottom };
enum class LineStyle : std::uint8_t { None, Solid };
enum class ScrollBars : std::uint8_t { None, Horizontal, Vertical, Both };

struct Border {
    LineStyle style = LineStyle::None;
    Colour colour;  // unset: the grid's default line colour
    friend bool operator==(const Border&, const Border&) = default;
};

enum Side : std::uint8_t { Left = 0, Right = 1, Top = 2, Bottom = 3 };

struct CellStyle {
    Colour foreground;
    Colour background;
    HAlign hAlign = HAlign::Center;
    VAlign vAlign = VAlign::Center;
    Border borders[4];
    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};

// A rectangle of cells, inclusive on both ends.
struct CellBlock {
    int col1, row1, col2, row2;
};

// Cells drawn as one: the top-left cell's text and style cover the rest.
struct Span {
    int col, row, columns, rows;
};

class GridModel {
public:
    GridModel();

    // --- size -----------------------------------------------------------
    // Resets the grid to cols x rows empty cells with the default style.
    void setSize(int cols, int rows);
    int columns() const { return int(cols_); }
    int rows() const { return int(rows_); }
    bool contains(int col, int row) const { return col >= 1 && col <= cols_ && row >= 1 && row <= rows_; }

    // --- rows rebuilt at the bottom ----------------------------------------
    // Makes the grid `rows` rows high, keeping the rows above `row` as they
    // are and emptying the rest, and until writeAllRows() lets only the rows
    // from `row` on be written: running the grid's build again then redoes
    // just those rows, each as a build from scratch would leave it. A build
    // that sets another size starts the grid afresh, as it always does.
    void rebuildRowsFrom(int row, int rows);
    void writeAllRows() { firstWritableRow_ = 1; }

    // --- texts ----------------------------------------------------------
    // Writes outside the grid are ignored, so a build step may run past an edge.
    // The writes a build makes for every cell are written out here, so that
    // a build's loop makes them without a call.
    //
    // A grid keeps each distinct text once and its cells refer to it by key.
    // Finding the key is what makes a repeated text cheap, for every window
    // alike: a text of up to 16 bytes is looked up by its bytes, read as two
    // words, in a small table of the grid's own; for a text the compiler can
    // see (a literal, a table entry) those words are worked out when the
    // program is built, so the look-up is one compare. Only a text not met
    // lately, or a longer one, is hashed.
    void setText(int col, int row, std::string_view text) {
        if (writable(col, row)) cellText_[index(col, row)] = internText(text);
    }
    void setNumber(int col, int row, int value) {
        if (!writable(col, row)) return;
        // A negative number is rare enough to be kept as its text.
        cellText_[index(col, row)] = value >= 0 ? kNumberBit | std::uint32_t(value) : negativeNumber(value);
    }
    // The key setText finds for a text, for a build that makes its texts at
    // run time (a count with its unit) and writes each into many cells:
    // looked up once, then each write is one store. A key holds for this
    // grid only.
    using TextKey = std::uint32_t;
    TextKey keepText(std::string_view text) { return internText(text); }
    void setKeptText(int col, int row, TextKey text) {
        if (writable(col, row) && text < texts_.size()) cellText_[index(col, row)] = text;
    }
    // The cell's text; a number cell's digits are written out here.
    std::string text(int col, int row) const;
    // The number a cell was given with setNumber (0 or more), for a view that
    // formats it itself; nullopt for text and empty cells.
    std::optional<int> number(int col, int row) const;
    bool isEmpty(int col, int row) const;

    // A cell's explanation, shown when the pointer rests on it; few cells
    // have one, so they are kept apart from the texts.
    void setTip(int col, int row, std::string_view tip);
    // The cell's explanation; empty when it has none.
    std::string_view tip(int col, int row) const;

    // --- styles ---------------------------------------------------------
    const CellStyle& style(int col, int row) const;
    void setForeground(const CellBlock& block, Colour c);
    void setBackground(const CellBlock& block, Colour c);
    void setAlignment(const CellBlock& block, HAlign h, VAlign v = VAlign::Center);
    void setForeground(int col, int row, Colour c) { editCell(col, row, kForegroundEdit | c.rgb()); }
    void setBackground(int col, int row, Colour c) { editCell(col, row, kBackgroundEdit | c.rgb()); }
    // One line round the outside of the block.
    void outlineBlock(const CellBlock& block, Colour c = {}, LineStyle s = LineStyle::Solid);
    // A line on the right-hand side of every cell of the block.
    void rightLineOnBlock(const CellBlock& block, Colour c = {}, LineStyle s = LineStyle::Solid);
    // Lines on all four sides of every cell of the block.
    void gridLinesOnBlock(const CellBlock& block, Colour c = {}, LineStyle s = LineStyle::Solid);
    // Sets (or with LineStyle::None clears) one side of every cell of the block.
    void setBorder(const CellBlock& block, Side side, Colour c = {}, LineStyle s = LineStyle::Solid);
    // The block covering every cell.
    CellBlock all() const { return {1, 1, columns(), rows()}; }

    // --- spans ----------------------------------------------------------
    void addSpan(int col, int row, int columns, int rows);
    const std::vector<Span>& spans() const { return spans_; }
    // The span that covers (col,row), or nullptr.
    const Span* spanAt(int col, int row) const;

    // --- sizes ----------------------------------------------------------
    void setDefaultRowHeight(double points);
    void setRowHeight(int row, double points);
    double rowHeight(int row) const;  // points
    double defaultRowHeight() const { return defaultRowHeight_; }
    void setDefaultColumnWidth(double chars);
    void setColumnWidth(int col, double chars);
    double columnWidth(int col) const;  // character units
    double defaultColumnWidth() const { return defaultColumnWidth_; }

    // --- view properties -------------------------------------------------
    int frozenRows = 0;
    ScrollBars scrollBars = ScrollBars::Both;
    bool textOverflow = false;
    int activeCol = 1;
    int activeRow = 1;
    void moveActiveCellToTopLeft() {
        activeCol = 1;
        activeRow = 1;
    }

    // Number of distinct styles and texts (for tests and benchmarks); numbers
    // are not texts.
    std::size_t styleCount() const { return styles_.size(); }
    std::size_t textCount() const { return texts_.size(); }
    std::size_t memoryBytes() const;

private:
    // Column by column: a column's cells follow each other.
    std::size_t index(int col, int row) const {
        return std::size_t(col - 1) * std::size_t(rows_) + std::size_t(row - 1);
    }
    bool writable(int col, int row) const { return contains(col, row) && row >= firstWritableRow_; }
    // A text cell holds an index into texts_; a number cell holds the
    // number with this bit set.
    static constexpr std::uint32_t kNumberBit = 0x80000000u;
    struct StyleHash {
        std::size_t operator()(const CellStyle& s) const;
    };
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view t) const { return std::hash<std::string_view>()(t); }
    };
    // A style edit as one number: what it sets and to what (grid_model.cpp).
    using StyleEdit = std::uint64_t;
    // What an edit turns each style into, remembered for the grid's life.
    struct EditMemo {
        std::uint64_t edit = 0;  // 0: empty slot
        std::uint32_t from = 0;
        std::uint32_t to = 0;
    };
    static constexpr std::size_t kEditMemoSlots = 256;

    std::uint32_t internStyle(const CellStyle& s);
    // Texts of up to kShortTextBytes seen lately, by their bytes as two
    // words: a hit costs two compares instead of hashing and comparing a string.
    static constexpr std::size_t kShortTextBytes = 16;
    struct ShortText {
        std::uint64_t low = 0, high = 0;
        std::uint32_t size = 0;  // 0: an empty slot
        std::uint32_t id = 0;
    };
    static constexpr std::size_t kShortTextSlots = 64;
    template <class Word>
    static Word LoadWord(const char* at) {
        Word w;
        std::memcpy(&w, at, sizeof w);
        return w;
    }
    // A text of 1 to 16 bytes as two little-endian words, the bytes past its
    // end zero. Read in whole words (overlapping where the text is not a
    // multiple of them), never byte by byte through memory.
    static ShortText ShortTextOf(std::string_view t) {
        const char* p = t.data();
        const std::size_t n = t.size();
        ShortText words;
        words.size = std::uint32_t(n);
        if (n > 8) {
            words.low = LoadWord<std::uint64_t>(p);
            words.high = LoadWord<std::uint64_t>(p + n - 8) >> (8 * (16 - n));
        } else if (n == 8) {
            words.low = LoadWord<std::uint64_t>(p);
        } else if (n >= 4) {
            words.low =
                LoadWord<std::uint32_t>(p) | (std::uint64_t(LoadWord<std::uint32_t>(p + n - 4)) << (8 * (n - 4)));
        } else {
            const auto byte = [p](std::size_t i) { return std::uint64_t(std::uint8_t(p[i])) << (8 * i); };
            words.low = byte(0) | byte(n / 2) | byte(n - 1);
        }
        return words;
    }
    static std::size_t ShortTextSlot(const ShortText& words) {
        const std::uint64_t hash =
            (words.low * 0x9e3779b97f4a7c15ull) ^ (words.high * 0xc2b2ae3d27d4eb4full) ^ words.size;
        return std::size_t(hash >> 58) % kShortTextSlots;
    }
    std::uint32_t internText(std::string_view t) {
        if (t.empty()) return 0;
        if (t.size() <= kShortTextBytes && !shortTexts_.empty()) {
            const ShortText words = ShortTextOf(t);
            const ShortText& slot = shortTexts_[ShortTextSlot(words)];
            if (slot.size == words.size && slot.low == words.low && slot.high == words.high) return slot.id;
        }
        return internTextAfresh(t);
    }
    // A text not found in the short texts' table: looked up by its hash,
    // added when new, and entered in the table when short.
    std::uint32_t internTextAfresh(std::string_view t);
    // Setting the text or the ground colour, as a StyleEdit with the colour in its low 32 bits.
    static constexpr std::uint64_t kForegroundEdit = 1ull << 32;
    static constexpr std::uint64_t kBackgroundEdit = 2ull << 32;
    std::uint32_t edited(std::uint32_t from, StyleEdit edit) {
        for (const EditMemo& recent : recentEdits_)
            if (edit == recent.edit && from == recent.from) return recent.to;
        return editedAfresh(from, edit);
    }
    std::uint32_t editedAfresh(std::uint32_t from, StyleEdit edit);
    std::uint32_t negativeNumber(int value);
    void editBlock(const CellBlock& block, StyleEdit edit);
    void editCell(int col, int row, StyleEdit edit) {
        if (!writable(col, row)) return;
        auto& id = cellStyle_[index(col, row)];
        id = edited(id, edit);
    }

    // The size as a type no cell can be taken for: a write to a cell then
    // leaves them in registers, so a build's run of cell writes does not
    // read them again after each one.
    using Extent = std::int64_t;
    Extent cols_ = 0;
    Extent rows_ = 0;
    Extent firstWritableRow_ = 1;              // rows above it keep what they hold (rebuildRowsFrom)
    std::map<std::size_t, std::string> tips_;  // by cell index
    using Cells = std::vector<std::uint32_t, ZeroedAllocator<std::uint32_t>>;
    Cells cellText_;                  // index into texts_, or a number with kNumberBit
    Cells cellStyle_;                 // index into styles_
    std::vector<std::string> texts_;  // texts_[0] is the empty text
    std::unordered_map<std::string, std::uint32_t, TextHash, std::equal_to<>> textIndex_;
    std::uint32_t lastText_ = 0;         // the text set last: most texts repeat the one before
    std::vector<ShortText> shortTexts_;  // kShortTextSlots once the first short text is written
    std::vector<CellStyle> styles_;      // styles_[0] is the default style
    std::unordered_map<CellStyle, std::uint32_t, StyleHash> styleIndex_;
    std::vector<EditMemo> editMemo_;  // kEditMemoSlots slots once the first style is edited
    // The last two edits made: the next one often repeats one of them, on a
    // cell of one of the two styles a column alternates between.
    EditMemo recentEdits_[2];
    int olderRecentEdit_ = 0;
    std::vector<Span> spans_;
    std::vector<double> rowHeights_;
    std::vector<double> columnWidths_;
    double defaultRowHeight_ = 10;
    double defaultColumnWidth_ = 8;
};

}  // namespace n3
