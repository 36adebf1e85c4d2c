#pragma once
// The start-up statistics: computed once from the draw history when the
// main window loads, then read by every window until the program ends.
#include <array>
#include <string>
#include <vector>

#include "core/draw.h"

namespace n3 {

struct StartupStatistics {
    // How often each digit occurs in the complete draws (a digit twice in
    // one draw counts twice). 32-bit: 32,767 draws can hold one digit 98,301 times.
    std::array<int, 10> DigitCount{};
    int LatestDrawNo = 0;   // 回数 of the last complete draw; 0 when there is none
    int MaxDigitCount = 0;  // the highest DigitCount; 0 when the history is empty
    // Entry c: the digits whose count is exactly c, ascending, joined by ",".
    // Indices 0..MaxDigitCount; empty when the history is empty.
    std::vector<std::string> DigitsByCount;
    int CountGroupRows = 0;  // 1 + non-empty entries of DigitsByCount; 0 when empty
};

// Walks the history of the game once and fills the statistics.
StartupStatistics LoadStartupStatistics(const DrawHistory& history, const Game& game = kNumbers3);

// Fills MaxDigitCount, DigitsByCount and CountGroupRows from DigitCount.
void GroupDigitsByCount(StartupStatistics& stats);

}  // namespace n3
