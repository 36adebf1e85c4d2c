#pragma once
// 数字検索: one number's straights, boxes and minis over a range with the
// draws where it came, and 全1000通り below it; the same figures as the
// "lookup" and "numbers" members of `show --format json` and as the frame's
// sortable table.
#include <string>

#include "analysis/all_numbers_table.h"
#include "analysis/number_lookup.h"

namespace n3 {

class 数字検索 {
public:
    static WindowContent Content(const WindowInput& input);

    static GridModel BuildGrid(const NumberLookup* lookup, const AllNumbers& all);
    static SortableTable BuildTable(const AllNumbers& all);
    // "\"lookup\": {...} or null, \"numbers\": [...]"
    static std::string JsonMembers(const NumberLookup* lookup, const AllNumbers& all);
};

}  // namespace n3
