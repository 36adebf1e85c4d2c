#pragma once
// 数字合計分析: every complete draw with its three digits and their sum (0..27).
#include "core/grid_model.h"
#include "core/number_rules.h"
#include "core/startup_statistics.h"

namespace n3 {

class 数字合計分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats);
    // The same into `grid`, which a draw appended at the end rebuilds from its row on.
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats);
    static constexpr int kFirstDrawRow = 2;
    // The sum the grid shows for a complete draw.
    static int DigitSum(const Draw& draw) { return n3::DigitSum(NumberOf(draw)); }

private:
    static constexpr int kColumns = 5;
    static constexpr int kSumColumn = 5;
    static void BuildGrid(GridModel& grid, const DrawHistory& history, int latestDrawNo);
    static void SetUpGrid(GridModel& grid, int latestDrawNo);
    static void WriteHeaderRow(GridModel& grid, int row);
    static void FillRows(GridModel& grid, const DrawHistory& history);
};

}  // namespace n3
