// The command-line tool run as a user would: exit codes, output, and the
// database left as it was on failure.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "cli_run.h"
#include "platform/store/draw_store.h"
#include "temp_dir.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {}  // namespace

TEST(Cli, ImportThenStatsAndExport) {
    TempDir dir;
    const auto db = dir.file("d.db");
    const auto csv = dir.write("h.csv", "\xEF\xBB\xBF回数,第1数字,第2数字,第3数字\n1,1,1,1\n2,5,5,\n3,2,7,2\n");
    ASSERT_EQ(Cli("--db " + db + " import " + csv).status, 0);
    const auto stats = Cli("--db " + db + " stats");
    EXPECT_EQ(stats.status, 0);
    EXPECT_NE(stats.out.find("DigitCount[1]=3\n"), std::string::npos);
    EXPECT_NE(stats.out.find("DigitCount[2]=2\n"), std::string::npos);
    EXPECT_NE(stats.out.find("LatestDrawNo=3\n"), std::string::npos);
    const auto exported = Cli("--db " + db + " export");
    EXPECT_EQ(exported.out, "回数,第1数字,第2数字,第3数字\r\n1,1,1,1\r\n2,5,5,\r\n3,2,7,2\r\n");
}

TEST(Cli, BadLinesNameFileAndLineAndStoreNothing) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("ok.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n")).status,
              0);
    const struct {
        const char* body;
        int line;
    } cases[] = {
        {"回数,第1数字,第2数字,第3数字\r\n2,1,2,3\r\n3,1,2\r\n", 3},
        {"回数,第1数字,第2数字,第3数字\n2,1,2,3\n32768,1,2,3\n", 3},
        {"回数,第1数字,第2数字,第3数字\n2,1,2,10\n", 2},
        {"回数,第1数字,第2数字,第3数字\n2,1,2,3\n4,1,2,3\n2,0,0,0\n", 4},
        {"回,数字\n2,1,2,3\n", 1},
        {"", 1},
    };
    for (const auto& c : cases) {
        const auto file = dir.write("bad.csv", c.body);
        const auto r = Cli("--db " + db + " import " + file);
        EXPECT_EQ(r.status, 2) << c.body;
        EXPECT_NE(r.out.find(file + ":" + std::to_string(c.line) + ":"), std::string::npos) << r.out;
    }
    EXPECT_EQ(n3::DrawStore::Open(db).DrawCount(), 1);
}

TEST(Cli, BadArgumentsAndUnknownWindowsExitWithTwo) {
    TempDir dir;
    EXPECT_EQ(Cli("").status, 2);
    EXPECT_EQ(Cli("frobnicate").status, 2);
    EXPECT_EQ(Cli("show").status, 2);
    EXPECT_EQ(Cli("--db " + dir.file("d.db") + " show 出現頻度分析 --format xml").status, 2);
    const auto unknown = Cli("--db " + dir.file("d.db") + " show いない分析");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.out.find("出現頻度分析"), std::string::npos);
}

TEST(Cli, ImportsAPublishedListInCp932ReplacingByDrawNumber) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(
        Cli("--db " + db + " import " + dir.write("own.csv", "回数,第1数字,第2数字,第3数字\n1,1,1,1\n2,2,2,\n")).status,
        0);
    // 回号,抽せん日,当せん番号,ストレート当せん金額 / 第2回 ... / 第3回 ... in CP932
    const std::string published =
        "\x89\xF1\x8D\x86,\x92\x8A\x82\xB9\x82\xF1\x93\xFA,\x93\x96\x82\xB9\x82\xF1\x94\xD4\x8D\x86,"
        "\x83X\x83g\x83\x8C\x81[\x83g\r\n"
        "\x91\xE6"
        "2\x89\xF1,2025/08/25,048,\"1,234,500\"\r\n"
        "\x91\xE6"
        "3\x89\xF1,2025-08-26,900,\"90,400\"\r\n";
    // Draw 2 is stored as 22? and the list says 048: refused, both named,
    // until --replace is given.
    const auto refused = Cli("--db " + db + " import " + dir.write("pub.csv", published));
    EXPECT_EQ(refused.status, 1) << refused.out;
    EXPECT_NE(refused.out.find("「22?」"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("「048」"), std::string::npos) << refused.out;
    const auto r = Cli("--db " + db + " import " + dir.file("pub.csv") + " --replace");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("追加 1 件、更新 1 件、変更なし 0 件"), std::string::npos) << r.out;
    EXPECT_EQ(Cli("--db " + db + " export").out, "回数,第1数字,第2数字,第3数字\r\n1,1,1,1\r\n2,0,4,8\r\n3,9,0,0\r\n");
}

