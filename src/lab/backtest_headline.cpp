#include "lab/backtest_headline.h"

#include <algorithm>

#include "lab/figures_grid.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

std::string DrawsText(const DrawHistory& history, DrawRange range) {
    if (history.empty()) return "データなし";
    const int first = std::max(history.front().drawNo, range.from);
    const int last = range.to != 0 ? std::min(history.back().drawNo, range.to) : history.back().drawNo;
    return "第" + std::to_string(first) + "回〜第" + std::to_string(last) + "回";
}

// A method's name as the grid writes it, without its leading space.
std::string MethodName(std::string_view method) {
    while (!method.empty() && method.front() == ' ') method.remove_prefix(1);
    return std::string(method);
}

}  // namespace

std::string BacktestHeadline(const BacktestFigures& figures, const DrawHistory& history, DrawRange range) {
    return BacktestVerdictLine(figures, history, range) +
           (figures.targets > 0 && figures.from && figures.to
                ? "。" + MoneyDrawsText(figures.from, figures.to, figures.moneyTargets)
                : std::string());
}

std::string BacktestVerdictLine(const BacktestFigures& figures, const DrawHistory& history, DrawRange range) {
    const std::string draws = "（" + DrawsText(history, range) + "）";
    if (figures.targets == 0) return "予想を確かめられる回がありません" + draws;
    std::string differing;
    int count = 0;
    for (const MethodFigures& m : figures.methods) {
        if (m.verdict == kVerdictChance) continue;
        if (!differing.empty()) differing += "、";
        differing += MethodName(m.method) + "の的中は" + std::string(m.verdict);
        ++count;
    }
    const int methods = int(figures.methods.size());
    if (count == 0) return std::to_string(methods) + "つの予想方法はどれも偶然と区別できません" + draws;
    const std::string rest =
        count == methods ? std::string() : "。ほかの" + std::to_string(methods - count) + "つは偶然と区別できません";
    return differing + rest + draws;
}

}  // namespace n3
