// タイプ別分析 counts each number type against its chance for either game:
// the chance comes from counting the game's numbers, the repeated digits'
// places from the numbers' own digits, and the mean straight prize only
// from the draws of the type that have one.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/number_types.h"
#include "analysis/number_types_window.h"
#include "core/game.h"
#include "make_draw.h"

namespace n3 {
namespace {

using testing::MakeDraw;

struct TypeCase {
    const Game* game;
    std::vector<std::string> draws;  // draw i+1's digits
    // Type name → numbers of the game of that type, counted by hand.
    std::map<std::string, int> numbers;
    std::map<std::string, int> counts;
    std::vector<std::string> doublePlaces;  // the ダブル arrangements, in order
};

void PrintTo(const TypeCase& c, std::ostream* out) { *out << c.game->name; }

class NumberTypesByGame : public ::testing::TestWithParam<TypeCase> {};

TEST_P(NumberTypesByGame, CountsTypesAgainstTheirShareOfTheNumbers) {
    const TypeCase& c = GetParam();
    DrawHistory history;
    ResultHistory results;
    for (std::size_t i = 0; i < c.draws.size(); ++i) {
        history.push_back(MakeDraw(int(i) + 1, c.draws[i]));
        DrawResult r;
        r.drawNo = int(i) + 1;
        r.prize(PrizeKind::Straight).yen = 1000 * (int(i) + 1);
        results.push_back(r);
    }
    const NumberTypeFigures f = TallyNumberTypes(history, results, {}, *c.game);
    int draws = 0, numbers = 0;
    double shares = 0;
    for (const NumberTypeRow& row : f.rows) {
        const std::string name(TypeName(row.type));
        EXPECT_EQ(row.numbers, c.numbers.at(name)) << name;
        EXPECT_EQ(row.count, c.counts.count(name) ? c.counts.at(name) : 0) << name;
        EXPECT_DOUBLE_EQ(row.expected, f.draws * double(row.numbers) / c.game->numberCount());
        draws += row.count;
        numbers += row.numbers;
        shares += row.expectedShare;
    }
    EXPECT_EQ(f.draws, draws);
    EXPECT_EQ(numbers, c.game->numberCount());
    EXPECT_NEAR(shares, 1.0, 1e-12);
    EXPECT_EQ(f.df, int(f.rows.size()) - 1);
    ASSERT_TRUE(f.p.has_value());

    std::vector<std::string> doubles;
    for (const RepeatPlaceRow& r : f.repeatPlaces)
        if (r.type == NumberType::Double) doubles.push_back(r.places);
    EXPECT_EQ(doubles, c.doublePlaces);

    const GridModel grid = タイプ別分析::BuildGrid(f);
    EXPECT_EQ(grid.text(1, 4), "シングル");
    EXPECT_EQ(タイプ別分析::ShareChart(f).categories.size(), f.rows.size());
}

INSTANTIATE_TEST_SUITE_P(
    BothGames, NumberTypesByGame,
    ::testing::Values(
        TypeCase{&kNumbers3,
                 {"123", "112", "121", "777", "12?"},
                 {{"シングル", 720}, {"ダブル", 270}, {"トリプル", 10}},
                 {{"シングル", 1}, {"ダブル", 2}, {"トリプル", 1}},
                 {"1・2", "1・3", "2・3"}},
        TypeCase{&kNumbers4,
                 {"1234", "1123", "1122", "1112", "5555", "1212", "123"},
                 {{"シングル", 5040}, {"ダブル", 4320}, {"ダブルダブル", 270}, {"トリプル", 360}, {"ゾロ目", 10}},
                 {{"シングル", 1}, {"ダブル", 1}, {"ダブルダブル", 2}, {"トリプル", 1}, {"ゾロ目", 1}},
                 {"1・2", "1・3", "1・4", "2・3", "2・4", "3・4"}}));

TEST(NumberTypes, PlacesOfAlikeDigitsAndTheMeanPrizeOfTheTypesDraws) {
    EXPECT_EQ(RepeatPlacesOf(1212, kNumbers4), "1・3と2・4");
    EXPECT_EQ(RepeatPlacesOf(1511, kNumbers4), "1・3・4");
    EXPECT_EQ(RepeatPlacesOf(1234, kNumbers4), "");
    EXPECT_EQ(RepeatPlacesOf(7777, kNumbers4), "");
    EXPECT_EQ(RepeatPlacesOf(303, kNumbers3), "1・3");

    // Draws 1 and 3 are ダブル; only draw 3 has a straight prize.
    DrawHistory history = {MakeDraw(1, "112"), MakeDraw(2, "123"), MakeDraw(3, "211"), MakeDraw(4, "345")};
    ResultHistory results(2);
    results[0].drawNo = 2;
    results[0].prize(PrizeKind::Straight).yen = 90000;
    results[1].drawNo = 3;
    results[1].prize(PrizeKind::Straight).yen = 120000;
    const NumberTypeFigures f = TallyNumberTypes(history, results, {.from = 2, .to = 0}, kNumbers3);
    EXPECT_EQ(f.draws, 3);
    ASSERT_EQ(f.rows[1].type, NumberType::Double);
    EXPECT_EQ(f.rows[1].count, 1);
    EXPECT_EQ(f.rows[1].prizedDraws, 1);
    EXPECT_DOUBLE_EQ(*f.rows[1].meanStraightYen, 120000);
    EXPECT_DOUBLE_EQ(*f.rows[0].meanStraightYen, 90000);
    EXPECT_FALSE(f.rows[2].meanStraightYen.has_value());

    const NumberTypeFigures none = TallyNumberTypes({}, {}, {}, kNumbers4);
    EXPECT_EQ(none.draws, 0);
    EXPECT_FALSE(none.p.has_value());
    EXPECT_EQ(タイプ別分析::BuildGrid(none).columns(), 8);
}

}  // namespace
}  // namespace n3
