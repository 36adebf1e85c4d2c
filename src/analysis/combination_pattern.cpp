#include "analysis/combination_pattern.h"

#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kLightCyan{200, 255, 255};

struct PatternLetter {
    const char* letter;
    Colour background;  // unset: the cell keeps its background
};
// Indexed by the pattern index, 0..3.
constexpr PatternLetter kPatternLetters[] = {
    {"A", Colour{}},
    {"B", Colour{200, 255, 255}},
    {"C", Colour{200, 255, 200}},
    {"D", Colour{255, 255, 200}},
};
}  // namespace

GridModel 組合せパターン分析::Build(const DrawHistory& history, const StartupStatistics& stats,
                                    const PatternClassRule& rule) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo, rule);
    return grid;
}

void 組合せパターン分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                                   const PatternClassRule& rule) {
    BuildGrid(grid, history, stats.LatestDrawNo, rule);
}

void 組合せパターン分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo,
                                   const PatternClassRule& rule) {
    SetUpGrid(grid, latestDrawNo);
    WriteHeaderRow(grid, 1, rule);
    FillRows(grid, history, rule);
}

void 組合せパターン分析::SetUpGrid(GridModel& grid, int latestDrawNo) {
    const int rows = 1 + latestDrawNo;
    grid.setSize(kColumns, rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(1, 6);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    grid.setAlignment(grid.all(), HAlign::Center);
    grid.setForeground({1, kFirstDrawRow, 1, rows}, colours::Red);
    grid.setBackground({1, kFirstDrawRow, 1, rows}, colours::HeaderYellow);
    grid.setForeground({kFirstCountColumn, kFirstDrawRow, kSecondCountColumn, rows}, colours::Blue);
    grid.setBackground({kFirstCountColumn, kFirstDrawRow, kFirstCountColumn, rows}, kLightCyan);
    grid.setBackground({kSecondCountColumn, kFirstDrawRow, kSecondCountColumn, rows}, colours::White);
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 組合せパターン分析::WriteHeaderRow(GridModel& grid, int row, const PatternClassRule& rule) {
    RemoveLinesInsideBand(grid, row, 2, 4);
    grid.outlineBlock({2, row, 4, row});
    WriteBandTitle(grid, 2, row, "        当 選 数 字 ");
    grid.setForeground({1, row, kColumns, row}, colours::Blue);
    grid.setBackground({1, row, kColumns, row}, colours::HeaderPink);
    grid.setRowHeight(row, 20);
    grid.setText(1, row, "回数");
    grid.setText(kFirstCountColumn, row, rule.firstClassHeader);
    grid.setText(kSecondCountColumn, row, rule.secondClassHeader);
    grid.setText(kLetterColumn, row, "パターン");
}

void 組合せパターン分析::FillRows(GridModel& grid, const DrawHistory& history, const PatternClassRule& rule) {
    int row = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete()) continue;
        grid.setNumber(1, row, draw.drawNo);
        int firstClass = 0;
        for (int i = 0; i < 3; ++i) {
            const int d = draw.digit(i);
            grid.setNumber(i + 2, row, d);
            ColourDigitCell(grid, rule, d, i + 2, row);
            if (rule.inFirstClass(d)) ++firstClass;
        }
        const int secondClass = 3 - firstClass;
        grid.setNumber(kFirstCountColumn, row, firstClass);
        grid.setNumber(kSecondCountColumn, row, secondClass);
        WritePatternLetter(grid, rule.letterCountsSecondClass ? secondClass : firstClass, kLetterColumn, row);
        ++row;
    }
}

void 組合せパターン分析::ColourDigitCell(GridModel& grid, const PatternClassRule& rule, int digit, int col, int row) {
    if (rule.inFirstClass(digit))
        grid.setBackground(col, row, kLightCyan);
    else if (rule.secondClassBackground.isSet())
        grid.setBackground(col, row, rule.secondClassBackground);
}

void 組合せパターン分析::WritePatternLetter(GridModel& grid, int patternIndex, int col, int row) {
    const PatternLetter& p = kPatternLetters[patternIndex];
    grid.setText(col, row, p.letter);
    if (p.background.isSet()) grid.setBackground(col, row, p.background);
}

}  // namespace n3
