#include "analysis/mini_gaps.h"

#include <algorithm>

#include "stats/distributions.h"

namespace n3 {

MiniFigures TallyMini(const DrawHistory& history, DrawRange range) {
    MiniFigures f;
    f.coverage = CoverRange(history, range);
    // Position (1-based) among the counted draws of each value's last
    // occurrence; 0 before it first comes.
    std::array<int, kMiniValues> lastAt{};
    for (const Draw& d : history) {
        if (!InRange(d, range) || !d.complete()) continue;
        const int at = ++f.draws;
        MiniValue& v = f.values[std::size_t(d.digit(1) * 10 + d.digit(2))];
        int& previous = lastAt[std::size_t(d.digit(1) * 10 + d.digit(2))];
        v.longestGap = std::max(v.longestGap, at - previous - 1);
        previous = at;
        ++v.count;
        v.last = d.drawNo;
    }
    f.expected = f.draws / double(kMiniValues);
    double chi2 = 0;
    for (int n = 0; n < kMiniValues; ++n) {
        MiniValue& v = f.values[std::size_t(n)];
        v.since = f.draws - lastAt[std::size_t(n)];
        v.longestGap = std::max(v.longestGap, v.since);
        if (f.draws > 0) {
            const double d = v.count - f.expected;
            chi2 += d * d / f.expected;
        }
    }
    if (f.draws > 0) {
        f.chi2 = chi2;
        f.p = ChiSquareP(chi2, kMiniDf);
    }
    return f;
}

}  // namespace n3
