#include "lab/strategy_picker.h"

#include <algorithm>

#include "lab/strategy_rules.h"

namespace n3 {

namespace {

std::vector<int> Normalised(const Strategy& s, const std::vector<int>& numbers) {
    std::vector<int> out;
    for (const int x : numbers)
        if (const auto c = CandidateOfNumber(s.kind, x)) out.push_back(*c);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

bool Counted(StrategyRule rule) { return rule == StrategyRule::Hot || rule == StrategyRule::Cold; }

}  // namespace

StrategyPicker::StrategyPicker(const Strategy& strategy) : strategy_(strategy) {
    if (strategy.rule == StrategyRule::Fixed) fixed_ = Normalised(strategy, strategy.numbers);
    if (strategy.rule == StrategyRule::Sum)
        fixed_ = CandidatesWithSum(strategy.kind, strategy.sumLow, strategy.sumHigh);
    if (Counted(strategy.rule)) {
        counts_.assign(1000, 0);
        for (const int c : CandidatesOf(strategy.kind)) order_.insert({0, c});
    }
    if (strategy.rule == StrategyRule::Overdue) {
        lastSeen_.assign(1000, -1);
        for (const int c : CandidatesOf(strategy.kind)) order_.insert({-1, c});
    }
}

void StrategyPicker::Count(int candidate, int delta) {
    const int sign = strategy_.rule == StrategyRule::Hot ? -1 : 1;
    int& count = counts_[std::size_t(candidate)];
    order_.erase({sign * count, candidate});
    count += delta;
    order_.insert({sign * count, candidate});
}

void StrategyPicker::Take(int winning) {
    const std::optional<int> c = WinningCandidate(strategy_.kind, winning);
    last_ = c;
    if (Counted(strategy_.rule)) {
        ring_.push_back(c ? *c : -1);
        if (c) Count(*c, +1);
        if (int(ring_.size()) > strategy_.n) {
            if (ring_.front() >= 0) Count(ring_.front(), -1);
            ring_.pop_front();
        }
    }
    if (strategy_.rule == StrategyRule::Overdue && c) {
        int& seen = lastSeen_[std::size_t(*c)];
        order_.erase({seen, *c});
        seen = taken_;
        order_.insert({seen, *c});
    }
    ++taken_;
}

std::vector<int> StrategyPicker::Pick(const std::vector<int>& cycleNumbers) const {
    switch (strategy_.rule) {
    case StrategyRule::Fixed:
    case StrategyRule::Sum: return fixed_;
    case StrategyRule::Last: return last_ ? std::vector<int>{*last_} : std::vector<int>{};
    case StrategyRule::Prediction: return Normalised(strategy_, cycleNumbers);
    default: break;
    }
    if (taken_ == 0) return {};
    std::vector<int> out;
    for (auto it = order_.begin(); it != order_.end() && int(out.size()) < strategy_.k; ++it) out.push_back(it->second);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<int> NaivePick(const Strategy& s, const std::vector<int>& earlierWinning) {
    switch (s.rule) {
    case StrategyRule::Fixed: return Normalised(s, s.numbers);
    case StrategyRule::Sum: return CandidatesWithSum(s.kind, s.sumLow, s.sumHigh);
    case StrategyRule::Last:
        return earlierWinning.empty() ? std::vector<int>{} : Normalised(s, {earlierWinning.back()});
    case StrategyRule::Prediction: return {};
    default: break;
    }
    if (earlierWinning.empty()) return {};
    const int size = int(earlierWinning.size());
    std::vector<std::pair<int, int>> ranked;  // (order value, candidate), smaller first
    if (s.rule == StrategyRule::Overdue) {
        std::vector<int> seen(1000, -1);
        for (int i = 0; i < size; ++i)
            if (const auto c = WinningCandidate(s.kind, earlierWinning[std::size_t(i)])) seen[std::size_t(*c)] = i;
        for (const int c : CandidatesOf(s.kind)) ranked.push_back({seen[std::size_t(c)], c});
    } else {
        std::vector<int> counts(1000, 0);
        for (int i = std::max(0, size - s.n); i < size; ++i)
            if (const auto c = WinningCandidate(s.kind, earlierWinning[std::size_t(i)])) ++counts[std::size_t(*c)];
        const int sign = s.rule == StrategyRule::Hot ? -1 : 1;
        for (const int c : CandidatesOf(s.kind)) ranked.push_back({sign * counts[std::size_t(c)], c});
    }
    const int k = std::min(s.k, int(ranked.size()));
    std::partial_sort(ranked.begin(), ranked.begin() + k, ranked.end());
    std::vector<int> out;
    for (int i = 0; i < k; ++i) out.push_back(ranked[std::size_t(i)].second);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace n3
