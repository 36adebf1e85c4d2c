// `tickets` on the command line: add, list, check, export and import as a
// user runs them; bad input exits 2 and leaves the book as it was.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "cli_run.h"
#include "platform/store/draw_store.h"
#include "platform/store/ticket_store.h"
#include "temp_dir.h"
#include "tickets/ticket.h"

using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::TempDir;

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(TicketCli, AddListCheckWithDrawnAndPendingDraws) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const std::string base = "--db " + db + " --settings " + dir.file("none.ini") + " tickets ";
    ASSERT_EQ(
        Cli("--db " + db + " import " + dir.write("h.csv", "回数,第1数字,第2数字,第3数字\n1,0,4,8\n2,8,4,0\n3,1,2,3\n"))
            .status,
        0);
    const CliRun add =
        Cli(base + "add --draw 2 --draws 3 --number 048 --type box --units 2 --date 2024-05-01 --memo 試し");
    ASSERT_EQ(add.status, 0) << add.out;
    EXPECT_TRUE(Has(add.out, "1,200 円")) << add.out;
    ASSERT_EQ(Cli(base + "add --draw 1 --number 48 --type mini --date 2024-05-01").status, 0);

    const CliRun list = Cli(base + "list");
    EXPECT_TRUE(Has(list.out, "第2回〜第4回  048  ボックス  2口")) << list.out;
    EXPECT_TRUE(Has(list.out, "試し"));

    // No prize list yet: draw 2 (840) wins a box whose prize is unknown,
    // draw 3 loses, draw 4 is not drawn; the mini wins on draw 1.
    const CliRun csv = Cli(base + "check --format csv");
    ASSERT_EQ(csv.status, 0) << csv.out;
    // The wins without a dated result have no deadline yet; nothing received.
    EXPECT_TRUE(Has(csv.out, ",2,840,ボックス 当せん（金額不明）,,,,0,0\r\n")) << csv.out;
    EXPECT_TRUE(Has(csv.out, ",3,123,はずれ,0,,,0,0\r\n"));
    EXPECT_TRUE(Has(csv.out, ",4,,未抽せん,,,,0,0\r\n"));
    EXPECT_TRUE(Has(csv.out, ",1,048,ミニ 当せん（金額不明）,,,,0,0\r\n"));
    EXPECT_TRUE(Has(csv.out, "合計,2,7,1400,0,0,-1400,-1400,0.0\r\n")) << csv.out;
    const CliRun json = Cli(base + "check --format json");
    EXPECT_TRUE(Has(json.out, "\"outcome\":\"未抽せん\"")) << json.out;
    EXPECT_TRUE(Has(json.out, "\"spent\":1400"));
    const CliRun text = Cli(base + "check");
    EXPECT_TRUE(Has(text.out, "理論値 約45%")) << text.out;

    // The window's grids print through show, with the same figures.
    const CliRun shown = Cli("--db " + db + " show 購入記録 --format csv");
    ASSERT_EQ(shown.status, 0) << shown.out;
    EXPECT_TRUE(Has(shown.out, "2024-05-01,048,ボックス,2,2,840,ボックス 当せん（金額不明）,")) << shown.out;
    EXPECT_TRUE(Has(shown.out, "合計,2,7,\"1,400\",0,0,\"-1,400\",\"-1,400\",0.0%")) << shown.out;
}

TEST(TicketCli, BadInputExitsTwoAndChangesNothing) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const std::string base = "--db " + db + " --settings " + dir.file("none.ini") + " tickets ";
    ASSERT_EQ(Cli(base + "add --draw 5 --number 123 --type straight").status, 0);
    for (const char* bad : {
             "add --draw 5 --number 555 --type box",
             "add --draw 5 --number 555 --type set",
             "add --draw 5 --number 123 --type lotto",
             "add --draw 5 --number 12 --type straight",
             "add --draw 5 --number 123 --type straight --units 100",
             "add --draw 5 --draws 21 --number 123 --type straight",
             "add --draw 0 --number 123 --type straight",
             "add --number 123 --type straight",
             "add --draw 5 --number 123 --type straight --date 2024-02-30",
             "add --draw 5 --number 123 --type straight --colour red",
             "sell",
             "list --format csv --units 2",
         }) {
        const CliRun r = Cli(base + bad);
        EXPECT_EQ(r.status, 2) << bad << '\n' << r.out;
    }
    EXPECT_EQ(n3::TicketStore::Open(db).ReadAll().size(), 1u);
    // Reading a book never creates a database behind the user's back.
    const std::string missing = dir.file("typo.db");
    EXPECT_EQ(Cli("--db " + missing + " tickets list").status, 1);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(TicketCli, ExportImportRoundTripAndAllOrNothing) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const std::string base = "--db " + db + " --settings " + dir.file("none.ini") + " tickets ";
    ASSERT_EQ(Cli(base + "add --draw 7 --number 007 --type set --units 3 --date 2024-01-02 --memo 'a,b'").status, 0);
    ASSERT_EQ(Cli(base + "add --draw 8 --number 07 --type mini --date 2024-01-03").status, 0);
    const CliRun exported = Cli(base + "export");
    ASSERT_EQ(exported.status, 0);
    EXPECT_TRUE(Has(exported.out, "1,2024-01-02,7,1,007,セット,3,\"a,b\",\r\n")) << exported.out;

    const std::string other = dir.file("other.db");
    const std::string file = dir.write("book.csv", exported.out);
    ASSERT_EQ(Cli("--db " + other + " tickets import " + file).status, 0);
    EXPECT_EQ(Cli("--db " + other + " tickets export").out, exported.out);

    // One bad line: nothing of the file is stored.
    const std::string broken =
        dir.write("bad.csv", exported.out + ",2024-01-04,9,1,999,ボックス,1,,\r\n,2024-01-04,9,1,123,ボックス,1,,\r\n");
    const CliRun refused = Cli("--db " + other + " tickets import " + broken);
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(Has(refused.out, "4 行目")) << refused.out;
    EXPECT_EQ(n3::TicketStore::Open(other).ReadAll().size(), 2u);
    ASSERT_EQ(Cli("--db " + other + " tickets import --replace " + file).status, 0);
    EXPECT_EQ(n3::TicketStore::Open(other).ReadAll().size(), 2u);
}

TEST(TicketCli, BudgetWarningButStored) {
    TempDir dir;
    const std::string db = dir.file("d.db");
    const std::string ini = dir.write("s.ini", "月の予算=1000\r\n");
    const std::string base = "--db " + db + " --settings " + ini + " tickets ";
    const CliRun first = Cli(base + "add --draw 1 --number 123 --type straight --units 5 --date 2024-03-01");
    EXPECT_FALSE(Has(first.out, "月の予算")) << first.out;
    const CliRun second = Cli(base + "add --draw 2 --number 123 --type straight --date 2024-03-02");
    EXPECT_EQ(second.status, 0);
    EXPECT_TRUE(Has(second.out, "月の予算 1,000 円を超えます")) << second.out;
    EXPECT_EQ(n3::TicketStore::Open(db).ReadAll().size(), 2u);
}
