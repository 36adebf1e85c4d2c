// windows: the class names of the windows the menus open, one a line in
// menu order; with a menu (its caption, e.g. データ分析, or its name) only
// the windows of that menu. Scripts ask it instead of keeping a list.
#include <sstream>

#include "app/cli/commands.h"
#include "windows/main_commands.h"
#include "windows/window_aliases.h"

namespace n3::cli {

namespace {

void ListWindows(const std::vector<MenuItem>& items, std::ostringstream& out) {
    for (const MenuItem& item : items) {
        if (!item.window.empty()) out << item.window << '\n';
        ListWindows(item.children, out);
    }
}

}  // namespace

int RunWindows(const Arguments& args) {
    const std::vector<MenuItem>* items = &MenuTree();
    if (args.positional.size() > 1) {
        const std::string& asked = args.positional[1];
        const MenuItem* menu = nullptr;
        std::string known;
        for (const MenuItem& item : MenuTree()) {
            if (item.children.empty()) continue;
            const std::string caption = CaptionWithoutAccessKey(item.caption);
            if (asked == item.name || asked == caption) menu = &item;
            known += "「" + caption + "」";
        }
        if (!menu) throw UsageError{"メニュー「" + asked + "」はありません。指定できるメニュー: " + known};
        items = &menu->children;
    }
    std::ostringstream out;
    ListWindows(*items, out);
    return WriteOut(out.str()) ? 0 : 1;
}

}  // namespace n3::cli
