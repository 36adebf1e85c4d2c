// The prize rule for each game: box = straight ÷ the number's orders (the
// game's), the set prizes from them, each rounded down to 100 yen.
#include <gtest/gtest.h>

#include "core/number_rules.h"
#include "core/prize_rule.h"
#include "game_params.h"

using namespace n3;

namespace {

class GamePrizeRule : public ::testing::TestWithParam<const Game*> {};

DrawResult Prizes(int drawNo, std::int64_t straight, std::int64_t box, std::int64_t setStraight, std::int64_t setBox) {
    DrawResult r;
    r.drawNo = drawNo;
    r.prize(PrizeKind::Straight).yen = straight;
    r.prize(PrizeKind::Box).yen = box;
    r.prize(PrizeKind::SetStraight).yen = setStraight;
    r.prize(PrizeKind::SetBox).yen = setBox;
    return r;
}

}  // namespace

TEST_P(GamePrizeRule, TheBoxIsTheStraightOverTheGamesOrders) {
    const Game& game = *GetParam();
    // 1123 / 112: a double of the game, 12 or 3 orders.
    const Draw draw = n3::testing::GameDraw(2, game.digits == 4 ? "1123" : "112", game);
    const std::int64_t straight = 900'000;
    const int orders = NumberOrders(NumberOf(draw, game), game);
    const std::int64_t box = straight / orders / 100 * 100;
    const DrawResult kept = Prizes(2, straight, box, (straight + box) / 2 / 100 * 100, box / 2 / 100 * 100);
    EXPECT_EQ(PrizeRuleBreach(draw, kept, game), "");
    DrawResult broken = kept;
    broken.prize(PrizeKind::Box).yen = box + 100;
    EXPECT_NE(PrizeRuleBreach(draw, broken, game).find("÷ " + std::to_string(orders)), std::string::npos);

    // All digits alike: no box, nothing to break.
    const Draw alike = n3::testing::GameDraw(3, "7777", game);
    EXPECT_EQ(PrizeRuleBreach(alike, Prizes(3, straight, 1, 1, 1), game), "");
    const DrawHistory history = {n3::testing::GameDraw(1, "1234", game), draw, alike};
    const ResultHistory results = {Prizes(1, straight, 1, 1, 1), broken, Prizes(3, straight, 1, 1, 1)};
    EXPECT_EQ(PrizeRuleBrokenDraws(history, results, game), (std::vector<int>{1, 2}));
}

INSTANTIATE_TEST_SUITE_P(Games, GamePrizeRule, ::testing::ValuesIn(kGames), n3::testing::GameParamName);
