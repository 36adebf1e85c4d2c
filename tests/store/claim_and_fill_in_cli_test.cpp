// The command line and the complete results: import-bundled fills in a
// database's missing results and keeps (and reports) its own differing
// figures unless --replace; tickets check gives each win's claim deadline
// and whether it was received.
#include <gtest/gtest.h>

#include "cli_run.h"
#include "raw_sqlite.h"
#include "temp_dir.h"

using n3::testing::Cli;
using n3::testing::RawExec;
using n3::testing::RawValue;
using n3::testing::TempDir;

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(FillInCli, ImportBundledAddsOnlyWhatIsMissingAndKeepsTheUsersValue) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import-bundled").status, 0);
    // The user's own figure for 7000, and a result removed as an older
    // bundle lacked it.
    ASSERT_EQ(RawExec(db,
                      "UPDATE 当選結果 SET ストレート当せん金額 = 90000 WHERE 回数 = 7000;"
                      "DELETE FROM 当選結果 WHERE 回数 = 6757;"),
              0);
    const auto again = Cli("--db " + db + " import-bundled");
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_TRUE(Has(again.out, "同梱の当選結果で 1 回分を補いました")) << again.out;
    EXPECT_TRUE(Has(again.out, "第7000回 ストレート 当せん金額：データベースでは「90,000円」")) << again.out;
    EXPECT_EQ(RawValue(db, "SELECT ストレート当せん金額 FROM 当選結果 WHERE 回数 = 7000"), "90000");
    EXPECT_EQ(RawValue(db, "SELECT count(*) FROM 当選結果 WHERE 抽せん日 IS NOT NULL"), "7053");

    const auto replaced = Cli("--db " + db + " import-bundled --replace");
    ASSERT_EQ(replaced.status, 0) << replaced.out;
    EXPECT_NE(RawValue(db, "SELECT ストレート当せん金額 FROM 当選結果 WHERE 回数 = 7000"), "90000");
}

TEST(FillInCli, AFreshImportHoldsEveryDateAndTheCorrectedPrizes) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import-bundled").status, 0);
    EXPECT_EQ(RawValue(db, "SELECT count(*) FROM 当選結果 WHERE 抽せん日 IS NOT NULL AND 抽せん日推定 = 0"), "7053");
    EXPECT_EQ(RawValue(db, "SELECT ミニ当せん金額 FROM 当選結果 WHERE 回数 = 6809"), "7900");
    EXPECT_EQ(RawValue(db, "SELECT ストレート当せん金額 FROM 当選結果 WHERE 回数 = 6810"), "69100");
    EXPECT_EQ(RawValue(db, "SELECT ボックス当せん金額 FROM 当選結果 WHERE 回数 = 6810"), "");
    EXPECT_EQ(RawValue(db, "SELECT ストレート当せん金額 FROM 当選結果 WHERE 回数 = 7034"), "80400");
}

