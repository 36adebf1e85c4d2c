#include "lab/last_draws.h"

namespace n3 {

DrawRange LastDrawsRange(const DrawHistory& history, int count) {
    int seen = 0;
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        if (!it->complete()) continue;
        if (++seen == count) return DrawRange{it->drawNo, 0};
    }
    return DrawRange{};
}

}  // namespace n3
