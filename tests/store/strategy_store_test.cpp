// The strategies' table 買い方: what it keeps, what it refuses even from
// another writer, and the CLI's `show 買い方の検証` over a strategy given
// as options or over the saved ones.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "cli_run.h"
#include "platform/store/database.h"
#include "platform/store/schema.h"
#include "raw_sqlite.h"
#include "temp_dir.h"

using namespace n3;
using n3::testing::Cli;
using n3::testing::CliRun;
using n3::testing::RawExec;
using n3::testing::TempDir;

namespace {

Strategy Sample(StrategyRule rule, TicketKind kind = TicketKind::Straight) {
    Strategy s;
    s.name = "試し";
    s.rule = rule;
    s.kind = kind;
    s.n = 50;
    s.k = 3;
    s.numbers = {123, 456};
    s.sumLow = 10;
    s.sumHigh = 10;
    s.units = 2;
    return s;
}

constexpr const char* kHistory = "回数,第1数字,第2数字,第3数字\n1,1,2,3\n2,4,5,6\n3,1,2,3\n4,3,2,1\n5,1,2,\n6,1,2,3\n";

}  // namespace

TEST(StrategyStore, AddUpdateRemoveAndReadBack) {
    TempDir dir;
    auto db = Database::Open(dir.file("d.db"));
    EXPECT_GE(CurrentSchemaVersion(), kStrategySchemaVersion);
    Strategy fixed = Sample(StrategyRule::Fixed);
    fixed.id = db->strategies().Add(fixed);
    Strategy mini = Sample(StrategyRule::Fixed, TicketKind::Mini);
    mini.numbers = {5, 17};
    mini.id = db->strategies().Add(mini);
    Strategy hot = Sample(StrategyRule::Hot, TicketKind::Box);
    hot.id = db->strategies().Add(hot);
    // Only the fixed rule keeps its numbers.
    hot.numbers.clear();
    EXPECT_EQ(db->strategies().ReadAll(), (std::vector<Strategy>{fixed, mini, hot}));
    fixed.units = 5;
    fixed.rule = StrategyRule::Sum;
    db->strategies().Update(fixed);
    fixed.numbers.clear();
    db->strategies().Remove(mini.id);
    EXPECT_EQ(db->strategies().ReadAll(), (std::vector<Strategy>{fixed, hot}));
}

TEST(StrategyStore, RefusesWhatTheRulesRefuseAndKeepsTheTable) {
    TempDir dir;
    auto db = Database::Open(dir.file("d.db"));
    const Strategy kept = Sample(StrategyRule::Last);
    db->strategies().Add(kept);
    Strategy wide = Sample(StrategyRule::Sum);
    wide.sumLow = 10;
    wide.sumHigh = 17;
    EXPECT_THROW(db->strategies().Add(wide), StoreError);
    Strategy triple = Sample(StrategyRule::Fixed, TicketKind::Box);
    triple.numbers = {777};
    EXPECT_THROW(db->strategies().Add(triple), StoreError);
    EXPECT_EQ(db->strategies().ReadAll().size(), 1u);
}

TEST(StrategyStore, ConstraintsRefuseAnotherWritersRows) {
    TempDir dir;
    const std::string path = dir.file("d.db");
    Database::Open(path);
    const std::string insert =
        "INSERT INTO 買い方 (規則, 直近回数, 個数, 数字, 合計下限, 合計上限, 種類, 口数) VALUES ";
    EXPECT_EQ(RawExec(path, insert + "('hot', 100, 10, '', 0, 0, 'ストレート', 1)"), SQLITE_OK);
    for (const char* bad :
         {"('warm', 100, 10, '', 0, 0, 'ストレート', 1)", "('hot', 0, 10, '', 0, 0, 'ストレート', 1)",
          "('hot', 100, 101, '', 0, 0, 'ストレート', 1)", "('fixed', 100, 1, '1;2', 0, 0, 'ストレート', 1)",
          "('sum', 100, 1, '', 9, 8, 'ストレート', 1)", "('hot', 100, 1, '', 0, 0, 'くじ', 1)",
          "('hot', 100, 1, '', 0, 0, 'ミニ', 100)", "('hot', 1.5, 1, '', 0, 0, 'ミニ', 1)"})
        EXPECT_EQ(RawExec(path, insert + bad), SQLITE_CONSTRAINT) << bad;
}

TEST(StrategyCli, ShowsOneStrategyGivenAsOptions) {
    TempDir dir;
    const std::string base = "--db " + dir.file("d.db") + " ";
    ASSERT_EQ(Cli(base + "import " + dir.write("h.csv", kHistory)).status, 0);
    const CliRun run = Cli(base + "show 買い方の検証 --strategy fixed --numbers 123 --format json", "2>/dev/null");
    ASSERT_EQ(run.status, 0) << run.out;
    // Five complete draws, three of them 123.
    EXPECT_NE(run.out.find("\"strategy\": {\"rule\": \"fixed\", \"kind\": \"straight\", \"units\": 1, \"draws\": 5, "
                           "\"tickets\": 5, \"hits\": 3, \"expectedHits\": 0.005"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\"spent\": null"), std::string::npos);
    const CliRun box =
        Cli(base + "show 買い方の検証 --strategy last --kind box --units 3 --from 2 --format json", "2>/dev/null");
    // Draws 2..6 bought the draw before: 123 (no), 456 (no), 123 (yes, 321), 321 (yes, 123).
    EXPECT_NE(box.out.find("\"kind\": \"box\", \"units\": 3, \"draws\": 4, \"tickets\": 4, \"hits\": 2"),
              std::string::npos)
        << box.out;
}

TEST(StrategyCli, RefusesStrategiesThatCannotBeTested) {
    TempDir dir;
    const std::string base = "--db " + dir.file("d.db") + " show 買い方の検証 ";
    for (const char* bad : {"--strategy warm", "--strategy sum --sum 10-17", "--strategy sum --sum 9",
                            "--strategy fixed", "--strategy fixed --numbers 12x", "--strategy hot --kind lotto",
                            "--strategy hot --k 0", "--strategy fixed --numbers 777 --kind box"}) {
        const CliRun run = Cli(base + bad + " --format json");
        EXPECT_EQ(run.status, 2) << bad << "\n" << run.out;
        EXPECT_EQ(run.out.find("\"strategy\""), std::string::npos) << bad;
    }
}

TEST(StrategyCli, WithoutAStrategyTestsTheSavedOnes) {
    TempDir dir;
    const std::string path = dir.file("d.db");
    ASSERT_EQ(Cli("--db " + path + " import " + dir.write("h.csv", kHistory)).status, 0);
    {
        auto db = Database::Open(path);
        db->strategies().Add(Sample(StrategyRule::Fixed));
        db->strategies().Add(Sample(StrategyRule::Overdue, TicketKind::Set));
    }
    const CliRun run = Cli("--db " + path + " show 買い方の検証 --format json", "2>/dev/null");
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("\"strategies\": [{\"name\": \"試し\", \"rule\": \"fixed\""), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\"rule\": \"overdue\", \"kind\": \"set\", \"units\": 2"), std::string::npos);
    const CliRun text = Cli("--db " + path + " show 買い方の検証 --format text", "2>/dev/null");
    EXPECT_NE(text.out.find("決まった番号（123,456）"), std::string::npos) << text.out;
}
