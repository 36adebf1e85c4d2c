#pragma once
// 分割5傾向分析: the digits 0..9 fall into five groups of two (0～1 .. 8～9);
// every complete draw shows its digits in their group colours and how many
// of them fall into each group. A second header row closes the grid.
#include <array>

#include "core/grid_model.h"
#include "core/startup_statistics.h"

namespace n3 {

class 分割5傾向分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
    static constexpr int kFirstDrawRow = 2;

private:
    static constexpr int kGroups = 5;
    static constexpr int kColumns = 4 + kGroups;
    static constexpr int kFirstCountColumn = 5;
    // Index 1..5 = group; index 0 unused.
    using GroupCounts = std::array<int, kGroups + 1>;
    static int GroupOf(int digit);
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo);
    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteHeaderRow(GridModel& grid, int row);
    static void FillRows(GridModel& grid, const DrawHistory& history);
    static void ColourDigitCell(GridModel& grid, int digit, int col, int row);
    static void CountGroup(GroupCounts& GroupCount, int digit);
};

}  // namespace n3
