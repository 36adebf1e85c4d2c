#include "lab/hit_test_figures.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "stats/distributions.h"
#include "stats/verdict.h"

namespace n3 {

HitTestFigures HitTestOf(const HitCounts& c) {
    HitTestFigures f;
    f.hits = c.hits;
    f.expected = c.expected;
    f.controlHits = c.controlHits;
    if (c.expected > 0) f.ratio = c.hits / c.expected;
    if (c.variance > 0) {
        f.z = (c.hits - c.expected) / std::sqrt(c.variance);
        f.p = TwoSidedP(*f.z);
        f.pCorrected = std::min(1.0, c.tested * *f.p);
    }
    if (c.trials > 0) {
        f.hitRate = double(c.hits) / c.trials;
        std::tie(f.wilsonLow, f.wilsonHigh) = WilsonInterval(c.hits, c.trials);
    }
    if (c.moneyCounted) {
        f.spentYen = c.spentYen;
        f.wonYen = c.wonYen;
        f.returnRate = double(c.wonYen) / double(c.spentYen);
    }
    f.verdict = VerdictOf(f.pCorrected, f.z);
    return f;
}

}  // namespace n3
