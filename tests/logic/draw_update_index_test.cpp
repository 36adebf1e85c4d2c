// The pure parts of the draw update: the index, the file names, the source
// check, the plan of draws to fetch, the check of a fetched file, the texts.
#include <gtest/gtest.h>

#include <ostream>

#include "bank_files.h"
#include "io/draw_update_index.h"
#include "io/draw_update_texts.h"
#include "io/fetched_draw_file.h"
#include "make_result.h"
#include "settings/update_settings.h"

namespace n3 {
namespace {

using testing::BankDraw;
using testing::BankFile;

Draw D(int no, DrawDigits digits) {
    Draw d;
    d.drawNo = no;
    d.digits = digits;
    return d;
}

using testing::Dated;

TEST(DrawIndex, ReadsTheDrawLinesInOrderWhateverFollowsThem) {
    const std::string index = testing::ToCp932(
        "ナンバーズ3 当せん番号一覧\r\n第7060回,令和8年8月31日,519\r\n第7059回\r\n\r\n"
        "第７０５８回ナンバーズ,x\r\n第7059回,again\r\n第0回\r\n第99999回\r\n第X回\r\n");
    EXPECT_EQ(ParseDrawIndex(index), (std::vector<int>{7060, 7059, 7058}));
    EXPECT_TRUE(ParseDrawIndex("<html><body>busy</body></html>").empty());
    EXPECT_TRUE(ParseDrawIndex("").empty());
}

TEST(DrawIndex, FileNamesArePaddedToFourDigits) {
    EXPECT_EQ(DrawFileName(7054), "A1007054.CSV");
    EXPECT_EQ(DrawFileName(12), "A1000012.CSV");
    EXPECT_EQ(DrawFileName(12345), "A10012345.CSV");
}

struct SourceCase {
    const char* source;
    bool usable;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const SourceCase& c, std::ostream* out) { *out << c.source; }
class UpdateSource : public ::testing::TestWithParam<SourceCase> {};
TEST_P(UpdateSource, HttpsOrLoopbackHttpFolders) {
    EXPECT_EQ(!CheckUpdateSource(GetParam().source).has_value(), GetParam().usable) << GetParam().source;
}
INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateSource,
    ::testing::Values(SourceCase{"https://www.mizuhobank.co.jp/retail/takarakuji/numbers/csv/", true},
                      SourceCase{"http://127.0.0.1:8080/", true}, SourceCase{"http://localhost/csv/", true},
                      SourceCase{"HTTPS://example.com/", false}, SourceCase{"http://example.com/csv/", false},
                      SourceCase{"http://127.0.0.1.example.com/", false}, SourceCase{"https://example.com/csv", false},
                      SourceCase{"ftp://127.0.0.1/", false}, SourceCase{"https:///", false},
                      SourceCase{"https://exa mple.com/", false}, SourceCase{"", false}));

TEST(DrawUpdatePlan, FetchesWhatIsNewMissingOrTypedWithoutADate) {
    const DrawHistory history = {D(7050, {1, 2, 3}), D(7051, {4, 5, 6}), D(7053, {7, 8, 9}),
                                 D(7054, {1, std::nullopt, 3}), D(7055, {5, 5, 5})};
    const ResultHistory results = {Dated(7050, "2026-08-14"), Dated(7051, "2026-08-17"), Dated(7053, "2026-08-19")};
    const std::vector<int> listed = {7057, 7056, 7055, 7054, 7053, 7052, 7051};
    EXPECT_EQ(PlanDrawsToFetch(listed, history, results), (std::vector<int>{7052, 7054, 7055, 7056, 7057}));
    EXPECT_TRUE(PlanDrawsToFetch({7053, 7051}, history, results).empty());
    EXPECT_EQ(PlanDrawsToFetch({7051}, {}, {}), std::vector<int>{7051});
}

TEST(FetchedDrawFile, AcceptsTheBlockOfItsDrawWithBothGames) {
    BankDraw d{7057, "777", 2026, 8, 26, false};
    const FetchedDraw f = CheckFetchedDrawFile(BankFile(d), 7057);
    ASSERT_TRUE(f.ok()) << f.reason;
    EXPECT_EQ(f.draw.drawNo, 7057);
    EXPECT_EQ(f.draw.digit(0), 7);
    ASSERT_TRUE(f.result.has_value());
    EXPECT_EQ(f.result->date, "2026-08-26");
    EXPECT_EQ(f.result->prize(PrizeKind::Mini).yen, 8700);
}

struct BadFile {
    const char* name;
    std::string bytes;
    const char* reason;
};

// The case by its name in test lists, never by its bytes.
void PrintTo(const BadFile& c, std::ostream* out) { *out << c.name; }
class FetchedDrawRefused : public ::testing::TestWithParam<BadFile> {};
TEST_P(FetchedDrawRefused, NamesTheReason) {
    const FetchedDraw f = CheckFetchedDrawFile(GetParam().bytes, 7054);
    EXPECT_FALSE(f.ok());
    EXPECT_NE(f.reason.find(GetParam().reason), std::string::npos) << f.reason;
}
const std::string kWhole = BankFile({7054, "048", 2026, 8, 21, false});
const std::string kText = testing::BankFileText({7054, "048", 2026, 8, 21, false});
INSTANTIATE_TEST_SUITE_P(
    Cases, FetchedDrawRefused,
    ::testing::Values(
        BadFile{"Empty", "", "空です"},
        BadFile{"Html", "  <!DOCTYPE html><html><body>混雑</body></html>\r\n", "Webページ"},
        BadFile{"CutMidLine", kWhole.substr(0, kWhole.size() - 7), "途中で切れています"},
        BadFile{"CutBeforeNumbers4", testing::ToCp932(kText.substr(0, kText.find("ナンバーズ４"))),
                "ナンバーズ4の行がありません"},
        BadFile{"CutBeforeMini", testing::ToCp932(kText.substr(0, kText.find("ミニ"))), "「ミニ」の行がありません"},
        BadFile{"CutInNumbers4", testing::ToCp932(kText.substr(0, kText.rfind("セット（ボックス）"))),
                "ナンバーズ4の「セット(ボックス)」の行がありません"},
        BadFile{"Numbers4Digits",
                testing::ToCp932(kText.substr(0, kText.find("6916")) + "69" + kText.substr(kText.find("6916") + 4)),
                "ナンバーズ4抽せん数字「69」が4桁の数字ではありません"},
        BadFile{"Numbers4Straight",
                testing::ToCp932(kText.substr(0, kText.rfind("6916")) + "6917" + kText.substr(kText.rfind("6916") + 4)),
                "ナンバーズ4の部分を読めません"},
        BadFile{"OtherDraw", BankFile({7056, "902", 2026, 8, 25, false}), "第7056回のものです"},
        BadFile{"EarlierDraw", BankFile({7053, "315", 2026, 8, 20, false}), "第7053回のものです"},
        BadFile{"FirstDraw", BankFile({1, "191", 2026, 8, 3, false}), "第1回のものです"},
        BadFile{"TwoDraws", BankFile({7054, "048", 2026, 8, 21, false}) + BankFile({7055, "315", 2026, 8, 24, false}),
                "2回分"},
        BadFile{"NotTheShape", "回号,抽せん日\r\n第7054回,2026/08/21\r\n", "形ではありません"}),
    [](const ::testing::TestParamInfo<BadFile>& p) { return std::string(p.param.name); });

TEST(DrawUpdateTexts, SummaryNothingNewAndStopped) {
    EXPECT_EQ(UpdateSummaryText(7054, 7060, 7, 7), "第7054回〜第7060回の7回分を取り込みました（当選結果 7 件）");
    EXPECT_EQ(UpdateSummaryText(7054, 7054, 1, 0), "第7054回の1回分を取り込みました（当選結果 0 件）");
    EXPECT_EQ(UpdateSummaryText(7054, 7060, 7, 7, {&kNumbers3, &kNumbers4}),
              "第7054回〜第7060回の7回分を取り込みました（ナンバーズ3・ナンバーズ4）");
    EXPECT_EQ(NothingNewText(7060, "2026-08-31"), "新しい当選データはありません（最新は第7060回・2026-08-31）");
    EXPECT_EQ(NothingNewText(7060, ""), "新しい当選データはありません（最新は第7060回）");
    EXPECT_EQ(StoredDrawLine(D(7054, {0, 4, 8}), "2026-08-21"), "第7054回 2026-08-21 048");
    EXPECT_EQ(UpdateStoppedText(7056, "x"), "第7056回で止まりました：x");
}

TEST(UpdateSettings, TheBankByDefaultCheckAtStartOff) {
    const UpdateSettings none = UpdateSettingsFrom({});
    EXPECT_EQ(none.source, kDefaultUpdateSource);
    EXPECT_FALSE(none.checkAtStart);

    OtherSettings others = {{"更新元", "  http://127.0.0.1:8080/ "}, {"起動時に最新データを確認する", "true"}};
    const UpdateSettings set = UpdateSettingsFrom(others);
    EXPECT_EQ(set.source, "http://127.0.0.1:8080/");
    EXPECT_TRUE(set.checkAtStart);

    others["起動時に最新データを確認する"] = "どちらでも";
    others["更新元"] = "";
    EXPECT_FALSE(UpdateSettingsFrom(others).checkAtStart);
    EXPECT_EQ(UpdateSettingsFrom(others).source, kDefaultUpdateSource);
}

TEST(UpdateSettings, ReadThroughTheSettingsObject) {
    Settings settings;
    EXPECT_FALSE(UpdateSettingsOf(settings).checkAtStart);
    settings.setValue(kUpdateAtStartKey, "True");
    settings.setValue(kUpdateSourceKey, "http://localhost:9/");
    EXPECT_TRUE(UpdateSettingsOf(settings).checkAtStart);
    EXPECT_EQ(UpdateSettingsOf(settings).source, "http://localhost:9/");
}

}  // namespace
}  // namespace n3
