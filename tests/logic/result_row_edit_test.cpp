// 当選結果一覧's cell rules: the importer's checks on typed dates and
// figures, and what a cell shows.
#include <gtest/gtest.h>

#include "entry/result_row_edit.h"

namespace n3 {
namespace {

using Row = ResultRowEdit;

Draw MakeDraw(int no, int a, int b, int c) { return Draw{no, {a, b, c}}; }

constexpr int kStraightYen = Row::kFirstFigureColumn + 1;
constexpr int kBoxWinners = Row::kFirstFigureColumn + 2;
constexpr int kMiniYen = Row::kFirstFigureColumn + 9;

struct RefusedCase {
    const char* name;
    Draw draw;
    int column;
    std::string text;
    std::string nextDate;
    std::string words;  // part of the message
    std::string previousDate = {};
    const Game* game = &kNumbers3;
};
void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.name; }

class RefusedEditTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedEditTest, ExplainsAndChangesNothing) {
    const RefusedCase& c = GetParam();
    const ResultCellEdit e = Row::Edit(c.draw, nullptr, c.column, c.text, c.nextDate, c.previousDate, *c.game);
    EXPECT_FALSE(e.result.has_value());
    EXPECT_NE(e.error.find(c.words), std::string::npos) << e.error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedEditTest,
    ::testing::Values(
        RefusedCase{"PrizeOverTheBound", MakeDraw(7053, 9, 1, 9), kStraightYen, "100000000", "", "99,999,999"},
        RefusedCase{"BoxOnATriple", MakeDraw(6810, 7, 7, 7), kBoxWinners, "5", "", "3つ同じ数字"},
        RefusedCase{"BoxOnAQuadruple", Draw{9, {7, 7, 7, 7}}, kBoxWinners, "5", "", "4つ同じ数字", "", &kNumbers4},
        RefusedCase{"DateBeforeTheFirstDraw", MakeDraw(1, 1, 9, 1), Row::kDateColumn, "1994-10-06", "", "1994-10-07"},
        RefusedCase{"DateAfterTheSuccessor", MakeDraw(7053, 9, 1, 9), Row::kDateColumn, "2026-08-25", "2026-08-21",
                    "第7054回"},
        RefusedCase{"NoRealDate", MakeDraw(7053, 9, 1, 9), Row::kDateColumn, "2026-02-30", "", "年-月-日"},
        RefusedCase{"NotAFigure", MakeDraw(7053, 9, 1, 9), kMiniYen, "12a", "", "ミニ"},
        RefusedCase{"NegativePrize", MakeDraw(7053, 9, 1, 9), kStraightYen, "-5000", "", "「-5000」"},
        RefusedCase{"DateOnTheSuccessors", MakeDraw(7053, 9, 1, 9), Row::kDateColumn, "2026-08-21", "2026-08-21",
                    "第7054回"},
        RefusedCase{"DateBeforeThePreviousDraw", MakeDraw(7053, 9, 1, 9), Row::kDateColumn, "2026-08-16", "",
                    "第7052回、2026-08-19", "2026-08-19"}),
    [](const ::testing::TestParamInfo<RefusedCase>& p) { return p.param.name; });

struct AskedCase {
    const char* name;
    int column;
    std::string text;
    std::string words;  // part of the question; empty when nothing is asked
};
void PrintTo(const AskedCase& c, std::ostream* out) { *out << c.name; }

class AskedEditTest : public ::testing::TestWithParam<AskedCase> {};

// Draw 7053 (919, a double: 3 orders) with a straight prize of 88,500 yen:
// the box is 29,500, セット（ストレート）59,000 and セット（ボックス）14,700.
TEST_P(AskedEditTest, AsksOffTheScheduleOrOffThePrizeRule) {
    const AskedCase& c = GetParam();
    DrawResult stored;
    stored.drawNo = 7053;
    stored.prize(PrizeKind::Straight).yen = 88500;
    stored.prize(PrizeKind::Box).yen = 29500;
    const ResultCellEdit e = Row::Edit(MakeDraw(7053, 9, 1, 9), &stored, c.column, c.text, "", "2026-08-14");
    ASSERT_TRUE(e.result) << e.error;
    EXPECT_EQ(e.question.empty(), c.words.empty()) << e.question;
    EXPECT_NE(e.question.find(c.words), std::string::npos) << e.question;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AskedEditTest,
    ::testing::Values(AskedCase{"Weekday", Row::kDateColumn, "2026-08-17", ""},
                      AskedCase{"Sunday", Row::kDateColumn, "2026-08-16", "2026-08-16（日）は抽せんの日程"},
                      AskedCase{"NewYear", Row::kDateColumn, "2027-01-01", "抽せんの日程"},
                      AskedCase{"BoxByTheRule", kStraightYen + 2, "29,500", ""},
                      AskedCase{
                          "BoxOffTheRule", kStraightYen + 2, "30000",
                          "ボックスの当せん金額 30,000円は、ストレート 88,500円 ÷ 3 を100円未満切り捨てた 29,500円"},
                      AskedCase{"SetStraightByTheRule", kStraightYen + 4, "59000", ""},
                      AskedCase{"SetStraightOffTheRule", kStraightYen + 4, "59100", "セット（ストレート）"},
                      AskedCase{"SetBoxOffTheRule", kStraightYen + 6, "14800", "14,700円"},
                      AskedCase{"StraightBelowTheBox", kStraightYen, "20000", "当せん金額の規則"}),
    [](const ::testing::TestParamInfo<AskedCase>& p) { return p.param.name; });

