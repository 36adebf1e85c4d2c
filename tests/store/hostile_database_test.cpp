// Database files made or edited by other tools, and a first start that is
// interrupted: refused with the file, the draw and the reason, never
// changed; a new database appears complete or not at all.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "file_bytes.h"
#include "platform/store/draw_store.h"
#include "platform/store/startup_load.h"
#include "raw_sqlite.h"
#include "scoped_environment.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::RawExec;
using n3::testing::TempDir;
namespace fs = std::filesystem;

namespace {

using n3::testing::FileBytes;

// A database as another tool might make it: the table and the view, but
// no checks on the values.
std::string ForeignDatabase(const TempDir& dir, const std::string& rows) {
    const std::string path = dir.file("foreign.db");
    fs::remove(path);
    EXPECT_EQ(RawExec(path,
                      "CREATE TABLE 当選データ (回数, 第1数字, 第2数字, 第3数字);"
                      "CREATE VIEW 全データ選択クエリ AS SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 当選データ;"
                      "INSERT INTO 当選データ VALUES (1, 1, 2, 3), (2, NULL, 5, 6);" +
                          rows),
              SQLITE_OK)
        << rows;
    return path;
}

std::string RefusalOf(const std::string& path) {
    try {
        LoadHistorySnapshot(path);
    } catch (const StoreError& e) {
        return e.what();
    }
    return {};
}

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.file(""))) names.push_back(e.path().filename().string());
    return names;
}

}  // namespace

TEST(ForeignDatabase, RowsOutsideTheDataModelAreRefusedNamingFileDrawAndReason) {
    TempDir dir;
    const struct {
        const char* rows;
        const char* says;
    } cases[] = {
        // One row at the largest int makes a walk to the latest draw endless.
        {"INSERT INTO 当選データ VALUES (2147483647, 1, 2, 3)", "回数 2147483647 の行：回数が1～32767"},
        {"INSERT INTO 当選データ VALUES (10000000, 1, 2, 3)", "回数 10000000 の行"},
        // 2^40 + 1 must not be cut to 1 on the way.
        {"INSERT INTO 当選データ VALUES (1099511627777, 1, 2, 3)", "回数 1099511627777 の行"},
        {"INSERT INTO 当選データ VALUES (0, 1, 2, 3)", "回数 0 の行"},
        {"INSERT INTO 当選データ VALUES (-5, 1, 2, 3)", "回数 -5 の行"},
        {"INSERT INTO 当選データ VALUES (32768, 1, 2, 3)", "回数 32768 の行"},
        {"INSERT INTO 当選データ VALUES (NULL, 1, 2, 3)", "回数（空）の行：回数が整数ではありません"},
        {"INSERT INTO 当選データ VALUES ('abc', 1, 2, 3)", "回数「abc」の行：回数が整数ではありません"},
        {"INSERT INTO 当選データ VALUES (3.5, 1, 2, 3)", "回数「3.5」の行"},
        {"INSERT INTO 当選データ VALUES (3, 10, 2, 3)", "回数 3 の行：第1数字「10」が0～9の範囲にありません"},
        {"INSERT INTO 当選データ VALUES (3, 1, -1, 3)", "回数 3 の行：第2数字「-1」"},
        {"INSERT INTO 当選データ VALUES (3, 1, 2, 4294967300)", "第3数字「4294967300」"},
        {"INSERT INTO 当選データ VALUES (3, 1, 'x', 3)", "第2数字「x」が0～9の整数ではありません"},
        {"INSERT INTO 当選データ VALUES (3, 1, 2, x'00ff')", "第3数字（バイナリ 2 バイト）"},
        {"INSERT INTO 当選データ VALUES (2, 7, 7, 7)", "回数 2 の行：同じ回数の行が2つ以上あります"},
        // A value that would flood the message is cut short.
        {"INSERT INTO 当選データ VALUES (replace(hex(zeroblob(50000)), '0', 'z'), 1, 2, 3)", "zzzz…」の行"},
    };
    for (const auto& c : cases) {
        const std::string path = ForeignDatabase(dir, c.rows);
        const std::string before = FileBytes(path);
        const std::string message = RefusalOf(path);
        EXPECT_NE(message.find("データベースファイル「" + path + "」"), std::string::npos) << c.rows << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << c.rows << " → " << message;
        EXPECT_LT(message.size(), 600u) << c.rows;
        EXPECT_EQ(FileBytes(path), before) << c.rows;  // never modified
        EXPECT_THROW(DrawStore::Open(path, false).ReadHistory(), StoreError) << c.rows;
    }
    // The same tool's rows inside the data model read.
    const std::string fine = ForeignDatabase(dir, "INSERT INTO 当選データ VALUES (32767, 9, 0, 4)");
    const HistorySnapshot snap = LoadHistorySnapshot(fine);
    ASSERT_EQ(snap.history.size(), 3u);
    EXPECT_EQ(snap.history.back().drawNo, 32767);
    EXPECT_EQ(snap.stats.LatestDrawNo, 32767);
}

