#include "windows/window_placement.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace n3 {

std::string FormatPlacement(const WindowPlacement& p) {
    return std::to_string(p.rect.x) + "," + std::to_string(p.rect.y) + "," + std::to_string(p.rect.width) + "," +
           std::to_string(p.rect.height) + "," + (p.maximised ? "1" : "0");
}

std::optional<WindowPlacement> ParsePlacement(std::string_view text) {
    int values[5] = {};
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 5; ++i) {
        if (i > 0) {
            if (at == end || *at != ',') return std::nullopt;
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc() || next == at) return std::nullopt;
        at = next;
    }
    if (at != end) return std::nullopt;
    constexpr int kMin = 100, kMax = 100000;
    if (values[2] < kMin || values[3] < kMin || values[2] > kMax || values[3] > kMax) return std::nullopt;
    if (values[0] < -kMax || values[0] > kMax || values[1] < -kMax || values[1] > kMax) return std::nullopt;
    if (values[4] != 0 && values[4] != 1) return std::nullopt;
    return WindowPlacement{{values[0], values[1], values[2], values[3]}, values[4] == 1};
}

ScreenRect FitInto(ScreenRect window, const ScreenRect& area) {
    window.width = std::clamp(window.width, 1, std::max(area.width, 1));
    window.height = std::clamp(window.height, 1, std::max(area.height, 1));
    window.x = std::clamp(window.x, area.x, std::max(area.x, area.x + area.width - window.width));
    window.y = std::clamp(window.y, area.y, std::max(area.y, area.y + area.height - window.height));
    return window;
}

std::vector<ScreenRect> CascadePlaces(const std::vector<ScreenRect>& sizes, const ScreenRect& area, int step) {
    std::vector<ScreenRect> places;
    int offset = 0;
    for (const ScreenRect& size : sizes) {
        ScreenRect place{area.x + offset, area.y + offset, std::min(size.width, area.width),
                         std::min(size.height, area.height)};
        if (offset > 0 &&
            (place.x + place.width > area.x + area.width || place.y + place.height > area.y + area.height)) {
            offset = 0;
            place.x = area.x;
            place.y = area.y;
        }
        places.push_back(FitInto(place, area));
        offset += step;
    }
    return places;
}

std::vector<ScreenRect> TilePlaces(int count, const ScreenRect& area, bool oneAboveTheOther, int smallest) {
    if (count <= 0) return {};
    const int length = oneAboveTheOther ? area.height : area.width;
    int rows = oneAboveTheOther ? count : 1, columns = oneAboveTheOther ? 1 : count;
    if (length / count < smallest) {
        // A grid as near square as the count allows, longer the way asked.
        const int longer = int(std::ceil(std::sqrt(double(count))));
        const int shorter = (count + longer - 1) / longer;
        rows = oneAboveTheOther ? longer : shorter;
        columns = oneAboveTheOther ? shorter : longer;
        // Rows that would stay empty go.
        rows = (count + columns - 1) / columns;
    }
    std::vector<ScreenRect> places;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns, column = i % columns;
        const int inRow = std::min(columns, count - row * columns);
        const int top = area.height * row / rows, bottom = area.height * (row + 1) / rows;
        const int left = area.width * column / inRow, right = area.width * (column + 1) / inRow;
        places.push_back({area.x + left, area.y + top, right - left, bottom - top});
    }
    return places;
}

}  // namespace n3
