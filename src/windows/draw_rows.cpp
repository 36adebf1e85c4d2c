#include "windows/draw_rows.h"

#include <charconv>

namespace n3 {

int DrawNoOfRow(const GridModel& grid, int row) {
    if (row <= grid.frozenRows || !grid.contains(1, row)) return 0;
    const std::string text = grid.text(1, row);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

std::vector<int> DrawRowsBetween(const GridModel& grid, int low, int high) {
    std::vector<int> rows;
    for (int r = grid.frozenRows + 1; r <= grid.rows(); ++r) {
        const int drawNo = DrawNoOfRow(grid, r);
        if (drawNo != 0 && drawNo >= low && drawNo <= high) rows.push_back(r);
    }
    return rows;
}

bool TakesDrawRange(const AnalysisWindowInfo& window) { return window.hasRangeControls || ListsDraws(window); }

std::string NoRangeMessage(std::string_view caption) {
    return "「" + std::string(caption) + "」には回の範囲がありません。--from・--to は指定できません。";
}

}  // namespace n3
