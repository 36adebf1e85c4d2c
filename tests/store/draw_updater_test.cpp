// The update loop through the library, as the desktop program drives it: a
// request that runs past its time, progress, cancelling mid-way, the
// question on differing digits.
#include <gtest/gtest.h>

#include "draw_update_fixture.h"
#include "platform/net/draw_updater.h"

namespace n3::testing {
namespace {

HttpOptions Quick() {
    HttpOptions o;
    o.minInterval = std::chrono::milliseconds(0);
    return o;
}

TEST_F(DrawUpdateTest, ASlowServerHitsTheTimeout) {
    server_->rules(R"({"/A1007055.CSV": {"delay": 3}})");
    HttpOptions options = Quick();
    options.totalTimeoutMs = 800;
    HttpClient http(options);
    const auto database = Database::Open(db_, false);
    const UpdateOutcome out = UpdateDraws(*database, server_->base(), http);
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.message.find("第7055回で止まりました：応答がありません（時間切れ）"), std::string::npos)
        << out.message;
    EXPECT_EQ(out.storedDraws, std::vector<int>{7054});
}

TEST_F(DrawUpdateTest, ProgressNamesEachDrawAndCancellingKeepsWhatWasStored) {
    HttpClient http(Quick());
    const auto database = Database::Open(db_, false);
    std::vector<int> announced;
    int storedCount = 0;
    UpdateEvents events;
    events.progress = [&](int done, int total, int no) {
        EXPECT_EQ(total, 7);
        EXPECT_EQ(done, storedCount);
        announced.push_back(no);
    };
    events.stored = [&](const Draw&, const std::string&) { ++storedCount; };
    events.cancelled = [&] { return storedCount >= 3; };
    const UpdateOutcome out = UpdateDraws(*database, server_->base(), http, events);
    EXPECT_EQ(out.status, UpdateOutcome::Status::Cancelled);
    EXPECT_EQ(out.storedDraws, (std::vector<int>{7054, 7055, 7056}));
    EXPECT_EQ(announced, (std::vector<int>{7054, 7055, 7056, 7057}));
    EXPECT_NE(out.message.find("第7054回〜第7056回の3回分"), std::string::npos) << out.message;
    EXPECT_EQ(Stored().count(7057), 0u);
    EXPECT_EQ(Stored().at(7056), "902");
}

TEST_F(DrawUpdateTest, TheQuestionOnDifferingDigitsShowsBothAndDecides) {
    StoreByHand(7056, "111");
    for (const bool answer : {false, true}) {
        HttpClient http(Quick());
        const auto database = Database::Open(db_, false);
        std::vector<DigitConflict> asked;
        UpdateEvents events;
        events.replaceDiffering = [&](const DigitConflict& c) {
            asked.push_back(c);
            return answer;
        };
        const UpdateOutcome out = UpdateDraws(*database, server_->base(), http, events);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].drawNo, 7056);
        EXPECT_EQ(asked[0].stored, "111");
        EXPECT_EQ(asked[0].incoming, "902");
        EXPECT_EQ(out.failed(), !answer);
        EXPECT_EQ(Stored().at(7056), answer ? "902" : "111");
    }
}

TEST_F(DrawUpdateTest, AnIndexWithoutDrawsOrMissingIsAFailureThatStoresNothing) {
    HttpClient http(Quick());
    const auto database = Database::Open(db_, false);
    server_->write("numbers.csv", "<html><body>メンテナンス中</body></html>");
    UpdateOutcome out = UpdateDraws(*database, server_->base(), http);
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.message.find("「第N回」の行がありません"), std::string::npos) << out.message;
    server_->remove("numbers.csv");
    out = UpdateDraws(*database, server_->base(), http);
    EXPECT_TRUE(out.failed());
    EXPECT_NE(out.message.find("HTTP 404"), std::string::npos) << out.message;
    EXPECT_EQ(Stored().count(7054), 0u);
}

}  // namespace
}  // namespace n3::testing