TEST(ClaimCli, TicketsCheckGivesTheDeadlineAndTheReceivedFlagInEveryFormat) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import-bundled").status, 0);
    // 919 won the straight on 7053 (2026-08-20, 88,500 yen).
    ASSERT_EQ(Cli("--db " + db + " tickets add --draw 7053 --number 919 --type straight --date 2026-08-20").status, 0);
    const auto json = Cli("--db " + db + " tickets check --format json --date 2027-08-01", "2>/dev/null");
    ASSERT_EQ(json.status, 0) << json.out;
    EXPECT_TRUE(Has(json.out,
                    "\"claimDeadline\":\"2027-08-20\",\"claimDeadlineEstimated\":true,\"received\":false,"
                    "\"expired\":false"))
        << json.out;
    const auto text = Cli("--db " + db + " tickets check --date 2027-08-21", "2>/dev/null");
    EXPECT_TRUE(Has(text.out, "期限切れ（2027-08-20（目安））")) << text.out;
    // Past the deadline the prize is 失効: left out of 当せん金 and 収支 in every format, summed apart.
    EXPECT_TRUE(Has(text.out, "    1  2026-08-20   7053")) << text.out;
    EXPECT_TRUE(Has(text.out, "当せん金 0 円　収支 -200 円")) << text.out;
    EXPECT_TRUE(Has(text.out, "失効 88,500円")) << text.out;
    const auto expiredJson = Cli("--db " + db + " tickets check --format json --date 2027-08-21", "2>/dev/null");
    EXPECT_TRUE(Has(expiredJson.out,
                    "\"total\":{\"purchases\":1,\"units\":1,\"spent\":200,\"won\":0,"
                    "\"expiredYen\":88500,\"balance\":-200"))
        << expiredJson.out;
    const auto expiredCsv = Cli("--db " + db + " tickets check --format csv --date 2027-08-21", "2>/dev/null");
    EXPECT_TRUE(Has(expiredCsv.out, "合計,1,1,200,0,88500,-200,-200,0.0\r\n")) << expiredCsv.out;
    const auto csv = Cli("--db " + db + " tickets check --format csv --date 2027-08-01", "2>/dev/null");
    EXPECT_TRUE(Has(csv.out, ",88500,2027-08-20,1,0,0\r\n")) << csv.out;

    ASSERT_EQ(Cli("--db " + db + " tickets received 1 yes").status, 0);
    const auto after = Cli("--db " + db + " tickets check --format json --date 2027-08-01", "2>/dev/null");
    EXPECT_TRUE(Has(after.out, "\"received\":true")) << after.out;
    EXPECT_TRUE(Has(Cli("--db " + db + " tickets check --date 2027-08-01", "2>/dev/null").out, "受け取り済み"));
    EXPECT_EQ(Cli("--db " + db + " tickets received 9 yes").status, 2);
    EXPECT_EQ(Cli("--db " + db + " tickets received 1 maybe").status, 2);
}

TEST(ClaimCli, ReceivedIsRefusedBeforeAWinAndTheBookRoundTripsThroughItsCsv) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + db + " import-bundled").status, 0);
    // 1 won (919 on 7053), 2 goes (a gap in the ids), 3 lost, 4 is not drawn yet.
    for (const char* ticket :
         {"--draw 7053 --number 919 --type straight", "--draw 7053 --number 123 --type box",
          "--draw 7053 --number 000 --type straight --memo \"a, \"\"b\"\"\"", "--draw 7060 --number 45 --type mini"})
        ASSERT_EQ(Cli("--db " + db + " tickets add --date 2026-08-20 " + ticket).status, 0) << ticket;
    ASSERT_EQ(RawExec(db, "DELETE FROM 購入記録 WHERE id = 2"), 0);
    for (const char* notWon : {"3", "4"}) {
        const auto refused = Cli("--db " + db + " tickets received " + notWon + " yes");
        EXPECT_EQ(refused.status, 2);
        EXPECT_TRUE(Has(refused.out, "まだ当せんしていません")) << refused.out;
    }
    ASSERT_EQ(Cli("--db " + db + " tickets received 1 yes").status, 0);

    const std::string check = " tickets check --format json --date 2026-09-01";
    const auto before = Cli("--db " + db + check, "2>/dev/null");
    const std::string csv = dir.file("book.csv");
    ASSERT_EQ(Cli("--db " + db + " tickets export", "> " + csv).status, 0);
    ASSERT_EQ(Cli("--db " + db + " tickets import --replace " + csv).status, 0);
    EXPECT_EQ(Cli("--db " + db + check, "2>/dev/null").out, before.out);
    EXPECT_TRUE(Has(before.out, "\"received\":true")) << before.out;
    // Into another database the book goes whole as well.
    const std::string other = dir.file("other.db");
    ASSERT_EQ(Cli("--db " + other + " import-bundled").status, 0);
    ASSERT_EQ(Cli("--db " + other + " tickets import --replace " + csv).status, 0);
    EXPECT_EQ(Cli("--db " + other + check, "2>/dev/null").out, before.out);
}
