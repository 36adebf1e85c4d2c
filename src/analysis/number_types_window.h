#pragma once
// タイプ別分析: how often each number type was drawn over the chosen range
// against its chance, with a χ² verdict, where the alike digits stood, and
// the mean straight prize per type. The figures are the content's details
// (NumberTypeFigures); the chart shows the grid's shares.
#include "analysis/number_types.h"

namespace n3 {

class タイプ別分析 {
public:
    static WindowContent Content(const WindowInput& input);
    static GridModel BuildGrid(const NumberTypeFigures& figures);
    static ChartData ShareChart(const NumberTypeFigures& figures);
    static std::string Headline(const NumberTypeFigures& figures);

    static constexpr int kFrozenRows = 3;
};

}  // namespace n3
