#include "core/number_type.h"

#include <algorithm>
#include <array>

namespace n3 {

NumberType TypeOf(int number) {
    const int a = number / 100, b = number / 10 % 10, c = number % 10;
    if (a == b && b == c) return NumberType::Triple;
    if (a == b || b == c || a == c) return NumberType::Double;
    return NumberType::Single;
}

std::string_view TypeName(NumberType type) {
    switch (type) {
    case NumberType::Single: return "シングル";
    case NumberType::Double: return "ダブル";
    case NumberType::Triple: return "トリプル";
    }
    return "";
}

int OrdersOf(NumberType type) { return type == NumberType::Single ? 6 : type == NumberType::Double ? 3 : 1; }

int BoxKey(int number) {
    std::array<int, 3> d = {number / 100, number / 10 % 10, number % 10};
    std::sort(d.begin(), d.end());
    return d[0] * 100 + d[1] * 10 + d[2];
}

std::string NumberText(int number) {
    std::string text = std::to_string(number);
    return std::string(text.size() < 3 ? 3 - text.size() : 0, '0') + text;
}

}  // namespace n3
