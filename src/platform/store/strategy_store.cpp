#include "platform/store/strategy_store.h"

#include <sqlite3.h>

#include <algorithm>

#include "lab/strategy_rules.h"
#include "platform/store/sql_statement.h"
#include "platform/store/store_error.h"

namespace n3 {

const char* const kStrategyTableSql = R"sql(
CREATE TABLE IF NOT EXISTS 買い方 (
  id       INTEGER PRIMARY KEY,
  名前     TEXT NOT NULL DEFAULT '' CHECK (typeof(名前) = 'text' AND length(名前) <= 100),
  規則     TEXT NOT NULL CHECK (規則 IN ('fixed', 'last', 'hot', 'cold', 'overdue', 'sum', 'prediction')),
  直近回数 INTEGER NOT NULL CHECK (typeof(直近回数) = 'integer' AND 直近回数 BETWEEN 1 AND 32767),
  個数     INTEGER NOT NULL CHECK (typeof(個数) = 'integer' AND 個数 BETWEEN 1 AND 100),
  数字     TEXT NOT NULL DEFAULT '' CHECK (typeof(数字) = 'text' AND length(数字) <= 400
              AND 数字 NOT GLOB '*[^0-9,]*'),
  合計下限 INTEGER NOT NULL CHECK (typeof(合計下限) = 'integer' AND 合計下限 BETWEEN 0 AND 27),
  合計上限 INTEGER NOT NULL CHECK (typeof(合計上限) = 'integer' AND 合計上限 BETWEEN 合計下限 AND 27),
  種類     TEXT NOT NULL CHECK (種類 IN ('ストレート', 'ボックス', 'セット', 'ミニ')),
  口数     INTEGER NOT NULL CHECK (typeof(口数) = 'integer' AND 口数 BETWEEN 1 AND 99)
);
)sql";

namespace {

constexpr std::string_view kConstraint = "買い方の値が正しくありません";

class Statement : public SqlStatement {
public:
    Statement(sqlite3* db, const char* sql) : SqlStatement(db, sql, kConstraint) {}
};

void Check(const Strategy& s) {
    if (std::string why = StrategyError(s); !why.empty()) throw StoreError(why);
    // Characters as SQLite counts them: every byte that starts one.
    const auto chars = std::count_if(s.name.begin(), s.name.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
    if (chars > kMaxStrategyNameChars)
        throw StoreError("買い方の名前が長すぎます（" + std::to_string(kMaxStrategyNameChars) + " 文字まで）。");
}

// Binds the nine columns from index 1 on.
void Bind(Statement& q, const Strategy& s) {
    q.bind(1, s.name);
    q.bind(2, std::string(kStrategyRuleWords[std::size_t(s.rule)]));
    q.bind(3, std::int64_t(s.n));
    q.bind(4, std::int64_t(s.k));
    q.bind(5, s.rule == StrategyRule::Fixed ? NumberListText(s) : std::string());
    q.bind(6, std::int64_t(s.sumLow));
    q.bind(7, std::int64_t(s.sumHigh));
    q.bind(8, std::string(kTicketKindCaptions[std::size_t(s.kind)]));
    q.bind(9, std::int64_t(s.units));
}

}  // namespace

std::vector<Strategy> StrategyStore::ReadAll() const {
    const auto refuse = [this](const std::string& why) {
        const char* file = sqlite3_db_filename(db_, "main");
        return StoreError("データベースファイル「" + std::string(file ? file : "") +
                          "」の表「買い方」を読み込めません。\n理由：" + why + "\nデータベースは変更していません。");
    };
    {
        Statement count(db_, "SELECT count(*) FROM (SELECT 1 FROM 買い方 LIMIT ?)");
        count.bind(1, std::int64_t(kMaxStrategies + 1));
        if (count.step() && count.integer(0) > kMaxStrategies)
            throw refuse("買い方が " + std::to_string(kMaxStrategies) + " 件を超えています（このプログラムは " +
                         std::to_string(kMaxStrategies) + " 件まで扱います）");
    }
    std::vector<Strategy> out;
    // Each text is read only up to one character past its bound, so that a
    // huge value costs nothing before it is refused.
    Statement q(
        db_,
        "SELECT id, substr(名前, 1, 101), 規則, 直近回数, 個数, substr(数字, 1, 401), 合計下限, 合計上限, 種類, 口数, "
        "length(CAST(名前 AS TEXT)) > 100 OR length(CAST(数字 AS TEXT)) > 400 OR length(CAST(規則 AS TEXT)) > 20 "
        "OR length(CAST(種類 AS TEXT)) > 20 FROM 買い方 ORDER BY id LIMIT ?");
    q.bind(1, std::int64_t(kMaxStrategies));
    while (q.step()) {
        if (q.integer(10) != 0)
            throw refuse("id " + std::to_string(q.integer(0)) + " の行の文字が長すぎます（名前は " +
                         std::to_string(kMaxStrategyNameChars) + " 文字まで）");
        Strategy s;
        s.id = q.integer(0);
        s.name = q.text(1);
        s.rule = ParseStrategyRule(q.text(2)).value_or(StrategyRule::Fixed);
        s.n = int(q.integer(3));
        s.k = int(q.integer(4));
        s.numbers = ParseNumberList(q.text(5)).value_or(std::vector<int>{});
        s.sumLow = int(q.integer(6));
        s.sumHigh = int(q.integer(7));
        s.kind = ParseTicketKind(q.text(8)).value_or(TicketKind::Straight);
        s.units = int(q.integer(9));
        out.push_back(std::move(s));
    }
    return out;
}

std::int64_t StrategyStore::Add(const Strategy& s) {
    Check(s);
    // The count and the row in one statement: two programs adding at once
    // cannot pass the bound together.
    Statement ins(db_,
                  "INSERT INTO 買い方 (名前, 規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数) "
                  "SELECT ?, ?, ?, ?, ?, ?, ?, ?, ? WHERE (SELECT count(*) FROM 買い方) < ?");
    Bind(ins, s);
    ins.bind(10, std::int64_t(kMaxStrategies));
    ins.step();
    if (sqlite3_changes(db_) == 0)
        throw StoreError("買い方は " + std::to_string(kMaxStrategies) +
                         " 件まで保存できます。使わない買い方を削除してから追加してください。");
    return sqlite3_last_insert_rowid(db_);
}

void StrategyStore::Update(const Strategy& s) {
    Check(s);
    Statement up(db_,
                 "UPDATE 買い方 SET 名前 = ?, 規則 = ?, 直近回数 = ?, 個数 = ?, 数字 = ?, 合計下限 = ?, "
                 "合計上限 = ?, 種類 = ?, 口数 = ? WHERE id = ?");
    Bind(up, s);
    up.bind(10, s.id);
    up.step();
}

void StrategyStore::Remove(std::int64_t id) {
    Statement del(db_, "DELETE FROM 買い方 WHERE id = ?");
    del.bind(1, id);
    del.step();
}

}  // namespace n3