TEST(ResultRowEdit, TakesAFigureWithCommasAndItsUnit) {
    const ResultCellEdit e = Row::Edit(MakeDraw(7050, 9, 1, 9), nullptr, kStraightYen, "88,500円", "");
    ASSERT_TRUE(e.result);
    EXPECT_EQ(e.result->drawNo, 7050);
    EXPECT_EQ(e.result->prize(PrizeKind::Straight).yen, 88500);
    EXPECT_EQ(Row::CellText(MakeDraw(7050, 9, 1, 9), &*e.result, kStraightYen), "88,500円");
    EXPECT_EQ(Row::EditText(&*e.result, kStraightYen), "88500");
}

TEST(ResultRowEdit, ATypedDateIsPublishedAndAnEmptyCellUnknown) {
    DrawResult stored;
    stored.drawNo = 7054;
    stored.date = "2026-08-21";
    stored.dateEstimated = true;
    stored.prize(PrizeKind::Mini).yen = 9000;
    EXPECT_EQ(Row::CellText(MakeDraw(7054, 1, 2, 3), &stored, Row::kDateColumn), "2026-08-21（予定）");
    const ResultCellEdit dated = Row::Edit(MakeDraw(7054, 1, 2, 3), &stored, Row::kDateColumn, "2026-08-21", "");
    ASSERT_TRUE(dated.result);
    EXPECT_FALSE(dated.result->dateEstimated);
    const ResultCellEdit cleared = Row::Edit(MakeDraw(7054, 1, 2, 3), &stored, kMiniYen, "", "");
    ASSERT_TRUE(cleared.result);
    EXPECT_FALSE(cleared.result->prize(PrizeKind::Mini).yen.has_value());
}

// ナンバーズ4: no ミニ columns, and the prize rule by the number's orders
// (1123: 12 orders, so a straight of 900,000 yen makes a box of 75,000).
TEST(ResultRowEdit, FourDigitsShowTheirPrizesAndKeepTheirRule) {
    EXPECT_EQ(Row::ColumnCount(kNumbers4), Row::ColumnCount() - 2);
    EXPECT_EQ(Row::Heading(Row::ColumnCount(kNumbers4) - 1, kNumbers4), "セット（ボックス） 当せん金額");
    EXPECT_FALSE(Row::IsEditable(Row::ColumnCount(kNumbers4), kNumbers4));
    const Draw draw{8, {1, 1, 2, 3}};
    EXPECT_EQ(Row::CellText(draw, nullptr, Row::kNumberColumn, kNumbers4), "1123");
    DrawResult stored;
    stored.drawNo = 8;
    stored.prize(PrizeKind::Straight).yen = 900000;
    const auto box = [&](const char* yen) { return Row::Edit(draw, &stored, kBoxWinners + 1, yen, "", "", kNumbers4); };
    EXPECT_EQ(box("75000").question, "");
    EXPECT_NE(box("80000").question.find("900,000円 ÷ 12"), std::string::npos) << box("80000").question;
}

TEST(ResultRowEdit, TypingReachesTheCheckToBeRefusedThere) {
    EXPECT_TRUE(Row::AcceptsTyping(Row::kDateColumn, "2026-08"));
    EXPECT_TRUE(Row::AcceptsTyping(kStraightYen, "-5000"));
    EXPECT_FALSE(Row::AcceptsTyping(kStraightYen, std::string(30, '1')));
    EXPECT_FALSE(Row::IsEditable(Row::kDrawColumn));
    EXPECT_FALSE(Row::IsEditable(Row::kNumberColumn));
}

}  // namespace
}  // namespace n3
