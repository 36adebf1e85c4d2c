// Schema versions: a new file at the newest version, a version-1 file
// upgraded in place with its copy beside it, a newer file refused, and an
// upgrade that fails or is killed half-way leaving the old file whole.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/store/draw_store.h"
#include "platform/store/result_store.h"
#include "platform/store/schema.h"
#include "raw_sqlite.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::Bytes;
using n3::testing::kVersion1;
using n3::testing::RawExec;
using n3::testing::RawValue;
using n3::testing::TempDir;

namespace {

std::string Version1File(const TempDir& dir) {
    const std::string path = dir.file("Numbers3Zubarin.db");
    EXPECT_EQ(RawExec(path, kVersion1), SQLITE_OK);
    return path;
}

std::string DrawsText(const std::string& path) {
    return RawValue(path,
                    "SELECT group_concat(回数 || ':' || ifnull(第1数字,'-') || ifnull(第2数字,'-') || "
                    "ifnull(第3数字,'-'), ' ') FROM 全データ選択クエリ");
}

struct HookReset {
    ~HookReset() { SetSchemaStepHookForTests(nullptr); }
};

}  // namespace

TEST(Schema, ANewFileStartsAtTheNewestVersionWithoutACopy) {
    TempDir dir;
    const auto path = dir.file("n.db");
    DrawStore::Open(path);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    EXPECT_EQ(RawExec(path, "SELECT 回数, 抽せん日, ミニ当せん金額 FROM 当選結果"), SQLITE_OK);
    EXPECT_FALSE(std::filesystem::exists(SchemaBackupPath(path, 1)));
    EXPECT_EQ(SchemaSteps().front().toVersion, 2);
}

TEST(Schema, AVersion1FileIsUpgradedInPlaceAfterACopyIsWritten) {
    TempDir dir;
    const auto path = Version1File(dir);
    const std::string layout = RawValue(path, "SELECT group_concat(sql, ';') FROM sqlite_master");
    const std::string draws = DrawsText(path);
    const std::string view = RawValue(path, "SELECT sql FROM sqlite_master WHERE name = '全データ選択クエリ'");
    const std::string table = RawValue(path, "SELECT sql FROM sqlite_master WHERE name = '当選データ'");

    auto store = DrawStore::Open(path);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    // SQLite's own backup: the same tables, view and rows, not necessarily the same bytes.
    EXPECT_EQ(RawValue(SchemaBackupPath(path, 1), "SELECT group_concat(sql, ';') FROM sqlite_master"), layout);
    EXPECT_EQ(DrawsText(path), draws);
    EXPECT_EQ(RawValue(path, "SELECT sql FROM sqlite_master WHERE name = '全データ選択クエリ'"), view);
    EXPECT_EQ(RawValue(path, "SELECT sql FROM sqlite_master WHERE name = '当選データ'"), table);
    EXPECT_TRUE(ReadResults(store).empty());
    // The copy is still a version-1 database with the same draws.
    EXPECT_EQ(RawValue(SchemaBackupPath(path, 1), "PRAGMA user_version"), "1");
    EXPECT_EQ(DrawsText(SchemaBackupPath(path, 1)), draws);
}

TEST(Schema, AFileOfANewerVersionIsRefusedByNameAndLeftUntouched) {
    TempDir dir;
    const auto path = Version1File(dir);
    RawExec(path, "PRAGMA user_version = " + std::to_string(CurrentSchemaVersion() + 1));
    const std::string before = Bytes(path);
    try {
        DrawStore::Open(path);
        ADD_FAILURE() << "a newer file must not open";
    } catch (const StoreError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("新しい版"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Bytes(path), before);
}

TEST(Schema, AStepThatFailsLeavesTheVersion1FileAsItWas) {
    TempDir dir;
    const auto path = Version1File(dir);
    const std::string before = Bytes(path);
    HookReset reset;
    SetSchemaStepHookForTests([](int version) {
        if (version == CurrentSchemaVersion()) throw std::runtime_error("injected");
    });
    EXPECT_THROW(DrawStore::Open(path), StoreError);
    SetSchemaStepHookForTests(nullptr);
    EXPECT_EQ(Bytes(path), before);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), "1");
    // The next start upgrades it.
    DrawStore::Open(path);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
}

TEST(Schema, AProcessKilledMidUpgradeLeavesTheOldFileNeverAMix) {
    TempDir dir;
    const auto path = Version1File(dir);
    const std::string draws = DrawsText(path);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Every step has run and the version is written, uncommitted: the
        // process dies here.
        SetSchemaStepHookForTests([](int version) {
            if (version == CurrentSchemaVersion()) ::kill(::getpid(), SIGKILL);
        });
        try {
            DrawStore::Open(path);
        } catch (...) {}
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    // The journal left behind rolls back on the next read: version 1, no
    // results table, the same draws.
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), "1");
    EXPECT_EQ(RawValue(path, "SELECT count(*) FROM sqlite_master WHERE name = '当選結果'"), "0");
    EXPECT_EQ(DrawsText(path), draws);
    auto store = DrawStore::Open(path);
    EXPECT_EQ(RawValue(path, "PRAGMA user_version"), std::to_string(CurrentSchemaVersion()));
    EXPECT_EQ(DrawsText(path), draws);
}

TEST(Schema, ResultsFollowTheirDrawAndRefuseImpossibleFigures) {
    TempDir dir;
    const auto path = dir.file("x.db");
    auto store = DrawStore::Open(path);
    Draw d;
    d.drawNo = 5;
    d.digits = {1, 2, 3};
    DrawResult r;
    r.drawNo = 5;
    r.date = "2026-08-20";
    r.prize(PrizeKind::Mini) = Prize{10, 9000};
    ImportDrawsAndResults(store, {d}, {r}, false);
    ASSERT_EQ(ReadResults(store).size(), 1u);
    EXPECT_NE(RawExec(path, "UPDATE 当選結果 SET ミニ口数 = -1"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "UPDATE 当選結果 SET ミニ当せん金額 = 'many'"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "UPDATE 当選結果 SET 抽せん日 = '20/8/2026'"), SQLITE_OK);
    EXPECT_NE(RawExec(path, "PRAGMA foreign_keys = ON; INSERT INTO 当選結果 (回数) VALUES (6)"), SQLITE_OK);
    // Deleting the draw (as the entry window does) deletes its results.
    store.DeleteDraw(5);
    EXPECT_TRUE(ReadResults(store).empty());
}
