#include "app/cli/strategy_json.h"

#include "app/cli/hit_test_json.h"
#include "io/text_escape.h"

namespace n3 {

namespace {

std::string Object(const StrategyFigures& f, bool named) {
    const StrategyTally& t = f.tally;
    std::string out = "{";
    JsonMembers members(out);
    if (named) members.add("name", JsonString(f.strategy.name));
    members.add("rule", JsonString(kStrategyRuleWords[std::size_t(f.strategy.rule)]));
    members.add("kind", JsonString(TicketKindWord(f.strategy.kind)));
    members.add("units", std::to_string(f.strategy.units));
    members.add("draws", std::to_string(t.draws));
    members.add("tickets", std::to_string(t.tickets));
    AddHitTestChanceMembers(members, f, named, false);
    members.add("controlHits", std::to_string(f.controlHits));
    members.add("moneyTickets", t.moneyDraws > 0 ? std::to_string(t.moneyTickets) : "null");
    AddHitTestMoneyMembers(members, f);
    return out + "}";
}

}  // namespace

std::string StrategyJsonObject(const StrategyFigures& f) { return Object(f, false); }

std::string StrategyJsonMember(const StrategyTestFigures& figures) {
    if (figures.singleStrategy && figures.strategies.size() == 1)
        return "\"strategy\": " + StrategyJsonObject(figures.strategies.front());
    std::string out = "\"strategies\": [";
    for (std::size_t i = 0; i < figures.strategies.size(); ++i) {
        if (i) out += ", ";
        out += Object(figures.strategies[i], true);
    }
    return out + "]";
}

}  // namespace n3
