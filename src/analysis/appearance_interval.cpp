#include "analysis/appearance_interval.h"

#include <string>

#include "analysis/draw_digit_grid.h"

namespace n3 {

GridModel 出現間隔分析::Build(const DrawHistory& history, const StartupStatistics& stats) {
    GridModel grid;
    SetUpGrid(grid, stats.LatestDrawNo);
    WriteHeaders(grid);
    FillRows(grid, history);
    return grid;
}

void 出現間隔分析::SetUpGrid(GridModel& grid, int latestDrawNo) { draw_digit_grid::SetUp(grid, latestDrawNo); }

// The title and label rows at the top, and again below the last draw row
// with the label row first.
void 出現間隔分析::WriteHeaders(GridModel& grid) {
    const int rows = grid.rows();
    WriteTitleRow(grid, 1);
    draw_digit_grid::WriteLabelRow(grid, 2, "出現");
    draw_digit_grid::WriteLabelRow(grid, rows - 1, "出現");
    WriteTitleRow(grid, rows);
}

// Columns 2 to 7 read as one cell: an outline and no lines inside.
void 出現間隔分析::WriteTitleRow(GridModel& grid, int row) {
    const CellBlock title{2, row, draw_digit_grid::kColumns, row};
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder(title, side, {}, LineStyle::None);
    grid.outlineBlock(title);
    grid.setText(4, row, "　当 選 数 字     ");
    grid.setAlignment({4, row, 4, row}, HAlign::Left);
}

// Every record takes a row, complete or not; only a complete draw writes
// into it and enters the digit table.
void 出現間隔分析::FillRows(GridModel& grid, const DrawHistory& history) {
    DigitTable table(std::size_t(kMaxDrawNo) + 1, {kNoDigit, kNoDigit, kNoDigit});
    int row = draw_digit_grid::kFirstDrawRow;
    for (const Draw& draw : history) {
        const int n = draw.回数;
        // A draw number beyond the table cannot be looked up: such a record
        // is passed over like an incomplete one.
        if (draw.complete() && n >= 1 && n <= kMaxDrawNo) {
            draw_digit_grid::WriteDraw(grid, row, draw);
            for (int i = 0; i < 3; ++i) table[std::size_t(n)][std::size_t(i)] = static_cast<signed char>(draw.digit(i));
            for (int i = 0; i < 3; ++i) {
                const int last = FindLastAppearance(table, n, draw.digit(i));
                const int column = draw_digit_grid::ResultColumn(i);
                if (last > 0)
                    grid.setText(column, row, std::to_string(n - last) + "回前");
                else
                    grid.setText(column, row, "初回");
            }
        }
        ++row;
    }
}

int 出現間隔分析::FindLastAppearance(const DigitTable& table, int drawNo, int digit) {
    for (int k = drawNo - 1; k >= 1; --k) {
        const auto& digits = table[std::size_t(k)];
        if (digits[0] == digit || digits[1] == digit || digits[2] == digit) return k;
    }
    return 0;
}

}  // namespace n3
