#pragma once
// A ナンバーズ3 number 000..999 as its type: シングル (three different
// digits), ダブル (two alike) or トリプル, and what follows from it.
#include <string>
#include <string_view>

namespace n3 {

inline constexpr int kAllNumberCount = 1000;

enum class NumberType { Single, Double, Triple };

NumberType TypeOf(int number);
std::string_view TypeName(NumberType type);
// The orders its digits can come in: 6, 3 or 1.
int OrdersOf(NumberType type);
// The number with its digits sorted ascending: equal for all orders of the same digits.
int BoxKey(int number);
// "007" for 7.
std::string NumberText(int number);

}  // namespace n3
