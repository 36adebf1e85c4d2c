#pragma once
// The "backtest" member of `show 予想の検証 --format json`: the range, the
// option count and one object per method, figures as JSON numbers and null
// where a figure is undefined.
#include <string>

#include "lab/backtest_figures.h"

namespace n3 {

// "\"backtest\": {...}", without a leading comma.
std::string BacktestJsonMember(const BacktestFigures& figures);

}  // namespace n3