TEST(FirstStart, AnEmptyFileIsNoDatabaseYet) {
    TempDir dir;
    const std::string path = dir.write("Numbers3Zubarin.db", "");
    const HistorySnapshot snap = LoadHistorySnapshot(path);
    EXPECT_TRUE(snap.history.empty());
    EXPECT_GT(fs::file_size(path), 0u);
    EXPECT_EQ(RawExec(path, "SELECT 回数, 第1数字, 第2数字, 第3数字 FROM 全データ選択クエリ"), SQLITE_OK);
    EXPECT_EQ(Names(dir), std::vector<std::string>{"Numbers3Zubarin.db"});

    // A file of one byte is not empty: it is refused and kept.
    const std::string one = dir.write("one.db", "x");
    EXPECT_THROW(DrawStore::Open(one), StoreError);
    EXPECT_EQ(FileBytes(one), "x");
}

TEST(FirstStart, AFailureOnTheWayLeavesNoFileAndTheNextStartWorks) {
    TempDir dir;
    const std::string path = dir.file("Numbers3Zubarin.db");
    for (const bool emptyFileFirst : {false, true}) {
        if (emptyFileFirst) dir.write("Numbers3Zubarin.db", "");
        // The disk fills up while the schema is written: a child process
        // may write only 2 KB, less than the new database needs.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{2048, 2048};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            try {
                DrawStore::Open(path);
            } catch (const StoreError& e) {
                const bool named = std::string(e.what()).find(path) != std::string::npos;
                ::_exit(named ? 3 : 4);
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 3);
        // Nothing half made: the folder holds what it held before.
        EXPECT_EQ(Names(dir).size(), emptyFileFirst ? 1u : 0u);
        if (emptyFileFirst) {
            EXPECT_EQ(fs::file_size(path), 0u);
        }

        // A temporary left by a kill is cleared by the next start, which
        // makes the database.
        std::ofstream(path + ".n3tmp-k1LLed") << "half";
        auto store = DrawStore::Open(path);
        store.Import({Draw{5, {1, 2, 3}}});
        EXPECT_EQ(LoadHistorySnapshot(path).history.size(), 1u);
        EXPECT_EQ(Names(dir), std::vector<std::string>{"Numbers3Zubarin.db"});
        fs::remove(path);
    }
}

TEST(FirstStart, ExportWithoutADatabaseCreatesNone) {
    TempDir dir;
    EXPECT_THROW(DrawStore::Open(dir.file("none.db"), false), StoreError);
    EXPECT_TRUE(Names(dir).empty());
}

TEST(LockedDatabase, TheMessageNamesTheFile) {
    const n3::testing::ShortBusyTimeout shortWait;
    TempDir dir;
    const std::string path = dir.file("locked.db");
    DrawStore::Open(path);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    std::string message;
    try {
        DrawStore::Open(path).Import({Draw{1, {1, 2, 3}}});
    } catch (const StoreError& e) {
        message = e.what();
    }
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_NE(message.find("使用中"), std::string::npos) << message;
    EXPECT_NE(message.find(fs::path(path).filename().string()), std::string::npos) << message;
    EXPECT_EQ(DrawStore::Open(path).DrawCount(), 0);
}

TEST(ForeignDatabase, TheEntryWindowReadsWrongDigitsToMendThemButNoWrongDrawNumber) {
    TempDir dir;
    // Another tool writes wrong digits into a file this program has already
    // brought to its own version (a file that still needs upgrading is
    // refused before it is touched).
    const std::string path = ForeignDatabase(dir, "");
    DrawStore::Open(path, false);
    ASSERT_EQ(RawExec(path, "INSERT INTO 当選データ VALUES (3, 12, -1, 7)"), SQLITE_OK);
    EXPECT_THROW(DrawStore::Open(path, false).ReadHistory(), StoreError);
    const DrawHistory editing = DrawStore::Open(path, false).ReadHistoryForEditing();
    ASSERT_EQ(editing.size(), 3u);
    EXPECT_EQ(editing[2].digits, (DrawDigits{12, -1, 7}));
    for (const char* rows :
         {"INSERT INTO 当選データ VALUES (2147483647, 1, 2, 3)", "INSERT INTO 当選データ VALUES (3, 4294967296, 2, 3)",
          "INSERT INTO 当選データ VALUES (3, 'a', 2, 3)"})
        EXPECT_THROW(DrawStore::Open(ForeignDatabase(dir, rows), false).ReadHistoryForEditing(), StoreError) << rows;
}
