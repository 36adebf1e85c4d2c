#include "lab/backtest_window.h"

#include <algorithm>

#include "lab/backtest.h"
#include "lab/backtest_chart.h"
#include "lab/backtest_figures.h"
#include "lab/backtest_grid.h"
#include "lab/backtest_headline.h"

namespace n3 {

WindowContent 予想の検証::Content(const WindowInput& input) {
    const int optionCount = int(std::count(input.optionFlags.begin(), input.optionFlags.end(), true));
    const auto kept = WholeBacktest(input.history, input.results, optionCount, input.range, input.memo);
    const BacktestRun& run = *kept;
    const BacktestFigures figures = FiguresOf(run);
    WindowContent content;
    content.grid() = BacktestGrid(figures);
    content.charts() = BacktestCharts(run);
    content.details = std::make_shared<const BacktestFigures>(figures);
    content.headline = BacktestHeadline(figures, input.history, input.range);
    return content;
}

}  // namespace n3
