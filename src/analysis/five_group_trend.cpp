#include "analysis/five_group_trend.h"

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
    BuildGrid(grid, history, stats.LatestDrawNo);
    return grid;
}

void 分割5傾向分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                              const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo);
}

int 分割5傾向分析::GroupOf(int digit) {
    for (int g = 1; g < kGroups; ++g)
        if (digit <= kDigitGroups[g].lastDigit) return g;
    return kGroups;
}

void 分割5傾向分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo) {
    SetUpGrid(grid, latestDrawNo);
    WriteHeaderRow(grid, 1);
    WriteHeaderRow(grid, latestDrawNo + 2);
    FillRows(grid, history);
}

void 分割5傾向分析::SetUpGrid(GridModel& grid, int latestDrawNo) {
    const int rows = 2 + latestDrawNo;
    grid.setSize(kColumns, rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(1, 6);
    grid.setDefaultRowHeight(10);
    grid.setRowHeight(1, 20);
    grid.textOverflow = true;
    grid.setAlignment(grid.all(), HAlign::Center);
    grid.setForeground({1, 1, 1, rows}, colours::Red);
    grid.setBackground({1, 1, 1, rows}, colours::HeaderYellow);
    for (int g = 1; g <= kGroups; ++g) {
        const int col = kFirstCountColumn + g - 1;
        grid.setBackground({col, 1, col, rows}, kDigitGroups[g].colour);
    }
    grid.gridLinesOnBlock(grid.all());
    // A red line sets the digits apart from the counts; both cells beside
    // it carry it, so it shows whichever side a view draws.
    grid.setBorder({kFirstCountColumn, 1, kFirstCountColumn, rows}, Left, colours::Red);
    grid.setBorder({kFirstCountColumn - 1, 1, kFirstCountColumn - 1, rows}, Right, colours::Red);
    grid.moveActiveCellToTopLeft();
}

void 分割5傾向分析::WriteHeaderRow(GridModel& grid, int row) {
    RemoveLinesInsideBand(grid, row, 2, 4);
    // The band's bottom line is black, on both cells that share it.
    grid.setBorder({2, row, 4, row}, Bottom, colours::Black);
    grid.setBorder({2, row + 1, 4, row + 1}, Top, colours::Black);
    grid.setForeground({1, row, 4, row}, colours::Black);
    grid.setBackground({1, row, 4, row}, colours::HeaderPink);
    grid.setForeground({kFirstCountColumn, row, kColumns, row}, colours::Blue);
    grid.setBackground({kFirstCountColumn, row, kColumns, row}, kCountHeader);
    WriteBandTitle(grid, 2, row, "         当 選 数 字");
    grid.setRowHeight(row, 20);
    grid.setText(1, row, "回数");
    for (int g = 1; g <= kGroups; ++g) grid.setText(kFirstCountColumn + g - 1, row, kDigitGroups[g].header);
}

void 分割5傾向分析::FillRows(GridModel& grid, const DrawHistory& history) {
    GroupCounts GroupCount{};
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        GroupCount.fill(0);
        if (!draw.complete()) continue;
        grid.setNumber(1, row, draw.drawNo);
        for (int i = 0; i < 3; ++i) {
            grid.setNumber(i + 2, row, draw.digit(i));
            ColourDigitCell(grid, draw.digit(i), i + 2, row);
        }
        for (int i = 0; i < 3; ++i) CountGroup(GroupCount, draw.digit(i));
        for (int g = 1; g <= kGroups; ++g) grid.setNumber(kFirstCountColumn + g - 1, row, GroupCount[g]);
        ++row;
    }
}

void 分割5傾向分析::ColourDigitCell(GridModel& grid, int digit, int col, int row) {
    grid.setBackground(col, row, kDigitGroups[GroupOf(digit)].colour);
}

void 分割5傾向分析::CountGroup(GroupCounts& GroupCount, int digit) { ++GroupCount[std::size_t(GroupOf(digit))]; }

}  // namespace n3
