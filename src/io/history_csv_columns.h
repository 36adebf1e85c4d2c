#pragma once
// Which fields of a history file hold the draw number and the digits, told
// by the names in its header line (compared after NormaliseField, so
// full-width letters and digits count as their ASCII forms):
//   draw number:             回数 回号 回 回別 開催回 抽せん回 抽選回 実施回
//                            No draw_number
//   the three digits in one: 当せん番号 当選番号 当せん数字 当選数字
//                            抽せん番号 抽選番号 抽せん数字 抽選数字
//                            当たり番号 当り番号 ナンバーズ3
//                            ナンバーズ3当せん番号 ナンバーズ3当選番号
//                            ナンバーズ3抽せん数字 winning_number
//   or one digit a column:   第1数字 1桁目 百の位 / 第2数字 2桁目 十の位 /
//                            第3数字 3桁目 一の位
// A four-digit history (ナンバーズ4) names 第4数字 or 4桁目 beside the
// first three, or its four digits in one field under ナンバーズ4,
// ナンバーズ4当せん番号, ナンバーズ4当選番号, ナンバーズ4抽せん数字 or
// ナンバーズ4抽選数字.
// Every other column is ignored. A header that names no draw-number column,
// names one role twice, names neither or both digit layouts, or only some
// of the three digit columns, is refused with a reason.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"

namespace n3 {

struct HistoryColumns {
    std::size_t fieldCount = 0;  // fields of the header line
    std::size_t drawNo = 0;
    std::string drawNoName;  // the column's name as the header writes it
    bool oneField = false;   // all the digits in one field ("048")
    int digitCount = 3;      // 3, or 4 for a four-digit history
    // The digit columns; when oneField, only [0] is used.
    std::array<std::size_t, kMaxGameDigits> digits{};
    std::array<std::string, kMaxGameDigits> digitNames;
};

struct HistoryColumnsResult {
    std::optional<HistoryColumns> columns;
    std::string reason;  // Japanese, when columns is empty
};

HistoryColumnsResult RecogniseHistoryColumns(const std::vector<std::string>& header);

// A draw number field without its marks: "第123回" and "123" both give "123".
std::string_view DrawNumberDigits(std::string_view normalisedField);

}  // namespace n3
