#pragma once
// Where windows go on the screen: the main window's remembered place (a
// line of the settings file), and fitting a window into the area it is
// shown in so that no part of it is out of reach.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace n3 {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct WindowPlacement {
    ScreenRect rect;  // the window's normal (not maximised) place
    bool maximised = false;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// "x,y,width,height,maximised" with maximised 0 or 1.
std::string FormatPlacement(const WindowPlacement& placement);
// nullopt for anything that is not exactly that shape, or a size below
// 100 x 100 or above 100000: an unreadable value is ignored.
std::optional<WindowPlacement> ParsePlacement(std::string_view text);

// The window made no larger than the area and moved (as little as
// possible) so that it lies wholly inside it.
ScreenRect FitInto(ScreenRect window, const ScreenRect& area);

// Cascade: each window keeps its own size (no larger than the area) and
// sits `step` pixels right of and below the one before; a window that
// would reach past the area starts again at the area's top-left corner.
std::vector<ScreenRect> CascadePlaces(const std::vector<ScreenRect>& sizes, const ScreenRect& area, int step);

// 上下に並べて表示 (oneAboveTheOther) and 左右に並べて表示: `count` strips
// filling the area while each stays at least `smallest` tall (or wide);
// more windows than that go into a grid of rows and columns instead, row by
// row, the windows of a shorter last row sharing its width.
std::vector<ScreenRect> TilePlaces(int count, const ScreenRect& area, bool oneAboveTheOther, int smallest);

}  // namespace n3
