// The command-line tool with results: import-bundled, import with and
// without --replace, export --results read back, show 当選結果一覧.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>

#include "cli_run.h"
#include "core/number_rules.h"
#include "file_bytes.h"
#include "io/history_csv.h"
#include "temp_dir.h"
#include "test_paths.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

using n3::testing::FileBytes;

}  // namespace

TEST(ResultsCli, ImportBundledTakesBothShippedFilesAndExportReadsBackTheSame) {
    const auto history = n3::ReadHistoryCsvFile(std::string(n3::testing::kDataDir) + "/numbers3-history.csv");
    const auto results = n3::ReadHistoryCsvFile(std::string(n3::testing::kDataDir) + "/numbers3-results.csv");
    ASSERT_TRUE(history.ok() && results.ok());
    TempDir dir;
    const auto db = dir.file("d.db");
    const auto r = Cli("--db " + db + " import-bundled");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("追加 " + std::to_string(history.draws.size()) + " 件"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("当選結果 " + std::to_string(results.results.size()) + " 件"), std::string::npos) << r.out;

    // The plain export is the shipped history.
    EXPECT_TRUE(Cli("--db " + db + " export", "2>/dev/null").out == n3::WriteHistoryCsv(history.draws));

    // export --results: the shipped results file's header, its lines for
    // the draws it holds, and the same file again after a round trip.
    const std::string exported = Cli("--db " + db + " export --results", "2>/dev/null").out;
    const std::string shipped = FileBytes(std::string(n3::testing::kDataDir) + "/numbers3-results.csv");
    EXPECT_EQ(exported.substr(0, exported.find('\n')), shipped.substr(0, shipped.find('\n')));
    const std::string line7053 = shipped.substr(shipped.find("\n7053,") + 1);
    EXPECT_NE(exported.find(line7053), std::string::npos);
    const auto file = dir.write("r.csv", exported);
    const auto db2 = dir.file("e.db");
    const auto again = Cli("--db " + db2 + " import " + file);
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_TRUE(Cli("--db " + db2 + " export --results", "2>/dev/null").out == exported);

    // A second import-bundled agrees with what is stored: all replaced.
    const auto twice = Cli("--db " + db + " import-bundled");
    EXPECT_EQ(twice.status, 0) << twice.out;
    EXPECT_NE(twice.out.find("追加 0 件"), std::string::npos) << twice.out;
}

TEST(ResultsCli, ImportBundledRefusesDisagreeingDigitsUnlessReplace) {
    TempDir dir;
    const auto db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import " + dir.write("one.csv", "回数,第1数字,第2数字,第3数字\n1,0,0,0\n")).status,
              0);
    const auto history = n3::ReadHistoryCsvFile(std::string(n3::testing::kDataDir) + "/numbers3-history.csv");
    ASSERT_TRUE(history.ok());
    std::string shipped1;
    shipped1 = n3::DigitsText(history.draws[0].digits);
    ASSERT_NE(shipped1, "000");
    const auto refused = Cli("--db " + db + " import-bundled");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.out.find("第1回：データベースでは「000」、ファイルでは「" + shipped1 + "」"), std::string::npos)
        << refused.out;
    EXPECT_EQ(Cli("--db " + db + " export", "2>/dev/null").out, "回数,第1数字,第2数字,第3数字\r\n1,0,0,0\r\n");
    EXPECT_EQ(Cli("--db " + db + " import-bundled --replace").status, 0);
    EXPECT_NE(Cli("--db " + db + " export", "2>/dev/null").out.find("\r\n1," + std::string(1, shipped1[0]) + ","),
              std::string::npos);
}

TEST(ResultsCli, ShowPrintsTheResultListNewestFirstWithUnknownsEmpty) {
    TempDir dir;
    const auto db = dir.file("d.db");
    const auto file = dir.write("r.csv",
                                "回号,抽せん日,当せん番号,ストレート口数,ストレート当選金額\n"
                                "8,2026-08-19,777,0,0\n"
                                "9,令和8年8月20日(木),048,62,\"87,100円\"\n"
                                "7,,123,,\n");
    ASSERT_EQ(Cli("--db " + db + " import " + file).status, 0);
    const auto r = Cli("--db " + db + " show 当選結果一覧 --format csv", "2>/dev/null");
    ASSERT_EQ(r.status, 0) << r.out;
    const auto nine = r.out.find("9,2026-08-20,048,62,\"87,100円\"");
    const auto eight = r.out.find("8,2026-08-19,777,0,,,,");
    const auto seven = r.out.find("7,,123,,,");
    EXPECT_NE(nine, std::string::npos) << r.out;
    EXPECT_NE(eight, std::string::npos) << r.out;
    EXPECT_NE(seven, std::string::npos) << r.out;
    EXPECT_LT(nine, eight);
    EXPECT_LT(eight, seven);
    const auto json = Cli("--db " + db + " show 当選結果一覧 --format json", "2>/dev/null");
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find("\"window\": \"当選結果一覧\""), std::string::npos) << json.out.substr(0, 200);
}
