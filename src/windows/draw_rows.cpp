#include "windows/draw_rows.h"

#include <array>

namespace n3 {

bool RowsAreDrawsOldestFirst(std::string_view className) {
    // 当選結果一覧 lists the newest first and opens at its top as it is.
    static constexpr std::array<std::string_view, 15> kNames = {
        "出現間隔分析",
        "数字間隔分析",
        "出現回数分析",
        "バラツキ分析",
        "引っ張り分析",
        "連番飛び石分析",
        "数字合計分析",
        "低数字高数字の組合せパターン分析",
        "偶数奇数の組合せパターン分析",
        "分割5傾向分析",
        "分割3データ分析",
        "分割5データ分析",
        "分割10データ分析",
        "下一桁出現傾向分析",
        "下一桁連続出現回数分析",
    };
    for (std::string_view name : kNames)
        if (name == className) return true;
    return false;
}

}  // namespace n3

namespace n3 {

bool RowsAreDraws(std::string_view className) {
    return RowsAreDrawsOldestFirst(className) || className == "当選結果一覧";
}

bool OpensAtLastRows(std::string_view className) {
    return RowsAreDrawsOldestFirst(className) || className == "出現頻度分析";
}

}  // namespace n3
