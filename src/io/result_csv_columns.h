#pragma once
// The columns of a history file that carry results beyond the digits, told
// by the names in its header line (compared after NormaliseField, so
// "セット（ストレート）" and "セット(ストレート)" are one name):
//   draw date:     抽せん日 抽選日 日付 開催日 draw_date
//   per prize:     the prize's name, an optional "_", then
//                  口数 当せん口数 当選口数 (winning units) or
//                  当選金額 当せん金額 金額 賞金 当選金 当せん金 (yen per unit)
//   prize names:   ストレート, ボックス, セット(ストレート) セットS
//                  セットストレート, セット(ボックス) セットB セットボックス, ミニ
// e.g. ストレート口数, ストレート_口数, ストレート当選金額, ストレート賞金,
// ストレート_金額, セットS口数.
// A date field without any digit ("-", "不明") or without a year ("8/20")
// reads as an unknown date; any other date that is no real day is refused.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/draw_result.h"

namespace n3 {

struct ResultColumns {
    std::optional<std::size_t> date;
    std::string dateName;
    std::array<std::optional<std::size_t>, kPrizeKindCount> winners;
    std::array<std::optional<std::size_t>, kPrizeKindCount> yen;
    std::array<std::string, kPrizeKindCount> winnersNames;
    std::array<std::string, kPrizeKindCount> yenNames;

    // The file carries a date or a figure of some prize.
    bool any() const;
};

struct ResultColumnsResult {
    ResultColumns columns;
    std::string reason;  // Japanese, when a role is named twice
    bool ok() const { return reason.empty(); }
};

ResultColumnsResult RecogniseResultColumns(const std::vector<std::string>& header);

// Reads the result columns of one data row (normalising each field) into
// result. Returns the reason when a field cannot be read.
std::optional<std::string> ReadResultFields(const std::vector<std::string>& fields, const ResultColumns& columns,
                                            DrawResult& result);

}  // namespace n3
