#include "analysis/appearance_interval.h"

#include <string>
#include <vector>

#include "analysis/draw_digit_grid.h"

namespace n3 {

GridModel 出現間隔分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildInto(grid, history, stats);
    return grid;
}

void 出現間隔分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    SetUpGrid(grid, stats.LatestDrawNo);
    WriteHeaders(grid);
    FillRows(grid, history);
}

void 出現間隔分析::SetUpGrid(GridModel& grid, int latestDrawNo) { draw_digit_grid::SetUp(grid, latestDrawNo); }

// The title and label rows at the top, and again below the last draw row
// with the label row first.
void 出現間隔分析::WriteHeaders(GridModel& grid) {
    const int rows = grid.rows();
    WriteTitleRow(grid, 1);
    draw_digit_grid::WriteLabelRow(grid, 2, "出現");
    draw_digit_grid::WriteLabelRow(grid, rows - 1, "出現");
    WriteTitleRow(grid, rows);
}

// Columns 2 to 7 read as one cell: an outline and no lines inside.
void 出現間隔分析::WriteTitleRow(GridModel& grid, int row) {
    const CellBlock title{2, row, draw_digit_grid::kColumns, row};
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder(title, side, {}, LineStyle::None);
    grid.outlineBlock(title);
    grid.setText(4, row, "　当 選 数 字     ");
    grid.setAlignment({4, row, 4, row}, HAlign::Left);
}

std::vector<std::array<int, 3>> 出現間隔分析::Intervals(const DrawHistory& history) {
    std::vector<std::array<int, 3>> intervals(history.size(), {kNoInterval, kNoInterval, kNoInterval});
    DigitTable table(std::size_t(kMaxDrawNo) + 1, {kNoDigit, kNoDigit, kNoDigit});
    for (std::size_t r = 0; r < history.size(); ++r) {
        const Draw& draw = history[r];
        const int n = draw.drawNo;
        // A draw number beyond the table cannot be looked up: such a record
        // is passed over like an incomplete one.
        if (!draw.complete() || n < 1 || n > kMaxDrawNo) continue;
        for (int i = 0; i < 3; ++i) table[std::size_t(n)][std::size_t(i)] = static_cast<signed char>(draw.digit(i));
        for (int i = 0; i < 3; ++i) {
            const int last = FindLastAppearance(table, n, draw.digit(i));
            intervals[r][std::size_t(i)] = last > 0 ? n - last : 0;
        }
    }
    return intervals;
}

// Every record takes a row, complete or not; only a complete draw writes
// into it.
void 出現間隔分析::FillRows(GridModel& grid, const DrawHistory& history) {
    const std::vector<std::array<int, 3>> intervals = Intervals(history);
    // "N回前" for each gap met, made once.
    std::vector<std::string> gapTexts;
    const auto gapText = [&](int gap) -> const std::string& {
        if (std::size_t(gap) >= gapTexts.size()) gapTexts.resize(std::size_t(gap) + 1);
        std::string& text = gapTexts[std::size_t(gap)];
        if (text.empty()) text = gap > 0 ? std::to_string(gap) + "回前" : std::string("初回");
        return text;
    };
    int row = draw_digit_grid::kFirstDrawRow;
    for (std::size_t r = 0; r < history.size(); ++r, ++row) {
        if (intervals[r][0] == kNoInterval) continue;
        draw_digit_grid::WriteDraw(grid, row, history[r]);
        for (int i = 0; i < 3; ++i) {
            const int gap = intervals[r][std::size_t(i)];
            const int column = draw_digit_grid::ResultColumn(i);
            grid.setText(column, row, gapText(gap));
        }
    }
}

int 出現間隔分析::FindLastAppearance(const DigitTable& table, int drawNo, int digit) {
    for (int k = drawNo - 1; k >= 1; --k) {
        const auto& digits = table[std::size_t(k)];
        if (digits[0] == digit || digits[1] == digit || digits[2] == digit) return k;
    }
    return 0;
}

}  // namespace n3
