#include "prediction/prediction_walk.h"

#include <algorithm>
#include <bit>

namespace n3 {

namespace {

struct EliminationRow {
    int lag;       // draws back from the reference
    int position;  // 1..3
    int offset;
};

// Rows 3, 4, 7, 8, 10, 11 and 14 read the third digit.
constexpr std::array<EliminationRow, kEliminationRows> kEliminationTable = {{
    {0, 1, +1},
    {0, 2, +8},
    {1, 1, 0},
    {1, 3, -7},
    {2, 3, +8},
    {2, 2, -5},
    {3, 1, +3},
    {3, 3, +1},
    {4, 3, +4},
    {4, 1, +7},
    {5, 3, +6},
    {5, 3, -9},
    {6, 1, +4},
    {7, 2, +1},
    {9, 3, +9},
}};

constexpr int kRepeatReach = 3;
constexpr int kOneShotReach = 2;

// The cycle digits in the order the 連発 and 一発 predictions look at them:
// cycle by cycle, each up to its first empty entry. A digit met again adds
// nothing, so only the first time each digit comes is kept.
struct CycleOrder {
    std::array<std::int8_t, 10> digits{};
    int size = 0;
    std::uint16_t mask = 0;
};

CycleOrder CycleOrderOf(const CycleDigits& cycles) {
    CycleOrder order;
    for (const auto& cycle : cycles)
        for (const std::int8_t s : cycle) {
            if (s == kNoDigit) break;
            if ((order.mask >> s) & 1u) continue;
            order.digits[std::size_t(order.size++)] = s;
            order.mask |= std::uint16_t(1u << s);
        }
    return order;
}

// For each digit a, the digits s with s - reach <= a <= s + reach.
constexpr std::array<std::uint16_t, 10> CloseDigits(int reach) {
    std::array<std::uint16_t, 10> close{};
    for (int a = 0; a <= 9; ++a)
        for (int s = 0; s <= 9; ++s)
            if (a >= s - reach && a <= s + reach) close[std::size_t(a)] |= std::uint16_t(1u << s);
    return close;
}

// Every cycle digit s with s - reach <= a <= s + reach for an elimination
// entry a, placed once in the cycle order, up to `limit` digits (0: no
// limit). An entry equal to an earlier one places nothing new, and the walk
// ends once every cycle digit is placed.
void PlaceCloseCycleDigits(const DigitPrediction& p, const CycleOrder& order,
                           const std::array<std::uint16_t, 10>& close, int limit, DigitList& placed) {
    std::uint16_t seen = 0;
    for (const std::int8_t a : p.elimination) {
        if ((seen >> a) & 1u) continue;
        seen |= std::uint16_t(1u << a);
        const std::uint16_t fresh = close[std::size_t(a)] & order.mask & std::uint16_t(~placed.mask);
        for (int i = 0; fresh != 0 && i < order.size; ++i) {
            const int s = order.digits[std::size_t(i)];
            if (((fresh >> s) & 1u) == 0) continue;
            placed.push(s);
            if (limit > 0 && placed.size == limit) return;
        }
        if (placed.mask == order.mask) return;
    }
}

constexpr std::array<std::uint16_t, 10> kRepeatClose = CloseDigits(kRepeatReach);
constexpr std::array<std::uint16_t, 10> kOneShotClose = CloseDigits(kOneShotReach);

}  // namespace

PredictionWalk::PredictionWalk(const Game& game) : game_(&game), table_(std::size_t(kMaxDrawNo) + 1) {
    for (auto& cycle : cycles_) cycle.size = game.digits;
}

void PredictionWalk::BeginPass() {
    lastSeen_.fill(0);
    cursor_ = 0;
    latest_ = 0;
}

int PredictionWalk::DigitAt(int drawNo, int position) const {
    if (drawNo < 0 || drawNo > kMaxDrawNo) return 0;
    const DrawDigits& entry = table_[std::size_t(drawNo)];
    return entry.complete ? entry.digits[std::size_t(position - 1)] : 0;
}

void PredictionWalk::Absorb(int drawNo) {
    const DrawDigits& entry = table_[std::size_t(drawNo)];
    if (!entry.complete) return;
    for (int p = 0; p < game_->digits; ++p) lastSeen_[std::size_t(entry.digits[std::size_t(p)])] = drawNo;
}

int PredictionWalk::LastOccurrenceByWalk(int drawNo, int digit) const {
    for (int k = drawNo - 1; k >= 1; --k) {
        const DrawDigits& entry = table_[std::size_t(k)];
        if (!entry.complete) continue;
        for (int p = 0; p < game_->digits; ++p)
            if (entry.digits[std::size_t(p)] == digit) return k;
    }
    return 0;
}

void PredictionWalk::Advance(const Draw& draw) {
    if (!draw.complete(*game_)) return;
    const int n = draw.drawNo;
    latest_ = n;
    if (n < 1 || n > kMaxDrawNo) return;
    DrawDigits& entry = table_[std::size_t(n)];
    if (n > cursor_) {
        // Everything before n is in lastSeen_ once the entries between
        // the cursor and n (left by earlier passes) are taken in.
        for (int k = cursor_ + 1; k < n; ++k) Absorb(k);
        for (int p = 0; p < game_->digits; ++p) {
            const int digit = draw.digit(p);
            if (const int k = lastSeen_[std::size_t(digit)]; k > 0) StoreCycle(n - k, p + 1, digit);
        }
        for (int p = 0; p < game_->digits; ++p) entry.digits[std::size_t(p)] = std::int8_t(draw.digit(p));
        entry.complete = true;
        Absorb(n);
        cursor_ = n;
        return;
    }
    // A draw at or behind the cursor: look back through the table, then
    // count lastSeen_ again, since the entry it replaced may have held a digit.
    for (int p = 0; p < game_->digits; ++p) entry.digits[std::size_t(p)] = std::int8_t(draw.digit(p));
    entry.complete = true;
    for (int p = 0; p < game_->digits; ++p) {
        const int digit = draw.digit(p);
        if (const int k = LastOccurrenceByWalk(n, digit); k > 0) StoreCycle(n - k, p + 1, digit);
    }
    for (int d = 0; d < 10; ++d) lastSeen_[std::size_t(d)] = LastOccurrenceByWalk(cursor_ + 1, d);
}

void PredictionWalk::StoreCycle(int interval, int position, int digit) {
    const auto it = std::find(kCycleLengths.begin(), kCycleLengths.end(), interval);
    if (it == kCycleLengths.end()) return;
    cycles_[std::size_t(it - kCycleLengths.begin())][std::size_t(position - 1)] = std::int8_t(digit);
}

std::array<std::int8_t, kEliminationRows> PredictionWalk::Elimination(int optionCount, int latestDrawNo) const {
    std::array<std::int8_t, kEliminationRows> elimination{};
    for (int i = 0; i < kEliminationRows; ++i) {
        const EliminationRow& row = kEliminationTable[std::size_t(i)];
        const int reference = latestDrawNo - row.lag - optionCount;
        elimination[std::size_t(i)] = std::int8_t(FoldDigit(DigitAt(reference, row.position) + row.offset));
    }
    return elimination;
}

PredictionSets PredictionWalk::PredictSets(int optionCount) const {
    PredictionSets sets;
    sets.cycles = cycles_;
    DigitPrediction p;
    p.elimination = Elimination(optionCount, latest_);
    std::uint16_t repeatClose = 0, oneShotClose = 0;
    for (const std::int8_t a : p.elimination) {
        sets.elimination |= std::uint16_t(1u << a);
        repeatClose |= kRepeatClose[std::size_t(a)];
        oneShotClose |= kOneShotClose[std::size_t(a)];
    }
    const CycleOrder order = CycleOrderOf(cycles_);
    // Without a limit every cycle digit close to some entry is placed.
    sets.repeat = order.mask & repeatClose;
    sets.oneShot = order.mask & oneShotClose;
    // Past the limit, which digits are placed depends on the order.
    if (std::popcount(sets.oneShot) > kOneShotLimit) {
        PlaceCloseCycleDigits(p, order, kOneShotClose, kOneShotLimit, p.oneShot);
        sets.oneShot = p.oneShot.mask;
    }
    return sets;
}

DigitPrediction PredictionWalk::Predict(int optionCount, int latestDrawNo) const {
    DigitPrediction p;
    p.cycles = cycles_;
    p.optionCount = optionCount;
    p.elimination = Elimination(optionCount, latestDrawNo);
    const CycleOrder order = CycleOrderOf(p.cycles);
    PlaceCloseCycleDigits(p, order, kRepeatClose, 0, p.repeat);
    PlaceCloseCycleDigits(p, order, kOneShotClose, kOneShotLimit, p.oneShot);
    return p;
}

}  // namespace n3
