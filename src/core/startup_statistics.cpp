#include "core/startup_statistics.h"

namespace n3 {

StartupStatistics LoadStartupStatistics(const DrawHistory& history, const Game& game) {
    StartupStatistics s;
    if (history.empty()) return s;

    for (const Draw& draw : history) {
        if (!draw.complete(game)) continue;
        for (int i = 0; i < game.digits; ++i) ++s.DigitCount[std::size_t(draw.digit(i))];
        s.LatestDrawNo = draw.drawNo;
    }
    GroupDigitsByCount(s);
    return s;
}

void GroupDigitsByCount(StartupStatistics& s) {
    s.MaxDigitCount = 0;
    s.CountGroupRows = 1;
    s.DigitsByCount.assign(1, std::string());
    for (int d = 0; d < 10; ++d) {
        const int c = s.DigitCount[std::size_t(d)];
        if (c > s.MaxDigitCount) {
            s.MaxDigitCount = c;
            s.DigitsByCount.resize(std::size_t(c) + 1);
        }
        auto& entry = s.DigitsByCount[std::size_t(c)];
        if (entry.empty()) {
            entry = std::to_string(d);
            ++s.CountGroupRows;
        } else {
            entry += ',';
            entry += std::to_string(d);
        }
    }
}

}  // namespace n3
