#include "analysis/all_numbers_table.h"

#include "core/number_rules.h"

namespace n3 {

AllNumbers TallyAllNumbers(const DrawHistory& history, DrawRange range, const Game& game) {
    AllNumbers out;
    out.game = &game;
    const auto count = std::size_t(game.numberCount());
    out.rows.resize(count);
    // One pass: straights by number, boxes by the sorted digits.
    std::vector<int> boxCount(count, 0);
    std::vector<int> lastBox(count, 0);    // draw number, 0 for never
    std::vector<int> lastBoxAt(count, 0);  // position among the complete draws, +1
    // Each number's box key, worked out once here rather than once a draw.
    std::vector<int> boxKeys(count);
    for (std::size_t n = 0; n < count; ++n) boxKeys[n] = BoxKey(int(n), game);
    for (const Draw& d : history) {
        if (!d.complete(game) || d.drawNo < 1 || d.drawNo > kMaxDrawNo || !range.contains(d.drawNo)) continue;
        const int at = ++out.draws;
        const int drawn = NumberOf(d, game);
        NumberRow& row = out.rows[std::size_t(drawn)];
        ++row.straightCount;
        row.lastStraight = d.drawNo;
        const auto key = std::size_t(boxKeys[std::size_t(drawn)]);
        ++boxCount[key];
        lastBox[key] = d.drawNo;
        lastBoxAt[key] = at;
    }
    for (std::size_t n = 0; n < count; ++n) {
        const auto key = std::size_t(boxKeys[n]);
        NumberRow& row = out.rows[n];
        row.boxCount = boxCount[key];
        if (lastBox[key] != 0) {
            row.lastBox = lastBox[key];
            row.sinceBox = out.draws - lastBoxAt[key];
        }
    }
    return out;
}

}  // namespace n3
