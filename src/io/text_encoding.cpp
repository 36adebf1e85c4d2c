#include "io/text_encoding.h"

#include <iconv.h>

namespace n3 {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

enum class Conversion { Done, BadBytes, NoConverter };

// Converts CP932 to UTF-8 into out (emptied unless Done).
Conversion Cp932ToUtf8(std::string_view bytes, std::string& out) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == iconv_t(-1)) return Conversion::NoConverter;
    // One CP932 byte gives at most three UTF-8 bytes (half-width katakana).
    out.assign(bytes.size() * 3 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &to, &toLeft);
    const bool ok = r != std::size_t(-1) && inLeft == 0;
    if (ok) {
        // Flush any shift state (CP932 has none, but iconv asks for it).
        iconv(cd, nullptr, nullptr, &to, &toLeft);
        out.resize(out.size() - toLeft);
    } else {
        out.clear();
    }
    iconv_close(cd);
    return ok ? Conversion::Done : Conversion::BadBytes;
}

}  // namespace

std::size_t FirstInvalidUtf8(std::string_view bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len;
        unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (c >= 0xC2 && c <= 0xDF)
            len = 2;
        else if (c == 0xE0) {
            len = 3;
            lo = 0xA0;
        } else if (c == 0xED) {
            len = 3;
            hi = 0x9F;
        } else if (c >= 0xE1 && c <= 0xEF)
            len = 3;
        else if (c == 0xF0) {
            len = 4;
            lo = 0x90;
        } else if (c == 0xF4) {
            len = 4;
            hi = 0x8F;
        } else if (c >= 0xF1 && c <= 0xF3)
            len = 4;
        else
            return i;
        if (i + len > n) return i;
        if (s[i + 1] < lo || s[i + 1] > hi) return i;
        for (std::size_t k = 2; k < len; ++k)
            if (!IsContinuation(s[i + k])) return i;
        i += len;
    }
    return std::string_view::npos;
}

int LineOfOffset(std::string_view bytes, std::size_t offset) {
    int line = 1;
    const std::size_t end = offset < bytes.size() ? offset : bytes.size();
    for (std::size_t i = 0; i < end; ++i) {
        if (bytes[i] == '\n')
            ++line;
        else if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))
            ++line;
    }
    return line;
}

DecodedText DecodeTextFile(std::string_view bytes) {
    DecodedText result;
    auto refuse = [&](std::size_t offset, std::string reason) {
        result.text.clear();
        result.badLine = LineOfOffset(bytes, offset);
        result.reason = std::move(reason);
        return result;
    };
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return refuse(0, "UTF-16のファイルは読めません。UTF-8かShift-JISで保存してください");
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos)
        return refuse(nul, "文字でないバイト（NUL）があります。テキストのCSVファイルではありません");

    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        // A BOM says UTF-8 outright: no second guess.
        const std::string_view body = bytes.substr(kUtf8Bom.size());
        if (const auto bad = FirstInvalidUtf8(body); bad != std::string_view::npos)
            return refuse(bad + kUtf8Bom.size(), "UTF-8として読めない文字があります");
        result.text.assign(body);
        return result;
    }
    const auto bad = FirstInvalidUtf8(bytes);
    if (bad == std::string_view::npos) {
        result.text.assign(bytes);
        return result;
    }
    const Conversion cp932 = Cp932ToUtf8(bytes, result.text);
    if (cp932 == Conversion::Done) {
        result.encoding = SourceEncoding::Cp932;
        result.nonUtf8Line = LineOfOffset(bytes, bad);
        return result;
    }
    if (cp932 == Conversion::NoConverter)
        return refuse(bad, "UTF-8として読めない文字があり、Shift-JIS（CP932）の変換も使えません");
    return refuse(bad, "UTF-8としてもShift-JIS（CP932）としても読めない文字があります");
}

}  // namespace n3
