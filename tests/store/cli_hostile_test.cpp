// The command-line tool against hostile input: a database made by another
// tool, devices given as files, standard output that cannot be written,
// and database paths of unusual forms.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli_run.h"
#include "file_bytes.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

using n3::testing::FileBytes;

// `redirect` goes after the arguments: standard error is then sent where
// standard output goes.
CliRun Cli(const std::string& args, const std::string& redirect = "") {
    return n3::testing::Cli(args, redirect + " 2>&1");
}

}  // namespace

TEST(CliHostile, ADatabaseWithADrawOutOfRangeIsRefusedByEveryCommand) {
    TempDir dir;
    const std::string db = dir.file("other-tool.db");
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h,
                           "CREATE TABLE 当選データ (回数, 第1数字, 第2数字, 第3数字);"
                           "CREATE VIEW 全データ選択クエリ AS SELECT * FROM 当選データ;"
                           "INSERT INTO 当選データ VALUES (1, 1, 2, 3), (2147483647, 4, 5, 6);",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    const std::string before = FileBytes(db);
    for (const char* command : {"stats", "export", "show 下一桁連続出現回数分析", "show 出現頻度分析"}) {
        const CliRun r = Cli("--db " + db + " " + command);
        EXPECT_EQ(r.status, 1) << command << r.out;
        EXPECT_NE(r.out.find(db), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("回数 2147483647 の行"), std::string::npos) << r.out;
    }
    EXPECT_EQ(FileBytes(db), before);
}

TEST(CliHostile, DevicesAreRefusedNotReadForEver) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    for (const char* device : {"/dev/zero", "/dev/urandom"}) {
        const CliRun r = Cli("--db " + db + " import " + device);
        EXPECT_EQ(r.status, 2) << r.out;
        EXPECT_NE(r.out.find("通常のファイルではありません"), std::string::npos) << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(db));
    // A settings file that is a device is reported, and the window still prints.
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n")).status, 0);
    const CliRun show = Cli("--db " + db + " --settings /dev/zero show 一発ズバリン --format csv");
    EXPECT_EQ(show.status, 0) << show.out;
    EXPECT_NE(show.out.find("/dev/zero"), std::string::npos) << show.out;
}

TEST(CliHostile, OutputThatCannotBeWrittenExitsWithOne) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n")).status, 0);
    for (const char* command : {"stats", "export", "show 出現頻度分析", "show 出現頻度分析 --format json"})
        EXPECT_EQ(Cli("--db " + db + " " + command, "> /dev/full").status, 1) << command;
    EXPECT_EQ(Cli("--db " + db + " stats", "> /dev/null").status, 0);
}

TEST(CliHostile, DatabasePathsStartingWithTwoSlashesWork) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    ASSERT_EQ(db.front(), '/');
    const std::string csv = dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n");
    const CliRun imported = Cli("--db /" + db + " import " + csv);
    ASSERT_EQ(imported.status, 0) << imported.out;
    EXPECT_TRUE(std::filesystem::exists(db));
    // Characters a URI would give a meaning are part of the name.
    const std::string odd = dir.file("a?mode=ro#x%20.db");
    ASSERT_EQ(Cli("--db '/" + odd + "' import " + csv).status, 0);
    EXPECT_TRUE(std::filesystem::exists(odd));
    const CliRun stats = Cli("--db '/" + odd + "' stats");
    EXPECT_EQ(stats.status, 0) << stats.out;
    EXPECT_NE(stats.out.find("LatestDrawNo=1"), std::string::npos) << stats.out;
}
