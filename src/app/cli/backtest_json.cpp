#include "app/cli/backtest_json.h"
#include "io/text_escape.h"

#include <charconv>
#include <cmath>

namespace n3 {

namespace {

std::string Quoted(std::string_view s) { return JsonString(s); }

template <class Int>
std::string JsonInt(std::optional<Int> value) {
    return value ? std::to_string(*value) : "null";
}

std::string MethodObject(const MethodFigures& f) {
    const MethodTally& t = f.tally;
    std::string out = "{\"method\": " + Quoted(f.method);
    const auto add = [&out](std::string_view key, const std::string& value) {
        out += ", \"";
        out += key;
        out += "\": ";
        out += value;
    };
    add("bets", std::to_string(t.bets));
    add("tickets", std::to_string(t.tickets));
    add("hits", std::to_string(t.hits));
    add("expectedHits", JsonNumber(t.straightChanceHits()));
    add("ratio", JsonNumber(f.ratio));
    add("z", JsonNumber(f.z));
    add("p", JsonNumber(f.p));
    add("pCorrected", JsonNumber(f.pCorrected));
    add("hitRate", JsonNumber(f.hitRate));
    add("wilsonLow", JsonNumber(f.wilsonLow));
    add("wilsonHigh", JsonNumber(f.wilsonHigh));
    add("digitHits", std::to_string(t.digitHits));
    add("digitExpected", JsonNumber(t.digitExpected()));
    add("controlHits", std::to_string(t.controlHits));
    add("moneyBets", std::to_string(t.moneyBets));
    add("spent", JsonInt(f.spentYen));
    add("won", JsonInt(f.wonYen));
    add("returnRate", JsonNumber(f.returnRate));
    add("verdict", Quoted(f.verdict));
    return out + "}";
}

}  // namespace

std::string JsonNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return ec == std::errc() ? std::string(buffer, end) : "null";
}

std::string BacktestJsonMember(const BacktestFigures& figures) {
    std::string out = "\"backtest\": {\"from\": " + JsonInt(figures.from) + ", \"to\": " + JsonInt(figures.to) +
                      ", \"optionCount\": " + std::to_string(figures.optionCount) + ", \"methods\": [";
    for (std::size_t m = 0; m < figures.methods.size(); ++m) {
        if (m) out += ", ";
        out += MethodObject(figures.methods[m]);
    }
    return out + "]}";
}

}  // namespace n3
