#pragma once
// 出現間隔分析: for every draw and each of its digits, how many draws
// earlier that digit had last appeared.
#include <array>
#include <vector>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 出現間隔分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);

    // For each record of the history (same index), how many draws earlier
    // each of its digits last appeared: 0 for 初回, kNoInterval for a record
    // the grid passes over and for places past the game's digits. The grid
    // and its chart both read these.
    static constexpr int kNoInterval = -1;
    using DigitIntervals = std::array<int, kMaxGameDigits>;
    static std::vector<DigitIntervals> Intervals(const DrawHistory& history, const Game& game = kNumbers3);

private:
    // The digits of each complete draw, by draw number 0..32767; a draw
    // number without a complete draw, and a place past the game's digits,
    // holds kNoDigit.
    using DigitTable = std::vector<std::array<signed char, kMaxGameDigits>>;
    static constexpr signed char kNoDigit = -1;

    static void WriteHeaders(GridModel& grid, const Game& game);
    static void WriteTitleRow(GridModel& grid, int row, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
    // Calls visit(r, intervals) for each record r of the history that takes
    // its digits into the grid, with how many draws earlier each of its
    // digits last appeared.
    template <class Visit>
    static void ForEachInterval(const DrawHistory& history, const Game& game, Visit&& visit);
    // The latest draw number below `drawNo` whose draw holds `digit`; 0 if none.
    static int FindLastAppearance(const DigitTable& table, int drawNo, int digit);
};

}  // namespace n3
