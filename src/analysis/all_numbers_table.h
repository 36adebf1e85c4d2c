#pragma once
// 全1000通り: for every number 000..999 over the complete draws of a range,
// its type, how often it came as ストレート and as ボックス, when last, and
// how many draws have passed since its last box.
#include <array>
#include <optional>

#include "analysis/number_lookup.h"

namespace n3 {

struct NumberRow {
    int straightCount = 0;
    int boxCount = 0;
    std::optional<int> lastStraight;
    std::optional<int> lastBox;
    std::optional<int> sinceBox;  // complete draws in the range after the last box
};

struct AllNumbers {
    int draws = 0;                                // complete draws in the range
    std::array<NumberRow, kAllNumberCount> rows;  // by number
};

AllNumbers TallyAllNumbers(const DrawHistory& history, DrawRange range);

}  // namespace n3
