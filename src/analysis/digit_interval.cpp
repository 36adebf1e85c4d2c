#include "analysis/digit_interval.h"

#include <optional>
#include <string_view>

#include "analysis/draw_digit_grid.h"

namespace n3 {

namespace {
constexpr Colour kNegativeMagenta{255, 200, 255};

// "+3", "-4", "0" for the differences -9..+9.
std::string_view DifferenceText(int difference) {
    static constexpr std::string_view texts[] = {"-9", "-8", "-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                        "+1", "+2", "+3", "+4", "+5", "+6", "+7", "+8", "+9"};
    return texts[difference + 9];
}
}  // namespace

GridModel 数字間隔分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildInto(grid, history, stats);
    return grid;
}

void 数字間隔分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    SetUpGrid(grid, stats.LatestDrawNo);
    WriteHeaders(grid);
    FillRows(grid, history);
}

void 数字間隔分析::SetUpGrid(GridModel& grid, int latestDrawNo) { draw_digit_grid::SetUp(grid, latestDrawNo); }

// The title and label rows at the top, and again below the last draw row
// with the label row first.
void 数字間隔分析::WriteHeaders(GridModel& grid) {
    const int rows = grid.rows();
    WriteTitleRow(grid, 1);
    draw_digit_grid::WriteLabelRow(grid, 2, "差分");
    draw_digit_grid::WriteLabelRow(grid, rows - 1, "差分");
    WriteTitleRow(grid, rows);
}

// Columns 2 to 7 carry no lines at all in a title row.
void 数字間隔分析::WriteTitleRow(GridModel& grid, int row) {
    const CellBlock title{2, row, draw_digit_grid::kColumns, row};
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder(title, side, {}, LineStyle::None);
    grid.setText(4, row, "　当 選 数 字");
    grid.setAlignment({4, row, 4, row}, HAlign::Left);
}

// Every record takes a row, complete or not. A complete draw is compared
// with the last complete draw before it; the first has nothing to compare
// with and leaves its difference cells empty.
void 数字間隔分析::FillRows(GridModel& grid, const DrawHistory& history) {
    std::optional<Draw> previous;
    int row = draw_digit_grid::kFirstDrawRow;
    for (const Draw& draw : history) {
        if (draw.complete()) {
            draw_digit_grid::WriteDraw(grid, row, draw);
            if (previous) {
                for (int i = 0; i < 3; ++i) {
                    const int difference = draw.digit(i) - previous->digit(i);
                    const int column = draw_digit_grid::ResultColumn(i);
                    grid.setText(column, row, DifferenceText(difference));
                    if (difference < 0) grid.setBackground(column, row, kNegativeMagenta);
                }
            }
            previous = draw;
        }
        ++row;
    }
}

}  // namespace n3