TEST(Cli, EveryBadFileLeavesTheDatabaseExactlyAsItWas) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(
        Cli("--db " + db + " import " + dir.write("ok.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,4,,6\n")).status,
        0);
    const std::string before = Cli("--db " + db + " export").out;
    // Each file first replaces draw 1 and adds draw 5, then breaks.
    const struct {
        std::string body;
        int line;
    } cases[] = {
        {"", 1},
        {"\n\n", 1},
        {"回号,当せん番号\n1,999\n5,555\n6,\x85\x20\n", 4},                 // neither UTF-8 nor CP932
        {"回号,抽せん日\n1,2025/01/01\n", 1},                               // wrong header
        {"回号,当せん番号\n第1回,999\n第5回,555\n第32768回,123\n", 4},      // draw number too large
        {"回号,当せん番号\n1,999\n5,555\n第0回,123\n", 4},                  // draw number too small
        {"回数,第1数字,第2数字,第3数字\n1,9,9,9\n5,5,5,5\n6,1,-1,1\n", 4},  // digit outside 0..9
        {"回号,当せん番号\n1,999\n5,555\n6,1a3\n", 4},                      // not a digit
        {"回号,当せん番号\n1,999\n5,555\n第1回,111\n", 4},                  // draw number twice
        {"回号,日付,当せん番号\n1,-,999\n5,-,555\n6,123\n", 4},             // wrong shape
        {"回号,当せん番号\n1,999\n5,555\n6,\"123\n", 4},                    // quote never closed
    };
    for (const auto& c : cases) {
        const auto file = dir.write("bad.csv", c.body);
        const auto r = Cli("--db " + db + " import " + file);
        EXPECT_EQ(r.status, 2) << c.body;
        EXPECT_NE(r.out.find(file + ":" + std::to_string(c.line) + ": "), std::string::npos) << r.out;
        EXPECT_EQ(Cli("--db " + db + " export").out, before) << c.body;
    }
}

TEST(Cli, ImportsAFullHistoryOf32767PublishedRows) {
    TempDir dir;
    // No dates: one date for every draw would be refused (dates rise with the draws).
    std::string csv = "回号,当せん番号,ストレート口数,ストレート当せん金額\r\n";
    for (int n = 1; n <= n3::kMaxDrawNo; ++n) {
        const int number = (n * 7919) % 1000;
        char row[96];
        std::snprintf(row, sizeof row, "第%d回,%03d,%d,\"1,%03d,500\"\r\n", n, number, n % 50, n % 1000);
        csv += row;
    }
    const auto db = dir.file("d.db");
    const auto r = Cli("--db " + db + " import " + dir.write("big.csv", csv));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("追加 32767 件、更新 0 件、変更なし 0 件"), std::string::npos) << r.out;
    EXPECT_NE(Cli("--db " + db + " stats").out.find("LatestDrawNo=32767\n"), std::string::npos);
}

TEST(Cli, AFileThatCannotBeReadIsRefusedBeforeTheDatabaseIsTouched) {
    TempDir dir;
    const auto db = dir.file("d.db");
    for (const std::string& path : {dir.file("missing.csv"), dir.file("")}) {  // no file; a folder
        const auto r = Cli("--db " + db + " import " + path);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.out.find(path + ": ファイルを開けません"), std::string::npos) << r.out;
    }
    EXPECT_FALSE(std::filesystem::exists(db));
}

TEST(Cli, ImportingTheSameFileAgainCountsEveryRowUnchanged) {
    TempDir dir;
    const auto db = dir.file("d.db");
    const auto csv = dir.write("own.csv", "回数,第1数字,第2数字,第3数字\n1,1,1,1\n2,2,2,\n");
    ASSERT_EQ(Cli("--db " + db + " import " + csv).status, 0);
    const auto again = Cli("--db " + db + " import " + csv);
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("追加 0 件、更新 0 件、変更なし 2 件"), std::string::npos) << again.out;
}
