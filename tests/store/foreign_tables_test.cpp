// Older and foreign database files, second round: tables this program
// would create that a file already holds, rows of any table outside the
// bounds, the upgrade's backup taken by SQLite itself, first starts at
// once, a file kept at version 1 by a wrong digit, and the real reasons.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/file.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "cli_run.h"
#include "io/replace_target.h"
#include "platform/store/data_location.h"
#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "platform/store/schema.h"
#include "platform/store/ticket_store.h"
#include "raw_sqlite.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

using namespace n3;
using n3::testing::Bytes;
using n3::testing::Cli;
using n3::testing::kVersion1;
using n3::testing::RawExec;
using n3::testing::RawValue;
using n3::testing::RunShell;
using n3::testing::TempDir;
namespace fs = std::filesystem;

namespace {

template <typename F>
std::string Refusal(F&& open) {
    try {
        open();
    } catch (const StoreError& e) {
        return e.what();
    }
    return {};
}

struct ForeignTable {
    const char* name;
    const char* sql;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const ForeignTable& c, std::ostream* out) { *out << c.name; }

class AForeignTable : public ::testing::TestWithParam<ForeignTable> {};

TEST_P(AForeignTable, OfOurNameRefusesTheVersion1FileUntouchedNamingIt) {
    TempDir dir;
    const std::string path = dir.file("old.db");
    ASSERT_EQ(RawExec(path, std::string(kVersion1) + GetParam().sql), SQLITE_OK);
    const std::string before = Bytes(path);
    const std::string why = Refusal([&] { TicketStore::Open(path, false); });
    EXPECT_NE(why.find(std::string("「") + GetParam().name + "」"), std::string::npos) << why;
    EXPECT_NE(why.find("変更していません"), std::string::npos) << why;
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), "1");
    // The command line says the same and fails.
    const auto r = Cli("--db " + path + " tickets check");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find(GetParam().name), std::string::npos) << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    EveryTableWeCreate, AForeignTable,
    ::testing::Values(
        ForeignTable{"購入記録", "CREATE TABLE 購入記録 (id, 継続回数); INSERT INTO 購入記録 VALUES (1, 2000000000);"},
        ForeignTable{"当選結果", "CREATE TABLE 当選結果 (回数, 金額); INSERT INTO 当選結果 VALUES (1, -5);"}),
    [](const auto& p) { return std::string(p.index == 0 ? "Tickets" : "Results"); });

// A file of the newest version whose rows another tool changed.
class RowsOutOfBounds : public ::testing::TestWithParam<const char*> {};

