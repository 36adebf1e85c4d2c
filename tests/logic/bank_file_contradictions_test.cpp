// A bank result file that contradicts itself is refused whole, by the import
// and by the update alike, naming the line and the draw: two digit lines
// that differ, a straight line whose number is not the drawn one, two
// prize lines of one kind with other figures. A repeat that agrees is read.
#include <gtest/gtest.h>

#include "bank_files.h"
#include "io/fetched_draw_file.h"
#include "io/history_csv.h"

using namespace n3;

namespace {

// Draw 7054, drawn 472, in the bank's shape, with `middle` in place of the
// digits and straight lines.
std::string Block(const std::string& middle) {
    return "A50\r\n"
           "第7054回ナンバーズ,数字選択式全国自治宝くじ,令和8年8月21日,東京 宝くじドリーム館\r\n"
           "支払期間,令和8年8月22日から令和9年8月21日まで\r\n" +
           middle +
           "ボックス,253口,29000円\r\n"
           "セット（ストレート）,162口,58000円\r\n"
           "セット（ボックス）,419口,14500円\r\n"
           "ミニ,下２ケタ,468口,8700円\r\n"
           "ナンバーズ４抽せん数字,6916\r\n"
           "ストレート,6916,10口,905400円\r\n"
           "ボックス,該当なし\r\n";
}

struct Contradiction {
    const char* name;
    std::string middle;
    int line;          // the line the refusal names
    const char* word;  // what the reason says
};
void PrintTo(const Contradiction& c, std::ostream* out) { *out << c.name; }

class BankFileContradiction : public ::testing::TestWithParam<Contradiction> {};

TEST_P(BankFileContradiction, TheImportRefusesItNamingTheLineAndTheDraw) {
    const CsvParseResult r = ParseHistoryCsv(n3::testing::ToCp932(Block(GetParam().middle)));
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error->line, GetParam().line) << r.error->reason;
    EXPECT_NE(r.error->reason.find("第7054回"), std::string::npos) << r.error->reason;
    EXPECT_NE(r.error->reason.find(GetParam().word), std::string::npos) << r.error->reason;
    EXPECT_TRUE(r.draws.empty());
    EXPECT_TRUE(r.results.empty());
}

TEST_P(BankFileContradiction, TheUpdateRefusesItAndKeepsNothingOfIt) {
    const FetchedDraw fetched = CheckFetchedDrawFile(n3::testing::ToCp932(Block(GetParam().middle)), 7054);
    ASSERT_FALSE(fetched.ok());
    EXPECT_NE(fetched.reason.find(std::to_string(GetParam().line) + "行目"), std::string::npos) << fetched.reason;
    EXPECT_NE(fetched.reason.find("第7054回"), std::string::npos) << fetched.reason;
    EXPECT_EQ(fetched.draw.drawNo, 0);
    EXPECT_FALSE(fetched.result.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Reproducers, BankFileContradiction,
    ::testing::Values(
        Contradiction{"TwoDigitLines472Then999",
                      "ナンバーズ３抽せん数字,472\r\nナンバーズ３抽せん数字,999\r\nストレート,472,71口,90000円\r\n", 5,
                      "「999」"},
        Contradiction{"StraightLine123Under472", "ナンバーズ３抽せん数字,472\r\nストレート,123,71口,90000円\r\n", 5,
                      "「123」"},
        Contradiction{"StraightLine123BeforeTheDigits472",
                      "ストレート,123,71口,90000円\r\nナンバーズ３抽せん数字,472\r\n", 5, "「123」"},
        Contradiction{"TwoStraightLinesTheSecondOneUnitAt99999999Yen",
                      "ナンバーズ３抽せん数字,472\r\nストレート,472,71口,90000円\r\n"
                      "ストレート,472,1口,\"99,999,999円\"\r\n",
                      6, "ストレートの行が2つ"},
        Contradiction{"MiniLine99Under472", "ナンバーズ３抽せん数字,472\r\nミニ,99,71口,9000円\r\n", 5, "「99」"},
        Contradiction{"MiniLine99BeforeTheDigits472", "ミニ,99,該当なし\r\nナンバーズ３抽せん数字,472\r\n", 5,
                      "「99」"}),
    [](const ::testing::TestParamInfo<Contradiction>& p) { return std::string(p.param.name); });

TEST(BankFileContradiction, RepeatedLinesThatAgreeAreRead) {
    const std::string middle =
        "ナンバーズ３抽せん数字,472\r\nナンバーズ３抽せん数字,472\r\n"
        "ストレート,472,71口,90000円\r\nストレート,472,71口,90000円\r\n";
    const CsvParseResult r = ParseHistoryCsv(n3::testing::ToCp932(Block(middle)));
    ASSERT_TRUE(r.ok()) << r.error->reason;
    ASSERT_EQ(r.draws.size(), 1u);
    EXPECT_EQ(r.draws[0].digits, (DrawDigits{4, 7, 2}));
    ASSERT_EQ(r.results.size(), 1u);
    EXPECT_EQ(r.results[0].prize(PrizeKind::Straight), (Prize{71, 90000}));
    // A straight line without winners still names the drawn number.
    const CsvParseResult none = ParseHistoryCsv(Block("ナンバーズ３抽せん数字,472\r\nストレート,473,該当なし\r\n"));
    ASSERT_FALSE(none.ok());
    EXPECT_NE(none.error->reason.find("「473」"), std::string::npos) << none.error->reason;
}

}  // namespace
