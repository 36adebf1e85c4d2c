#pragma once
// One draw written in a line for the tests: MakeDraw(7, 1, 2, 3),
// MakeDraw(7, 1, std::nullopt, 3) for an empty digit, or MakeDraw(7, "123")
// ('?' for an empty digit; four characters give a four-digit draw).
#include <optional>
#include <string_view>

#include "core/draw.h"

namespace n3::testing {

inline Draw MakeDraw(int drawNo, std::optional<int> a, std::optional<int> b, std::optional<int> c) {
    Draw d;
    d.drawNo = drawNo;
    d.digits = {a, b, c};
    return d;
}

inline Draw MakeDraw(int drawNo, std::string_view digits) {
    Draw d;
    d.drawNo = drawNo;
    for (std::size_t i = 0; i < d.digits.size() && i < digits.size(); ++i)
        if (digits[i] >= '0' && digits[i] <= '9') d.digits[i] = digits[i] - '0';
    return d;
}

}  // namespace n3::testing