TEST_P(RowsOutOfBounds, AreRefusedWhenReadNamingTheRow) {
    TempDir dir;
    const std::string path = dir.file("d.db");
    {
        DrawStore store = DrawStore::Open(path);
        store.Import({Draw{1, {1, 2, 3}}, Draw{2, {4, 5, 6}}});
    }
    // Past the CHECK constraints, as another tool could go.
    ASSERT_EQ(
        RawExec(path, std::string("PRAGMA ignore_check_constraints = 1; PRAGMA foreign_keys = OFF; ") + GetParam()),
        SQLITE_OK);
    const std::string why = Refusal([&] {
        const DrawStore store = DrawStore::Open(path, false);
        (void)ReadResults(store);
        (void)TicketStore::Open(path, false).ReadAll();
    });
    EXPECT_NE(why.find("読み込めません"), std::string::npos) << GetParam() << why;
    const auto check = Cli("--db " + path + " tickets check");
    EXPECT_EQ(check.status, 1) << check.out;
    // No export writes a file that import would refuse.
    if (std::string(GetParam()).find("当選結果") != std::string::npos) {
        EXPECT_EQ(Cli("--db " + path + " export --results").status, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryBound, RowsOutOfBounds,
    ::testing::Values("INSERT INTO 当選結果 (回数, ボックス当せん金額) VALUES (1, -5)",
                      "INSERT INTO 当選結果 (回数, ストレート当せん金額) VALUES (1, 123456789012345)",
                      "INSERT INTO 当選結果 (回数, 抽せん日) VALUES (1, '1900-01-01')",
                      "INSERT INTO 当選結果 (回数, ミニ口数) VALUES (2, 'many')",
                      "INSERT INTO 当選結果 (回数) VALUES (40000)",
                      "INSERT INTO 購入記録 VALUES (1, '2026-01-05', 1, 2000000000, '123', 'ストレート', 1, '', 0, 3)",
                      "INSERT INTO 購入記録 VALUES (1, '2026-01-05', 1, 1, '123', 'ストレート', 1000000, '', 0, 3)",
                      "INSERT INTO 購入記録 VALUES (1, '2026-01-05', 1, 1, '12', 'ストレート', 1, '', 0, 3)",
                      "INSERT INTO 購入記録 VALUES (1, '2026-01-05', 1, 1, '123', 'くじ', 1, '', 0, 3)",
                      "INSERT INTO 購入記録 VALUES (1, '3000-01-01', 1, 1, '123', 'ストレート', 1, '', 0, 3)",
                      "INSERT INTO 購入記録 VALUES (1, '2026-01-05', 1, 1, '123', 'ストレート', 1, '', 0, 7)"));

TEST(Upgrade, TheBackupIsSQLitesOwnWithTheWalCommitsAndNeverFollowsALink) {
    TempDir dir;
    const std::string path = dir.file("old.db");
    ASSERT_EQ(RawExec(path, kVersion1), SQLITE_OK);
    // Commits still in the -wal file: a copy of the main file alone misses them.
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;"
                           "INSERT INTO 当選データ VALUES (4, 4, 4, 4), (5, 5, 5, 5);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    // A link already at the backup's name, to a file that must stay as it is.
    const std::string victim = dir.write("victim.txt", "not a backup");
    fs::create_symlink(victim, SchemaBackupPath(path, 1));

    (void)DrawStore::Open(path, false);
    sqlite3_close(writer);
    const std::string backup = SchemaBackupPath(path, 1);
    EXPECT_FALSE(fs::is_symlink(backup));
    EXPECT_EQ(Bytes(victim), "not a backup");
    EXPECT_EQ(RawValue(backup, "SELECT count(*) FROM 当選データ"), "5");
    EXPECT_EQ(RawValue(backup, "PRAGMA user_version"), "1");
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
}

TEST(Upgrade, AVersion1FileOverTheInputReadersLimitIsUpgraded) {
    TempDir dir;
    const std::string path = dir.file("big.db");
    ASSERT_EQ(RawExec(path, std::string(kVersion1) + "CREATE TABLE 添付 (x); "
                                                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                                                     "WHERE i < 70) INSERT INTO 添付 SELECT zeroblob(1048576) FROM n;"),
              SQLITE_OK);
    ASSERT_GT(fs::file_size(path), 64u << 20);
    EXPECT_NO_THROW((void)DrawStore::Open(path, false));
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    EXPECT_EQ(RawValue(SchemaBackupPath(path, 1), "SELECT count(*) FROM 添付"), "70");
}

TEST(Upgrade, ManyProgramsOpeningOneVersion1FileLeaveTheVersion1Backup) {
    TempDir dir;
    for (int round = 0; round < 5; ++round) {
        const std::string path = dir.file("race" + std::to_string(round) + ".db");
        ASSERT_EQ(RawExec(path, kVersion1), SQLITE_OK);
        std::string line;
        for (int i = 0; i < 6; ++i) line += std::string(N3_CLI_PATH) + " --db " + path + " tickets list & ";
        const auto r = RunShell(line + "wait");
        EXPECT_EQ(RawValue(SchemaBackupPath(path, 1), "PRAGMA user_version"), "1") << r.out;
        EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    }
}

TEST(FirstStart, FiveAtOnceKeepEachOthersTemporariesAndAllSucceed) {
    TempDir dir;
    for (int round = 0; round < 4; ++round) {
        const std::string path = dir.file("first" + std::to_string(round) + ".db");
        std::string line;
        for (int i = 0; i < 5; ++i)
            line += "(" + std::string(N3_CLI_PATH) + " --db " + path +
                    " tickets add --draw 7000 --number 123 --type straight --date 2026-01-05 >/dev/null 2>&1 || "
                    "echo FAILED) & ";
        const auto r = RunShell(line + "wait");
        EXPECT_EQ(r.out.find("FAILED"), std::string::npos) << r.out;
        EXPECT_EQ(RawValue(path, "SELECT count(*) FROM 購入記録"), "5");
    }
}

TEST(Temporaries, OnlyStaleOnesAreRemoved) {
    TempDir dir;
    const std::string target = dir.file("x.db");
    std::string liveName;
    const int live = CreateLockedTemporary(target, liveName);
    ASSERT_GE(live, 0);
    const std::string stale = dir.write("x.db.n3tmp-AAAAAA", "left by a killed start");
    const std::string staleJournal = dir.write("x.db.n3tmp-AAAAAA-journal", "its journal");
    const std::string orphan = dir.write("x.db.n3tmp-BBBBBB-journal", "nobody's");
    const std::string liveJournal = dir.write(fs::path(liveName).filename().string() + "-journal", "live");
    RemoveStaleTemporaries(target);
    EXPECT_TRUE(fs::exists(liveName));
    EXPECT_TRUE(fs::exists(liveJournal));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(staleJournal));
    EXPECT_FALSE(fs::exists(orphan));
    ::close(live);
    RemoveStaleTemporaries(target);
    EXPECT_FALSE(fs::exists(liveName));
}

TEST(Version1KeptByAWrongDigit, EveryCommandSaysWhatIsWrongAndImportBundledMendsIt) {
    TempDir dir;
    const std::string path = dir.file("old.db");
    ASSERT_EQ(RawExec(path,
                      "CREATE TABLE 当選データ (回数 INTEGER PRIMARY KEY, 第1数字, 第2数字, 第3数字);"
                      "CREATE VIEW 全データ選択クエリ AS SELECT * FROM 当選データ;"
                      "INSERT INTO 当選データ VALUES (1, 12, 9, 1), (2, 9, 8, 8); PRAGMA user_version = 1;"),
              SQLITE_OK);
    for (const char* command : {"tickets list", "tickets check", "export --results", "show 当選結果一覧"}) {
        const auto r = Cli("--db " + path + " " + command);
        EXPECT_EQ(r.status, 1) << command;
        EXPECT_EQ(r.out.find("no such table"), std::string::npos) << command << r.out;
        EXPECT_NE(r.out.find("回数 1 の行"), std::string::npos) << command << r.out;
    }
    const auto list = Cli("--db " + path + " tickets list");
    EXPECT_NE(list.out.find("import-bundled --replace"), std::string::npos) << list.out;
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), "1");

    const auto mended = Cli("--db " + path + " import-bundled --replace");
    ASSERT_EQ(mended.status, 0) << mended.out;
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    EXPECT_EQ(Cli("--db " + path + " tickets list").status, 0);
    EXPECT_NE(RawValue(path, "SELECT count(*) FROM 当選結果"), "0");
}

