// `show 数字検索` and `show 次回の抽せん` through the command-line tool: the
// --number option (full-width digits too), the "lookup", "numbers" and
// "next" members, and a bad number refused with a message.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_run.h"
#include "temp_dir.h"
#include "test_paths.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

// Four draws of the shipped results (6673–6676) with their prizes.
std::string ResultsDatabase(TempDir& dir) {
    const std::string csv =
        "回号,抽せん日,第1数字,第2数字,第3数字,ストレート口数,ボックス口数,セット（ストレート）口数,"
        "セット（ボックス）口数,ミニ口数,ストレート当選金額,ボックス当選金額,セット（ストレート）当選金額,"
        "セット（ボックス）当選金額,ミニ当選金額\n"
        "6673,2025-03-03,4,2,2,84,300,221,378,839,90800,30200,60500,15100,9000\n"
        "6674,2025-03-04,6,3,8,91,454,213,883,447,83100,13800,48400,6900,8300\n"
        "6675,2025-03-05,0,5,2,45,382,104,844,398,127000,21100,74000,10500,12700\n"
        "6676,2025-03-06,2,2,4,151,596,322,1294,624,58100,9600,33800,4800,5800\n";
    const auto db = dir.file("d.db");
    const CliRun import = Cli("--db " + db + " import " + dir.write("r.csv", csv));
    EXPECT_EQ(import.status, 0) << import.out;
    return db;
}

}  // namespace

TEST(NumberWindowsCli, LookupOfOneNumberAndTheWholeTable) {
    TempDir dir;
    const auto db = ResultsDatabase(dir);
    const CliRun json = Cli("--db " + db + " show 数字検索 --number ２４２ --from 6674 --format json");
    ASSERT_EQ(json.status, 0) << json.out;
    EXPECT_NE(json.out.find("\"lookup\": {\"number\": \"242\", \"draws\": 3, \"straightCount\": 0, "
                            "\"straightExpected\": 0.003, \"boxCount\": 1, \"boxExpected\": 0.009, \"miniCount\": 0, "
                            "\"miniExpected\": 0.03, \"lastStraight\": null, \"lastBox\": 6676, \"lastMini\": null, "
                            "\"sinceStraight\": null, \"sinceBox\": 0, \"sinceMini\": null, \"payoutWins\": 0, "
                            "\"payoutFactor\": null, \"payoutShrunk\": "),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("{\"number\": \"224\", \"type\": \"ダブル\", \"straightCount\": 1, \"boxCount\": 1, "
                            "\"lastStraight\": 6676, \"lastBox\": 6676, \"sinceBox\": 0}"),
              std::string::npos);
    EXPECT_NE(json.out.find("{\"number\": \"999\""), std::string::npos);

    const CliRun none = Cli("--db " + db + " show 数字検索 --format json");
    ASSERT_EQ(none.status, 0);
    EXPECT_NE(none.out.find("\"lookup\": null, \"numbers\": [{\"number\": \"000\""), std::string::npos) << none.out;

    const CliRun text = Cli("--db " + db + " show 数字検索 --number 422");
    EXPECT_NE(text.out.find("番号 422（ダブル）"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("2025-03-03"), std::string::npos);

    for (const char* bad : {"1234", "abc", "12a", "１２３４"}) {
        const CliRun refused = Cli("--db " + db + " show 数字検索 --number " + bad);
        EXPECT_EQ(refused.status, 2) << bad;
        EXPECT_NE(refused.out.find("--number には 000～999 の番号を指定してください（12 は 012）。"), std::string::npos)
            << refused.out;
    }
    // Leading zeros may be left out, as with --numbers.
    for (const char* same : {"12", "１２"}) {
        const CliRun shown = Cli("--db " + db + " show 数字検索 --number " + same);
        EXPECT_EQ(shown.status, 0) << same;
        EXPECT_NE(shown.out.find("番号 012"), std::string::npos) << shown.out;
    }
}

TEST(NumberWindowsCli, NextDrawCardWithDateAndOdds) {
    TempDir dir;
    const auto db = ResultsDatabase(dir);
    const CliRun json = Cli("--db " + db + " show 次回の抽せん --settings " + dir.file("none.ini") + " --format json");
    ASSERT_EQ(json.status, 0) << json.out;
    EXPECT_NE(
        json.out.find(
            "\"next\": {\"draw\": 6677, \"date\": \"2025-03-07\", \"dateEstimated\": true, \"latestDraw\": 6676, "
            "\"latestDate\": \"2025-03-06\", \"latestDateEstimated\": false, \"kinds\": [{\"kind\": \"ストレート\", "
            "\"chance\": 0.001, \"averagePrize\": 89750, \"prizeDraws\": 4, \"returnPer200\": 90, "
            "\"allTimeAveragePrize\": 89750, \"allTimePrizeDraws\": 4, \"allTimeReturnPer200\": 90}"),
        std::string::npos)
        << json.out;
    // 224 and 422 are doubles: (30200 + 9600) / 2
    EXPECT_NE(json.out.find("{\"kind\": \"ボックス（ダブル）\", \"chance\": 0.003, \"averagePrize\": 19900, "
                            "\"prizeDraws\": 2, \"returnPer200\": 60, "),
              std::string::npos);
    const CliRun text = Cli("--db " + db + " show 次回の抽せん --settings " + dir.file("none.ini"));
    EXPECT_NE(text.out.find("次回：第6677回　抽せん日 2025-03-07（金）（予定）"), std::string::npos) << text.out;

    // Draws without results: no date is guessed and no prize averaged.
    const auto bare = dir.file("bare.db");
    ASSERT_EQ(Cli("--db " + bare + " import " + dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,4,5,6\n"))
                  .status,
              0);
    const CliRun none =
        Cli("--db " + bare + " show 次回の抽せん --settings " + dir.file("none.ini") + " --format json");
    ASSERT_EQ(none.status, 0) << none.out;
    EXPECT_NE(
        none.out.find("\"next\": {\"draw\": 3, \"date\": null, \"dateEstimated\": null, \"latestDraw\": 2, "
                      "\"latestDate\": null, \"latestDateEstimated\": null, \"kinds\": [{\"kind\": \"ストレート\", "
                      "\"chance\": 0.001, \"averagePrize\": null, \"prizeDraws\": 0, \"returnPer200\": null, "),
        std::string::npos)
        << none.out;
}

TEST(NumberWindowsCli, PrintsTheLookupOfTheNumberGiven) {
    if (!std::filesystem::exists(std::filesystem::path(n3::testing::kCliPath).parent_path() / "numbers3zubarin-print"))
        GTEST_SKIP() << "built without the desktop program";
    TempDir dir;
    const auto db = ResultsDatabase(dir);
    const auto pdf = dir.file("lookup.pdf");
    const CliRun printed = Cli("--db " + db + " print 数字検索 --number 422 --pdf " + pdf);
    ASSERT_EQ(printed.status, 0) << printed.out;
    EXPECT_NE(printed.out.find(" ページ"), std::string::npos) << printed.out;
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
    const CliRun refused = Cli("--db " + db + " print 数字検索 --number 4222 --pdf " + dir.file("no.pdf"));
    EXPECT_EQ(refused.status, 2) << refused.out;
    EXPECT_NE(refused.out.find("--number には 000～999 の番号を指定してください（12 は 012）。"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("no.pdf")));
}
