#pragma once
// The history with dates and prizes, in the shape result sites publish:
//   回号,抽せん日,第1数字,第2数字,第3数字,ストレート口数,…,ミニ口数,
//   ストレート当選金額,…,ミニ当選金額
// UTF-8, LF, one draw a line, ascending; an unknown value is an empty
// field. ParseHistoryCsv reads it back to the same draws and results. A game
// of four digits adds 第4数字; a game without ミニ has no ミニ columns.
#include <string>
#include <string_view>

#include "core/draw.h"
#include "core/draw_result.h"

namespace n3 {

inline constexpr std::string_view kResultsCsvHeader =
    "回号,抽せん日,第1数字,第2数字,第3数字,ストレート口数,ボックス口数,セット（ストレート）口数,"
    "セット（ボックス）口数,ミニ口数,ストレート当選金額,ボックス当選金額,セット（ストレート）当選金額,"
    "セット（ボックス）当選金額,ミニ当選金額";

std::string WriteResultsCsv(const DrawHistory& history, const ResultHistory& results, const Game& game = kNumbers3);

// The header line for the game (kResultsCsvHeader for ナンバーズ3).
std::string ResultsCsvHeader(const Game& game);

}  // namespace n3
