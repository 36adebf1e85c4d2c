// numbers3zubarin-cli update against a local server: a clean run, nothing
// new, every way a run stops, differing digits, unreachable hosts.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <ostream>
#include <sstream>

#include "cli_run.h"
#include "draw_update_fixture.h"
#include "file_bytes.h"
#include "platform/store/database.h"

namespace n3::testing {
namespace {

class UpdateCliTest : public DrawUpdateTest {
protected:
    CliRun Update(const std::string& extra = "") {
        return Cli("--db " + db_ + " update --source " + server_->base() + " " + extra);
    }
};

TEST_F(UpdateCliTest, CleanRunStoresEachDrawWithItsResultsThenFindsNothingNew) {
    const CliRun run = Update();
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("第7054回 2026-08-21 048\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("第7057回 2026-08-26 777\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("第7054回〜第7060回の7回分を取り込みました（ナンバーズ3・ナンバーズ4）"), std::string::npos)
        << run.out;
    const auto stored = Stored();
    for (int no = 7054; no <= 7060; ++no) EXPECT_EQ(stored.at(no), FetchableDraw(no).digits) << no;
    // The same files' ナンバーズ4 parts, in their own tables.
    const auto database = Database::Open(db_, false);
    const HistorySnapshot four = database->ReadSnapshot(kNumbers4);
    ASSERT_EQ(four.history.size(), 7u);
    for (const Draw& d : four.history) EXPECT_EQ(DigitsText(d.digits, kNumbers4), FetchableDraw(d.drawNo).digits4);
    ASSERT_NE(FindResult(four.results, 7054), nullptr);
    EXPECT_EQ(FindResult(four.results, 7054)->date, "2026-08-21");
    EXPECT_EQ(FindResult(four.results, 7054)->prize(PrizeKind::Box).yen, 905400 / 12 / 100 * 100);

    const ResultHistory results = StoredResults();
    const DrawResult* triple = FindResult(results, 7057);
    ASSERT_NE(triple, nullptr);
    EXPECT_EQ(triple->date, "2026-08-26");
    EXPECT_EQ(triple->prize(PrizeKind::Straight).yen, 87100);
    EXPECT_FALSE(triple->prize(PrizeKind::Box).yen.has_value());
    const DrawResult* none = FindResult(results, 7059);
    ASSERT_NE(none, nullptr);
    EXPECT_FALSE(none->prize(PrizeKind::Straight).winners.has_value());
    EXPECT_EQ(none->prize(PrizeKind::Box).yen, 29000);

    const CliRun again = Update();
    EXPECT_EQ(again.status, 0) << again.out;
    EXPECT_EQ(again.out, "新しい当選データはありません（最新は第7060回・2026-08-31）\n");
}

TEST_F(UpdateCliTest, PrizesThatBreakThePrizeRuleAreStoredAndNamed) {
    // 048 has 6 orders: a box of 30,000 beside a straight of 174,000 breaks
    // the rule (29,000); the published amount is stored all the same.
    BankDraw broken = FetchableDraw(7054);
    broken.boxYen = 30000;
    server_->write(DrawFileName(7054), BankFile(broken));
    const CliRun run = Update();
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find("第7054回：ボックスの当せん金額 30,000円"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("第7055回："), std::string::npos) << run.out;
    EXPECT_EQ(FindResult(StoredResults(), 7054)->prize(PrizeKind::Box).yen, 30000);
}

TEST_F(UpdateCliTest, RequestsNameTheProgram) {
    // The pace between requests is the client's (http_client_test.cpp, on a simulated clock).
    const CliRun run = Update();
    ASSERT_EQ(run.status, 0) << run.out;
    const auto lines = server_->requests();
    ASSERT_EQ(lines.size(), 8u);  // the index and seven files
    for (const std::string& line : lines) {
        std::istringstream in(line);
        double time = 0;
        std::string path, agent;
        in >> time >> path >> agent;
        EXPECT_EQ(agent.rfind("numbers3zubarin/", 0), 0u) << line;
    }
}

struct Stop {
    const char* name;
    std::function<void(const DrawServer&)> arrange;
    const char* reason;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const Stop& c, std::ostream* out) { *out << c.name; }

class UpdateStopsTest : public UpdateCliTest, public ::testing::WithParamInterface<Stop> {};

TEST_P(UpdateStopsTest, StopsAtTheDrawKeepingThoseBefore) {
    GetParam().arrange(*server_);
    const CliRun run = Update();
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("第7056回で止まりました"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(GetParam().reason), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("第7054回〜第7055回の2回分を取り込みました"), std::string::npos) << run.out;
    const auto stored = Stored();
    EXPECT_EQ(stored.count(7055), 1u);
    for (int no = 7056; no <= 7060; ++no) EXPECT_EQ(stored.count(no), 0u) << no;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateStopsTest,
    ::testing::Values(
        Stop{"HtmlPage",
             [](const DrawServer& s) {
                 s.write("A1007056.CSV", "<!DOCTYPE html>\n<html><body>ただいま混み合っています</body></html>\n");
             },
             "Webページが返されました"},
        Stop{"Truncated",
             [](const DrawServer& s) {
                 const std::string whole = BankFile(FetchableDraw(7056));
                 s.write("A1007056.CSV", whole.substr(0, whole.size() / 2));
             },
             "途中で切れています"},
        Stop{"NotFound", [](const DrawServer& s) { s.remove("A1007056.CSV"); }, "HTTP 404"},
        Stop{"OtherDraw", [](const DrawServer& s) { s.write("A1007056.CSV", BankFile(FetchableDraw(7058))); },
             "第7058回のものです"},
        Stop{"EarlierDraw", [](const DrawServer& s) { s.write("A1007056.CSV", BankFile(FetchableDraw(7055))); },
             "第7055回のものです"},
        Stop{"Oversize",
             [](const DrawServer& s) {
                 s.write("A1007056.CSV", BankFile(FetchableDraw(7056)) + std::string(300 * 1024, ' '));
             },
             "大きすぎます"},
        Stop{"OversizeInChunks",
             [](const DrawServer& s) {
                 s.write("A1007056.CSV", BankFile(FetchableDraw(7056)) + std::string(300 * 1024, ' '));
                 s.rules(R"({"/A1007056.CSV": {"chunked": 16384}})");
             },
             "大きすぎます"},
        Stop{"RedirectToAnotherHost",
             [](const DrawServer& s) {
                 s.rules(R"({"/A1007056.CSV": {"redirect": ")" + s.base("localhost") + R"(A1007056.CSV"}})");
             },
             "別のホストへの転送"},
        Stop{"ServerError", [](const DrawServer& s) { s.rules(R"({"/A1007056.CSV": {"status": 503}})"); }, "HTTP 503"}),
    [](const ::testing::TestParamInfo<Stop>& p) { return std::string(p.param.name); });

TEST_F(UpdateCliTest, ARedirectWithinTheHostIsFollowed) {
    server_->write("moved.CSV", BankFile(FetchableDraw(7055)));
    server_->remove("A1007055.CSV");
    server_->rules(R"({"/A1007055.CSV": {"redirect": "/moved.CSV"}})");
    const CliRun run = Update();
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(Stored().at(7055), "315");
}

TEST_F(UpdateCliTest, DifferingDigitsStopTheRunUnlessReplaceIsGiven) {
    StoreByHand(7055, "999");
    const CliRun refused = Update();
    EXPECT_EQ(refused.status, 1) << refused.out;
    EXPECT_NE(refused.out.find("第7055回で止まりました"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("「999」"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("「315」"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("--replace"), std::string::npos) << refused.out;
    EXPECT_EQ(Stored().at(7055), "999");
    EXPECT_EQ(Stored().at(7054), "048");
    EXPECT_EQ(Stored().count(7056), 0u);

    const CliRun replaced = Update("--replace");
    EXPECT_EQ(replaced.status, 0) << replaced.out;
    EXPECT_EQ(Stored().at(7055), "315");
    EXPECT_EQ(Stored().at(7060), "519");
}

TEST_F(UpdateCliTest, EqualDigitsTypedByHandGetTheirDateAndPrizes) {
    StoreByHand(7054, "048");
    StoreByHand(7055, "315");
    const CliRun run = Update();
    EXPECT_EQ(run.status, 0) << run.out;
    const ResultHistory results = StoredResults();
    const DrawResult* r = FindResult(results, 7055);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->date, "2026-08-24");
    EXPECT_EQ(r->prize(PrizeKind::Mini).yen, 8700);
}

TEST_F(UpdateCliTest, AnUnreachableHostLeavesTheDatabaseUntouched) {
    const std::string before = FileBytes(db_);
    const CliRun run = Cli("--db " + db_ + " update --source http://127.0.0.1:1/");
    EXPECT_EQ(run.status, 1) << run.out;
    EXPECT_NE(run.out.find("接続できません"), std::string::npos) << run.out;
    EXPECT_EQ(FileBytes(db_), before);
}

TEST_F(UpdateCliTest, BadArgumentsExitWithTwo) {
    for (const std::string& args : {std::string("update --source http://example.com/numbers/csv/"),
                                    std::string("update --source 'https://example.com/with space/'"),
                                    std::string("update --source ftp://127.0.0.1/"), std::string("update extra")}) {
        const CliRun run = Cli("--db " + db_ + " " + args);
        EXPECT_EQ(run.status, 2) << args << "\n" << run.out;
    }
    EXPECT_TRUE(server_->requests().empty());
}

}  // namespace
}  // namespace n3::testing
