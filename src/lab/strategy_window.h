#pragma once
// 買い方の検証: the window that tests the player's own strategies against
// the history, built through the analysis frame from the history, the
// results, the option flags, a range of targets and the strategies.
#include "core/window_content.h"

namespace n3 {

class 買い方の検証 {
public:
    // The grid, the charts of cumulative hits and balance, and the figures
    // (StrategyTestFigures) as the content's details.
    static WindowContent Content(const WindowInput& input);
};

}  // namespace n3
