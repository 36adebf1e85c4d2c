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
        counts_.assign(kSlots, 0);
        withCount_.assign(1, Members{});
        sizeOfCount_.assign(1, 0);
        for (const int c : CandidatesOf(strategy.kind)) {
            withCount_[0][std::size_t(c) / 64] |= std::uint64_t(1) << (c % 64);
            ++sizeOfCount_[0];
        }
        ring_.reserve(std::size_t(std::max(0, strategy.n)));
    }
    if (strategy.rule == StrategyRule::Overdue) {
        next_.assign(kSlots + 1, kSlots);
        previous_.assign(kSlots + 1, kSlots);
        int tail = kSlots;
        for (const int c : CandidatesOf(strategy.kind)) {
            next_[std::size_t(tail)] = c;
            previous_[std::size_t(c)] = tail;
            tail = c;
        }
        next_[std::size_t(tail)] = kSlots;
        previous_[kSlots] = tail;
    }
}

void StrategyPicker::Count(int candidate, int delta) {
    int& count = counts_[std::size_t(candidate)];
    const std::size_t word = std::size_t(candidate) / 64;
    const std::uint64_t bit = std::uint64_t(1) << (candidate % 64);
    withCount_[std::size_t(count)][word] &= ~bit;
    --sizeOfCount_[std::size_t(count)];
    count += delta;
    if (std::size_t(count) >= withCount_.size()) {
        withCount_.resize(std::size_t(count) + 1, Members{});
        sizeOfCount_.resize(std::size_t(count) + 1, 0);
    }
    withCount_[std::size_t(count)][word] |= bit;
    ++sizeOfCount_[std::size_t(count)];
    highestCount_ = std::max(highestCount_, count);
    while (highestCount_ > 0 && sizeOfCount_[std::size_t(highestCount_)] == 0) --highestCount_;
}

void StrategyPicker::Take(int winning) {
    const std::optional<int> c = WinningCandidate(strategy_.kind, winning);
    last_ = c;
    if (Counted(strategy_.rule) && strategy_.n > 0) {
        const int entering = c ? *c : -1;
        if (int(ring_.size()) < strategy_.n) {
            ring_.push_back(entering);
        } else {
            // The oldest draw leaves as the new one comes in.
            int& oldest = ring_[ringStart_];
            if (oldest >= 0) Count(oldest, -1);
            oldest = entering;
            ringStart_ = (ringStart_ + 1) % ring_.size();
        }
        if (c) Count(*c, +1);
    }
    if (strategy_.rule == StrategyRule::Overdue && c) {
        // The candidate moves from where it was to the end: the latest.
        const auto at = std::size_t(*c);
        next_[std::size_t(previous_[at])] = next_[at];
        previous_[std::size_t(next_[at])] = previous_[at];
        const int tail = previous_[kSlots];
        next_[std::size_t(tail)] = *c;
        previous_[at] = tail;
        next_[at] = kSlots;
        previous_[kSlots] = *c;
    }
    ++taken_;
}

// Hot: the highest counts first; cold: the lowest. Within a count, the
// smaller candidate first.
void StrategyPicker::PickRanked() {
    const bool hot = strategy_.rule == StrategyRule::Hot;
    const int k = strategy_.k;
    for (int step = 0; step <= highestCount_ && int(picked_.size()) < k; ++step) {
        const auto count = std::size_t(hot ? highestCount_ - step : step);
        if (sizeOfCount_[count] == 0) continue;
        const Members& members = withCount_[count];
        for (std::size_t w = 0; w < members.size() && int(picked_.size()) < k; ++w)
            for (std::uint64_t bits = members[w]; bits != 0 && int(picked_.size()) < k; bits &= bits - 1)
                picked_.push_back(int(w * 64) + __builtin_ctzll(bits));
    }
}

void StrategyPicker::PickOverdue() {
    for (int c = next_[kSlots]; c != kSlots && int(picked_.size()) < strategy_.k; c = next_[std::size_t(c)])
        picked_.push_back(c);
}

const std::vector<int>& StrategyPicker::Pick(const std::vector<int>& cycleNumbers) {
    switch (strategy_.rule) {
    case StrategyRule::Fixed:
    case StrategyRule::Sum: return fixed_;
    case StrategyRule::Prediction: return picked_ = Normalised(strategy_, cycleNumbers);
    default: break;
    }
    picked_.clear();
    if (strategy_.rule == StrategyRule::Last) {
        if (last_) picked_.push_back(*last_);
        return picked_;
    }
    if (taken_ == 0) return picked_;
    if (strategy_.rule == StrategyRule::Overdue)
        PickOverdue();
    else
        PickRanked();
    std::sort(picked_.begin(), picked_.end());
    return picked_;
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
