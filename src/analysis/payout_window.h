#pragma once
// 配当分析: which numbers pay more when they win. Four views — the yearly
// straight prizes (with their chart), the factor of every number, the
// patterns of numbers, and whether a number's factor lasts (with its
// scatter) — and one plain sentence above them.
#include <string>
#include <vector>

#include "analysis/payout_factors.h"
#include "core/window_content.h"

namespace n3 {

class 配当分析 {
public:
    static WindowContent Content(const WindowInput& input);

    static std::string Headline(const PayoutFigures& figures);
    static GridModel YearsGrid(const PayoutFigures& figures);
    static ChartData YearsChart(const PayoutFigures& figures);
    static GridModel ItemsGrid(const PayoutFigures& figures);
    static SortableTable ItemsTable(const PayoutKindFigures& kind);
    static GridModel GroupsGrid(const PayoutFigures& figures);
    static GridModel StabilityGrid(const PayoutFigures& figures);
    static ChartData StabilityChart(const PayoutFigures& figures);
};

// A factor as the windows print it: two decimals, "－" for none.
std::string FactorText(const std::optional<double>& factor);
// Blue below 1, red above, unset at 1 or for none.
Colour FactorColour(const std::optional<double>& factor);

}  // namespace n3
