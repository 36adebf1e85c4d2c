#pragma once
// Numbers as the JSON output writes them: ten significant digits, and
// null for what is unknown or not finite.
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace n3 {

inline std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.10g", value);
    return buf;
}

inline std::string JsonOptional(const std::optional<double>& value) { return value ? JsonNumber(*value) : "null"; }
inline std::string JsonOptional(const std::optional<int>& value) { return value ? std::to_string(*value) : "null"; }
inline std::string JsonOptional(const std::optional<long long>& value) {
    return value ? std::to_string(*value) : "null";
}

}  // namespace n3
