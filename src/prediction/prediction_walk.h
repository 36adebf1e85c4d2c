#pragma once
// The prediction as a walk over the history, one draw at a time: after any
// draw it can say what the prediction window would show if the history
// ended there. The window's engine and the backtest both walk with it, so
// there is one implementation of the methods.
#include <array>
#include <cstdint>
#include <vector>

#include "core/draw.h"

namespace n3 {

inline constexpr int kCycleCount = 4;
inline constexpr std::array<int, kCycleCount> kCycleLengths = {7, 9, 11, 12};
inline constexpr int kEliminationRows = 15;
inline constexpr int kOneShotLimit = 7;
inline constexpr int kNoDigit = -1;

// One cycle's digit for each position of the game (position 1 at index 0):
// the digit, or kNoDigit when the cycle found nothing for that position.
// Reads like an array of the game's positions.
struct CyclePositions {
    std::array<std::int8_t, kMaxGameDigits> digits{kNoDigit, kNoDigit, kNoDigit, kNoDigit};
    int size = kNumbers3.digits;

    std::int8_t& operator[](std::size_t i) { return digits[i]; }
    std::int8_t operator[](std::size_t i) const { return digits[i]; }
    const std::int8_t* begin() const { return digits.data(); }
    const std::int8_t* end() const { return digits.data() + size; }
    friend bool operator==(const CyclePositions&, const CyclePositions&) = default;
};

// Cycle c (lengths 7, 9, 11, 12): its digit for each position.
using CycleDigits = std::array<CyclePositions, kCycleCount>;

// Distinct digits in the order they were placed.
struct DigitList {
    std::array<std::int8_t, 10> digits{};
    int size = 0;

    bool contains(int d) const { return (mask >> d) & 1u; }
    void push(int d) {
        digits[std::size_t(size++)] = std::int8_t(d);
        mask |= 1u << d;
    }
    std::uint16_t mask = 0;  // bit d set when d is in the list
};

// What the methods predict after some draw, for one option count.
struct DigitPrediction {
    CycleDigits cycles{};
    int optionCount = 0;
    std::array<std::int8_t, kEliminationRows> elimination{};  // every row, repeats included
    DigitList repeat;
    DigitList oneShot;
};

// What the methods buy after some draw: the cycle digits and, for the
// methods that buy digit sets, the set of digits each holds (bit d for d).
struct PredictionSets {
    CycleDigits cycles{};
    std::uint16_t elimination = 0;
    std::uint16_t repeat = 0;
    std::uint16_t oneShot = 0;
};

// v - 9 above 9, v + 9 at 0 or below, else v itself.
constexpr int FoldDigit(int v) { return v > 9 ? v - 9 : v <= 0 ? v + 9 : v; }

class PredictionWalk {
public:
    // A walk over the draws of `game`: a cycle digit per position of its numbers.
    explicit PredictionWalk(const Game& game = kNumbers3);
    const Game& game() const { return *game_; }

    // Starts a new pass over a history: the digit table and the cycle
    // digits keep what earlier passes left, as the window's engine does
    // when it scans the history again.
    void BeginPass();
    // Takes the next draw of the history. Draws are expected in ascending
    // order of number; one out of order is still taken correctly, only slower.
    void Advance(const Draw& draw);

    // 回数 of the last complete draw taken in this pass; 0 before any.
    int latestDrawNo() const { return latest_; }
    const CycleDigits& cycles() const { return cycles_; }
    // Digit `position` (1..the game's digits) of draw `drawNo`; 0 for a draw
    // number without a complete draw or outside the table.
    int DigitAt(int drawNo, int position) const;

    // The prediction with `optionCount` options on, counted back from `latestDrawNo`.
    DigitPrediction Predict(int optionCount, int latestDrawNo) const;
    DigitPrediction Predict(int optionCount) const { return Predict(optionCount, latest_); }
    // The digit sets of Predict(optionCount) without the order the digits
    // were placed in, which a walk over every draw does not read.
    PredictionSets PredictSets(int optionCount) const;

private:
    struct DrawDigits {
        std::array<std::int8_t, kMaxGameDigits> digits{};
        bool complete = false;
    };

    void StoreCycle(int interval, int position, int digit);
    void Absorb(int drawNo);
    // The nearest earlier draw number holding `digit` at any position, or 0,
    // by walking back through the table.
    int LastOccurrenceByWalk(int drawNo, int digit) const;
    std::array<std::int8_t, kEliminationRows> Elimination(int optionCount, int latestDrawNo) const;

    const Game* game_;
    std::vector<DrawDigits> table_;  // indexed by draw number 0..32767
    CycleDigits cycles_{};
    // lastSeen_[d]: the highest draw number <= cursor_ whose entry holds d.
    std::array<int, 10> lastSeen_{};
    int cursor_ = 0;
    int latest_ = 0;
};

}  // namespace n3
