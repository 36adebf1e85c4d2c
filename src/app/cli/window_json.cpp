#include "app/cli/window_json.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <variant>
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

// "\"dates\": [...]": each draw of 当選結果一覧 with its date and whether the date is estimated.
std::string DatesJsonMember(const ResultListDates& dates) {
    std::ostringstream out;
    out << "\"dates\": [";
    for (std::size_t i = 0; i < dates.rows.size(); ++i) {
        const auto& row = dates.rows[i];
        out << (i ? ", " : "") << "{\"draw\": " << row.drawNo << ", \"date\": " << JsonString(row.date)
            << ", \"dateEstimated\": " << (row.estimated ? "true" : "false") << "}";
    }
    out << "]";
    return out.str();
}

// The JSON member of each kind of details.
struct DetailsJson {
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(const std::shared_ptr<const BacktestFigures>& f) const { return BacktestJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const CalendarFigures>& f) const { return CalendarJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const MiniFigures>& f) const { return MiniJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const NextDrawCard>& f) const { return NextDrawJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const NumberLookupDetails>& f) const {
        return NumberLookupJsonMembers(*f);
    }
    std::string operator()(const std::shared_ptr<const NumberTypeFigures>& f) const { return TypesJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const PairFigures>& f) const { return PairsJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const PayoutFigures>& f) const { return PayoutJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const std::vector<RandomnessTest>>& f) const {
        return RandomnessJsonMember(*f);
    }
    std::string operator()(const std::shared_ptr<const ResultListDates>& f) const { return DatesJsonMember(*f); }
    std::string operator()(const std::shared_ptr<const StrategyTestFigures>& f) const { return StrategyJsonMember(*f); }
};

}  // namespace

std::string WindowJsonMembers(const WindowContent& content) { return std::visit(DetailsJson{}, content.details); }

}  // namespace n3
