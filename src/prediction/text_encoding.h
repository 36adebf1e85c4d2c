#pragma once
// Text read from files written here (UTF-8) or on the old Japanese system
// (Shift-JIS, Windows code page 932).
#include <optional>
#include <string>
#include <string_view>

namespace n3 {

// True when the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// The CP932 bytes as UTF-8, or nullopt when they are not valid CP932.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes);

}  // namespace n3
