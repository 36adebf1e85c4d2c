#pragma once
// The per-draw result file the lottery's bank publishes: no header row, one
// block a draw (Shift_JIS on disk; decoded before it comes here):
//   A50
//   第7073回ナンバーズ,数字選択式全国自治宝くじ,令和8年9月17日,東京 宝くじドリーム館
//   支払期間,令和8年9月18日から令和9年9月17日まで
//   ナンバーズ３抽せん数字,188
//   ストレート,188,62口,87100円
//   ボックス,253口,29000円
//   セット（ストレート）,162口,58000円
//   セット（ボックス）,419口,14500円
//   ミニ,下２ケタ,468口,8700円
//   ナンバーズ４抽せん数字,6916
//   ストレート,6916,7口,1050600円
//   ボックス,…  セット（ストレート）,…  セット（ボックス）,…
// A file may hold one block or many. A prize line ends with its units and
// its yen; "該当なし" stands for both or either. Each game's part starts at
// its label (「ナンバーズ３抽せん数字」, 「ナンバーズ４抽せん数字」); prize lines
// before any label are ナンバーズ3's. A game's reading skips the other
// game's part.
#include <string_view>

#include "io/history_csv.h"

namespace n3 {

// The decoded text starts like such a file (a line "A<digits>" or a
// "第N回ナンバーズ" line first).
bool LooksLikeBankResultFile(std::string_view utf8);

// All or nothing, like ParseHistoryCsv: the game's draws and their results,
// or the first line of its part that cannot be read.
CsvParseResult ParseBankResultFile(std::string_view utf8, const Game& game = kNumbers3);

}  // namespace n3
