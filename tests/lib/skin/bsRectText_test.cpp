#include "lib/skindraw/bsRectText.h"

#include "platform/rtl/TMemoryStream.h"

#include <gtest/gtest.h>

namespace {

TEST(RectTextTest, RectangleValuesFromText) {
    const struct {
        std::string text;
        TRect expected;
    } cases[] = {
        { "10,20,30,40", Rect(10, 20, 30, 40) },
        { "1, 2, 3, 4", Rect(1, 2, 3, 4) },
        { " 1,2,3,4", Rect(0, 0, 0, 0) }, // a leading blank ends an empty first token
        { "-5,0,10,10", Rect(-5, 0, 10, 10) },
        { "(1 2 3 4)", Rect(0, 0, 0, 0) }, // the parenthesis ends an empty first token
        { "a,2,3,4", Rect(0, 0, 0, 0) },
        { "1,2,3", Rect(0, 0, 0, 0) },
        { "1,2,3,4" + std::string(300, ' '), Rect(1, 2, 3, 4) }, // long texts are fine
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToRectValue(c.text), c.expected) << "'" << c.text << "'";
}

TEST(RectTextTest, TokensStopAtEachDelimiter) {
    std::string text = "left=5;top:(7) rest";
    std::string token;
    const char* expected[] = { "left", "5", "top", "", "7", "rest", "" };
    for (const char* e : expected) {
        NextRectToken(text, token);
        EXPECT_EQ(token, e);
    }
    EXPECT_EQ(text, "");
}

TEST(StreamStringTest, TextsRoundTripWithTheirCount) {
    for (const std::string& text :
         { std::string(), std::string("skin"), std::string("视频转换") }) {
        TMemoryStream stream;
        WriteStreamString(stream, text);
        EXPECT_EQ(stream.Size(), std::int64_t(4 + text.size()));
        stream.SetPosition(0);
        std::string back = "old";
        ReadStreamString(stream, back);
        EXPECT_EQ(back, text);
    }
}

TEST(StreamStringTest, CountBeyondTheStreamOrNegativeIsRefused) {
    for (const std::int32_t count : { -1, 5, 0x7FFFFFFF }) {
        TMemoryStream stream;
        stream.WriteBuffer(&count, 4); // little-endian on every platform we build for
        stream.WriteBuffer("abcd", 4);
        stream.SetPosition(0);
        std::string text = "kept";
        EXPECT_THROW(ReadStreamString(stream, text), EReadError) << count;
        EXPECT_EQ(text, "kept");
    }
}

} // namespace
