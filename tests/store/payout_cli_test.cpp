// `show 配当分析` and the payout figures in 数字検索, 次回の抽せん and
// 購入記録 through the command-line tool, on a small history imported
// with its dates and prizes, whose figures are known by construction.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "temp_dir.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

constexpr const char* kHeader =
    "回号,抽せん日,第1数字,第2数字,第3数字,ストレート口数,ボックス口数,セット（ストレート）口数,"
    "セット（ボックス）口数,ミニ口数,ストレート当選金額,ボックス当選金額,セット（ストレート）当選金額,"
    "セット（ボックス）当選金額,ミニ当選金額\n";

// Five draws of 2020, straight prizes 50,000 / 100,000 ×3 / 200,000:
// reference 100,000; 821 drawn on 8月21日 at ½×.
std::string Database(TempDir& dir) {
    const std::string csv = std::string(kHeader) +
                            "1,2020-08-21,8,2,1,,,,,,50000,10000,30000,5000,5000\n"
                            "2,2020-08-24,1,2,3,,,,,,100000,20000,60000,10000,10000\n"
                            "3,2020-08-25,4,5,6,,,,,,100000,20000,60000,10000,10000\n"
                            "4,2020-08-26,7,8,9,,,,,,100000,20000,60000,10000,10000\n"
                            "5,2020-08-27,1,0,2,,,,,,200000,40000,120000,20000,20000\n";
    const auto db = dir.file("p.db");
    const CliRun imported = Cli("--db " + db + " import " + dir.write("r.csv", csv));
    EXPECT_EQ(imported.status, 0) << imported.out;
    return db;
}

}  // namespace

TEST(PayoutCli, JsonFollowsTheDefinitions) {
    TempDir dir;
    const auto db = Database(dir);
    const CliRun json = Cli("--db " + db + " show 配当分析 --format json", "2>/dev/null");
    ASSERT_EQ(json.status, 0) << json.out;
    const std::string& out = json.out;
    EXPECT_NE(out.find("\"payout\": {\"years\": [{\"year\": 2020, \"draws\": 5, \"straightMean\": 110000, "
                       "\"straightMedian\": 100000, \"straightRatio\": 1.222222222}]"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"kinds\": [{\"kind\": \"straight\", \"draws\": 5, \"sd\": null, \"tau\": null, "
                       "\"grandFactor\": 1, \"items\": [{\"number\": \"000\", \"wins\": 0, \"factor\": null, "
                       "\"low\": null, \"high\": null, \"shrunk\": 1}"),
              std::string::npos);
    EXPECT_NE(out.find("{\"number\": \"821\", \"wins\": 1, \"factor\": 0.5, \"low\": null, \"high\": null, "
                       "\"shrunk\": 1}"),
              std::string::npos);
    EXPECT_NE(out.find("{\"kind\": \"box\", \"draws\": 5, "), std::string::npos);
    EXPECT_NE(out.find("{\"kind\": \"mini\", \"draws\": 5, "), std::string::npos);
    EXPECT_NE(out.find("{\"group\": \"抽せん日と同じ番号\", \"wins\": 1, \"factor\": null, \"low\": null, "
                       "\"high\": null, \"p\": null, \"adjustedP\": null, \"verdict\": \"データ不足\"}"),
              std::string::npos);
    // Draws 1–2 make the first half; 123 and 821 won only once each.
    EXPECT_NE(out.find("\"stability\": {\"split\": 2, \"numbers\": 0, \"correlation\": null}"), std::string::npos);
}

TEST(PayoutCli, TextAndCsvShowTheFourTables) {
    TempDir dir;
    const auto db = Database(dir);
    for (const char* format : {"text", "csv"}) {
        const CliRun shown = Cli("--db " + db + " show 配当分析 --format " + format, "2>/dev/null");
        ASSERT_EQ(shown.status, 0) << shown.out;
        for (const char* words : {"90,000円との比", "推定倍率", "抽せん日と同じ番号", "前半と後半"})
            EXPECT_NE(shown.out.find(words), std::string::npos) << format << ": " << words;
    }
}

TEST(PayoutCli, LookupNextDrawAndTicketsShowTheFactor) {
    TempDir dir;
    const auto db = Database(dir);
    const CliRun lookup = Cli("--db " + db + " show 数字検索 --number 821 --format json", "2>/dev/null");
    ASSERT_EQ(lookup.status, 0) << lookup.out;
    EXPECT_NE(lookup.out.find("\"payoutWins\": 1, \"payoutFactor\": 0.5, \"payoutShrunk\": 1}"), std::string::npos)
        << lookup.out;
    const CliRun lookupText = Cli("--db " + db + " show 数字検索 --number 821", "2>/dev/null");
    EXPECT_NE(lookupText.out.find("50,000円"), std::string::npos) << lookupText.out;

    const CliRun next = Cli("--db " + db + " show 次回の抽せん --number 821 --format json", "2>/dev/null");
    ASSERT_EQ(next.status, 0) << next.out;
    EXPECT_NE(next.out.find("\"payout\": {\"number\": \"821\", \"returns\": [{\"kind\": \"ストレート\""),
              std::string::npos)
        << next.out;
    EXPECT_NE(next.out.find("\"highest\": [{\"number\": "), std::string::npos);

    ASSERT_EQ(Cli("--db " + db + " tickets add --draw 6 --number 821 --type straight").status, 0);
    const CliRun tickets = Cli("--db " + db + " show 購入記録 --format csv", "2>/dev/null");
    EXPECT_NE(tickets.out.find("推定倍率"), std::string::npos) << tickets.out;
}
