#include "app/cli/strategy_json.h"

#include "app/cli/backtest_json.h"
#include "io/text_escape.h"

namespace n3 {

namespace {

template <class Int>
std::string JsonInt(std::optional<Int> value) {
    return value ? std::to_string(*value) : "null";
}

std::string Object(const StrategyFigures& f, bool named) {
    const StrategyTally& t = f.tally;
    std::string out = "{";
    const auto add = [&out](std::string_view key, const std::string& value) {
        if (out.size() > 1) out += ", ";
        out += "\"";
        out += key;
        out += "\": ";
        out += value;
    };
    if (named) add("name", JsonString(f.strategy.name));
    add("rule", JsonString(kStrategyRuleWords[std::size_t(f.strategy.rule)]));
    add("kind", JsonString(kTicketKindWords[std::size_t(f.strategy.kind)]));
    add("units", std::to_string(f.strategy.units));
    add("draws", std::to_string(t.draws));
    add("tickets", std::to_string(t.tickets));
    add("hits", std::to_string(t.hits));
    add("expectedHits", JsonNumber(t.kindChanceHits()));
    add("ratio", JsonNumber(f.ratio));
    add("z", JsonNumber(f.z));
    add("p", JsonNumber(f.p));
    if (named) add("pCorrected", JsonNumber(f.pCorrected));
    add("wilsonLow", JsonNumber(f.wilsonLow));
    add("wilsonHigh", JsonNumber(f.wilsonHigh));
    add("controlHits", std::to_string(t.controlHits));
    add("moneyTickets", t.moneyDraws > 0 ? std::to_string(t.moneyTickets) : "null");
    add("spent", JsonInt(f.spentYen));
    add("won", JsonInt(f.wonYen));
    add("returnRate", JsonNumber(f.returnRate));
    add("verdict", JsonString(f.verdict));
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
