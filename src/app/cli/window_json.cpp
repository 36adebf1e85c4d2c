#include "app/cli/window_json.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <vector>

#include "analysis/result_list.h"
#include "app/cli/backtest_json.h"
#include "app/cli/digit_views_json.h"
#include "app/cli/json_numbers.h"
#include "app/cli/number_windows_json.h"
#include "app/cli/payout_json.h"
#include "app/cli/strategy_json.h"
#include "io/text_escape.h"
#include "lab/backtest_figures.h"
#include "lab/randomness_tests.h"

namespace n3 {

namespace {

// "\"tests\": [...]": one object per test of 乱数性の検定.
std::string RandomnessJsonMember(const std::vector<RandomnessTest>& tests) {
    std::ostringstream out;
    out << "\"tests\": [";
    for (std::size_t i = 0; i < tests.size(); ++i) {
        const RandomnessTest& t = tests[i];
        if (i) out << ", ";
        out << "{\"name\": " << JsonString(t.name) << ", \"n\": " << t.n
            << ", \"statistic\": " << JsonNumber(t.statistic)
            << ", \"df\": " << (t.df ? std::to_string(*t.df) : std::string("null")) << ", \"p\": " << JsonOptional(t.p)
            << ", \"pCorrected\": " << JsonOptional(t.pCorrected) << ", \"verdict\": " << JsonString(t.verdict) << "}";
    }
    out << "]";
    return out.str();
}

}  // namespace

std::string WindowJsonMembers(const WindowContent& content) {
    if (const auto* figures = std::any_cast<BacktestFigures>(&content.details)) return BacktestJsonMember(*figures);
    if (const auto* tests = std::any_cast<std::vector<RandomnessTest>>(&content.details))
        return RandomnessJsonMember(*tests);
    if (const auto* search = std::any_cast<NumberLookupDetails>(&content.details))
        return NumberLookupJsonMembers(*search);
    if (const auto* card = std::any_cast<NextDrawCard>(&content.details)) return NextDrawJsonMember(*card);
    if (const auto* strategies = std::any_cast<StrategyTestFigures>(&content.details))
        return StrategyJsonMember(*strategies);
    if (const auto* dates = std::any_cast<ResultListDates>(&content.details)) {
        std::ostringstream out;
        out << "\"dates\": [";
        for (std::size_t i = 0; i < dates->rows.size(); ++i) {
            const auto& row = dates->rows[i];
            out << (i ? ", " : "") << "{\"draw\": " << row.drawNo << ", \"date\": " << JsonString(row.date)
                << ", \"dateEstimated\": " << (row.estimated ? "true" : "false") << "}";
        }
        out << "]";
        return out.str();
    }
    if (const auto* calendar = std::any_cast<CalendarFigures>(&content.details)) return CalendarJsonMember(*calendar);
    if (const auto* mini = std::any_cast<MiniFigures>(&content.details)) return MiniJsonMember(*mini);
    if (const auto* pairs = std::any_cast<PairFigures>(&content.details)) return PairsJsonMember(*pairs);
    if (const auto* types = std::any_cast<NumberTypeFigures>(&content.details)) return TypesJsonMember(*types);
    if (const auto* payout = std::any_cast<std::shared_ptr<const PayoutFigures>>(&content.details))
        return PayoutJsonMember(**payout);
    return {};
}

}  // namespace n3
