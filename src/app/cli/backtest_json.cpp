#include "app/cli/backtest_json.h"

#include "app/cli/hit_test_json.h"
#include "app/cli/json_numbers.h"
#include "io/text_escape.h"

namespace n3 {

namespace {

std::string MethodObject(const MethodFigures& f) {
    const MethodTally& t = f.tally;
    std::string out = "{";
    JsonMembers members(out);
    members.add("method", JsonString(f.method));
    members.add("bets", std::to_string(t.bets));
    members.add("tickets", std::to_string(t.tickets));
    AddHitTestChanceMembers(members, f, true, true);
    members.add("digitHits", std::to_string(t.digitHits));
    members.add("digitExpected", JsonShortestNumber(t.digitExpected()));
    members.add("controlHits", std::to_string(f.controlHits));
    members.add("moneyBets", std::to_string(t.moneyBets));
    AddHitTestMoneyMembers(members, f);
    return out + "}";
}

}  // namespace

std::string BacktestJsonMember(const BacktestFigures& figures) {
    std::string out = "\"backtest\": {\"from\": " + JsonOptional(figures.from) +
                      ", \"to\": " + JsonOptional(figures.to) +
                      ", \"optionCount\": " + std::to_string(figures.optionCount) + ", \"methods\": [";
    for (std::size_t m = 0; m < figures.methods.size(); ++m) {
        if (m) out += ", ";
        out += MethodObject(figures.methods[m]);
    }
    return out + "]}";
}

}  // namespace n3
