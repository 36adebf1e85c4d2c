#include "analysis/last_digit_runs.h"

#include "analysis/last_digit_header.h"

namespace n3 {

using namespace last_digit_grid;

GridModel 下一桁連続出現回数分析::Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game) {
    return BuildRunCounts(history, stats.LatestDrawNo, game);
}

GridModel 下一桁連続出現回数分析::BuildRunCounts(const DrawHistory& history, int latestDrawNo, const Game& game) {
    const AppearanceLists lists = BuildAppearanceLists(history, latestDrawNo, game);
    GridModel grid;
    SetUpRunGrid(grid, latestDrawNo);
    WriteLastDigitHeader(grid, 1, false);
    WriteLastDigitHeader(grid, FooterRow(latestDrawNo), true);
    ShowRunLengths(grid, lists);
    return grid;
}

下一桁連続出現回数分析::AppearanceLists 下一桁連続出現回数分析::BuildAppearanceLists(const DrawHistory& history,
                                                                                     int latestDrawNo,
                                                                                     const Game& game) {
    AppearanceLists lists;
    // About a tenth of the digits drawn fall to each last digit.
    for (auto& list : lists) list.reserve(history.size() * std::size_t(game.digits) / 8 + 16);
    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        // Only a history out of order can hold a draw number above the
        // latest; it has no row, and letting it in would write into the footer.
        if (draw.drawNo < 1 || draw.drawNo > latestDrawNo) continue;
        for (int i = 0; i < game.digits; ++i) AppendAppearance(lists, draw.drawNo, draw.digit(i) % 10);
    }
    return lists;
}

void 下一桁連続出現回数分析::AppendAppearance(AppearanceLists& lists, int drawNo, int lastDigit) {
    lists[std::size_t(lastDigit)].push_back(std::int16_t(drawNo));
}

Colour 下一桁連続出現回数分析::BackgroundForRun(int c) {
    if (c <= 1) return colours::White;
    if (c <= 3) return Colour{200, 255, 255};
    if (c <= 5) return Colour{200, 255, 200};
    if (c <= 7) return Colour{255, 255, 200};
    if (c <= 9) return Colour{255, 200, 255};
    if (c <= 11) return Colour{255, 200, 200};
    if (c == 12) return Colour{225, 225, 225};
    return Colour{255, 200, 200};
}

void 下一桁連続出現回数分析::SetUpRunGrid(GridModel& grid, int latestDrawNo) {
    SetUpLastDigitGrid(grid, latestDrawNo);
    for (int n = 1; n <= latestDrawNo; ++n) grid.setNumber(1, n + 2, n);
}

void 下一桁連続出現回数分析::ShowRunLengths(GridModel& grid, const AppearanceLists& lists) {
    // Every pair of neighbouring entries is examined, however long the list:
    // a digit can occur once per winning digit of a draw, so a list may
    // hold more entries than there are draws.
    for (int k = 0; k <= 9; ++k) {
        const auto& list = lists[std::size_t(k)];
        int c = 0;
        for (std::size_t i = 0; i + 1 < list.size(); ++i) {
            const int p = list[i];
            const int q = list[i + 1];
            if (q > p + 1) {
                c = 0;  // a draw without the digit lies between them
                continue;
            }
            // The next draw, or the same draw again: the run goes on. A later
            // count for the same draw overwrites the earlier one, so only
            // the draw's last is written.
            ++c;
            if (i + 2 < list.size() && list[i + 2] == q) continue;
            WriteRunCell(grid, k, q, c);
        }
    }
}

void 下一桁連続出現回数分析::WriteRunCell(GridModel& grid, int lastDigit, int drawNo, int count) {
    grid.setNumber(DigitColumn(lastDigit), drawNo + 2, count);
    grid.setBackground(DigitColumn(lastDigit), drawNo + 2, BackgroundForRun(count));
}

}  // namespace n3
