#pragma once
// What a range of the history holds and lacks: the complete draws the
// figures count, the incomplete ones they leave out, and the draw numbers
// missing between the first and the last row (holes). The windows say so
// in a note instead of counting them silently.
#include <string>

#include "core/window_content.h"

namespace n3 {

struct RangeCoverage {
    int firstDrawNo = 0;  // the first and last row of the range; 0 when it holds none
    int lastDrawNo = 0;
    int complete = 0;    // rows with all the game's digits
    int incomplete = 0;  // rows with a digit missing
    int holes = 0;       // draw numbers between first and last without a row
};

RangeCoverage CoverRange(const DrawHistory& history, DrawRange range, const Game& game = kNumbers3);

// True for a row a window may count at all: a draw number in 1..kMaxDrawNo
// inside the range.
inline bool InRange(const Draw& draw, DrawRange range) {
    return draw.drawNo >= 1 && draw.drawNo <= kMaxDrawNo && range.contains(draw.drawNo);
}

// "対象：第1回～第7053回（数字のそろった回 7,053 回）", with what was left out:
// "数字の欠けた回 2 回と欠番 3 回は数えていません".
std::string CoverageLine(const RangeCoverage& coverage);

}  // namespace n3
