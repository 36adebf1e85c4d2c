#include "core/draw_result.h"

#include <algorithm>

namespace n3 {

const DrawResult* FindResult(const ResultHistory& results, int drawNo) {
    const auto it =
        std::lower_bound(results.begin(), results.end(), drawNo, [](const DrawResult& r, int n) { return r.回数 < n; });
    return it != results.end() && it->回数 == drawNo ? &*it : nullptr;
}

}  // namespace n3
