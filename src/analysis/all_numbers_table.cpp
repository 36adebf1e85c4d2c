#include "analysis/all_numbers_table.h"

#include "core/number_rules.h"

namespace n3 {

AllNumbers TallyAllNumbers(const DrawHistory& history, DrawRange range) {
    AllNumbers out;
    // One pass: straights by number, boxes by the sorted digits.
    std::array<int, kAllNumberCount> boxCount{};
    std::array<int, kAllNumberCount> lastBox{};    // draw number, 0 for never
    std::array<int, kAllNumberCount> lastBoxAt{};  // position among the complete draws, +1
    // Each number's box key, worked out once here rather than once a draw.
    std::array<int, kAllNumberCount> boxKeys{};
    for (int n = 0; n < kAllNumberCount; ++n) boxKeys[std::size_t(n)] = BoxKey(n);
    for (const Draw& d : history) {
        if (!d.complete() || d.drawNo < 1 || d.drawNo > kMaxDrawNo || !range.contains(d.drawNo)) continue;
        const int at = ++out.draws;
        const int drawn = NumberOf(d);
        NumberRow& row = out.rows[std::size_t(drawn)];
        ++row.straightCount;
        row.lastStraight = d.drawNo;
        const auto key = std::size_t(boxKeys[std::size_t(drawn)]);
        ++boxCount[key];
        lastBox[key] = d.drawNo;
        lastBoxAt[key] = at;
    }
    for (int n = 0; n < kAllNumberCount; ++n) {
        const auto key = std::size_t(boxKeys[std::size_t(n)]);
        NumberRow& row = out.rows[std::size_t(n)];
        row.boxCount = boxCount[key];
        if (lastBox[key] != 0) {
            row.lastBox = lastBox[key];
            row.sinceBox = out.draws - lastBoxAt[key];
        }
    }
    return out;
}

}  // namespace n3
