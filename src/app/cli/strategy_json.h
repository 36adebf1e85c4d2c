#pragma once
// The JSON members of `show 買い方の検証 --format json`: "strategy" for the
// one strategy given on the command line, "strategies" for the saved ones.
// Figures are JSON numbers, null where a figure is undefined.
#include <string>

#include "lab/strategy_figures.h"

namespace n3 {

// One strategy's object: rule, kind, units, draws, tickets, hits,
// expectedHits, ratio, z, p, wilsonLow, wilsonHigh, controlHits,
// moneyTickets, spent, won, returnRate, verdict.
std::string StrategyJsonObject(const StrategyFigures& f);

// "\"strategy\": {...}" for a single strategy given on the command line,
// else "\"strategies\": [...]" (each object with its name and corrected p
// as well); no leading comma.
std::string StrategyJsonMember(const StrategyTestFigures& figures);

}  // namespace n3
