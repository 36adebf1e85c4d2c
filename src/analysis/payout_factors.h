#pragma once
// Which numbers pay more when they win. Every number has the same chance,
// but a prize is the pool shared among the winners, so the prize of a draw
// says how many people bought its number. Each priced draw is measured
// against the median prize of its kind in its calendar year (the log
// factor), and the factors are gathered per number, per pattern of numbers
// and per half of the history.
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/draw.h"
#include "core/draw_result.h"
#include "core/game.h"
#include "core/snapshot_memo.h"

namespace n3 {

// The ticket kinds whose prizes the factors are read from: a set pays half
// its straight and half its box prize, so it has no table of its own.
enum class PayoutKind { Straight, Box, Mini };
inline constexpr int kPayoutKindCount = 3;
inline constexpr std::array<TicketKind, kPayoutKindCount> kPayoutTicketKinds = {TicketKind::Straight, TicketKind::Box,
                                                                                TicketKind::Mini};
// The straight prize a number would pay if the pool were never shared unevenly.
inline constexpr double kTheoreticalStraightPrize = 90'000;

// A draw with a date and a prize above 0 for the kind (box: never a triple).
struct CountedDraw {
    int drawNo = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int number = 0;  // the draw's three digits as 0..999
    int item = 0;    // the index of its item in the kind's key order
    double prize = 0;
    double reference = 0;  // the median prize of its kind (box: single or double) in its year
    double logFactor = 0;  // ln(prize / reference)
};

struct PayoutItem {
    std::string number;  // the key: three digits, box digits ascending, or ミニ's last two
    int wins = 0;
    std::optional<double> factor;  // exp(mean log factor); none without wins
    std::optional<double> low;     // the 95% interval with the kind's pooled sd
    std::optional<double> high;
    std::optional<double> shrunk;  // 推定倍率: pulled towards the kind's grand factor
    std::optional<double> meanLog;
};

struct PayoutKindFigures {
    PayoutKind kind = PayoutKind::Straight;
    int draws = 0;                      // counted draws
    std::optional<double> sd;           // pooled within-item standard deviation s
    std::optional<double> tau;          // τ, the spread of the items' true log factors
    std::optional<double> grandFactor;  // exp(g), g the mean log factor of all counted draws
    std::vector<PayoutItem> items;      // in key order
    std::vector<CountedDraw> counted;   // in draw order
    // Fewer than two counted draws: no factors are shown.
    bool enough() const { return draws >= 2; }
};

struct PayoutYear {
    int year = 0;
    int draws = 0;
    double straightMean = 0;
    double straightMedian = 0;
    double straightRatio = 0;  // mean / 90,000
};

struct PayoutGroup {
    std::string name;
    int wins = 0;
    std::optional<double> factor;
    std::optional<double> low;
    std::optional<double> high;
    std::optional<double> z;
    std::optional<double> p;
    std::optional<double> adjustedP;  // min(1, p × the groups with two wins or more)
    std::string verdict;
};

struct PayoutStabilityPoint {
    int number = 0;
    double firstHalf = 0;  // factor exp(mean log) in each half
    double secondHalf = 0;
};

struct PayoutStability {
    std::optional<int> split;           // the draw number of the last draw of the first half
    int numbers = 0;                    // numbers with a win in both halves
    std::optional<double> correlation;  // Pearson r of their mean log factors
    std::vector<PayoutStabilityPoint> points;
};

struct PayoutFigures {
    std::vector<PayoutYear> years;
    std::array<PayoutKindFigures, kPayoutKindCount> kinds;
    std::vector<PayoutGroup> groups;
    PayoutStability stability;

    const PayoutKindFigures& kind(PayoutKind k) const { return kinds[std::size_t(k)]; }
};

// The ticket kind's word (JSON) and caption (screen).
std::string_view PayoutKindKey(PayoutKind kind);
std::string_view PayoutKindName(PayoutKind kind);

// The item index of a number 0..999 in the kind's key order; -1 for a
// triple's box.
int PayoutItemOf(PayoutKind kind, int number);

PayoutFigures ComputePayoutFigures(const DrawHistory& history, const ResultHistory& results);
// Whether these figures can be worked out for the game: their tables hold
// one item per number of three digits.
inline bool PayoutFiguresCover(const Game& game) { return game.numberCount() == kNumbers3.numberCount(); }

// The figures of a snapshot, worked out once and kept in its `memo` for
// every window that shows them (配当分析, 数字検索, 次回の抽せん, 購入記録);
// worked out afresh when `memo` is null.
std::shared_ptr<const PayoutFigures> KeptPayoutFigures(const DrawHistory& history, const ResultHistory& results,
                                                       SnapshotMemo* memo);

}  // namespace n3
