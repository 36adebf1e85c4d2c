#pragma once
// One draw of the history and the history itself, as every window reads it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/game.h"

namespace n3 {

// 第1数字, 第2数字, ...: a game's digits; the places past them stay empty.
using DrawDigits = std::array<std::optional<int>, kMaxGameDigits>;

struct Draw {
    int drawNo = 0;  // draw number, 1..32767
    DrawDigits digits;

    // A draw counts only when each of the game's digits holds a value 0..9
    // and no place past them holds one.
    bool complete(const Game& game = kNumbers3) const {
        for (std::size_t i = 0; i < digits.size(); ++i) {
            const auto& d = digits[i];
            if (int(i) >= game.digits) {
                if (d) return false;
            } else if (!d || *d < 0 || *d > 9) {
                return false;
            }
        }
        return true;
    }
    // Digit i (0..game.digits-1) of a complete draw.
    int digit(int i) const { return *digits[std::size_t(i)]; }
};

// The rows of 全データ選択クエリ, ascending by 回数: a snapshot taken at start-up.
using DrawHistory = std::vector<Draw>;

inline constexpr int kMaxDrawNo = 32767;

}  // namespace n3
