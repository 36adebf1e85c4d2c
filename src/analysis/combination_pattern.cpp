#include "analysis/combination_pattern.h"

#include <array>
#include <vector>

#include "analysis/complete_draw_rows.h"
#include "analysis/title_band.h"

namespace n3 {

namespace {
constexpr Colour kLightCyan{200, 255, 255};

struct PatternLetter {
    const char* letter;
    Colour background;  // unset: the cell keeps its background
};
// Indexed by the pattern index, 0..kMaxGameDigits: the count of the class
// the letter counts.
constexpr PatternLetter kPatternLetters[kMaxGameDigits + 1] = {
    {"A", Colour{}},
    {"B", Colour{200, 255, 255}},
    {"C", Colour{200, 255, 200}},
    {"D", Colour{255, 255, 200}},
    {"E", Colour{255, 200, 255}},
};
}  // namespace

GridModel 組合せパターン分析::Build(const DrawHistory& history, const StartupStatistics& stats,
                                    const PatternClassRule& rule, const Game& game) {
    GridModel grid;
    BuildGrid(grid, history, stats.LatestDrawNo, rule, game);
    return grid;
}

void 組合せパターン分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                                   const PatternClassRule& rule, const Game& game) {
    BuildGrid(grid, history, stats.LatestDrawNo, rule, game);
}

void 組合せパターン分析::BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo,
                                   const PatternClassRule& rule, const Game& game) {
    SetUpGrid(grid, latestDrawNo, game);
    WriteHeaderRow(grid, 1, rule, game);
    FillRows(grid, history, rule, game);
}

void 組合せパターン分析::SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game) {
    const int rows = 1 + latestDrawNo;
    const int firstCount = FirstCountColumn(game), secondCount = SecondCountColumn(game);
    // Every cell starts as centred text, the grid's default style.
    grid.setSize(LetterColumn(game), rows);
    grid.setDefaultColumnWidth(5);
    grid.setColumnWidth(1, 6);
    grid.setDefaultRowHeight(10);
    grid.textOverflow = true;
    grid.setForeground({1, kFirstDrawRow, 1, rows}, colours::Red);
    grid.setBackground({1, kFirstDrawRow, 1, rows}, colours::HeaderYellow);
    grid.setForeground({firstCount, kFirstDrawRow, secondCount, rows}, colours::Blue);
    grid.setBackground({firstCount, kFirstDrawRow, firstCount, rows}, kLightCyan);
    grid.setBackground({secondCount, kFirstDrawRow, secondCount, rows}, colours::White);
    grid.gridLinesOnBlock(grid.all());
    grid.moveActiveCellToTopLeft();
}

void 組合せパターン分析::WriteHeaderRow(GridModel& grid, int row, const PatternClassRule& rule, const Game& game) {
    // The title band spans the digit columns.
    const int lastDigitColumn = game.digits + 1;
    RemoveLinesInsideBand(grid, row, 2, lastDigitColumn);
    grid.outlineBlock({2, row, lastDigitColumn, row});
    WriteBandTitle(grid, 2, row, "        当 選 数 字 ");
    grid.setForeground({1, row, LetterColumn(game), row}, colours::Blue);
    grid.setBackground({1, row, LetterColumn(game), row}, colours::HeaderPink);
    grid.setRowHeight(row, 20);
    grid.setText(1, row, "回数");
    grid.setText(FirstCountColumn(game), row, rule.firstClassHeader);
    grid.setText(SecondCountColumn(game), row, rule.secondClassHeader);
    grid.setText(LetterColumn(game), row, "パターン");
}

void 組合せパターン分析::FillRows(GridModel& grid, const DrawHistory& history, const PatternClassRule& rule,
                                  const Game& game) {
    const int digits = game.digits;
    std::array<bool, 10> firstClassDigit{};
    for (int d = 0; d <= 9; ++d) firstClassDigit[std::size_t(d)] = rule.inFirstClass(d);

    // Written a column at a time, top to bottom.
    const std::vector<CompleteDrawRow> draws = CompleteDrawRows(history, game);
    const int rowCount = int(draws.size());
    const int lastRow = kFirstDrawRow + rowCount - 1;
    const auto rowOf = [](std::size_t k) { return kFirstDrawRow + int(k); };

    for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(1, rowOf(k), draws[k].drawNo);

    // Per digit column: the digits, then the first-class cells tinted; the
    // second class painted first as one block where the rule colours it.
    std::vector<int> firstClass(draws.size(), 0);
    std::vector<int> tinted(draws.size());
    for (int i = 0; i < digits; ++i) {
        const int col = i + 2;
        std::size_t n = 0;
        for (std::size_t k = 0; k < draws.size(); ++k) {
            const int d = draws[k].digit(i);
            grid.setNumber(col, rowOf(k), d);
            const bool first = firstClassDigit[std::size_t(d)];
            firstClass[k] += first;
            tinted[n] = rowOf(k);
            n += first;
        }
        if (rule.secondClassBackground.isSet() && rowCount > 0)
            grid.setBackground({col, kFirstDrawRow, col, lastRow}, rule.secondClassBackground);
        for (std::size_t j = 0; j < n; ++j) grid.setBackground(col, tinted[j], kLightCyan);
    }

    const int firstCount = FirstCountColumn(game), secondCount = SecondCountColumn(game), letter = LetterColumn(game);
    for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(firstCount, rowOf(k), firstClass[k]);
    for (std::size_t k = 0; k < draws.size(); ++k) grid.setNumber(secondCount, rowOf(k), digits - firstClass[k]);

    // The letters: the rows of each pattern together, so that one text and
    // one colour are written over and over.
    std::array<std::vector<int>, kMaxGameDigits + 1> rowsOfPattern;
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const int pattern = rule.letterCountsSecondClass ? digits - firstClass[k] : firstClass[k];
        rowsOfPattern[std::size_t(pattern)].push_back(rowOf(k));
    }
    for (int p = 0; p <= digits; ++p) {
        const PatternLetter& l = kPatternLetters[p];
        const GridModel::TextKey text = grid.keepText(l.letter);
        for (const int row : rowsOfPattern[std::size_t(p)]) {
            grid.setKeptText(letter, row, text);
            if (l.background.isSet()) grid.setBackground(letter, row, l.background);
        }
    }
}

}  // namespace n3
