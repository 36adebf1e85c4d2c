#pragma once
// The members a window adds to `show --format json` beside its grids: the
// JSON shape of what the window computed (its content's details).
#include <string>

#include "core/window_content.h"

namespace n3 {

// JSON text without the outer braces (e.g. "\"tests\": [...]"); empty when
// the window has nothing beyond its grid.
std::string WindowJsonMembers(const WindowContent& content);

}  // namespace n3
