#include "app/cli/strategy_arguments.h"

#include <charconv>

#include "lab/strategy_rules.h"

namespace n3::cli {

namespace {

// "A-B" as two whole numbers 0..27.
bool ParseSumRange(const std::string& text, int& low, int& high) {
    const auto dash = text.find('-');
    if (dash == std::string::npos) return false;
    const auto whole = [](std::string_view s, int& out) {
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
        return !s.empty() && ec == std::errc() && end == s.data() + s.size() && out >= 0 && out <= 27;
    };
    return whole(std::string_view(text).substr(0, dash), low) && whole(std::string_view(text).substr(dash + 1), high);
}

}  // namespace

std::optional<Strategy> StrategyFromArguments(const Arguments& args) {
    const auto word = args.option("strategy");
    if (!word) return std::nullopt;
    Strategy s;
    const auto rule = ParseStrategyRule(*word);
    if (!rule)
        throw UsageError{"--strategy には fixed, last, hot, cold, overdue, sum, prediction のどれかを指定してください"};
    s.rule = *rule;
    if (const auto kind = args.option("kind")) {
        const auto parsed = ParseTicketKind(*kind);
        if (!parsed) throw UsageError{"--kind には straight, box, set, mini のどれかを指定してください"};
        s.kind = *parsed;
    }
    s.n = int(args.number("n", 1, 32767).value_or(100));
    s.k = int(args.number("k", 1, 1000).value_or(1));
    s.units = int(args.number("units", 1, 99).value_or(1));
    if (const auto numbers = args.option("numbers")) {
        const auto parsed = ParseNumberList(*numbers);
        if (!parsed)
            throw UsageError{"--numbers には 123,456 のように、0～999 の数字をコンマで区切って指定してください"};
        s.numbers = *parsed;
    }
    if (const auto sum = args.option("sum")) {
        if (!ParseSumRange(*sum, s.sumLow, s.sumHigh))
            throw UsageError{"--sum には 10-14 のように、数字の合計の範囲（0～27）を指定してください"};
    }
    if (s.rule == StrategyRule::Fixed && s.numbers.empty())
        throw UsageError{"--strategy fixed には --numbers で買う数字を指定してください"};
    if (s.rule == StrategyRule::Sum && !args.option("sum"))
        throw UsageError{"--strategy sum には --sum で数字の合計の範囲を指定してください"};
    if (const std::string why = StrategyError(s); !why.empty()) throw UsageError{why};
    return s;
}

}  // namespace n3::cli
