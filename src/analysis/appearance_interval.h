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
    // each of its three digits last appeared: 0 for 初回, kNoInterval for a
    // record the grid passes over. The grid and its chart both read these.
    static constexpr int kNoInterval = -1;
    static std::vector<std::array<int, 3>> Intervals(const DrawHistory& history);

private:
    // The digits of each complete draw, by draw number 0..32767; a draw
    // number without a complete draw holds kNoDigit three times.
    using DigitTable = std::vector<std::array<signed char, 3>>;
    static constexpr signed char kNoDigit = -1;

    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteHeaders(GridModel& grid);
    static void WriteTitleRow(GridModel& grid, int row);
    static void FillRows(GridModel& grid, const DrawHistory& history);
    // The latest draw number below `drawNo` whose draw holds `digit`; 0 if none.
    static int FindLastAppearance(const DigitTable& table, int drawNo, int digit);
};

}  // namespace n3
