#include "lab/strategy_json.h"

#include <cstdio>

#include "lab/backtest_json.h"

namespace n3 {

namespace {

// Escapes what a player may type into a strategy's name.
std::string Quoted(std::string_view s) {
    std::string out(1, '"');
    for (const char ch : s) {
        if (ch == '"' || ch == '\\') {
            out.push_back('\\');
            out.push_back(ch);
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", ch);
            out += buffer;
        } else {
            out.push_back(ch);
        }
    }
    out.push_back('"');
    return out;
}

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
    if (named) add("name", Quoted(f.strategy.name));
    add("rule", Quoted(kStrategyRuleWords[std::size_t(f.strategy.rule)]));
    add("kind", Quoted(kStrategyKindWords[std::size_t(f.strategy.kind)]));
    add("units", std::to_string(f.strategy.units));
    add("draws", std::to_string(t.draws));
    add("tickets", std::to_string(t.tickets));
    add("hits", std::to_string(t.hits));
    add("expectedHits", JsonNumber(t.expectedHits()));
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
    add("verdict", Quoted(f.verdict));
    return out + "}";
}

}  // namespace

std::string StrategyJsonObject(const StrategyFigures& f) { return Object(f, false); }

std::string StrategyJsonMember(const StrategyTestFigures& figures, bool single) {
    if (single && figures.strategies.size() == 1)
        return "\"strategy\": " + StrategyJsonObject(figures.strategies.front());
    std::string out = "\"strategies\": [";
    for (std::size_t i = 0; i < figures.strategies.size(); ++i) {
        if (i) out += ", ";
        out += Object(figures.strategies[i], true);
    }
    return out + "]";
}

}  // namespace n3
