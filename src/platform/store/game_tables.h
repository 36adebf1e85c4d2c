#pragma once
// Where each game's draws and results live in the one database file. The
// first game keeps the tables it has always had (当選データ, 当選結果,
// read through the view 全データ選択クエリ); every other game has tables of
// the same shape named after it (ナンバーズ4当選データ, ナンバーズ4当選結果)
// with one digit column a position.
#include <string>
#include <string_view>

#include "core/game.h"

namespace n3 {

struct GameTables {
    const Game* game;
    const char* draws;    // 回数 and one column a digit
    const char* results;  // the prizes of each draw, as 当選結果
    // The whole history ascending by 回数: through the view 全データ選択クエリ
    // for the first game, from the table for the others.
    const char* historyQuery;
};

// The tables of `game`.
const GameTables& TablesOf(const Game& game);

// "第1数字, 第2数字, 第3数字": the game's digit columns in order.
std::string DigitColumns(const Game& game);
// "第N数字" (position 0..digits-1).
std::string DigitColumn(int position);

// A statement written for the first game's tables, naming the game's
// tables instead (当選データ → its draws table, 当選結果 → its results
// table). The first game's statement comes back unchanged.
std::string InGameTables(std::string_view sql, const Game& game);

}  // namespace n3
