#pragma once
// ペア分析: for each pair of positions a 10 × 10 grid of how often each
// ordered pair of digits came (rows the earlier position, columns the
// later), coloured by deviation from the expectation, with each pair's χ²
// test and a headline with the verdict over the three. The figures are the
// content's details (PairFigures).
#include <string>

#include "analysis/digit_pairs.h"

namespace n3 {

class ペア分析 {
public:
    static WindowContent Content(const WindowInput& input);

    static GridModel BuildGrid(const PairFigures& figures);
    static std::string Headline(const PairFigures& figures);

    static constexpr int kFrozenRows = 1;
};

}  // namespace n3
