#pragma once
// The two pattern windows: one grid (組合せパターン分析), two class rules.
#include "analysis/combination_pattern.h"

namespace n3 {

// Low digits 0..4 against high digits 5..9, as the window's label names them;
// the letter counts the low digits (A = none, B = one ...: D = three, E = four).
class 低数字高数字の組合せパターン分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);

private:
    static const PatternClassRule kRule;
};

// Even digits against odd digits; the letter counts the odd digits
// (A = none .. D = three odd; E = four odd for a four-digit game).
class 偶数奇数の組合せパターン分析 {
public:
    static GridModel Build(const DrawHistory& history, const StartupStatistics& stats, const Game& game = kNumbers3);
    static void BuildInto(GridModel& grid, const DrawHistory& history, const StartupStatistics& stats,
                          const Game& game = kNumbers3);

private:
    static const PatternClassRule kRule;
};

}  // namespace n3
