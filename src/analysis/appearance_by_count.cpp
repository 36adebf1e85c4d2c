#include "analysis/appearance_by_count.h"

#include <string>

namespace n3 {

GridModel 回数別出現分析::Build(const DrawHistory&, const StartupStatistics& stats, const Game&) {
    GridModel grid;
    SetUpGrid(grid, stats.CountGroupRows);
    WriteHeaders(grid, stats.CountGroupRows);
    WriteListing(grid, stats);
    return grid;
}

// Two columns, one header row and one row per count group. Column 1 of
// every data row gets the yellow ground, however short the history.
void 回数別出現分析::SetUpGrid(GridModel& grid, int rows) {
    grid.setSize(2, rows);
    grid.setDefaultRowHeight(10);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(2, 20);
    grid.gridLinesOnBlock(grid.all());
    grid.setBackground({1, 2, 1, rows}, colours::HeaderYellow);
    grid.moveActiveCellToTopLeft();
}

void 回数別出現分析::WriteHeaders(GridModel& grid, int rows) {
    grid.setText(1, 1, "出 現");
    grid.setText(2, 1, "数 字");
    grid.setBackground({1, 1, 2, 1}, colours::HeaderPink);
    grid.textOverflow = true;
    grid.setForeground({2, 2, 2, rows}, colours::Blue);
    grid.setAlignment({2, 2, 2, rows}, HAlign::Left);
}

// One row per count that at least one digit has, ascending; counts no
// digit has get no row.
void 回数別出現分析::WriteListing(GridModel& grid, const StartupStatistics& stats) {
    int row = 1;
    for (std::size_t count = 0; count < stats.DigitsByCount.size(); ++count) {
        const std::string& digits = stats.DigitsByCount[count];
        if (digits.empty()) continue;
        ++row;
        grid.setText(1, row, std::to_string(count) + "回");
        grid.setText(2, row, digits);
    }
}

}  // namespace n3
