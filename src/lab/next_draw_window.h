#pragma once
// 次回の抽せん: the card for the next draw as a grid; the card itself is
// the content's details.
#include <string>

#include "lab/next_draw.h"

namespace n3 {

class 次回の抽せん {
public:
    static WindowContent Content(const WindowInput& input);

    static GridModel BuildGrid(const NextDrawCard& card);
    // "平均払戻 約90円（回収率45%）", or "－" without a prize.
    static std::string ReturnText(const KindOdds& kind);
    // The backtest's verdict in one line.
    static std::string VerdictLine(const NextDrawCard& card);
};

}  // namespace n3
