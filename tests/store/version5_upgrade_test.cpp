// A file of version 5 (draws, results, tickets, strategies) opened by this
// version: a copy first, the new columns added with nothing lost, and the
// shipped results filled in with the file's own differing values kept.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "cli_run.h"
#include "platform/store/database.h"
#include "platform/store/result_store.h"
#include "platform/store/schema.h"
#include "raw_sqlite.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

using namespace n3;
using n3::testing::RawExec;
using n3::testing::RawValue;
using n3::testing::TempDir;

namespace {

// Version 1's layout, then every step up to version 5, then the user's rows.
std::string Version5File(const TempDir& dir) {
    const std::string path = dir.file("v5.db");
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
        if (step.toVersion <= 5) sql += step.sql;
    sql += R"sql(
INSERT INTO 当選データ VALUES (7050, 9, 1, 9), (7051, 4, 0, 9), (7052, 8, 7, 2), (7053, 9, 1, 9), (7054, 1, 2, 3);
INSERT INTO 当選結果 (回数, 抽せん日, ストレート口数, ストレート当せん金額) VALUES
  (7050, '2026-08-17', 70, 88500), (7051, '2026-08-18', 60, 90000);
INSERT INTO 購入記録 (購入日, 最初の回数, 継続回数, 番号, 種類, 口数, メモ) VALUES
  ('2026-08-17', 7050, 4, '919', 'ストレート', 2, 'いつもの');
INSERT INTO 買い方 (名前, 規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数) VALUES
  ('いつも123', 'fixed', 100, 1, '123', 0, 27, 'ストレート', 1);
PRAGMA user_version = 5;
)sql";
    EXPECT_EQ(RawExec(path, sql), SQLITE_OK);
    return path;
}

DrawResult Shipped(int drawNo, std::string date, std::int64_t straightYen) {
    DrawResult r;
    r.drawNo = drawNo;
    r.date = std::move(date);
    r.prize(PrizeKind::Straight).yen = straightYen;
    return r;
}

}  // namespace

TEST(Version5Upgrade, KeepsEveryValueAndAddsTheNewColumnsAfterACopy) {
    TempDir dir;
    const std::string path = Version5File(dir);
    auto db = Database::Open(path, false);
    EXPECT_EQ(db->draws().upgradedFrom(), 5);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    ASSERT_TRUE(std::filesystem::exists(SchemaBackupPath(path, 5)));
    EXPECT_EQ(RawValue(SchemaBackupPath(path, 5), "PRAGMA user_version"), "5");

    const auto book = db->tickets().ReadAll();
    ASSERT_EQ(book.size(), 1u);
    EXPECT_EQ(book[0].番号, "919");
    EXPECT_EQ(book[0].口数, 2);
    EXPECT_EQ(book[0].メモ, "いつもの");
    EXPECT_FALSE(book[0].受け取り済み);
    const auto strategies = db->strategies().ReadAll();
    ASSERT_EQ(strategies.size(), 1u);
    EXPECT_EQ(strategies[0].name, "いつも123");

    const HistorySnapshot s = db->ReadSnapshot();
    EXPECT_EQ(s.history.size(), 5u);
    const DrawResult* r = FindResult(s.results, 7050);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->date, "2026-08-17");
    EXPECT_FALSE(r->dateEstimated);
    EXPECT_EQ(r->prize(PrizeKind::Straight).yen, 88500);
    EXPECT_TRUE(r->claimDeadline.empty());

    // A second open finds the newest version: no second upgrade.
    db.reset();
    EXPECT_EQ(Database::Open(path, false)->draws().upgradedFrom(), 0);
}

