#pragma once
// 数字検索: one number's straights, boxes and minis over a range with the
// draws where it came, and 全1000通り below it; the same figures as the
// frame's sortable table and as the content's details (NumberLookupDetails).
#include <optional>

#include "analysis/all_numbers_table.h"
#include "analysis/number_lookup.h"
#include "analysis/payout_factors.h"

namespace n3 {

// What 数字検索 computed: the lookup (none without a number) and 全1000通り.
struct NumberLookupDetails {
    std::optional<NumberLookup> lookup;
    AllNumbers all;
    // The number's straight factor over every priced draw (配当分析); with the lookup.
    std::optional<PayoutItem> payout;
};

class 数字検索 {
public:
    static WindowContent Content(const WindowInput& input);

    static GridModel BuildGrid(const NumberLookup* lookup, const AllNumbers& all, const PayoutItem* payout = nullptr);
    static SortableTable BuildTable(const AllNumbers& all);
};

}  // namespace n3
