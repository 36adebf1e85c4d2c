// `import` of a results file passes the one check every path into the
// results passes: dates that cannot be refuse the file, a date off the draw
// schedule or a gap needs its option and is named, a published value is
// kept without --replace and every replaced one is named with it.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "raw_sqlite.h"
#include "temp_dir.h"

using n3::testing::Cli;
using n3::testing::RawValue;
using n3::testing::TempDir;

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kHeading =
    "回号,抽せん日,第1数字,第2数字,第3数字,ストレート口数,ボックス口数,セット（ストレート）口数,"
    "セット（ボックス）口数,ミニ口数,ストレート当選金額,ボックス当選金額,セット（ストレート）当選金額,"
    "セット（ボックス）当選金額,ミニ当選金額\n";

struct ResultsImport : ::testing::Test {
    void SetUp() override { ASSERT_EQ(Cli("--db " + db + " import-bundled").status, 0); }
    n3::testing::CliRun import(const std::string& rows, const std::string& options = "") {
        return Cli("--db " + db + " import " + dir.write("r.csv", kHeading + rows) + " " + options);
    }
    std::string stored(const std::string& column, int drawNo) const {
        return RawValue(db, "SELECT " + column + " FROM 当選結果 WHERE 回数 = " + std::to_string(drawNo));
    }
    TempDir dir;
    std::string db = dir.file("d.db");
};

TEST_F(ResultsImport, DatesThatCannotBeRefuseTheFileAndChangeNothing) {
    // The reproducer: 7053 in 2099 with 99,999,999 yen, 7052 after 7053.
    const auto refused = import(
        "7052,2026-08-21,8,7,2,40,478,120,1092,423,111200,18500,64800,9200,11100\n"
        "7053,2099-12-31,9,1,9,0,188,205,248,429,99999999,29500,59000,14700,8800\n",
        "--replace");
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Has(refused.out, "取り込みは行っていません")) << refused.out;
    EXPECT_EQ(stored("抽せん日", 7053), "2026-08-20");
    EXPECT_EQ(stored("ストレート当せん金額", 7053), "88500");
    EXPECT_EQ(stored("抽せん日", 7052), "2026-08-19");
}

TEST_F(ResultsImport, APublishedValueIsKeptWithoutReplaceAndEveryReplacedOneIsNamed) {
    const std::string row = "7053,2026-08-20,9,1,9,91,188,205,248,429,77700,29500,59000,14700,8800\n";
    const auto kept = import(row);
    ASSERT_EQ(kept.status, 0) << kept.out;
    EXPECT_EQ(stored("ストレート当せん金額", 7053), "88500");
    EXPECT_TRUE(Has(kept.out, "データベースの値のままにしました")) << kept.out;
    EXPECT_TRUE(Has(kept.out, "第7053回 ストレート 当せん金額")) << kept.out;
    const auto replaced = import(row, "--replace");
    ASSERT_EQ(replaced.status, 0) << replaced.out;
    EXPECT_EQ(stored("ストレート当せん金額", 7053), "77700");
    EXPECT_TRUE(Has(replaced.out, "ファイルの値で置き換えた 1 件")) << replaced.out;
    EXPECT_TRUE(Has(replaced.out, "「88,500円」、ファイルでは「77,700円」")) << replaced.out;
}

TEST_F(ResultsImport, ADateOffTheScheduleOrAGapNeedsItsOptionAndIsNamed) {
    // 7054 falls on Friday 2026-08-21; the file says Saturday.
    const std::string saturday = "7054,2026-08-22,1,2,3,10,,,,,90000,,,,\n";
    const auto refused = import(saturday);
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(Has(refused.out, "--allow-off-schedule")) << refused.out;
    EXPECT_EQ(RawValue(db, "SELECT count(*) FROM 当選データ WHERE 回数 = 7054"), "0");
    const auto allowed = import(saturday, "--allow-off-schedule");
    ASSERT_EQ(allowed.status, 0) << allowed.out;
    EXPECT_TRUE(Has(allowed.out, "予定と違う日付で取り込みました：第7054回の抽せん日 2026-08-22")) << allowed.out;

    const std::string gap = "7057,2026-08-27,4,5,6,10,,,,,90000,,,,\n";
    const auto gapRefused = import(gap, "--allow-off-schedule");
    EXPECT_EQ(gapRefused.status, 1);
    EXPECT_TRUE(Has(gapRefused.out, "第7055回〜第7056回 が抜けています")) << gapRefused.out;
    const auto gapAllowed = import(gap, "--allow-off-schedule --allow-gap");
    ASSERT_EQ(gapAllowed.status, 0) << gapAllowed.out;
    EXPECT_TRUE(Has(gapAllowed.out, "抜けている回があるまま取り込みました：第7055回〜第7056回")) << gapAllowed.out;
}

TEST_F(ResultsImport, TheShippedResultsPassTheCheckAsTheyAre) {
    const std::string exported = dir.file("all.csv");
    ASSERT_EQ(Cli("--db " + db + " export --results", "> " + exported).status, 0);
    const std::string fresh = dir.file("fresh.db");
    ASSERT_EQ(Cli("--db " + fresh + " import " + exported).status, 0);
    const auto again = Cli("--db " + db + " import " + exported + " --replace");
    EXPECT_EQ(again.status, 0) << again.out;
}

}  // namespace

TEST_F(ResultsImport, PrizesThatBreakTheRuleAreStoredAndNamed) {
    // 919 has 3 orders: the box prize is 88,500 ÷ 3 = 29,500; 30,000 breaks
    // the rule, and is stored all the same, since published amounts are facts.
    const auto broken = import("7053,2026-08-20,9,1,9,91,188,205,248,429,88500,30000,59000,14700,8800\n", "--replace");
    ASSERT_EQ(broken.status, 0) << broken.out;
    EXPECT_EQ(stored("ボックス当せん金額", 7053), "30000");
    EXPECT_TRUE(Has(broken.out, "当せん金額の規則と合いませんが")) << broken.out;
    EXPECT_TRUE(Has(broken.out, "第7053回：ボックスの当せん金額 30,000円")) << broken.out;
    const auto agreeing =
        import("7053,2026-08-20,9,1,9,91,188,205,248,429,88500,29500,59000,14700,8800\n", "--replace");
    ASSERT_EQ(agreeing.status, 0) << agreeing.out;
    EXPECT_FALSE(Has(agreeing.out, "当せん金額の規則")) << agreeing.out;
}
