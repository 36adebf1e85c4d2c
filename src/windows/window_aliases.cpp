#include "windows/window_aliases.h"

#include "windows/main_commands.h"
#include "windows/window_table.h"

namespace n3 {

std::string CaptionWithoutAccessKey(std::string_view caption) {
    std::string text(caption);
    if (text.size() >= 3 && text.compare(text.size() - 3, 3, "...") == 0) text.resize(text.size() - 3);
    // "(&X)" at the end goes whole; a lone & before a letter goes alone.
    if (const auto open = text.rfind("(&"); open != std::string::npos && text.size() == open + 4 && text.back() == ')')
        text.resize(open);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] != '&') continue;
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // && is a shown &
        out += text[i];
    }
    return out;
}

namespace {

bool FindInMenu(const std::vector<MenuItem>& items, std::string_view name, std::string& window) {
    for (const MenuItem& item : items) {
        if (!item.window.empty() && CaptionWithoutAccessKey(item.caption) == name) {
            window = item.window;
            return true;
        }
        if (FindInMenu(item.children, name, window)) return true;
    }
    return false;
}

}  // namespace

std::string WindowClassForName(std::string_view name) {
    if (FindAnalysisWindow(name)) return std::string(name);
    for (const AnalysisWindowInfo& w : AnalysisWindowTable())
        if (w.caption == name) return std::string(w.className);
    std::string window;
    if (FindInMenu(MenuTree(), name, window)) return window;
    return std::string(name);
}

}  // namespace n3
