// `numbers3zubarin-cli backtest`: the window 予想の検証 as `show` prints it,
// with the range and the option flags of the settings file.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "cli_run.h"
#include "temp_dir.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

// Draw 1 is 123, draws 2..7 are 444..999, draws 8..40 are 123: from
// target 9 on the 7-draw cycle predicts 123 and hits every time.
std::string SevenCycleDatabase(const TempDir& dir) {
    std::string csv = "回数,第1数字,第2数字,第3数字\n1,1,2,3\n";
    for (int n = 2; n <= 7; ++n) {
        const std::string d = std::to_string(n + 2);
        csv += std::to_string(n) + "," + d + "," + d + "," + d + "\n";
    }
    for (int n = 8; n <= 40; ++n) csv += std::to_string(n) + ",1,2,3\n";
    const std::string db = dir.file("d.db");
    EXPECT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", csv)).status, 0);
    return db;
}

}  // namespace

TEST(BacktestCli, PrintsWhatShowPrintsForEveryFormat) {
    TempDir dir;
    const std::string db = SevenCycleDatabase(dir);
    const std::string ini = dir.write("s.ini", "間隔分析Opt=True\r\n");
    for (const std::string format : {"text", "csv", "json"}) {
        const CliRun backtest = Cli("--db " + db + " backtest --from 9 --settings " + ini + " --format " + format);
        const CliRun show = Cli("--db " + db + " show 予想の検証 --from 9 --settings " + ini + " --format " + format);
        EXPECT_EQ(backtest.status, 0) << backtest.out;
        EXPECT_EQ(backtest.out, show.out) << format;
    }
    const CliRun json = Cli("--db " + db + " backtest --from 9 --settings " + ini + " --format json");
    EXPECT_NE(json.out.find("\"backtest\": {\"from\": 9, \"to\": 40, \"optionCount\": 1, \"methods\": [{\"method\": "
                            "\" 7回周期法\", \"bets\": 32, \"tickets\": 32, \"hits\": 32, "),
              std::string::npos)
        << json.out;
    const CliRun text = Cli("--db " + db + " backtest --from 9 --to 20");
    EXPECT_NE(text.out.find("対象：第9回～第20回の 12 回"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("偶然より多い"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("金額の欄は空です"), std::string::npos) << text.out;
}

TEST(BacktestCli, BadRangesAreRefusedAndAnEmptyDatabaseIsReported) {
    TempDir dir;
    const std::string db = SevenCycleDatabase(dir);
    const CliRun reversed = Cli("--db " + db + " backtest --from 30 --to 10");
    EXPECT_EQ(reversed.status, 2);
    EXPECT_NE(reversed.out.find("--from には --to 以下"), std::string::npos) << reversed.out;
    EXPECT_EQ(Cli("--db " + db + " backtest --from abc").status, 2);
    EXPECT_EQ(Cli("--db " + db + " backtest --to 40000").status, 2);
    EXPECT_EQ(Cli("--db " + db + " backtest extra").status, 2);

    const CliRun empty = Cli("--db " + dir.file("empty.db") + " backtest");
    EXPECT_EQ(empty.status, 0) << empty.out;
    EXPECT_NE(empty.out.find("数字のそろった回がありません"), std::string::npos) << empty.out;
}
