#include "app/cli/grid_printer.h"
#include "io/text_escape.h"

#include <algorithm>
#include <cstdio>

#include "io/echo_text.h"

namespace n3 {

namespace {

// A cell longer than this is cut with "…" in the text format.
constexpr std::size_t kShownCellChars = 1000;

// Display width of UTF-8 text in terminal columns: ASCII and half-width
// katakana take one column, everything else two.
int DisplayWidth(std::string_view s) {
    int width = 0;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++width;
            ++i;
            continue;
        }
        const int len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        unsigned cp = 0;
        if (len == 3 && i + 2 < s.size()) cp = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
        width += (cp >= 0xFF61 && cp <= 0xFF9F) ? 1 : 2;
        i += std::size_t(len);
    }
    return width;
}

const char* AlignName(HAlign a) {
    switch (a) {
    case HAlign::Left: return "left";
    case HAlign::Right: return "right";
    default: return "center";
    }
}

template <class T>
void JsonNumberArray(std::ostream& out, int n, T valueOf) {
    out << '[';
    for (int i = 1; i <= n; ++i) {
        if (i > 1) out << ", ";
        char buf[32];
        std::snprintf(buf, sizeof buf, "%g", double(valueOf(i)));
        out << buf;
    }
    out << ']';
}

// A row that is one merged cell across the whole grid (a note line): it is
// printed as its text alone and does not widen the first column.
bool IsWholeRowCell(const GridModel& grid, int row) {
    const Span* span = grid.spanAt(1, row);
    return grid.columns() > 1 && span && span->col == 1 && span->row == row && span->columns == grid.columns();
}

// The rows grid `g` prints, top to bottom.
std::vector<int> RowsOf(const PrintedWindow& window, std::size_t g) {
    if (g < window.onlyRows.size()) return window.onlyRows[g];
    std::vector<int> rows;
    for (int r = 1; r <= window.grids[g].rows(); ++r) rows.push_back(r);
    return rows;
}

std::string_view TabOf(const PrintedWindow& window, std::size_t g) {
    return g < window.gridTabs.size() ? std::string_view(window.gridTabs[g]) : std::string_view();
}

}  // namespace

void PrintText(std::ostream& out, const PrintedWindow& window) {
    // Texts come from files and the database: a terminal gets them with
    // control characters shown as "?" (EchoText), never its escapes.
    out << EchoText(window.caption, kShownCellChars) << '\n';
    if (!window.headline.empty()) out << EchoText(window.headline, kShownCellChars) << '\n';
    for (std::size_t g = 0; g < window.grids.size(); ++g) {
        const GridModel& grid = window.grids[g];
        if (const std::string_view tab = TabOf(window, g); !tab.empty()) out << "［" << tab << "］\n";
        const std::vector<int> rows = RowsOf(window, g);
        std::vector<int> widths(std::size_t(grid.columns()), 1);
        for (int r : rows) {
            if (IsWholeRowCell(grid, r)) continue;
            for (int c = 1; c <= grid.columns(); ++c)
                widths[std::size_t(c - 1)] =
                    std::max(widths[std::size_t(c - 1)], DisplayWidth(EchoText(grid.text(c, r), kShownCellChars)));
        }
        for (int r : rows) {
            if (IsWholeRowCell(grid, r)) {
                out << EchoText(grid.text(1, r), kShownCellChars) << '\n';
                continue;
            }
            std::string line;
            for (int c = 1; c <= grid.columns(); ++c) {
                const std::string t = EchoText(grid.text(c, r), kShownCellChars);
                const int pad = widths[std::size_t(c - 1)] - DisplayWidth(t);
                if (c > 1) line += ' ';
                if (grid.style(c, r).hAlign == HAlign::Left) {
                    line += t;
                    line.append(std::size_t(pad), ' ');
                } else {
                    line.append(std::size_t(pad), ' ');
                    line += t;
                }
            }
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out << line << '\n';
        }
        out << '\n';
    }
}

void PrintCsv(std::ostream& out, const PrintedWindow& window) {
    for (std::size_t g = 0; g < window.grids.size(); ++g) {
        const GridModel& grid = window.grids[g];
        if (g) out << '\n';
        if (const std::string_view tab = TabOf(window, g); !tab.empty()) out << CsvField(std::string(tab)) << '\n';
        for (int r : RowsOf(window, g)) {
            for (int c = 1; c <= grid.columns(); ++c) {
                if (c > 1) out << ',';
                out << CsvField(grid.text(c, r));
            }
            out << '\n';
        }
    }
}

void PrintJson(std::ostream& out, const PrintedWindow& window) {
    out << "{\"window\": " << JsonString(window.name) << ", \"caption\": " << JsonString(window.caption);
    if (!window.headline.empty()) out << ", \"headline\": " << JsonString(window.headline);
    out << ", \"grids\": [";
    for (std::size_t g = 0; g < window.grids.size(); ++g) {
        const GridModel& grid = window.grids[g];
        if (g) out << ", ";
        out << '{';
        if (const std::string_view tab = TabOf(window, g); !tab.empty()) out << "\"tab\": " << JsonString(tab) << ", ";
        const std::vector<int> rows = RowsOf(window, g);
        out << "\"columns\": " << grid.columns() << ", \"rows\": " << rows.size()
            << ", \"frozenRows\": " << grid.frozenRows << ", \"columnWidths\": ";
        JsonNumberArray(out, grid.columns(), [&](int c) { return grid.columnWidth(c); });
        out << ", \"rowHeights\": ";
        JsonNumberArray(out, int(rows.size()), [&](int i) { return grid.rowHeight(rows[std::size_t(i - 1)]); });
        out << ", \"cells\": [";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int r = rows[i];
            out << (i > 0 ? ", [" : "[");
            for (int c = 1; c <= grid.columns(); ++c) {
                const CellStyle& s = grid.style(c, r);
                if (c > 1) out << ", ";
                out << "{\"text\": " << JsonString(grid.text(c, r)) << ", \"fg\": \""
                    << s.foreground.hex(colours::DefaultText) << "\", \"bg\": \""
                    << s.background.hex(colours::DefaultBackground) << "\", \"align\": \"" << AlignName(s.hAlign)
                    << "\"}";
            }
            out << ']';
        }
        out << "]}";
    }
    out << ']';
    if (!window.extraJsonMembers.empty()) out << ", " << window.extraJsonMembers;
    out << "}\n";
}

}  // namespace n3
