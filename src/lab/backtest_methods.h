#pragma once
// The methods the backtest tries, in row order, and what it counts of each.
#include <array>
#include <string_view>

#include "core/game.h"

namespace n3 {

inline constexpr int kBacktestMethodCount = 7;
// The methods in row order: the four cycle methods, then 消去法, 連発予想 and １発予想.
inline constexpr std::array<std::string_view, kBacktestMethodCount> kBacktestMethodNames = {
    " 7回周期法", " 9回周期法", "11回周期法", "12回周期法", "消去法", "連発予想", "１発予想",
};
inline constexpr int kFirstDigitSetMethod = 4;  // 消去法: the methods from here buy digit sets

// What one method did over the targets.
struct MethodTally {
    int bets = 0;                     // targets with a bet
    long long tickets = 0;            // numbers bought, summed over the bets
    int hits = 0;                     // bets that held the winning number
    long long varianceParts = 0;      // sum of size (1000 - size): 10^6 times sum of p (1 - p)
    long long digitHits = 0;          // winning digits the prediction held
    long long digitChanceTenths = 0;  // ten times what chance gives for digitHits
    int controlHits = 0;              // hits of the random sets of the same sizes
    // Over the bets on draws whose straight prize is known:
    int moneyBets = 0;
    long long moneyTickets = 0;
    long long wonYen = 0;

    // Sum of size / 1000 over the bets: the hits chance gives when every
    // number bought wins with 1/1000, as a straight ticket does (the
    // JSON's "expectedHits" of a method).
    double straightChanceHits() const { return tickets / double(kNumbers3.numberCount()); }
    // Sum of p (1 - p) over the bets, p = size / 1000.
    double hitVariance() const { return varianceParts / 1e6; }
    double digitExpected() const { return digitChanceTenths / 10.0; }
};

}  // namespace n3
