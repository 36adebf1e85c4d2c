#pragma once
// What the fuzz targets check besides "no crash": a broken property prints
// what it saw and aborts, so that libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace n3::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "property broken: %s\n%.*s\n", what, int(detail.size()), detail.data());
    std::abort();
}

inline void Check(bool ok, const char* what, std::string_view detail = {}) {
    if (!ok) Fail(what, detail);
}

// A message for the user: no control characters but line breaks, and short
// (echoed values are cut), whatever the input held.
inline void CheckMessage(std::string_view message, std::size_t maxBytes) {
    Check(!message.empty(), "a refusal gives a reason");
    Check(message.size() <= maxBytes, "the message is short", message);
    for (const char c : message) {
        const auto b = static_cast<unsigned char>(c);
        Check(b == '\n' || (b >= 0x20 && b != 0x7F), "no control characters in a message", message);
    }
}

}  // namespace n3::fuzz
