#pragma once
// Numbers as the JSON output writes them: ten significant digits
// (JsonNumber), or in full (JsonShortestNumber), and null for what is
// unknown or not finite.
#include <charconv>
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

// The hit tests of 予想の検証 and 買い方の検証 write their figures in full:
// the shortest number that reads back as the same double.
inline std::string JsonShortestNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return ec == std::errc() ? std::string(buffer, end) : "null";
}

inline std::string JsonOptional(const std::optional<double>& value) { return value ? JsonNumber(*value) : "null"; }
inline std::string JsonOptional(const std::optional<int>& value) { return value ? std::to_string(*value) : "null"; }
inline std::string JsonOptional(const std::optional<long long>& value) {
    return value ? std::to_string(*value) : "null";
}

}  // namespace n3
