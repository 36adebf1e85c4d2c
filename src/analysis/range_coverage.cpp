#include "analysis/range_coverage.h"

#include "stats/chance_charts.h"

namespace n3 {

RangeCoverage CoverRange(const DrawHistory& history, DrawRange range, const Game& game) {
    RangeCoverage c;
    int rows = 0;
    for (const Draw& d : history) {
        if (!InRange(d, range)) continue;
        if (c.firstDrawNo == 0) c.firstDrawNo = d.drawNo;
        c.lastDrawNo = d.drawNo;
        ++rows;
        if (d.complete(game))
            ++c.complete;
        else
            ++c.incomplete;
    }
    // The history holds at most one row per draw number, ascending.
    if (rows > 0) c.holes = (c.lastDrawNo - c.firstDrawNo + 1) - rows;
    return c;
}

std::string CoverageLine(const RangeCoverage& c) {
    if (c.firstDrawNo == 0) return "対象：範囲に当選データがありません";
    std::string line = "対象：第" + std::to_string(c.firstDrawNo) + "回～第" + std::to_string(c.lastDrawNo) +
                       "回（数字のそろった回 " + GroupedNumber(c.complete) + " 回）";
    std::string left;
    if (c.incomplete > 0) left = "数字の欠けた回 " + GroupedNumber(c.incomplete) + " 回";
    if (c.holes > 0) left += (left.empty() ? "" : "と") + std::string("欠番 ") + GroupedNumber(c.holes) + " 回";
    if (!left.empty()) line += "　" + left + "は数えていません";
    return line;
}

}  // namespace n3
