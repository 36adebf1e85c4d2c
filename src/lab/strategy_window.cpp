#include "lab/strategy_window.h"

#include <algorithm>

#include "lab/figures_grid.h"
#include "lab/strategy_chart.h"
#include "lab/strategy_figures.h"
#include "lab/strategy_grid.h"
#include "lab/strategy_rules.h"

namespace n3 {

WindowContent 買い方の検証::Content(const WindowInput& input) {
    // A strategy the rules refuse (a row written by another program) is
    // left out rather than tested with figures it cannot have.
    std::vector<Strategy> strategies;
    if (input.strategies)
        for (const Strategy& s : *input.strategies)
            if (StrategyError(s).empty()) strategies.push_back(s);
    const int optionCount = int(std::count(input.optionFlags.begin(), input.optionFlags.end(), true));
    const StrategyRun run = RunStrategies(input.history, input.results, strategies, input.range, optionCount);
    StrategyTestFigures figures = FiguresOf(run);
    figures.singleStrategy = input.singleStrategy;
    WindowContent content;
    content.grid() = StrategyGrid(figures);
    content.charts() = StrategyCharts(run);
    if (figures.targets > 0 && !figures.strategies.empty())
        content.headline = MoneyDrawsText(figures.from, figures.to, figures.moneyTargets);
    content.details = std::make_shared<const StrategyTestFigures>(std::move(figures));
    return content;
}

}  // namespace n3
