#pragma once
// 数字合計分析: every complete draw with its digits and their sum (0..27 for
// three digits, 0..36 for four).
#include "core/grid_model.h"
#include "core/number_rules.h"
#include "core/startup_statistics.h"

namespace n3 {

class 数字合計分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
    static constexpr int kFirstDrawRow = 2;
    // The sum the grid shows for a complete draw.
    static int DigitSum(const Draw& draw, const Game& game = kNumbers3) {
        return n3::DigitSum(NumberOf(draw, game), game);
    }
    // The sum's column, the last: after 回数 and one column a digit.
    static constexpr int SumColumn(const Game& game) { return game.digits + 2; }

private:
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo, const Game& game);
    static void SetUpGrid(GridModel& grid, int latestDrawNo, const Game& game);
    static void WriteHeaderRow(GridModel& grid, int row, const Game& game);
    static void FillRows(GridModel& grid, const DrawHistory& history, const Game& game);
};

}  // namespace n3
