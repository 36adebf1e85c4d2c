#include "analysis/combination_pattern_windows.h"

namespace n3 {

namespace {
bool IsLow(int digit) { return digit <= 4; }
bool IsEven(int digit) { return digit % 2 == 0; }
}  // namespace

const PatternClassRule 低数字高数字の組合せパターン分析::kRule = {&IsLow, "低数字", "高数字", Colour{}, false};

const PatternClassRule 偶数奇数の組合せパターン分析::kRule = {&IsEven, "偶数", "奇数", colours::White, true};

GridModel 低数字高数字の組合せパターン分析::Build(const DrawHistory& history, const StartupStatistics& stats,
                                                  const Game& game) {
    return 組合せパターン分析::Build(history, stats, kRule, game);
}

void 低数字高数字の組合せパターン分析::BuildInto(GridModel& grid, const DrawHistory& history,
                                                 const StartupStatistics& stats, const Game& game) {
    組合せパターン分析::BuildInto(grid, history, stats, kRule, game);
}

GridModel 偶数奇数の組合せパターン分析::Build(const DrawHistory& history, const StartupStatistics& stats,
                                              const Game& game) {
    return 組合せパターン分析::Build(history, stats, kRule, game);
}

void 偶数奇数の組合せパターン分析::BuildInto(GridModel& grid, const DrawHistory& history,
                                             const StartupStatistics& stats, const Game& game) {
    組合せパターン分析::BuildInto(grid, history, stats, kRule, game);
}

}  // namespace n3
