#pragma once
// The three group-division windows: the same chart, each with its own
// division of the digits into lettered groups.
#include "analysis/group_division.h"

namespace n3 {

// Ａ 0-2, Ｂ 3-5, Ｃ 6-9.
class 分割3データ分析 {
public:
    static const GroupLayout kLayout;
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
};

// Ａ 0-1, Ｂ 2-3, Ｃ 4-5, Ｄ 6-7, Ｅ 8-9.
class 分割5データ分析 {
public:
    static const GroupLayout kLayout;
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
};

// Ａ to Ｊ, one digit each.
class 分割10データ分析 {
public:
    static const GroupLayout kLayout;
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);
};

}  // namespace n3
