#include "lab/strategy_rules.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace n3 {

namespace {

std::string Text(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

}  // namespace

std::string StrategyError(const Strategy& s) {
    if (s.units < 1 || s.units > kStrategyMaxUnits) return "口数は1～99で指定してください。";
    const bool mini = s.kind == TicketKind::Mini;
    switch (s.rule) {
    case StrategyRule::Fixed: {
        if (s.numbers.empty()) return "買う数字を1つ以上指定してください。";
        if (int(s.numbers.size()) > kStrategyMaxNumbers) return "買う数字は100個までです。";
        for (const int x : s.numbers) {
            if (x < 0 || x >= (mini ? int(CandidatesOf(TicketKind::Mini).size()) : kAllNumberCount))
                return mini ? "ミニの数字は00～99で指定してください。" : "数字は000～999で指定してください。";
            if (s.kind != TicketKind::Mini && !SellsFor(s.kind, x))
                return "ボックスとセットでは、3つとも同じ数字（" + NumberText(x) + "）は買えません。";
        }
        return "";
    }
    case StrategyRule::Hot:
    case StrategyRule::Cold:
        if (s.n < 1 || s.n > kStrategyMaxWindow) return "直近の回数Nは1～32767で指定してください。";
        [[fallthrough]];
    case StrategyRule::Overdue:
        if (s.k < 1 || s.k > kStrategyMaxNumbers) return "買う数字の個数kは1～100で指定してください。";
        if (s.k > int(CandidatesOf(s.kind).size()))
            return "買う数字の個数kが、この種類で買える数字の数を超えています。";
        return "";
    case StrategyRule::Sum: {
        const int top = 9 * TicketDigits(s.kind);
        if (s.sumLow < 0 || s.sumHigh > top || s.sumLow > s.sumHigh)
            return "数字の合計の範囲は0～" + std::to_string(top) + "で、a≦bとなるように指定してください。";
        const auto count = CandidatesWithSum(s.kind, s.sumLow, s.sumHigh).size();
        if (count > std::size_t(kStrategyMaxNumbers))
            return "合計" + std::to_string(s.sumLow) + "～" + std::to_string(s.sumHigh) + "の数字は" +
                   std::to_string(count) + "個あり、1回に買える100個を超えます。範囲を狭めてください。";
        if (count == 0) return "合計がこの範囲になる数字はありません。";
        return "";
    }
    default: return "";
    }
}

std::string DescribeRule(const Strategy& s) {
    const std::string caption(kStrategyRuleCaptions[std::size_t(s.rule)]);
    switch (s.rule) {
    case StrategyRule::Fixed: return caption + "（" + NumberListText(s) + "）";
    case StrategyRule::Hot:
    case StrategyRule::Cold: return caption + "（直近" + std::to_string(s.n) + "回・" + std::to_string(s.k) + "個）";
    case StrategyRule::Overdue: return caption + "（" + std::to_string(s.k) + "個）";
    case StrategyRule::Sum: return caption + "（" + std::to_string(s.sumLow) + "～" + std::to_string(s.sumHigh) + "）";
    default: return caption;
    }
}

std::string DescribeKind(const Strategy& s) {
    return std::string(kTicketKindCaptions[std::size_t(s.kind)]) + " " + std::to_string(s.units) + "口";
}

std::string RuleKey(const Strategy& s) {
    std::string key(kStrategyRuleWords[std::size_t(s.rule)]);
    switch (s.rule) {
    case StrategyRule::Fixed: key += " " + NumberListText(s); break;
    case StrategyRule::Hot:
    case StrategyRule::Cold: key += " n=" + std::to_string(s.n) + " k=" + std::to_string(s.k); break;
    case StrategyRule::Overdue: key += " k=" + std::to_string(s.k); break;
    case StrategyRule::Sum: key += " " + std::to_string(s.sumLow) + "-" + std::to_string(s.sumHigh); break;
    default: break;
    }
    return key + " " + std::string(kTicketKindWords[std::size_t(s.kind)]);
}

std::optional<StrategyRule> ParseStrategyRule(std::string_view word) {
    for (int i = 0; i < kStrategyRuleCount; ++i)
        if (kStrategyRuleWords[std::size_t(i)] == word) return StrategyRule(i);
    return std::nullopt;
}

std::optional<std::vector<int>> ParseNumberList(std::string_view text) {
    std::vector<int> out;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        std::string_view part = text.substr(0, comma);
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        int value = -1;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (part.empty() || part.size() > 3 || ec != std::errc() || end != part.data() + part.size() || value < 0)
            return std::nullopt;
        out.push_back(value);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (text.empty()) return std::nullopt;
    }
    if (out.empty()) return std::nullopt;
    return out;
}

std::string NumberListText(const Strategy& s) {
    std::string out;
    for (const int x : s.numbers) {
        if (!out.empty()) out += ",";
        out += Text(x, TicketDigits(s.kind));
    }
    return out;
}

}  // namespace n3
