#pragma once
// The heading of a draw's digit by its place: 第1数字 .. 第4数字.
#include <array>
#include <string_view>

#include "core/game.h"

namespace n3 {

inline constexpr std::array<std::string_view, kMaxGameDigits> kDigitLabels = {"第1数字", "第2数字", "第3数字",
                                                                              "第4数字"};

// Digit i's heading (i from 0).
constexpr std::string_view DigitLabel(int i) { return kDigitLabels[std::size_t(i)]; }

}  // namespace n3
