#include "analysis/five_group_trend.h"

#include <cstdint>
#include <vector>

#include "analysis/complete_draw_rows.h"
#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kCountHeader{200, 200, 255};

struct DigitGroup {
    int lastDigit;       // the group holds lastDigit - 1 and lastDigit
    const char* header;  // header of its count column
    Colour colour;       // its digit cells and its count column
};
// Index 1..5 = group, in the order the group test runs.
constexpr DigitGroup kDigitGroups[] = {
    {-1, "", Colour{}},
    {1, "0～1", Colour{255, 255, 255}},
    {3, "2～3", Colour{200, 255, 255}},
    {5, "4～5", Colour{200, 255, 200}},
    {7, "6～7", Colour{255, 255, 200}},
    {9, "8～9", Colour{255, 200, 255}},
};
}  // namespace

GridModel 分割5傾向分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo, game);
    return grid;
}

void 分割5傾向分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                              const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo, game);
}

int 分割5傾向分析::GroupOf(int digit) {
    for (int g = 1; g < kGroups; ++g)
        if (digit <= kDigitGroups[g].lastDigit) return g;
    return kGroups;
}

void 分割5傾向分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game) {
    SetUpGrid(grid, latestDrawNo, game);
    WriteHeaderRow(grid, 1, game);
    WriteHeaderRow(grid, latestDrawNo + 2, game);
    FillRows(grid, history, game);
}

void 分割5傾向分析::SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game) {
    const int rows = 2 + latestDrawNo;
    const int firstCount = FirstCountColumn(game);
    // Every cell starts as centred text, the grid's default style.
    grid.setSize(Columns(game), rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(1, 6);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 20);
    grid.textOverflow = true;
    grid.setForeground({1, 1, 1, rows}, colours::Red);
    grid.setBackground({1, 1, 1, rows}, colours::HeaderYellow);
    for (int g = 1; g <= kGroups; ++g) {
        const int col = firstCount + g - 1;
        grid.setBackground({col, 1, col, rows}, kDigitGroups[g].colour);
    }
    grid.gridLinesOnBlock(grid.all());
    // A red line sets the digits apart from the counts; both cells beside
    // it carry it, so it shows whichever side a view draws.
    grid.setBorder({firstCount, 1, firstCount, rows}, Left, colours::Red);
    grid.setBorder({firstCount - 1, 1, firstCount - 1, rows}, Right, colours::Red);
    grid.moveActiveCellToTopLeft();
}

void 分割5傾向分析::WriteHeaderRow(GridModel& grid, int row, const Game& game) {
    // The title band spans the digit columns.
    const int lastDigitColumn = game.digits + 1;
    const int firstCount = FirstCountColumn(game);
    RemoveLinesInsideBand(grid, row, 2, lastDigitColumn);
    // The band's bottom line is black, on both cells that share it.
    grid.setBorder({2, row, lastDigitColumn, row}, Bottom, colours::Black);
    grid.setBorder({2, row + 1, lastDigitColumn, row + 1}, Top, colours::Black);
    grid.setForeground({1, row, lastDigitColumn, row}, colours::Black);
    grid.setBackground({1, row, lastDigitColumn, row}, colours::HeaderPink);
    grid.setForeground({firstCount, row, Columns(game), row}, colours::Blue);
    grid.setBackground({firstCount, row, Columns(game), row}, kCountHeader);
    WriteBandTitle(grid, 2, row, "         当 選 数 字");
    grid.setRowHeight(row, 20);
    grid.setText(1, row, "回数");
    for (int g = 1; g <= kGroups; ++g) grid.setText(firstCount + g - 1, row, kDigitGroups[g].header);
}

void 分割5傾向分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    // Written a column at a time, top to bottom.
    const std::vector<CompleteDrawRow> draws = CompleteDrawRows(history, game);
    const auto rowOf = [](std::size_t k) { return kFirstDrawRow + int(k); };
    for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(1, rowOf(k), draws[k].drawNo);

    std::array<int, 10> groupOfDigit{};
    for (int d = 0; d <= 9; ++d) groupOfDigit[std::size_t(d)] = GroupOf(d);
    // Per row, how many of its digits fall into each group (index 1..5).
    std::vector<std::array<std::uint8_t, kGroups + 1>> groupCounts(draws.size());
    // A digit column's rows by group, so that each group's colour is
    // written over and over rather than the colours in turn.
    std::array<std::vector<int>, kGroups + 1> rowsOfGroup;
    for (auto& rows : rowsOfGroup) rows.reserve(draws.size());
    for (int i = 0; i < game.digits; ++i) {
        const int col = i + 2;
        for (auto& rows : rowsOfGroup) rows.clear();
        for (std::size_t k = 0; k < draws.size(); ++k) {
            const int d = draws[k].digit(i);
            const int g = groupOfDigit[std::size_t(d)];
            grid.setNumber(col, rowOf(k), d);
            rowsOfGroup[std::size_t(g)].push_back(rowOf(k));
            ++groupCounts[k][std::size_t(g)];
        }
        for (int g = 1; g <= kGroups; ++g)
            for (const int row : rowsOfGroup[std::size_t(g)]) grid.setBackground(col, row, kDigitGroups[g].colour);
    }
    for (int g = 1; g <= kGroups; ++g) {
        const int col = FirstCountColumn(game) + g - 1;
        for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(col, rowOf(k), groupCounts[k][std::size_t(g)]);
    }
}

}  // namespace n3
