#include "analysis/group_division.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace n3 {

using namespace group_grid;

namespace {
// Indexed by the position, 0..kMaxGameDigits-1.
constexpr std::string_view kPositionTitles[kMaxGameDigits] = {
    "　　　　当選数字(第1数字)　　　　",
    "　　　　当選数字(第2数字)　　　　",
    "　　　　当選数字(第3数字)　　　　",
    "　　　　当選数字(第4数字)　　　　",
};
}  // namespace

int GroupLayout::firstDigit(int group) const {
    for (int d = 0; d <= 9; ++d)
        if (groupOfDigit[std::size_t(d)] == group) return d;
    return 10;
}

int GroupLayout::lastDigit(int group) const {
    for (int d = 9; d >= 0; --d)
        if (groupOfDigit[std::size_t(d)] == group) return d;
    return -1;
}

GridModel GroupDivisionGrid::BuildGroupGrid(const GroupLayout& layout, const DrawHistory& history,
                                            const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildGroupGridInto(grid, layout, history, stats, game);
    return grid;
}

void GroupDivisionGrid::BuildGroupGridInto(GridModel& grid, const GroupLayout& layout, const DrawHistory& history,
                                           const StartupStatistics& stats, const Game& game) {
    SetUpGroupGrid(grid, layout, stats.LatestDrawNo, game);
    WriteGroupHeader(grid, layout, game);
    FillGroupRows(grid, history, game);
}

void GroupDivisionGrid::SetUpGroupGrid(GridModel& grid, const GroupLayout& layout, int latestDrawNo, const Game& game) {
    const int rows = kHeaderRows + latestDrawNo;
    const int columns = Columns(game);
    const int blocks = game.digits;
    // Every cell starts as centred static text, the grid's default style.
    grid.setSize(columns, rows);
    grid.setDefaultColumnWidth(2);
    grid.setColumnWidth(1, 6);
    grid.setColumnWidth(RightDrawNoColumn(game), 6);
    grid.setDefaultRowHeight(9);
    grid.setRowHeight(1, 15);
    grid.setRowHeight(2, 12);
    grid.textOverflow = true;

    grid.gridLinesOnBlock({1, 3, columns, rows}, colours::LineBlue);
    for (int b = 0; b < blocks; ++b) {
        const int first = DigitColumn(b, 0);
        grid.outlineBlock({first, 1, DigitColumn(b, 9), 1}, colours::LineBlue);
        grid.setText(first, 1, kPositionTitles[b]);
        grid.setAlignment({first, 1, first, 1}, HAlign::Left);
    }

    grid.setBackground({DigitColumn(0, 0), 1, DigitColumn(blocks - 1, 9), 1}, colours::HeaderPink);
    for (int col : {1, RightDrawNoColumn(game)}) {
        grid.setForeground({col, 1, col, rows}, colours::Red);
        grid.setBackground({col, 1, col, rows}, colours::HeaderYellow);
    }
    for (int g = 0; g < layout.groupCount; ++g) {
        const Colour band = layout.bands[std::size_t(g)];
        if (!band.isSet()) continue;
        for (int b = 0; b < blocks; ++b)
            grid.setBackground({DigitColumn(b, layout.firstDigit(g)), 2, DigitColumn(b, layout.lastDigit(g)), rows},
                               band);
    }
    grid.moveActiveCellToTopLeft();
}

void GroupDivisionGrid::WriteGroupHeader(GridModel& grid, const GroupLayout& layout, const Game& game) {
    const int blocks = game.digits;
    switch (layout.frames) {
    case GroupLayout::Frames::BoxPerGroup:
        for (int b = 0; b < blocks; ++b)
            for (int g = 0; g < layout.groupCount; ++g)
                grid.outlineBlock({DigitColumn(b, layout.firstDigit(g)), 2, DigitColumn(b, layout.lastDigit(g)), 2},
                                  colours::LineBlue);
        break;
    case GroupLayout::Frames::BoxPerCell:
        grid.gridLinesOnBlock({DigitColumn(0, 0), 2, Columns(game), 2}, colours::LineBlue);
        break;
    }

    for (int b = 0; b < blocks; ++b) {
        for (int g = 0; g < layout.groupCount; ++g) {
            const int col = DigitColumn(b, layout.firstDigit(g));
            grid.setText(col, 2, layout.labels[std::size_t(g)]);
            grid.setAlignment({col, 2, col, 2}, HAlign::Left);
        }
        for (int d = 0; d <= 9; ++d) grid.setNumber(DigitColumn(b, d), 3, d);
    }
    grid.setText(1, 3, "回数");
    grid.setText(RightDrawNoColumn(game), 3, "回数");

    const int blueBlocks = layout.blueLabels == GroupLayout::BlueLabels::EveryBlock ? blocks : 1;
    grid.setForeground({DigitColumn(0, 0), 3, DigitColumn(blueBlocks - 1, 9), 3}, colours::Blue);
}

void GroupDivisionGrid::FillGroupRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    // The grid keeps its cells column by column, so the rows are written one
    // column at a time, top to bottom: first the draw numbers, then each
    // digit column's marks, found through a list of rows per column.
    const int blocks = game.digits;
    const int digitColumns = 10 * blocks;
    std::vector<int> drawNos;
    std::vector<std::uint8_t> markColumn;  // one per digit of a row: the column of its mark
    drawNos.reserve(history.size());
    markColumn.reserve(std::size_t(blocks) * history.size());
    std::array<int, 10 * kMaxGameDigits + 1> start{};
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        drawNos.push_back(draw.drawNo);
        for (int b = 0; b < blocks; ++b) {
            const int column = DigitColumn(b, draw.digit(b)) - DigitColumn(0, 0);
            markColumn.push_back(std::uint8_t(column));
            ++start[std::size_t(column) + 1];
        }
    }
    for (int c = 0; c < digitColumns; ++c) start[std::size_t(c) + 1] += start[std::size_t(c)];
    std::vector<int> markRows(markColumn.size());
    std::array<int, 10 * kMaxGameDigits> next{};
    std::copy_n(start.begin(), digitColumns, next.begin());
    for (std::size_t k = 0, i = 0; k < drawNos.size(); ++k)
        for (int b = 0; b < blocks; ++b, ++i) markRows[std::size_t(next[markColumn[i]]++)] = kFirstDrawRow + int(k);

    for (int col : {1, RightDrawNoColumn(game)})
        for (std::size_t i = 0; i < drawNos.size(); ++i) grid.setNumber(col, kFirstDrawRow + int(i), drawNos[i]);
    const GridModel::TextKey mark = grid.keepText("●");
    for (int c = 0; c < digitColumns; ++c) {
        const int col = DigitColumn(0, 0) + c;
        for (int i = start[std::size_t(c)]; i < start[std::size_t(c) + 1]; ++i) {
            const int r = markRows[std::size_t(i)];
            grid.setKeptText(col, r, mark);
            grid.setForeground(col, r, colours::MarkBlue);
        }
    }
}

}  // namespace n3
