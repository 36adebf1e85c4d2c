// The update against a server that names implausible draws: a number far
// past the newest stored one, dates that do not fit the stored draws around
// them, an index of 24,000 draws; the summary names dates off the schedule;
// a recheck reports what differs and replaces only when asked.
#include <gtest/gtest.h>

#include "draw_update_fixture.h"
#include "platform/net/draw_updater.h"

namespace n3::testing {
namespace {

HttpOptions Quick() {
    HttpOptions o;
    o.minInterval = std::chrono::milliseconds(0);
    o.maxBytes = 1024 * 1024;
    return o;
}

UpdateRequest On(const std::string& today) {
    UpdateRequest r;
    r.today = today;
    return r;
}

bool Requested(const DrawServer& server, const std::string& path) {
    for (const std::string& line : server.requests())
        if (line.find(" " + path + " ") != std::string::npos) return true;
    return false;
}

class DrawPlausibilityTest : public DrawUpdateTest {
protected:
    UpdateOutcome Run(const UpdateEvents& events = {}, const UpdateRequest& request = On("2026-09-01")) {
        HttpClient http(Quick());
        const auto database = Database::Open(db_, false);
        return UpdateDraws(*database, server_->base(), http, events, request);
    }
    void StoreDated(int no, const std::string& digits, const std::string& date) {
        DrawStore store = DrawStore::Open(db_, false);
        DrawResult r;
        r.drawNo = no;
        r.date = date;
        ImportDrawsAndResults(store, {MakeDraw(no, digits)}, {r}, false);
    }
};

TEST_F(DrawPlausibilityTest, Draw30000DatedIn2099IsAskedAboutAndThenRefusedByItsDate) {
    // The index listing 第30000回, its file dated 2099-12-31.
    server_->write("numbers.csv", IndexFile({30000, 7053, 7052}));
    BankDraw far{30000, "123", 2099, 12, 31};
    server_->write("A10030000.CSV", BankFile(far));

    const UpdateOutcome unasked = Run();
    EXPECT_TRUE(unasked.failed());
    EXPECT_EQ(unasked.gapDraw, 30000);
    EXPECT_NE(unasked.message.find("第30000回で止まりました：データベースの最新の第7053回の次が第30000回です"),
              std::string::npos)
        << unasked.message;
    EXPECT_FALSE(Requested(*server_, "/A10030000.CSV"));

    std::vector<std::pair<int, int>> asked;
    UpdateEvents events;
    events.allowGap = [&](int newest, int no) {
        asked.emplace_back(newest, no);
        return true;
    };
    const UpdateOutcome allowed = Run(events);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{7053, 30000}}));
    EXPECT_TRUE(allowed.failed());
    EXPECT_NE(allowed.message.find("第30000回の抽せん日 2099-12-31 はまだ来ていない日です"), std::string::npos)
        << allowed.message;
    EXPECT_EQ(Stored().count(30000), 0u);
    EXPECT_EQ(FindResult(StoredResults(), 30000), nullptr);
}

struct BadDate {
    const char* name;
    int year, month, day;
    const char* word;
};
void PrintTo(const BadDate& c, std::ostream* out) { *out << c.name; }

class Draw7054Dated : public DrawPlausibilityTest, public ::testing::WithParamInterface<BadDate> {};

TEST_P(Draw7054Dated, WhileDraw7055IsDated20260824IsRefusedAndNotStored) {
    StoreDated(7055, "315", "2026-08-24");
    server_->write("numbers.csv", IndexFile({7055, 7054, 7053}));
    BankDraw d = FetchableDraw(7054);
    d.year = GetParam().year;
    d.month = GetParam().month;
    d.day = GetParam().day;
    server_->write("A1007054.CSV", BankFile(d));
    const UpdateOutcome out = Run();
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.message.find("第7054回で止まりました：第7054回の抽せん日"), std::string::npos) << out.message;
    EXPECT_NE(out.message.find(GetParam().word), std::string::npos) << out.message;
    EXPECT_EQ(Stored().count(7054), 0u);
    EXPECT_EQ(FindResult(StoredResults(), 7054), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Reproducers, Draw7054Dated,
                         ::testing::Values(BadDate{"Dated20991231", 2099, 12, 31, "後の第7055回（2026-08-24）"},
                                           BadDate{"Dated2027", 2027, 1, 5, "後の第7055回（2026-08-24）"},
                                           BadDate{"Dated19941007", 1994, 10, 7, "前の第7053回（2026-08-20）"}),
                         [](const ::testing::TestParamInfo<BadDate>& p) { return std::string(p.param.name); });

