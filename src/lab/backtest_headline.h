#pragma once
// The one sentence above the backtest's table: whether any of the seven
// methods hits more (or fewer) often than chance, over which draws.
#include <string>

#include "core/window_content.h"
#include "lab/backtest_figures.h"

namespace n3 {

// "7つの予想方法はどれも偶然と区別できません（第1回〜第7053回）", or the
// methods that differ named with their verdict. The draws are those of
// `history` within `range`.
// The sentence is followed by "。金額は第1回〜第7053回のうち7053回で計算".
std::string BacktestHeadline(const BacktestFigures& figures, const DrawHistory& history, DrawRange range);
// The sentence alone.
std::string BacktestVerdictLine(const BacktestFigures& figures, const DrawHistory& history, DrawRange range);

}  // namespace n3