TEST(Version5Upgrade, FillInAddsWhatIsMissingAndReportsWhatDiffers) {
    TempDir dir;
    const std::string path = Version5File(dir);
    auto db = Database::Open(path, false);
    const std::vector<Draw> draws = {Draw{7050, {9, 1, 9}}, Draw{7051, {4, 0, 9}}, Draw{7052, {8, 7, 2}},
                                     Draw{7053, {9, 1, 9}}, Draw{7054, {5, 5, 5}}};
    const ResultHistory shipped = {Shipped(7050, "2026-08-17", 88500), Shipped(7051, "2026-08-18", 93000),
                                   Shipped(7052, "2026-08-19", 111200), Shipped(7053, "2026-08-20", 88500),
                                   Shipped(7054, "2026-08-21", 70000)};
    const ResultImport outcome = FillInResults(db->draws(), draws, shipped);
    // 7052 and 7053 are new; 7054 was drawn with other digits here: left alone.
    EXPECT_EQ(outcome.results, 2);
    ASSERT_EQ(outcome.differences.size(), 1u);
    EXPECT_EQ(outcome.differences[0].drawNo, 7051);
    EXPECT_EQ(outcome.differences[0].stored, "90,000円");

    const HistorySnapshot s = db->ReadSnapshot();
    EXPECT_EQ(FindResult(s.results, 7051)->prize(PrizeKind::Straight).yen, 90000);  // the user's value
    EXPECT_EQ(FindResult(s.results, 7053)->prize(PrizeKind::Straight).yen, 88500);
    // 7054 (the user's own draw) gets the schedule's date, not the shipped one.
    const DrawResult* typed = FindResult(s.results, 7054);
    ASSERT_NE(typed, nullptr);
    EXPECT_EQ(typed->date, "2026-08-21");
    EXPECT_TRUE(typed->dateEstimated);
    EXPECT_FALSE(typed->prize(PrizeKind::Straight).yen.has_value());
    EXPECT_EQ(db->tickets().ReadAll().size(), 1u);
}

TEST(EstimatedDates, ATypedDrawGetsOneAndAPublishedDateReplacesIt) {
    TempDir dir;
    const std::string path = Version5File(dir);
    auto db = Database::Open(path, false);
    const int added = db->draws().InsertDraw();
    EXPECT_EQ(added, 7055);
    HistorySnapshot s = db->ReadSnapshot();
    // 7051 is the newest published date: 7052 Wed, 7053 Thu, 7054 Fri, 7055 Mon.
    ASSERT_NE(FindResult(s.results, 7055), nullptr);
    EXPECT_EQ(FindResult(s.results, 7055)->date, "2026-08-24");
    EXPECT_TRUE(FindResult(s.results, 7055)->dateEstimated);
    EXPECT_EQ(RawValue(path, "SELECT 抽せん日推定 FROM 当選結果 WHERE 回数 = 7055"), "1");

    DrawResult typed = *FindResult(s.results, 7053);
    typed.date = "2026-08-21";
    typed.dateEstimated = false;
    StoreResult(db->draws(), typed);
    s = db->ReadSnapshot();
    EXPECT_FALSE(FindResult(s.results, 7053)->dateEstimated);
    // Counted on from the new published date.
    EXPECT_EQ(FindResult(s.results, 7054)->date, "2026-08-24");
    EXPECT_EQ(FindResult(s.results, 7055)->date, "2026-08-25");
}

TEST(Version5Upgrade, TheCommandLineOpeningFirstFillsInTheShippedResultsAndSaysSoOnce) {
    TempDir dir;
    const std::string path = Version5File(dir);
    const auto first = n3::testing::Cli("--db " + path + " stats", "2>&1 >/dev/null");
    EXPECT_EQ(first.status, 0) << first.out;
    EXPECT_NE(first.out.find("同梱の当選結果で"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("第7051回 ストレート 当せん金額"), std::string::npos) << first.out;
    EXPECT_EQ(RawValue(path, "SELECT ストレート当せん金額 FROM 当選結果 WHERE 回数 = 7053"), "88500");
    const auto again = n3::testing::Cli("--db " + path + " stats", "2>&1 >/dev/null");
    EXPECT_EQ(again.out, "");
}

TEST(Version5Upgrade, AFileWhoseTablesDoNotFitIsRefusedInPlainJapanese) {
    TempDir dir;
    const std::string path = Version5File(dir);
    // Another tool added the column version 6 adds.
    ASSERT_EQ(RawExec(path, "ALTER TABLE 当選結果 ADD COLUMN 抽せん日推定 INTEGER"), SQLITE_OK);
    try {
        Database::Open(path, false);
        ADD_FAILURE() << "opened";
    } catch (const StoreError& e) {
        const std::string why = e.what();
        EXPECT_EQ(why.find("duplicate"), std::string::npos) << why;
        EXPECT_NE(why.find("表の形が形式 5 のものと違います"), std::string::npos) << why;
    }
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), "5");
}
