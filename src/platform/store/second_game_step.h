#pragma once
// Schema version 7: ナンバーズ4 beside ナンバーズ3 in the same file.
//   ナンバーズ4当選データ  回数 and 第1数字〜第4数字, as 当選データ
//   ナンバーズ4当選結果    the prizes of each ナンバーズ4 draw, as 当選結果
//                          (no ミニ: its columns stay empty)
//   購入記録.ゲーム        3 or 4: the game a purchase was made for; every
//                          row stored before is a ナンバーズ3 purchase
// The book's table is rebuilt so that its checks follow the game: four
// digits for ナンバーズ4, ミニ for ナンバーズ3 only, no box or set for a
// number of all-alike digits. Every ナンバーズ3 table and value stays as it is.
namespace n3 {

inline constexpr int kSecondGameVersion = 7;

// The step's SQL, run inside the upgrade's transaction.
const char* SecondGameSql();

}  // namespace n3
