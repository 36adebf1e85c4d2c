#include "analysis/appearance_interval.h"

#include <string>
#include <vector>

#include "analysis/draw_digit_grid.h"

namespace n3 {

GridModel 出現間隔分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    GridModel grid;
    BuildInto(grid, history, stats, game);
    return grid;
}

void 出現間隔分析::BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                             const Game& game) {
    draw_digit_grid::SetUp(grid, stats.LatestDrawNo, game);
    WriteHeaders(grid, game);
    FillRows(grid, history, game);
}

// The title and label rows at the top, and again below the last draw row
// with the label row first.
void 出現間隔分析::WriteHeaders(GridModel& grid, const Game& game) {
    const int rows = grid.rows();
    WriteTitleRow(grid, 1, game);
    draw_digit_grid::WriteLabelRow(grid, 2, "出現", game);
    draw_digit_grid::WriteLabelRow(grid, rows - 1, "出現", game);
    WriteTitleRow(grid, rows, game);
}

// The digit and result columns read as one cell: an outline and no lines inside.
void 出現間隔分析::WriteTitleRow(GridModel& grid, int row, const Game& game) {
    const CellBlock title{2, row, draw_digit_grid::Columns(game), row};
    for (Side side : {Left, Right, Top, Bottom}) grid.setBorder(title, side, {}, LineStyle::None);
    grid.outlineBlock(title);
    grid.setText(4, row, "　当 選 数 字     ");
    grid.setAlignment({4, row, 4, row}, HAlign::Left);
}

// A draw number beyond the table cannot be looked up: such a record is
// passed over like an incomplete one.
template <class Visit>
void 出現間隔分析::ForEachInterval(const DrawHistory& history, const Game& game, Visit&& visit) {
    const auto counted = [&game](const Draw& draw) {
        return draw.complete(game) && draw.drawNo >= 1 && draw.drawNo <= kMaxDrawNo;
    };
    DigitIntervals intervals;
    intervals.fill(kNoInterval);
    // Draws in ascending order of number, as the store keeps them: the last
    // draw number each digit came in is all a draw needs. Any other order is
    // looked up through a table of the draws by number.
    bool ascending = true;
    int previousNo = 0;
    for (const Draw& draw : history) {
        if (!counted(draw)) continue;
        ascending = ascending && draw.drawNo > previousNo;
        previousNo = draw.drawNo;
    }
    if (ascending) {
        std::array<int, 10> lastSeen{};
        for (std::size_t r = 0; r < history.size(); ++r) {
            const Draw& draw = history[r];
            if (!counted(draw)) continue;
            const int n = draw.drawNo;
            for (int i = 0; i < game.digits; ++i) {
                const int last = lastSeen[std::size_t(draw.digit(i))];
                intervals[std::size_t(i)] = last > 0 ? n - last : 0;
            }
            for (int i = 0; i < game.digits; ++i) lastSeen[std::size_t(draw.digit(i))] = n;
            visit(r, intervals);
        }
        return;
    }
    std::array<signed char, kMaxGameDigits> noDigits;
    noDigits.fill(kNoDigit);
    DigitTable table(std::size_t(kMaxDrawNo) + 1, noDigits);
    for (std::size_t r = 0; r < history.size(); ++r) {
        const Draw& draw = history[r];
        if (!counted(draw)) continue;
        const int n = draw.drawNo;
        for (int i = 0; i < game.digits; ++i)
            table[std::size_t(n)][std::size_t(i)] = static_cast<signed char>(draw.digit(i));
        for (int i = 0; i < game.digits; ++i) {
            const int last = FindLastAppearance(table, n, draw.digit(i));
            intervals[std::size_t(i)] = last > 0 ? n - last : 0;
        }
        visit(r, intervals);
    }
}

std::vector<出現間隔分析::DigitIntervals> 出現間隔分析::Intervals(const DrawHistory& history, const Game& game) {
    DigitIntervals none;
    none.fill(kNoInterval);
    std::vector<DigitIntervals> intervals(history.size(), none);
    ForEachInterval(history, game, [&](std::size_t r, const DigitIntervals& found) { intervals[r] = found; });
    return intervals;
}

// Every record takes a row, complete or not; only a complete draw writes
// into it.
void 出現間隔分析::FillRows(GridModel& grid, const DrawHistory& history, const Game& game) {
    // The key of "N回前" for each gap met, looked up once.
    std::vector<GridModel::TextKey> gapTexts;
    const auto gapText = [&](int gap) {
        if (std::size_t(gap) >= gapTexts.size()) gapTexts.resize(std::size_t(gap) + 1, 0);
        GridModel::TextKey& key = gapTexts[std::size_t(gap)];
        if (key == 0) key = grid.keepText(gap > 0 ? std::to_string(gap) + "回前" : std::string("初回"));
        return key;
    };
    const int firstRow = draw_digit_grid::kFirstDrawRow;
    ForEachInterval(history, game, [&](std::size_t r, const DigitIntervals& intervals) {
        const int row = firstRow + int(r);
        draw_digit_grid::WriteDraw(grid, row, history[r], game);
        for (int i = 0; i < game.digits; ++i)
            grid.setKeptText(draw_digit_grid::ResultColumn(i), row, gapText(intervals[std::size_t(i)]));
    });
}

int 出現間隔分析::FindLastAppearance(const DigitTable& table, int drawNo, int digit) {
    for (int k = drawNo - 1; k >= 1; --k) {
        const auto& digits = table[std::size_t(k)];
        if (digits[0] == digit || digits[1] == digit || digits[2] == digit || digits[3] == digit) return k;
    }
    return 0;
}

}  // namespace n3
