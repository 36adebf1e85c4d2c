#include "platform/store/strategy_store.h"

#include <sqlite3.h>

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
    if (s.name.size() > 100) throw StoreError("買い方の名前が長すぎます。");
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
    q.bind(8, std::string(kStrategyKindCaptions[std::size_t(s.kind)]));
    q.bind(9, std::int64_t(s.units));
}

}  // namespace

std::vector<Strategy> StrategyStore::ReadAll() const {
    std::vector<Strategy> out;
    Statement q(db_,
                "SELECT id, 名前, 規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数 FROM 買い方 ORDER BY id");
    while (q.step()) {
        Strategy s;
        s.id = q.integer(0);
        s.name = q.text(1);
        s.rule = ParseStrategyRule(q.text(2)).value_or(StrategyRule::Fixed);
        s.n = int(q.integer(3));
        s.k = int(q.integer(4));
        s.numbers = ParseNumberList(q.text(5)).value_or(std::vector<int>{});
        s.sumLow = int(q.integer(6));
        s.sumHigh = int(q.integer(7));
        s.kind = ParseStrategyKind(q.text(8)).value_or(StrategyKind::Straight);
        s.units = int(q.integer(9));
        out.push_back(std::move(s));
    }
    return out;
}

std::int64_t StrategyStore::Add(const Strategy& s) {
    Check(s);
    Statement ins(db_,
                  "INSERT INTO 買い方 (名前, 規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    Bind(ins, s);
    ins.step();
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