TEST_F(DrawPlausibilityTest, AnIndexOf24000DrawsIsFetchedABoundedNumberAtATime) {
    std::vector<int> listed;
    for (int no = 31000; no >= 7054; --no) listed.push_back(no);
    server_->write("numbers.csv", IndexFile(listed));
    UpdateRequest request = On("2026-09-01");
    request.maxFiles = 5;
    const UpdateOutcome out = Run({}, request);
    EXPECT_EQ(out.status, UpdateOutcome::Status::Stored) << out.message;
    EXPECT_EQ(out.storedDraws, (std::vector<int>{7054, 7055, 7056, 7057, 7058}));
    EXPECT_EQ(out.remaining, 31000 - 7054 + 1 - 5);
    EXPECT_NE(out.message.find("あと 23942 回分が残っています"), std::string::npos) << out.message;
    EXPECT_EQ(server_->requests().size(), 6u);  // the index and five files
    EXPECT_EQ(UpdateRequest{}.maxFiles, 60);
}

// 7053 was drawn on Thursday 2026-08-20; the file says 7054 on Saturday the 22nd.
void DrawnOnSaturday(DrawServer& server) {
    BankDraw saturday = FetchableDraw(7054);
    saturday.day = 22;
    server.write("A1007054.CSV", BankFile(saturday));
}

UpdateEvents AllowingOffSchedule(std::vector<std::string>& asked) {
    UpdateEvents events;
    events.allowOffSchedule = [&asked](const std::string& note) {
        asked.push_back(note);
        return true;
    };
    return events;
}

TEST_F(DrawPlausibilityTest, ADateOffTheScheduleIsStoredOnlyWhenAllowedAndNamedInTheSummary) {
    DrawnOnSaturday(*server_);
    const std::string note = "第7054回の抽せん日 2026-08-22 は予定の抽せん日（2026-08-21）と違います";
    const UpdateOutcome unasked = Run();
    EXPECT_TRUE(unasked.failed());
    EXPECT_NE(unasked.message.find("第7054回で止まりました：" + note), std::string::npos) << unasked.message;
    EXPECT_EQ(Stored().count(7054), 0u);

    std::vector<std::string> asked;
    const UpdateOutcome out = Run(AllowingOffSchedule(asked));
    EXPECT_EQ(asked, std::vector<std::string>{note});  // 7055–7060 follow the schedule from it
    EXPECT_EQ(out.status, UpdateOutcome::Status::Stored) << out.message;
    EXPECT_NE(out.message.find("\n" + note), std::string::npos) << out.message;
    EXPECT_EQ(FindResult(StoredResults(), 7054)->date, "2026-08-22");
}

TEST_F(DrawPlausibilityTest, DatedFilesJumpingTenDrawsADayApartStopAtTheFirstJump) {
    server_->write("numbers.csv", IndexFile({7074, 7064, 7054, 7053}));
    for (const auto& [no, day] : {std::pair{7054, 21}, std::pair{7064, 24}, std::pair{7074, 25}})
        server_->write(DrawFileName(no), BankFile(BankDraw{no, "123", 2026, 8, day}));
    const UpdateOutcome out = Run();
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.message.find("第7064回の抽せん日 2026-08-24 は予定の抽せん日（2026-09-04）と違います"),
              std::string::npos)
        << out.message;
    EXPECT_EQ(Stored().count(7064), 0u);
    EXPECT_EQ(Stored().count(7074), 0u);
}

