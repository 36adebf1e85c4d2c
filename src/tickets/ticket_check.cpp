#include "tickets/ticket_check.h"

#include <algorithm>

#include "core/number_rules.h"
#include "tickets/yen_sum.h"

namespace n3 {

namespace {

// Draws and results indexed by draw number, so that each outcome is one look-up.
class DrawIndex {
public:
    DrawIndex(const DrawHistory& history, const ResultHistory& results, int lowest, int highest)
        : base_(lowest),
          draws_(std::size_t(std::max(0, highest - lowest + 1)), nullptr),
          results_(draws_.size(), nullptr) {
        for (const Draw& d : history)
            if (const auto i = slot(d.drawNo)) draws_[*i] = &d;
        for (const DrawResult& r : results)
            if (const auto i = slot(r.drawNo)) results_[*i] = &r;
    }
    const Draw* draw(int drawNo) const {
        const auto i = slot(drawNo);
        return i ? draws_[*i] : nullptr;
    }
    const DrawResult* result(int drawNo) const {
        const auto i = slot(drawNo);
        return i ? results_[*i] : nullptr;
    }

private:
    std::optional<std::size_t> slot(int drawNo) const {
        if (drawNo < base_ || drawNo - base_ >= int(draws_.size())) return std::nullopt;
        return std::size_t(drawNo - base_);
    }
    int base_;
    std::vector<const Draw*> draws_;
    std::vector<const DrawResult*> results_;
};

}  // namespace

std::optional<PrizeKind> WinningPrize(const Purchase& p, const Draw& draw) {
    const Game& game = *p.game;
    if (!draw.complete(game)) return std::nullopt;
    const std::optional<int> bought = ParseTicketNumber(p.種類, p.番号, game);
    if (!bought) return std::nullopt;
    return PrizeWon(p.種類, *bought, NumberOf(draw, game), game);
}

std::vector<DrawOutcome> CheckBook(const std::vector<Purchase>& book, const DrawHistory& history,
                                   const ResultHistory& results) {
    return CheckBook(book, {GameDraws{&kNumbers3, &history, &results}});
}

std::vector<DrawOutcome> CheckBook(const std::vector<Purchase>& book, const std::vector<GameDraws>& games) {
    std::vector<DrawOutcome> outcomes;
    if (book.empty()) return outcomes;
    int lowest = book.front().最初の回数, highest = book.front().lastDraw();
    std::size_t count = 0;
    for (const Purchase& p : book) {
        lowest = std::min(lowest, p.最初の回数);
        highest = std::max(highest, p.lastDraw());
        count += std::size_t(std::max(0, p.継続回数));
    }
    std::vector<std::pair<const Game*, DrawIndex>> indexes;
    for (const GameDraws& g : games)
        if (g.history && g.results) indexes.emplace_back(g.game, DrawIndex(*g.history, *g.results, lowest, highest));
    const auto indexOf = [&indexes](const Game& game) -> const DrawIndex* {
        for (const auto& [indexed, index] : indexes)
            if (indexed->id == game.id) return &index;
        return nullptr;
    };
    outcomes.reserve(count);
    for (std::size_t i = 0; i < book.size(); ++i) {
        const Purchase& p = book[i];
        const DrawIndex* index = indexOf(*p.game);
        for (int drawNo = p.最初の回数; drawNo <= p.lastDraw(); ++drawNo) {
            DrawOutcome o;
            o.purchase = i;
            o.drawNo = drawNo;
            o.game = p.game;
            const Draw* draw = index ? index->draw(drawNo) : nullptr;
            if (draw && draw->complete(*p.game)) {
                o.drawn = NumberOf(*draw, *p.game);
                o.prize = WinningPrize(p, *draw);
                o.outcome = Outcome::Lost;
                if (o.prize) {
                    const DrawResult* result = index->result(drawNo);
                    const std::optional<std::int64_t> yen = result ? result->prize(*o.prize).yen : std::nullopt;
                    o.outcome = yen ? Outcome::Won : Outcome::PrizeUnknown;
                    o.yen = yen ? MultiplyYen(*yen, p.口数) : 0;
                }
            }
            outcomes.push_back(o);
        }
    }
    return outcomes;
}

std::string PurchaseDateError(const Purchase& p, const ResultHistory& results) {
    const DrawResult* drawn = FindResult(results, p.最初の回数);
    if (!drawn || drawn->date.empty() || p.購入日 <= drawn->date) return {};
    return "購入日 " + p.購入日 + " は第" + std::to_string(p.最初の回数) + "回の抽せん日（" + drawn->date +
           "）より後です。抽せんの済んだ回は買えません。購入日か最初の回数を直してください。";
}

std::string OutcomeText(const DrawOutcome& o) {
    switch (o.outcome) {
    case Outcome::NotDrawn: return std::string(kNotDrawnText);
    case Outcome::Lost: return std::string(kLostText);
    case Outcome::PrizeUnknown:
        if (!o.prize) return std::string(kPrizeUnknownText);
        return std::string(kPrizeKindNames[std::size_t(*o.prize)]) + " " + std::string(kPrizeUnknownText);
    case Outcome::Won: return std::string(kPrizeKindNames[std::size_t(*o.prize)]) + " 当せん";
    }
    return {};
}

std::string DrawnText(const DrawOutcome& o) {
    if (o.drawn < 0) return {};
    return NumberText(o.drawn, *o.game);
}

}  // namespace n3
