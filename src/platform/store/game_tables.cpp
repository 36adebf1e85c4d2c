#include "platform/store/game_tables.h"

#include <array>

namespace n3 {

namespace {

constexpr std::array<GameTables, 2> kTables = {{
    {&kNumbers3, "当選データ", "当選結果", "select * from 全データ選択クエリ order by 回数"},
    {&kNumbers4, "ナンバーズ4当選データ", "ナンバーズ4当選結果",
     "SELECT 回数, 第1数字, 第2数字, 第3数字, 第4数字 FROM ナンバーズ4当選データ ORDER BY 回数"},
}};
static_assert(kTables.size() == kGames.size(), "every game has its tables");

constexpr std::string_view kFirstDraws = "当選データ";
constexpr std::string_view kFirstResults = "当選結果";

}  // namespace

const GameTables& TablesOf(const Game& game) {
    for (const GameTables& tables : kTables)
        if (tables.game->id == game.id) return tables;
    return kTables.front();
}

std::string DigitColumn(int position) { return "第" + std::to_string(position + 1) + "数字"; }

std::string DigitColumns(const Game& game) {
    std::string columns;
    for (int i = 0; i < game.digits; ++i) columns += (i ? ", " : "") + DigitColumn(i);
    return columns;
}

std::string InGameTables(std::string_view sql, const Game& game) {
    const GameTables& tables = TablesOf(game);
    std::string out;
    out.reserve(sql.size() + 64);
    std::size_t i = 0;
    while (i < sql.size()) {
        if (sql.substr(i).starts_with(kFirstDraws)) {
            out += tables.draws;
            i += kFirstDraws.size();
        } else if (sql.substr(i).starts_with(kFirstResults)) {
            out += tables.results;
            i += kFirstResults.size();
        } else {
            out += sql[i++];
        }
    }
    return out;
}

}  // namespace n3
