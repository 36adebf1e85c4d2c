#include "analysis/digit_sum.h"

#include <vector>

#include "analysis/complete_draw_rows.h"
#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kSumBackground{200, 255, 255};
}  // namespace

GridModel 数字合計分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo, game);
    return grid;
}

void 数字合計分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo, game);
}

void 数字合計分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game) {
    SetUpGrid(grid, latestDrawNo, game);
    WriteHeaderRow(grid, 1, game);
    FillRows(grid, history, game);
}

void 数字合計分析::SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game) {
    const int rows = 1 + latestDrawNo;
    const int kSumColumn = SumColumn(game);
    // Every cell starts as centred text, the grid's default style.
    grid.setSize(kSumColumn, rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(1, 7);
    grid.setColumnWidth(kSumColumn, 7);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    grid.setForeground({1, kFirstDrawRow, 1, rows}, colours::Red);
    grid.setBackground({1, kFirstDrawRow, 1, rows}, colours::HeaderYellow);
    grid.setForeground({kSumColumn, kFirstDrawRow, kSumColumn, rows}, colours::Blue);
    grid.setBackground({kSumColumn, kFirstDrawRow, kSumColumn, rows}, kSumBackground);
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 数字合計分析::WriteHeaderRow(GridModel& grid, int row, const Game& game) {
    const int kSumColumn = SumColumn(game);
    RemoveLinesInsideBand(grid, row, 2, kSumColumn - 1);
    grid.outlineBlock({2, row, kSumColumn, row});
    grid.setForeground({1, row, kSumColumn, row}, colours::Black);
    grid.setBackground({1, row, kSumColumn, row}, colours::HeaderPink);
    WriteBandTitle(grid, 2, row, "　      当 選 数 字");
    grid.setRowHeight(row, 20);
    grid.setText(1, row, "回数");
    grid.setText(kSumColumn, row, "合計");
}

void 数字合計分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    // Written a column at a time, top to bottom.
    const std::vector<CompleteDrawRow> draws = CompleteDrawRows(history, game);
    const auto rowOf = [](std::size_t k) { return kFirstDrawRow + int(k); };
    for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(1, rowOf(k), draws[k].drawNo);
    for (int i = 0; i < game.digits; ++i)
        for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(i + 2, rowOf(k), draws[k].digit(i));
    const int sumColumn = SumColumn(game);
    for (std::size_t k = 0; k < draws.size(); ++k) {
        int sum = 0;
        for (int i = 0; i < game.digits; ++i) sum += draws[k].digit(i);
        grid.setNumber(sumColumn, rowOf(k), sum);
    }
}

}  // namespace n3
