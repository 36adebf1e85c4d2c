#include "analysis/payout_groups.h"

#include <array>
#include <cmath>
#include <string>

#include "core/number_rules.h"
#include "stats/distributions.h"
#include "stats/sample_stats.h"
#include "stats/verdict.h"

namespace n3 {

namespace {

constexpr int kFirstDigitGroup = 5;  // 0を含む … 9を含む
constexpr std::string_view kTooFew = "データ不足";

const std::array<std::string, kPayoutGroupCount>& GroupNames() {
    static const std::array<std::string, kPayoutGroupCount> names = [] {
        std::array<std::string, kPayoutGroupCount> n;
        n[0] = "ゾロ目";
        n[1] = "ダブル";
        n[2] = "シングル";
        n[3] = "日付に見える番号";
        n[4] = "抽せん日と同じ番号";
        for (int d = 0; d <= 9; ++d) n[std::size_t(kFirstDigitGroup + d)] = std::to_string(d) + "を含む";
        n[15] = "等差の番号";
        n[16] = "対称の番号";
        return n;
    }();
    return names;
}

// Days of month 1..12, February up to 29.
constexpr std::array<int, 13> kDaysInMonth = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

std::string_view PayoutGroupName(int group) { return GroupNames()[std::size_t(group)]; }

bool InPayoutGroup(int group, int number, int month, int day) {
    const auto digits = DigitsOf(number);
    const int a = digits[0], b = digits[1], c = digits[2];
    const int lastTwo = MiniOf(number);
    switch (group) {
    case 0: return TypeOf(number) == NumberType::Triple;
    case 1: return TypeOf(number) == NumberType::Double;
    case 2: return TypeOf(number) == NumberType::Single;
    case 3: return a >= 1 && lastTwo >= 1 && lastTwo <= kDaysInMonth[std::size_t(a)];
    case 4: return month >= 1 && month <= 9 && number == month * 100 + day;
    case 15: return b - a == c - b && b != a;
    case 16: return a == c && a != b;
    default: {
        const int digit = group - kFirstDigitGroup;
        return digit >= 0 && digit <= 9 && (a == digit || b == digit || c == digit);
    }
    }
}

std::vector<PayoutGroup> PayoutGroupsOf(const PayoutKindFigures& straight) {
    std::vector<std::vector<double>> logs(kPayoutGroupCount);
    for (const CountedDraw& c : straight.counted)
        for (int g = 0; g < kPayoutGroupCount; ++g)
            if (InPayoutGroup(g, c.number, c.month, c.day)) logs[std::size_t(g)].push_back(c.logFactor);
    std::vector<PayoutGroup> groups(kPayoutGroupCount);
    int tested = 0;
    for (int g = 0; g < kPayoutGroupCount; ++g) {
        PayoutGroup& group = groups[std::size_t(g)];
        const std::vector<double>& l = logs[std::size_t(g)];
        group.name = std::string(PayoutGroupName(g));
        group.wins = int(l.size());
        group.verdict = std::string(kTooFew);
        if (group.wins < 2 || !straight.grandFactor) continue;
        ++tested;
        const double m = *MeanOf(l);
        const double sd = *SampleSdOf(l);
        const double grand = std::log(*straight.grandFactor);
        group.factor = std::exp(m);
        const auto [low, high] = NormalInterval95(m, sd, group.wins);
        group.low = std::exp(low);
        group.high = std::exp(high);
        if (sd > 0) {
            group.z = (m - grand) / (sd / std::sqrt(double(group.wins)));
            group.p = TwoSidedP(*group.z);
        } else {
            // No spread at all: the mean either is the grand mean or is not.
            group.p = m == grand ? 1.0 : 0.0;
            group.z = m == grand ? 0.0 : (m > grand ? HUGE_VAL : -HUGE_VAL);
        }
    }
    for (PayoutGroup& group : groups) {
        if (!group.p) continue;
        group.adjustedP = std::min(1.0, *group.p * tested);
        group.verdict = std::string(VerdictOf(group.adjustedP, group.z));
    }
    return groups;
}

PayoutStability PayoutStabilityOf(const PayoutKindFigures& straight) {
    PayoutStability s;
    const std::size_t n = straight.counted.size();
    const std::size_t half = n / 2;
    if (half == 0) return s;
    s.split = straight.counted[half - 1].drawNo;
    std::array<double, 1000> sums[2] = {};
    std::array<int, 1000> wins[2] = {};
    for (std::size_t i = 0; i < n; ++i) {
        const CountedDraw& c = straight.counted[i];
        const int part = i < half ? 0 : 1;
        sums[part][std::size_t(c.number)] += c.logFactor;
        ++wins[part][std::size_t(c.number)];
    }
    std::vector<double> first, second;
    for (int number = 0; number < kAllNumberCount; ++number) {
        const std::size_t k = std::size_t(number);
        if (wins[0][k] == 0 || wins[1][k] == 0) continue;
        first.push_back(sums[0][k] / wins[0][k]);
        second.push_back(sums[1][k] / wins[1][k]);
        s.points.push_back({number, std::exp(first.back()), std::exp(second.back())});
    }
    s.numbers = int(first.size());
    s.correlation = PearsonCorrelation(first, second);
    return s;
}

}  // namespace n3
