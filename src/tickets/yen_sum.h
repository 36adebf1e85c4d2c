#pragma once
// Sums and products of yen that never overflow. The stored figures are
// bounded (a prize per unit, 口数, 継続回数, the book's size), which keeps
// every real total far inside 64 bits; a total beyond it would still stop
// at the largest value instead of wrapping into a wrong sign.
#include <cstdint>
#include <limits>

namespace n3 {

inline std::int64_t AddYen(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(a, b, &sum)) return sum;
    return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

inline std::int64_t SubtractYen(std::int64_t a, std::int64_t b) {
    std::int64_t difference = 0;
    if (!__builtin_sub_overflow(a, b, &difference)) return difference;
    return b < 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

inline std::int64_t MultiplyYen(std::int64_t a, std::int64_t b) {
    std::int64_t product = 0;
    if (!__builtin_mul_overflow(a, b, &product)) return product;
    return (a < 0) != (b < 0) ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
}

}  // namespace n3
