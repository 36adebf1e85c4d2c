#include "analysis/digit_pairs.h"

#include <algorithm>

#include "stats/distributions.h"

namespace n3 {

PairFigures TallyPairs(const DrawHistory& history, DrawRange range) {
    PairFigures f;
    f.coverage = CoverRange(history, range);
    for (const Draw& d : history) {
        if (!InRange(d, range) || !d.complete()) continue;
        ++f.draws;
        for (std::size_t k = 0; k < kPositionPairs.size(); ++k) {
            const PositionPair& at = kPositionPairs[k];
            ++f.pairs[k].counts[std::size_t(d.digit(at.first) * 10 + d.digit(at.second))];
        }
    }
    f.expected = f.draws / double(kPairValues);
    if (f.draws == 0) return f;
    for (PairCounts& pair : f.pairs) {
        double chi2 = 0;
        for (int c : pair.counts) chi2 += (c - f.expected) * (c - f.expected) / f.expected;
        pair.chi2 = chi2;
        pair.p = ChiSquareP(chi2, kPairDf);
        pair.adjustedP = std::min(1.0, 3 * *pair.p);
    }
    return f;
}

}  // namespace n3
