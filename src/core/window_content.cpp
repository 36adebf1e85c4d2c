#include "core/window_content.h"

namespace n3 {

std::vector<std::string> GridTabCaptions(const WindowContent& content) {
    if (content.chartsUnderGrids) return {};
    std::vector<std::string> captions;
    for (const ContentView& view : content.views)
        if (view.grid) captions.push_back(view.caption.empty() && captions.empty() ? "表" : view.caption);
    if (captions.size() < 2) captions.clear();
    return captions;
}

}  // namespace n3
