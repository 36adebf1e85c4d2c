#pragma once
// "The last N draws" as a range of draw numbers.
#include "core/window_content.h"

namespace n3 {

// The range of the last `count` complete draws of the history (all of them
// when there are fewer); an empty history gives the open range.
DrawRange LastDrawsRange(const DrawHistory& history, int count);

}  // namespace n3
