// `numbers3zubarin-cli show 一発ズバリン`: the four grids and the
// prediction itself, with the option flags from a settings file.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "cli_run.h"
#include "temp_dir.h"

using n3::testing::TempDir;

namespace {

std::string RunCli(const std::string& args, const char* redirect = "2>&1") {
    const n3::testing::CliRun r = n3::testing::Cli(args, redirect);
    EXPECT_EQ(r.status, 0) << r.out;
    return r.out;
}

// Draws 1..12 are 1 1 1, draw 13 is 0 5 0, draws 14..19 are 2 3 4 and
// draw 20 is 5 6 6: its 5 last occurred 7 draws before.
std::string Database(const TempDir& dir) {
    std::string csv = "回数,第1数字,第2数字,第3数字\n";
    for (int n = 1; n <= 12; ++n) csv += std::to_string(n) + ",1,1,1\n";
    csv += "13,0,5,0\n";
    for (int n = 14; n <= 19; ++n) csv += std::to_string(n) + ",2,3,4\n";
    csv += "20,5,6,6\n";
    const std::string db = dir.file("d.db");
    RunCli("--db " + db + " import " + dir.write("h.csv", csv));
    return db;
}

}  // namespace

TEST(PredictionCli, JsonHoldsTheGridsAndThePrediction) {
    TempDir dir;
    const std::string db = Database(dir);
    const std::string ini = dir.write("ナンバーズ3ズバリン.ini", "バラツキ分析Opt=True\r\n");
    const std::string out =
        RunCli("--db " + db + " show 一発ズバリン --settings " + ini + " --format json", "2>/dev/null");
    EXPECT_NE(out.find("{\"window\": \"一発ズバリン\", \"caption\": \"一発ズバリン予想\", \"grids\": [{\"columns\": 4, "
                       "\"rows\": 5"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("{\"columns\": 8, \"rows\": 2"), std::string::npos);
    // One option on: every reference one draw further back, 19 - lag.
    EXPECT_NE(
        out.find(
            ", \"prediction\": {\"options\": [false, false, false, true, false, false, false, false, false, false], "
            "\"optionCount\": 1, "
            "\"cycle\": [[\"5\", \"\", \"\"], [\"\", \"\", \"\"], [\"\", \"\", \"\"], [\"\", \"\", \"\"]], "
            "\"elimination\": [\"3\", \"2\", \"2\", \"6\", \"3\", \"7\", \"5\", \"5\", \"8\", \"9\", \"1\", \"4\", "
            "\"4\", \"2\", \"1\"], "
            "\"repeat\": [\"5\"], \"oneShot\": [\"5\"]}}\n"),
        std::string::npos)
        << out;
}

TEST(PredictionCli, BadSettingsLineIsReportedAndTheWindowStillShows) {
    TempDir dir;
    const std::string db = Database(dir);
    const std::string ini = dir.write("bad.ini", "頻度分析Opt=True\r\n間隔分析Opt=maybe\r\n");
    const std::string out = RunCli("--db " + db + " show 一発ズバリン --settings " + ini + " --format json");
    EXPECT_NE(out.find(ini + "」の2行目"), std::string::npos) << out;
    EXPECT_NE(out.find("\"optionCount\": 1"), std::string::npos) << out;
}
