#pragma once
// ミニ分析: the 100 last-two-digit values with count, expectation, last draw,
// ブランク and 最長ブランク (a grid coloured by deviation and the same rows as a
// sortable table), a bar chart of the counts with the expected line, and the
// χ² verdict as the headline. The figures are the content's details (MiniFigures).
#include <string>

#include "analysis/mini_gaps.h"

namespace n3 {

class ミニ分析 {
public:
    static WindowContent Content(const WindowInput& input);

    static GridModel BuildGrid(const MiniFigures& figures);
    static SortableTable BuildTable(const MiniFigures& figures);
    static ChartData BuildChart(const MiniFigures& figures);
    static std::string Headline(const MiniFigures& figures);

    static constexpr int kFrozenRows = 2;
};

}  // namespace n3
