#pragma once
// 予想の検証: the window that tests every prediction method against the
// history, built through the analysis frame from the history, the results,
// the option flags and a range of targets.
#include "core/window_content.h"

namespace n3 {

class 予想の検証 {
public:
    // The grid, the chart of cumulative hits and the figures (details).
    static WindowContent Content(const WindowInput& input);
};

}  // namespace n3
