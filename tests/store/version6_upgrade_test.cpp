// A file of version 6 (ナンバーズ3 alone) opened by this version: a copy
// first, every ナンバーズ3 table and value as it was, its purchases read as
// ナンバーズ3, and empty ナンバーズ4 tables ready beside them.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "platform/store/database.h"
#include "platform/store/schema.h"
#include "raw_sqlite.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

using namespace n3;
using n3::testing::RawExec;
using n3::testing::RawValue;
using n3::testing::TempDir;

namespace {

std::string Version6File(const TempDir& dir) {
    const std::string path = dir.file("v6.db");
    std::string sql = R"sql(
CREATE TABLE 当選データ (
  回数    INTEGER PRIMARY KEY CHECK (回数 BETWEEN 1 AND 32767),
  第1数字 INTEGER CHECK (第1数字 IS NULL OR (typeof(第1数字) = 'integer' AND 第1数字 BETWEEN 0 AND 9)),
  第2数字 INTEGER CHECK (第2数字 IS NULL OR (typeof(第2数字) = 'integer' AND 第2数字 BETWEEN 0 AND 9)),
  第3数字 INTEGER CHECK (第3数字 IS NULL OR (typeof(第3数字) = 'integer' AND 第3数字 BETWEEN 0 AND 9))
);
CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ;
)sql";
    for (const SchemaStep& step : SchemaSteps())
        if (step.toVersion <= 6) sql += step.sql;
    sql += R"sql(
INSERT INTO 当選データ VALUES (7050, 9, 1, 9), (7051, 4, 0, 9), (7052, 8, NULL, 2);
INSERT INTO 当選結果 (回数, 抽せん日, ストレート口数, ストレート当せん金額, ミニ当せん金額, 抽せん日推定, 支払期限) VALUES
  (7050, '2026-08-17', 70, 88500, 8800, 0, '2027-08-17'), (7052, '2026-08-19', NULL, NULL, NULL, 1, NULL);
INSERT INTO 購入記録 (購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ, 受け取り済み) VALUES
  ('2026-08-17', 7050, 4, '919', 'ストレート', 2, 'いつもの', 1), ('2026-08-17', 7050, 1, '19', 'ミニ', 1, '', 0);
INSERT INTO 買い方 (名前, 規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数) VALUES
  ('いつも123', 'fixed', 100, 1, '123', 0, 27, 'ストレート', 1);
PRAGMA user_version = 6;
)sql";
    EXPECT_EQ(RawExec(path, sql), SQLITE_OK);
    return path;
}

// The columns of every row of a table, in key order, as one text.
std::string Rows(const std::string& path, const std::string& table, std::initializer_list<const char*> columns) {
    std::string row;
    for (const char* column : columns)
        row += (row.empty() ? "quote(" : " || ',' || quote(") + std::string(column) + ")";
    return RawValue(path, "SELECT group_concat(" + row + ", ';') FROM (SELECT * FROM " + table + " ORDER BY 1)");
}

constexpr auto kDrawColumns = {"回数", "第1数字", "第2数字", "第3数字"};
constexpr auto kResultColumns = {"回数",           "抽せん日",     "ストレート口数", "ストレート当せん金額",
                                 "ミニ当せん金額", "抽せん日推定", "支払期限"};

}  // namespace

TEST(Version6Upgrade, KeepsEveryNumbers3ValueAndAddsTheSecondGameAfterACopy) {
    TempDir dir;
    const std::string path = Version6File(dir);
    const std::string draws = Rows(path, "当選データ", kDrawColumns);
    const std::string results = Rows(path, "当選結果", kResultColumns);
    const std::string strategies = Rows(path, "買い方", {"名前", "数字"});
    ASSERT_FALSE(draws.empty());

    auto db = Database::Open(path, false);
    EXPECT_EQ(db->draws().upgradedFrom(), 6);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    EXPECT_EQ(RawValue(SchemaBackupPath(path, 6), "PRAGMA user_version"), "6");
    EXPECT_EQ(Rows(path, "当選データ", kDrawColumns), draws);
    EXPECT_EQ(Rows(path, "当選結果", kResultColumns), results);
    EXPECT_EQ(Rows(path, "買い方", {"名前", "数字"}), strategies);

    const auto book = db->tickets().ReadAll();
    ASSERT_EQ(book.size(), 2u);
    EXPECT_EQ(book[0].番号, "919");
    EXPECT_TRUE(book[0].受け取り済み);
    EXPECT_EQ(book[0].メモ, "いつもの");
    EXPECT_EQ(book[1].種類, TicketKind::Mini);
    for (const Purchase& p : book) EXPECT_EQ(p.game, &kNumbers3);

    EXPECT_EQ(db->ReadSnapshot().history.size(), 3u);
    const HistorySnapshot four = db->ReadSnapshot(kNumbers4);
    EXPECT_EQ(four.game, &kNumbers4);
    EXPECT_TRUE(four.history.empty());
    EXPECT_TRUE(four.results.empty());
}
