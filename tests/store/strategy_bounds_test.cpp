// The table 買い方 is bounded: at most 100 strategies, names up to 100
// characters. A file past the bound (written by another tool) is refused
// naming the table, without reading more than the bound; adding stops at it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "cli_run.h"
#include "platform/store/database.h"
#include "raw_sqlite.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::RawExec;
using n3::testing::TempDir;

namespace {

Strategy Named(const std::string& name) {
    Strategy s;
    s.name = name;
    s.rule = StrategyRule::Last;
    s.n = 50;
    s.k = 3;
    s.units = 1;
    return s;
}

// `rows` strategies written behind the program's back, by a recursive query.
std::string FileWith(TempDir& dir, int rows) {
    const std::string path = dir.file("d" + std::to_string(rows) + ".db");
    Database::Open(path);
    EXPECT_EQ(
        RawExec(path,
                "PRAGMA synchronous = OFF; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                    std::to_string(rows) +
                    ") INSERT INTO 買い方 (名前, 規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数) "
                    "SELECT 'x' || i, 'last', 50, 3, '', 0, 27, 'ストレート', 1 FROM n"),
        SQLITE_OK);
    return path;
}

class TooManyStrategies : public ::testing::TestWithParam<int> {};

TEST_P(TooManyStrategies, AreRefusedNamingTheTableByTheStoreAndTheCommandLine) {
    TempDir dir;
    const std::string path = FileWith(dir, GetParam());
    std::string message;
    try {
        (void)Database::Open(path, false)->strategies().ReadAll();
    } catch (const StoreError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("表「買い方」を読み込めません"), std::string::npos) << message;
    EXPECT_NE(message.find("100 件を超えています"), std::string::npos) << message;
    const CliRun run = Cli("--db " + path + " show 買い方の検証 --format json");
    EXPECT_EQ(run.status, 1) << run.out.substr(0, 400);
    EXPECT_NE(run.out.find("表「買い方」"), std::string::npos) << run.out.substr(0, 400);
    EXPECT_LT(run.out.size(), 2000u);
    EXPECT_EQ(n3::testing::RawValue(path, "SELECT count(*) FROM 買い方"), std::to_string(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Reproducers, TooManyStrategies, ::testing::Values(101, 10'000));

TEST(StrategyBounds, ATenMegabyteNameIsRefusedNotPrinted) {
    TempDir dir;
    const std::string path = FileWith(dir, 1);
    ASSERT_EQ(RawExec(path,
                      "PRAGMA ignore_check_constraints = 1; UPDATE 買い方 SET 名前 = "
                      "replace(hex(zeroblob(5 * 1024 * 1024)), '0', 'a')"),
              SQLITE_OK);
    ASSERT_EQ(n3::testing::RawValue(path, "SELECT length(名前) FROM 買い方"), std::to_string(10 * 1024 * 1024));
    const CliRun run = Cli("--db " + path + " show 買い方の検証 --format json");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("表「買い方」"), std::string::npos) << run.out.substr(0, 400);
    EXPECT_NE(run.out.find("100 文字まで"), std::string::npos) << run.out.substr(0, 400);
    EXPECT_LT(run.out.size(), 2000u);
}

TEST(StrategyBounds, AddingStopsAtOneHundredAndNamesCountCharacters) {
    TempDir dir;
    const std::string path = FileWith(dir, 99);
    auto db = Database::Open(path, false);
    std::string hundred;
    for (int i = 0; i < 100; ++i) hundred += "買";
    EXPECT_NO_THROW(db->strategies().Add(Named(hundred)));  // 100 characters, 300 bytes
    ASSERT_EQ(db->strategies().ReadAll().size(), 100u);
    EXPECT_EQ(db->strategies().ReadAll().back().name, hundred);
    std::string message;
    try {
        db->strategies().Add(Named("もう一つ"));
    } catch (const StoreError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("100 件まで保存できます"), std::string::npos) << message;
    EXPECT_EQ(db->strategies().ReadAll().size(), 100u);
    db->strategies().Remove(db->strategies().ReadAll().front().id);
    EXPECT_THROW(db->strategies().Add(Named(hundred + "買")), StoreError);
    EXPECT_NO_THROW(db->strategies().Add(Named("最後の一つ")));
}

}  // namespace
