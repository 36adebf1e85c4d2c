#include "analysis/digit_interval.h"

#include <array>
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
    BuildInto(grid, history, stats, game);
    return grid;
}

void 数字間隔分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    draw_digit_grid::SetUp(grid, stats.LatestDrawNo, game);
    WriteHeaders(grid, game);
    FillRows(grid, history, game);
}

// The title and label rows at the top, and again below the last draw row
// with the label row first.
void 数字間隔分析::WriteHeaders(GridModel& grid, const Game& game) {
    const int rows = grid.rows();
    WriteTitleRow(grid, 1, game);
    draw_digit_grid::WriteLabelRow(grid, 2, "差分", game);
    draw_digit_grid::WriteLabelRow(grid, rows - 1, "差分", game);
    WriteTitleRow(grid, rows, game);
}

// The digit and result columns carry no lines at all in a title row.
void 数字間隔分析::WriteTitleRow(GridModel& grid, int row, const Game& game) {
    const CellBlock title{2, row, draw_digit_grid::Columns(game), row};
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder(title, side, {}, LineStyle::None);
    grid.setText(4, row, "　当 選 数 字");
    grid.setAlignment({4, row, 4, row}, HAlign::Left);
}

// Every record takes a row, complete or not. A complete draw is compared
// with the last complete draw before it; the first has nothing to compare
// with and leaves its difference cells empty.
void 数字間隔分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    const Draw* previous = nullptr;
    std::array<GridModel::TextKey, 19> differenceTexts;
    for (int d = -9; d <= 9; ++d) differenceTexts[std::size_t(d + 9)] = grid.keepText(DifferenceText(d));
    int row = draw_digit_grid::kFirstDrawRow;
    for (const Draw& draw : history) {
        if (draw.complete(game)) {
            draw_digit_grid::WriteDraw(grid, row, draw, game);
            if (previous) {
                for (int i = 0; i < game.digits; ++i) {
                    const int difference = draw.digit(i) - previous->digit(i);
                    const int column = draw_digit_grid::ResultColumn(i);
                    grid.setKeptText(column, row, differenceTexts[std::size_t(difference + 9)]);
                    if (difference < 0) grid.setBackground(column, row, kNegativeMagenta);
                }
            }
            previous = &draw;
        }
        ++row;
    }
}

}  // namespace n3