TEST_F(DrawPlausibilityTest, AFileWithoutADateIsRefused) {
    // The reproducer's index jumping ten draws at a time, files without dates.
    server_->write("numbers.csv", IndexFile({7054}));
    std::string text = BankFileText(FetchableDraw(7054));
    const std::string date = "," + Reiwa(2026, 8, 21);
    ASSERT_NE(text.find(date), std::string::npos);
    text.erase(text.find(date), date.size());
    server_->write("A1007054.CSV", ToCp932(text));
    const UpdateOutcome out = Run();
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.message.find("抽せん日がありません"), std::string::npos) << out.message;
    EXPECT_EQ(Stored().count(7054), 0u);
}

TEST_F(DrawPlausibilityTest, ARecheckReportsDifferencesAndReplacesOnlyWhenAsked) {
    DrawnOnSaturday(*server_);
    std::vector<std::string> asked;
    ASSERT_EQ(Run(AllowingOffSchedule(asked)).status, UpdateOutcome::Status::Stored);
    BankDraw changed = FetchableDraw(7055);
    changed.noStraightWinner = true;
    server_->write("A1007055.CSV", BankFile(changed));
    // The bank corrects 7054 to the scheduled Friday.
    server_->write("A1007054.CSV", BankFile(FetchableDraw(7054)));
    UpdateRequest request = On("2026-09-01");
    request.recheck = std::pair{7054, 7060};

    const UpdateOutcome reported = Run({}, request);
    EXPECT_TRUE(reported.failed());
    EXPECT_EQ(reported.differing, 2);
    EXPECT_NE(reported.message.find("第7054回〜第7060回の7回分を確かめました（違いのある回 2 回）"), std::string::npos)
        << reported.message;
    EXPECT_NE(reported.message.find("第7054回の抽せん日：データベースでは「2026-08-22」、ファイルでは「2026-08-21」"),
              std::string::npos)
        << reported.message;
    EXPECT_NE(reported.message.find("第7055回のストレートの口数：データベースでは「62口」、ファイルでは「該当なし」"),
              std::string::npos)
        << reported.message;
    EXPECT_NE(reported.message.find("置き換えていません"), std::string::npos) << reported.message;
    EXPECT_EQ(FindResult(StoredResults(), 7054)->date, "2026-08-22");
    EXPECT_EQ(FindResult(StoredResults(), 7055)->prize(PrizeKind::Straight).winners, 62);

    // The published date replaces the one stored off the schedule.
    request.replaceRechecked = true;
    const UpdateOutcome replaced = Run({}, request);
    EXPECT_EQ(replaced.status, UpdateOutcome::Status::Stored) << replaced.message;
    EXPECT_EQ(replaced.storedDraws, (std::vector<int>{7054, 7055}));
    EXPECT_EQ(FindResult(StoredResults(), 7054)->date, "2026-08-21");
    EXPECT_FALSE(FindResult(StoredResults(), 7055)->prize(PrizeKind::Straight).winners.has_value());
    EXPECT_FALSE(FindResult(StoredResults(), 7055)->prize(PrizeKind::Straight).yen.has_value());

    const UpdateOutcome same = Run({}, request);
    EXPECT_EQ(same.status, UpdateOutcome::Status::NothingNew) << same.message;
    EXPECT_EQ(same.differing, 0);
}

TEST_F(DrawPlausibilityTest, ARecheckOfDigitsKeepsThemUntilReplaced) {
    ASSERT_EQ(Run().status, UpdateOutcome::Status::Stored);
    BankDraw other = FetchableDraw(7056);
    other.digits = "903";
    server_->write("A1007056.CSV", BankFile(other));
    UpdateRequest request = On("2026-09-01");
    request.recheck = std::pair{7056, 7056};
    const UpdateOutcome reported = Run({}, request);
    EXPECT_NE(reported.message.find("第7056回の当選番号：データベースでは「902」、ファイルでは「903」"),
              std::string::npos)
        << reported.message;
    EXPECT_EQ(Stored().at(7056), "902");
    request.replaceRechecked = true;
    EXPECT_EQ(Run({}, request).status, UpdateOutcome::Status::Stored);
    EXPECT_EQ(Stored().at(7056), "903");
    EXPECT_EQ(FindResult(StoredResults(), 7056)->date, "2026-08-25");
}

}  // namespace
}  // namespace n3::testing
