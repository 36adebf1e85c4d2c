#include "io/field_text.h"

namespace n3 {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";  // U+3000

std::string_view TrimBlanks(std::string_view s) {
    for (;;) {
        if (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        else if (s.substr(0, 3) == kIdeographicSpace)
            s.remove_prefix(3);
        else
            break;
    }
    for (;;) {
        if (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
            s.remove_suffix(1);
        else if (s.size() >= 3 && s.substr(s.size() - 3) == kIdeographicSpace)
            s.remove_suffix(3);
        else
            break;
    }
    return s;
}

}  // namespace

std::string NormaliseField(std::string_view utf8) {
    const std::string_view s = TrimBlanks(utf8);
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        // U+FF01..U+FF5E is EF BC 81..EF BC BF and EF BD 80..EF BD 9E.
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 == 0xEF && i + 2 < s.size()) {
            const auto b1 = static_cast<unsigned char>(s[i + 1]);
            const auto b2 = static_cast<unsigned char>(s[i + 2]);
            const unsigned cp = 0xF000u | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
            if ((b1 == 0xBC || b1 == 0xBD) && cp >= 0xFF01 && cp <= 0xFF5E) {
                out += char(cp - 0xFF01 + 0x21);
                i += 3;
                continue;
            }
        }
        out += s[i++];
    }
    return out;
}

}  // namespace n3
