#include "platform/gfx/Utf8.h"

#include <gtest/gtest.h>

TEST(Utf8, DecodesWellFormedTextAndReplacesEachBadByte) {
    struct Case {
        std::string text;
        std::u32string codes;
    };
    const Case cases[] = {
        { "Ab", U"Ab" },
        { "苇川视频", U"苇川视频" },
        { "\xF0\x9F\x8E\xAC", U"\U0001F3AC" },
        { "a\x80"
          "b",
          U"a\uFFFDb" },
        { "\xE8\x8B", U"\uFFFD\uFFFD" },                     // cut short
        { "\xC0\xAF", U"\uFFFD\uFFFD" },                     // overlong "/"
        { "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD" },           // surrogate
        { "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD" }, // beyond U+10FFFF
        { "\xFF", U"\uFFFD" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(gfx::DecodeUtf8(c.text), c.codes) << c.text;
}

TEST(Utf8, EncodingRoundTrips) {
    const std::string text = "Tahoma 宋体 \U0001F3AC é";
    EXPECT_EQ(gfx::EncodeUtf8(gfx::DecodeUtf8(text)), text);
}
