#include "windows/window_placement.h"

#include <algorithm>
#include <charconv>

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

}  // namespace n3
