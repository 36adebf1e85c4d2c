#include "lab/control_draw.h"

#include <algorithm>

namespace n3 {

std::uint64_t ControlRandom::Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Lemire's multiply-and-shift with rejection: exactly uniform, and a
// division only in the rare case that a rejection is possible.
int ControlRandom::Below(int bound) {
    const auto b = std::uint64_t(bound);
    unsigned __int128 m = (unsigned __int128)Next() * b;
    if (std::uint64_t(m) < b) {
        const std::uint64_t threshold = (0 - b) % b;
        while (std::uint64_t(m) < threshold) m = (unsigned __int128)Next() * b;
    }
    return int(m >> 64);
}

std::uint64_t ControlSeed(int drawNo, int method) {
    return 0x5A17C0DEull ^ (std::uint64_t(std::uint32_t(drawNo)) << 8) ^ std::uint64_t(std::uint32_t(method));
}

bool ControlHoldsOne(std::uint64_t seed, int size, int universe) {
    if (size <= 0) return false;
    if (size >= universe) return true;
    ControlRandom random(seed);
    return random.Below(universe) < size;
}

bool ControlHolds(int drawNo, int method, int size, int /*winning*/) {
    return ControlHoldsOne(ControlSeed(drawNo, method), size, kAllNumberCount);
}

std::vector<int> ControlSet(int drawNo, int method, int size, int winning) {
    std::vector<int> set;
    if (size <= 0) return set;
    if (size >= kAllNumberCount) {
        for (int x = 0; x < kAllNumberCount; ++x) set.push_back(x);
        return set;
    }
    ControlRandom random(ControlSeed(drawNo, method));
    const bool holds = random.Below(kAllNumberCount) < size;
    // The rest: Floyd's sampling of `rest` numbers from the 999 others,
    // numbered 0..998 and mapped past the winning number.
    const int rest = holds ? size - 1 : size;
    std::vector<bool> chosen(kAllNumberCount - 1, false);
    for (int j = kAllNumberCount - 1 - rest; j < kAllNumberCount - 1; ++j) {
        const int t = random.Below(j + 1);
        chosen[std::size_t(chosen[std::size_t(t)] ? j : t)] = true;
    }
    for (int i = 0; i < kAllNumberCount - 1; ++i)
        if (chosen[std::size_t(i)]) set.push_back(i < winning ? i : i + 1);
    if (holds) set.push_back(winning);
    std::sort(set.begin(), set.end());
    return set;
}

}  // namespace n3
