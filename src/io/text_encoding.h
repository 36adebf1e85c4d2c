#pragma once
// The bytes of a text file made into UTF-8. A file is read as UTF-8 (a BOM
// is dropped); when it is not valid UTF-8 it is read as Shift-JIS the way
// Windows writes it (CP932), converted with iconv. Anything else is refused
// with the line of the first byte that cannot be read and a reason.
#include <string>
#include <string_view>

namespace n3 {

enum class SourceEncoding { Utf8, Cp932 };

struct DecodedText {
    std::string text;  // UTF-8 without BOM; empty when refused
    SourceEncoding encoding = SourceEncoding::Utf8;
    int nonUtf8Line = 0;  // read as CP932: line of the first byte that is not UTF-8
    int badLine = 0;      // 1-based line of the refusal, 0 when read
    std::string reason;   // Japanese, for the user; empty when read
    bool ok() const { return badLine == 0; }
};

DecodedText DecodeTextFile(std::string_view bytes);

// Offset of the first byte that breaks UTF-8 (overlong forms, surrogates and
// code points past U+10FFFF included); npos when the bytes are valid UTF-8.
std::size_t FirstInvalidUtf8(std::string_view bytes);

// The 1-based line that holds the byte at offset. A line ends with LF,
// CR LF or a lone CR.
int LineOfOffset(std::string_view bytes, std::size_t offset);

}  // namespace n3
