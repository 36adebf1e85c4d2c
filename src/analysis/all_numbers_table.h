#pragma once
// 全1000通り (全10000通り for four digits): for every number of the game over
// the complete draws of a range,
// its type, how often it came as ストレート and as ボックス, when last, and
// how many draws have passed since its last box.
#include <optional>
#include <vector>

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
    const Game* game = &kNumbers3;
    int draws = 0;                // complete draws in the range
    std::vector<NumberRow> rows;  // by number, one for each of the game's numbers
};

AllNumbers TallyAllNumbers(const DrawHistory& history, DrawRange range, const Game& game = kNumbers3);

}  // namespace n3
