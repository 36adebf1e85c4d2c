// `show 乱数性の検定` through the command-line tool: the range options, the
// "tests" member and a reversed range refused with a message.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <random>

#include "cli_run.h"
#include "temp_dir.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

std::string ImportedDatabase(TempDir& dir, int draws) {
    std::mt19937 rng(3);
    std::string csv = "回数,第1数字,第2数字,第3数字\n";
    for (int i = 1; i <= draws; ++i)
        csv += std::to_string(i) + "," + std::to_string(rng() % 10) + "," + std::to_string(rng() % 10) + "," +
               std::to_string(rng() % 10) + "\n";
    const auto db = dir.file("d.db");
    EXPECT_EQ(Cli("--db " + db + " import " + dir.write("h.csv", csv)).status, 0);
    return db;
}

}  // namespace

TEST(RandomnessCli, RangeOptionsAndTheTestsMember) {
    TempDir dir;
    const auto db = ImportedDatabase(dir, 800);
    const CliRun json = Cli("--db " + db + " show 乱数性の検定 --from 101 --to 700 --format json");
    ASSERT_EQ(json.status, 0) << json.out;
    EXPECT_NE(json.out.find("\"tests\": [{\"name\": \"数字の出現回数\", \"n\": 600, "), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("{\"name\": \"引っ張り\", \"n\": 599, \"statistic\": "), std::string::npos);

    const CliRun text = Cli("--db " + db + " show 乱数性の検定 --to 40");
    ASSERT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("対象：第1回〜第40回"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("データ不足"), std::string::npos);

    const CliRun reversed = Cli("--db " + db + " show 乱数性の検定 --from 700 --to 101");
    EXPECT_EQ(reversed.status, 2);
    EXPECT_NE(reversed.out.find("--from には --to 以下の回数を指定してください。"), std::string::npos) << reversed.out;
}
