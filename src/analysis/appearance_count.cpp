#include "analysis/appearance_count.h"

#include "analysis/digit_labels.h"

namespace n3 {

namespace {
constexpr Colour kDrawCyan{200, 255, 255};
constexpr Colour kCountGreen{200, 255, 200};
}  // namespace

GridModel 出現回数分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    SetUpGrid(grid, stats.LatestDrawNo + 2, game);
    WriteHeaders(grid, game);
    FillRows(grid, history, game);
    return grid;
}

// Two header rows and one row per draw number; the draw number column is
// red on yellow all the way down.
void 出現回数分析::SetUpGrid(GridModel& grid, int rows, const Game& game) {
    grid.setSize(CountColumn(game, game.digits - 1), rows);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 20);
    grid.setRowHeight(2, 12);
    grid.setDefaultColumnWidth(6);
    grid.textOverflow = true;
    grid.gridLinesOnBlock(grid.all());
    grid.setForeground({1, 1, 1, rows}, colours::Red);
    grid.setBackground({1, 1, 1, rows}, colours::HeaderYellow);
    grid.moveActiveCellToTopLeft();
}

// Row 1 holds two titles, each reading as one cell over its block of a
// column per digit; row 2 the column headings.
void 出現回数分析::WriteHeaders(GridModel& grid, const Game& game) {
    const int lastDigit = DigitColumn(game.digits - 1);
    const int firstCount = CountColumn(game, 0), lastCount = CountColumn(game, game.digits - 1);
    grid.setForeground({2, 1, lastDigit, 2}, colours::Blue);
    grid.setBackground({2, 1, lastDigit, 2}, kDrawCyan);
    grid.setForeground({firstCount, 1, lastCount, 2}, colours::Red);
    grid.setBackground({firstCount, 1, lastCount, 2}, kCountGreen);

    grid.setText(2, 1, "           当 選 数 字");
    grid.setText(firstCount + 1, 1, "　　出現回数合計(回)");
    grid.setAlignment({2, 1, 2, 1}, HAlign::Left);
    grid.setAlignment({firstCount + 1, 1, firstCount + 1, 1}, HAlign::Left);
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder({2, 1, lastCount, 1}, side, {}, LineStyle::None);
    grid.setBorder({lastDigit, 1, lastDigit, 1}, Right);
    grid.setBorder({lastCount, 1, lastCount, 1}, Right);

    grid.setText(1, 2, "回数");
    for (int i = 0; i < game.digits; ++i) {
        grid.setText(DigitColumn(i), 2, DigitLabel(i));
        grid.setText(CountColumn(game, i), 2, DigitLabel(i));
    }
}

// One row per complete draw: its digits, then for each digit how often it
// had occurred before this draw (all its digits read before any is counted).
void 出現回数分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    int running[10] = {};
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        grid.setNumber(1, row, draw.drawNo);
        for (int i = 0; i < game.digits; ++i) {
            grid.setNumber(DigitColumn(i), row, draw.digit(i));
            grid.setNumber(CountColumn(game, i), row, running[draw.digit(i)]);
        }
        for (int i = 0; i < game.digits; ++i) ++running[draw.digit(i)];
        ++row;
    }
}

}  // namespace n3
