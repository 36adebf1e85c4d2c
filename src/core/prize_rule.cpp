#include "core/prize_rule.h"

#include "core/number_rules.h"

namespace n3 {

namespace {

std::int64_t DownTo100(std::int64_t yen) { return yen / 100 * 100; }

std::string Yen(std::int64_t yen) {
    std::string digits = std::to_string(yen);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
    return digits + "円";
}

std::string Breach(PrizeKind kind, std::int64_t typed, const std::string& from, std::int64_t expected) {
    return std::string(kPrizeKindNames[std::size_t(kind)]) + "の当せん金額 " + Yen(typed) + "は、" + from +
           " を100円未満切り捨てた " + Yen(expected) + "と違います。";
}

}  // namespace

std::string PrizeRuleBreach(const Draw& draw, const DrawResult& result, const Game& game) {
    if (!draw.complete(game)) return {};
    const int orders = NumberOrders(NumberOf(draw, game), game);
    if (orders < 2) return {};  // all digits alike: no box or set is sold
    const auto& straight = result.prize(PrizeKind::Straight).yen;
    const auto& box = result.prize(PrizeKind::Box).yen;
    const auto& setStraight = result.prize(PrizeKind::SetStraight).yen;
    const auto& setBox = result.prize(PrizeKind::SetBox).yen;
    if (straight && box && *box != DownTo100(*straight / orders))
        return Breach(PrizeKind::Box, *box, "ストレート " + Yen(*straight) + " ÷ " + std::to_string(orders),
                      DownTo100(*straight / orders));
    if (straight && box && setStraight && *setStraight != DownTo100((*straight + *box) / 2))
        return Breach(PrizeKind::SetStraight, *setStraight,
                      "（ストレート " + Yen(*straight) + "＋ボックス " + Yen(*box) + "）÷ 2",
                      DownTo100((*straight + *box) / 2));
    if (box && setBox && *setBox != DownTo100(*box / 2))
        return Breach(PrizeKind::SetBox, *setBox, "ボックス " + Yen(*box) + " ÷ 2", DownTo100(*box / 2));
    return {};
}

}  // namespace n3
