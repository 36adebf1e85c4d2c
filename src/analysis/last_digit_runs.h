#pragma once
// 下一桁連続出現回数分析: for every last digit, how many draws in a row it has
// kept appearing. One row per draw number 1..LatestDrawNo; a cell holds the
// run count where the digit continues a run and is empty elsewhere.
#include <array>
#include <cstdint>
#include <vector>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 下一桁連続出現回数分析 {
public:
    // Per last digit, the draw numbers it occurs in: once per winning digit,
    // so a draw with a repeated digit appears as often as the digit repeats.
    using AppearanceLists = std::array<std::vector<std::int16_t>, 10>;

    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // Draw numbers outside 1..latestDrawNo have no row and are left out.
    static AppearanceLists BuildAppearanceLists(const DrawHistory& history, int latestDrawNo,
                                                const Game& game = kNumbers3);
    // The background of a cell holding run count c (c >= 1).
    static Colour BackgroundForRun(int c);

private:
    static GridModel BuildRunCounts(const DrawHistory& history, int latestDrawNo, const Game& game);
    static void AppendAppearance(AppearanceLists& lists, int drawNo, int lastDigit);
    static void SetUpRunGrid(GridModel& grid, int latestDrawNo);
    static void ShowRunLengths(GridModel& grid, const AppearanceLists& lists);
    static void WriteRunCell(GridModel& grid, int lastDigit, int drawNo, int count);
};

}  // namespace n3
