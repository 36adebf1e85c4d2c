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
    static constexpr int kGroups = 5;
    // The count of group 1 comes after 回数 and one column a digit.
    static constexpr int FirstCountColumn(const Game& game) { return game.digits + 2; }
    static constexpr int Columns(const Game& game) { return game.digits + 1 + kGroups; }

private:
    static int GroupOf(int digit);
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game);
    static void SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game);
    static void WriteHeaderRow(GridModel& grid, int row, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
