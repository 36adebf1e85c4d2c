// UTF-8 checking, line numbers of byte offsets, and the CP932 fallback.
#include <gtest/gtest.h>

#include "io/text_encoding.h"

using namespace n3;

TEST(TextEncoding, FirstInvalidUtf8FindsBrokenAndForbiddenSequences) {
    constexpr auto npos = std::string_view::npos;
    EXPECT_EQ(FirstInvalidUtf8(""), npos);
    EXPECT_EQ(FirstInvalidUtf8("abc 回数 ｱ \xF0\x9F\x8E\xB2"), npos);
    EXPECT_EQ(FirstInvalidUtf8("ab\xC0\x80"), 2u);         // overlong NUL
    EXPECT_EQ(FirstInvalidUtf8("a\xE0\x80\xAF"), 1u);      // overlong slash
    EXPECT_EQ(FirstInvalidUtf8("\xED\xA0\x80"), 0u);       // surrogate
    EXPECT_EQ(FirstInvalidUtf8("x\xF4\x90\x80\x80"), 1u);  // past U+10FFFF
    EXPECT_EQ(FirstInvalidUtf8("回\xE5\x9B"), 3u);         // cut short at the end
    EXPECT_EQ(FirstInvalidUtf8("\xE5"
                               "a\x9E"),
              0u);                              // continuation missing
    EXPECT_EQ(FirstInvalidUtf8("ok\x80"), 2u);  // stray continuation
}

TEST(TextEncoding, LineOfOffsetCountsLfCrLfAndLoneCr) {
    const std::string_view text = "a\nb\r\nc\rd";
    EXPECT_EQ(LineOfOffset(text, 0), 1);
    EXPECT_EQ(LineOfOffset(text, 2), 2);
    EXPECT_EQ(LineOfOffset(text, 4), 2);  // the LF of CR LF is still line 2
    EXPECT_EQ(LineOfOffset(text, 5), 3);
    EXPECT_EQ(LineOfOffset(text, 7), 4);
}

TEST(TextEncoding, DecodesUtf8AsItIsAndCp932IntoUtf8) {
    const auto utf8 = DecodeTextFile("\xEF\xBB\xBF第1回");
    ASSERT_TRUE(utf8.ok());
    EXPECT_EQ(utf8.encoding, SourceEncoding::Utf8);
    EXPECT_EQ(utf8.text, "第1回");

    // 第1回 ソ ｱ 髙 ～ in CP932: a trail byte 5C, a one-byte katakana, an NEC/IBM extension.
    const auto sjis = DecodeTextFile(
        "\x91\xE6"
        "1\x89\xF1\n\x83\x5C\xB1\xFB\xFC\x81\x60");
    ASSERT_TRUE(sjis.ok()) << sjis.reason;
    EXPECT_EQ(sjis.encoding, SourceEncoding::Cp932);
    EXPECT_EQ(sjis.text, "第1回\nソｱ髙～");
    EXPECT_EQ(sjis.nonUtf8Line, 1);

    const auto neither = DecodeTextFile("ok\nok\n\x85\x20");  // a lead byte without its trail
    EXPECT_FALSE(neither.ok());
    EXPECT_EQ(neither.badLine, 3);
    EXPECT_TRUE(neither.text.empty());
}
