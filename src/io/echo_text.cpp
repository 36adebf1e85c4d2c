#include "io/echo_text.h"

#include <algorithm>

namespace n3 {

namespace {

// The length of the valid UTF-8 sequence at s[i], or 0 when there is none.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return 1;
    std::size_t len = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF)
        len = 2;
    else if (b0 >= 0xE0 && b0 <= 0xEF)
        len = 3;
    else if (b0 >= 0xF0 && b0 <= 0xF4)
        len = 4;
    else
        return 0;
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    if (b0 == 0xE0 && b1 < 0xA0) return 0;   // overlong
    if (b0 == 0xED && b1 >= 0xA0) return 0;  // surrogate
    if (b0 == 0xF0 && b1 < 0x90) return 0;   // overlong
    if (b0 == 0xF4 && b1 >= 0x90) return 0;  // beyond U+10FFFF
    return len;
}

// C0 controls, DEL, and the C1 controls U+0080..U+009F (C2 80..C2 9F).
bool IsControl(std::string_view s, std::size_t i, std::size_t len) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (len == 1) return b0 < 0x20 || b0 == 0x7F;
    return len == 2 && b0 == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
}

}  // namespace

std::string EchoText(std::string_view text, std::size_t maxChars) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (chars == maxChars) return out + "…";
        const std::size_t len = SequenceLength(text, i);
        if (len == 0 || IsControl(text, i, len))
            out += '?';
        else
            out.append(text.substr(i, len));
        i += len == 0 ? 1 : len;
        ++chars;
    }
    return out;
}

std::string EchoAddress(std::string_view url, std::size_t maxChars) {
    const std::size_t scheme = url.find("://");
    const std::size_t start = scheme == std::string_view::npos ? 0 : scheme + 3;
    const std::size_t end = std::min(url.find_first_of("/?#", start), url.size());
    const std::size_t at = url.substr(0, end).rfind('@');
    if (at == std::string_view::npos || at < start) return EchoText(url, maxChars);
    std::string shown(url.substr(0, start));
    shown += "***";
    shown += url.substr(at, 4 * maxChars + 4);
    return EchoText(shown, maxChars);
}

}  // namespace n3
