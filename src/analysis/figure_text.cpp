#include "analysis/figure_text.h"

#include <cstdio>

namespace n3 {

std::string PValueText(double p, TinyP tiny) {
    char buf[48];
    if (p < 0.0001 && tiny == TinyP::Bound) return "<0.0001";
    if (p > 0 && p < 0.0001)
        std::snprintf(buf, sizeof buf, "%.1e", p);
    else
        std::snprintf(buf, sizeof buf, "%.4f", p);
    return buf;
}

std::string FixedText(double value, int decimals) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

}  // namespace n3
