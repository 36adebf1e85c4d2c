#include "analysis/group_division.h"

namespace n3 {

using namespace group_grid;

namespace {
constexpr std::string_view kPositionTitles[3] = {
    "　　　　当選数字(第1数字)　　　　",
    "　　　　当選数字(第2数字)　　　　",
    "　　　　当選数字(第3数字)　　　　",
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
                                            const StartupStatistics& stats) {
    GridModel grid;
    BuildGroupGridInto(grid, layout, history, stats);
    return grid;
}

void GroupDivisionGrid::BuildGroupGridInto(GridModel& grid, const GroupLayout& layout, const DrawHistory& history,
                                           const StartupStatistics& stats) {
    SetUpGroupGrid(grid, layout, stats.LatestDrawNo);
    WriteGroupHeader(grid, layout);
    FillGroupRows(grid, history);
}

void GroupDivisionGrid::SetUpGroupGrid(GridModel& grid, const GroupLayout& layout, int latestDrawNo) {
    const int rows = kHeaderRows + latestDrawNo;
    // Every cell starts as centred static text, the grid's default style.
    grid.setSize(kColumns, rows);
    grid.setDefaultColumnWidth(2);
    grid.setColumnWidth(1, 6);
    grid.setColumnWidth(kRightDrawNoColumn, 6);
    grid.setDefaultRowHeight(9);
    grid.setRowHeight(1, 15);
    grid.setRowHeight(2, 12);
    grid.textOverflow = true;

    grid.gridLinesOnBlock({1, 3, kColumns, rows}, colours::LineBlue);
    for (int b = 0; b < 3; ++b) {
        const int first = DigitColumn(b, 0);
        grid.outlineBlock({first, 1, DigitColumn(b, 9), 1}, colours::LineBlue);
        grid.setText(first, 1, kPositionTitles[b]);
        grid.setAlignment({first, 1, first, 1}, HAlign::Left);
    }

    grid.setBackground({DigitColumn(0, 0), 1, DigitColumn(2, 9), 1}, colours::HeaderPink);
    for (int col : {1, kRightDrawNoColumn}) {
        grid.setForeground({col, 1, col, rows}, colours::Red);
        grid.setBackground({col, 1, col, rows}, colours::HeaderYellow);
    }
    for (int g = 0; g < layout.groupCount; ++g) {
        const Colour band = layout.bands[std::size_t(g)];
        if (!band.isSet()) continue;
        for (int b = 0; b < 3; ++b)
            grid.setBackground({DigitColumn(b, layout.firstDigit(g)), 2, DigitColumn(b, layout.lastDigit(g)), rows},
                               band);
    }
    grid.moveActiveCellToTopLeft();
}

void GroupDivisionGrid::WriteGroupHeader(GridModel& grid, const GroupLayout& layout) {
    switch (layout.frames) {
    case GroupLayout::Frames::BoxPerGroup:
        for (int b = 0; b < 3; ++b)
            for (int g = 0; g < layout.groupCount; ++g)
                grid.outlineBlock({DigitColumn(b, layout.firstDigit(g)), 2, DigitColumn(b, layout.lastDigit(g)), 2},
                                  colours::LineBlue);
        break;
    case GroupLayout::Frames::BoxPerCell:
        grid.gridLinesOnBlock({DigitColumn(0, 0), 2, kColumns, 2}, colours::LineBlue);
        break;
    }

    for (int b = 0; b < 3; ++b) {
        for (int g = 0; g < layout.groupCount; ++g) {
            const int col = DigitColumn(b, layout.firstDigit(g));
            grid.setText(col, 2, layout.labels[std::size_t(g)]);
            grid.setAlignment({col, 2, col, 2}, HAlign::Left);
        }
        for (int d = 0; d <= 9; ++d) grid.setNumber(DigitColumn(b, d), 3, d);
    }
    grid.setText(1, 3, "回数");
    grid.setText(kRightDrawNoColumn, 3, "回数");

    if (layout.blueLabelBlocks > 0)
        grid.setForeground({DigitColumn(0, 0), 3, DigitColumn(layout.blueLabelBlocks - 1, 9), 3}, colours::Blue);
}

void GroupDivisionGrid::FillGroupRows(GridModel& grid, const DrawHistory& history) {
    int r = kFirstDrawRow;
    for (const Draw& draw : history) {
        if (!draw.complete()) continue;
        grid.setNumber(1, r, draw.drawNo);
        grid.setNumber(kRightDrawNoColumn, r, draw.drawNo);
        for (int b = 0; b < 3; ++b) {
            const int col = DigitColumn(b, draw.digit(b));
            grid.setText(col, r, "●");
            grid.setForeground(col, r, colours::MarkBlue);
        }
        ++r;
    }
}

}  // namespace n3