TEST(Reasons, ANegativeVersionAndAnUnusableDataFolderAreNamed) {
    TempDir dir;
    const std::string path = dir.file("neg.db");
    ASSERT_EQ(RawExec(path, std::string(kVersion1) + "PRAGMA user_version = -3;"), SQLITE_OK);
    const auto r = Cli("--db " + path + " tickets list");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("-3"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("not an error"), std::string::npos) << r.out;

    // A file where the data folder would go: the reason is the file in the way.
    dir.write("blocked", "a file");
    std::string why;
    EXPECT_FALSE(MakeDataFolder(dir.file("blocked/sub"), &why));
    EXPECT_EQ(why, "フォルダ名が正しくありません");
    if (::geteuid() != 0) {
        const std::string closed = dir.file("closed");
        fs::create_directory(closed);
        fs::permissions(closed, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(MakeDataFolder(closed + "/numbers3zubarin", &why));
        EXPECT_EQ(why, "アクセスが拒否されました");
    }
}

TEST(Reasons, ARepeatedOptionIsRefused) {
    TempDir dir;
    for (const char* line : {"--db a.db --db b.db stats", "show 出現頻度分析 --format csv --format json",
                             "tickets import x.csv --replace --replace", "show 出現頻度分析 --from 1 --from 2"}) {
        const auto r = Cli(line);
        EXPECT_EQ(r.status, 2) << line;
        EXPECT_NE(r.out.find("二回以上"), std::string::npos) << line << r.out;
    }
}

TEST(Book, AStoreFullToTheBoundTakesNoMore) {
    TempDir dir;
    const std::string path = dir.file("d.db");
    Purchase p;
    p.購入日 = "2026-01-05";
    p.最初の回数 = 7000;
    p.番号 = "123";
    TicketStore store = TicketStore::Open(path);
    store.AddAll(std::vector<Purchase>(std::size_t(kMaxPurchases), p), false);
    const std::string why = Refusal([&] { store.Add(p); });
    EXPECT_NE(why.find(std::to_string(kMaxPurchases) + " 件まで"), std::string::npos) << why;
    EXPECT_EQ(store.ReadAll().size(), std::size_t(kMaxPurchases));
    // One more row put in by another tool: the book is refused as a whole, not read without bound.
    ASSERT_EQ(RawExec(path,
                      "INSERT INTO 購入記録 (購入日, 最初の回数, 継続回数, 番号, 種類, 口数) "
                      "VALUES ('2026-01-05', 1, 1, '123', 'ストレート', 1)"),
              SQLITE_OK);
    EXPECT_NE(Refusal([&] { (void)store.ReadAll(); }).find("超えています"), std::string::npos);
}

}  // namespace
