#pragma once
// One draw of the history and the history itself, as every window reads it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace n3 {

struct Draw {
    int drawNo = 0;                            // draw number, 1..32767
    std::array<std::optional<int>, 3> digits;  // 第1数字, 第2数字, 第3数字

    // A draw counts only when all three digits hold a value 0..9.
    bool complete() const {
        for (const auto& d : digits)
            if (!d || *d < 0 || *d > 9) return false;
        return true;
    }
    // Digit i (0..2) of a complete draw.
    int digit(int i) const { return *digits[std::size_t(i)]; }
};

// The rows of 全データ選択クエリ, ascending by 回数: a snapshot taken at start-up.
using DrawHistory = std::vector<Draw>;

inline constexpr int kMaxDrawNo = 32767;

}  // namespace n3
