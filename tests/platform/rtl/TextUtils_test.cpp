#include "platform/rtl/TextUtils.h"

#include "CommaLocale.h"

#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(TextUtils, TrimRemovesBlanksAndControlsOnly) {
    struct Case {
        const char* text;
        const char* both;
        const char* left;
        const char* right;
    };
    const Case kCases[] = {
        { "  a b  ", "a b", "a b  ", "  a b" },
        { "\t\r\nx\x01", "x", "x\x01", "\t\r\nx" },
        { "   ", "", "", "" },
        { "", "", "", "" },
        { " 输出 ", "输出", "输出 ", " 输出" },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Trim(c.text), c.both) << c.text;
        EXPECT_EQ(TrimLeft(c.text), c.left) << c.text;
        EXPECT_EQ(TrimRight(c.text), c.right) << c.text;
    }
}

TEST(TextUtils, CaseFoldingIsAsciiOnly) {
    EXPECT_EQ(UpperCase("Thread_Count äé 宋体"), "THREAD_COUNT äé 宋体");
    EXPECT_EQ(LowerCase("SKINCONTROLS ÄÉ"), "skincontrols ÄÉ");
    EXPECT_TRUE(SameText("unenabledfontColor", "UNENABLEDFONTCOLOR"));
    EXPECT_FALSE(SameText("Ä", "ä"));
    EXPECT_FALSE(SameText("abc", "abcd"));
}

TEST(TextUtils, ComparisonsOrderBytes) {
    struct Case {
        const char* a;
        const char* b;
        int str;
        int text;
    };
    const Case kCases[] = {
        { "abc", "abc", 0, 0 }, { "abc", "ABC", 1, 0 },  { "a", "b", -1, -1 },
        { "B", "a", -1, 1 },    { "ab", "abc", -1, -1 }, { "", "", 0, 0 },
        { "_", "a", -1, -1 },   { "\xE4", "z", 1, 1 },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(CompareStr(c.a, c.b), c.str) << c.a << " " << c.b;
        EXPECT_EQ(CompareText(c.a, c.b), c.text) << c.a << " " << c.b;
        EXPECT_EQ(CompareText(c.b, c.a), -c.text) << c.b << " " << c.a;
    }
}

TEST(TextUtils, PositionsCountFromOne) {
    EXPECT_EQ(Pos("=", "name=value"), 5);
    EXPECT_EQ(Pos("x", "name=value"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(PosEx("a", "abcabc", 2), 4);
    EXPECT_EQ(PosEx("a", "abcabc", 7), 0);
    EXPECT_EQ(PosEx("a", "abcabc", 0), 0);

    struct Case {
        int index;
        int count;
        const char* copy;
        const char* afterDelete;
    };
    const Case kCases[] = {
        { 1, 3, "abc", "def" },   { 2, 2, "bc", "adef" },          { 5, 10, "ef", "abcd" },
        { 0, 2, "ab", "abcdef" }, { 7, 1, "", "abcdef" },          { 3, 0, "", "abcdef" },
        { 3, -1, "", "abcdef" },  { -5, 100, "abcdef", "abcdef" },
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(Copy("abcdef", c.index, c.count), c.copy) << c.index << "," << c.count;
        std::string s = "abcdef";
        Delete(s, c.index, c.count);
        EXPECT_EQ(s, c.afterDelete) << c.index << "," << c.count;
    }

    const std::pair<int, const char*> kInserts[] = {
        { 1, "XYabc" }, { 2, "aXYbc" }, { 4, "abcXY" }, { 99, "abcXY" }, { -3, "XYabc" }
    };
    for (const auto& [index, expected] : kInserts) {
        std::string s = "abc";
        Insert("XY", s, index);
        EXPECT_EQ(s, expected) << index;
    }
}

TEST(TextUtils, StringReplaceHonoursFlags) {
    struct Case {
        const char* text;
        const char* from;
        const char* to;
        TReplaceFlags flags;
        const char* expected;
    };
    const Case kCases[] = {
        { "a.b.c", ".", "/", rfNone, "a/b.c" },
        { "a.b.c", ".", "/", rfReplaceAll, "a/b/c" },
        { "Error error ERROR", "error", "x", rfReplaceAll, "Error x ERROR" },
        { "Error error ERROR", "error", "x", rfReplaceAll | rfIgnoreCase, "x x x" },
        { "Error error", "ERROR", "<&>", rfIgnoreCase, "<&> error" },
        { "aaa", "aa", "a", rfReplaceAll, "aa" },
        { "abc", "", "x", rfReplaceAll, "abc" },
        { "abc", "abc", "", rfNone, "" },
        { "C:\\苇川视频软件\\输出", "\\", "/", rfReplaceAll, "C:/苇川视频软件/输出" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(StringReplace(c.text, c.from, c.to, c.flags), c.expected) << c.text;
}

TEST(TextUtils, IntegerTextInAndOut) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(std::numeric_limits<int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0x7F007F, 1), "7F007F");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");

    struct Case {
        const char* text;
        bool valid;
        int32_t value;
    };
    const Case kCases[] = {
        { "0", true, 0 },
        { "19", true, 19 },
        { "-1", true, -1 },
        { "+7", true, 7 },
        { "  12", true, 12 },
        { "2147483647", true, 2147483647 },
        { "-2147483648", true, std::numeric_limits<int32_t>::min() },
        { "0x1", true, 1 },
        { "$ff", true, 255 },
        { "0XFFFFFFFF", true, -1 },
        { "-$10", true, -16 },
        { "2147483648", false, 0 },
        { "-2147483649", false, 0 },
        { "0x100000000", false, 0 },
        { "12 ", false, 0 },
        { "1.5", false, 0 },
        { "", false, 0 },
        { "-", false, 0 },
        { "0x", false, 0 },
        { "Error", false, 0 },
        { "１", false, 0 },
    };
    for (const auto& c : kCases) {
        int32_t value = 12345;
        EXPECT_EQ(TryStrToInt(c.text, value), c.valid) << c.text;
        EXPECT_EQ(StrToIntDef(c.text, -99), c.valid ? c.value : -99) << c.text;
        if (c.valid) {
            EXPECT_EQ(value, c.value) << c.text;
            EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
        } else {
            try {
                StrToInt(c.text);
                ADD_FAILURE() << "no exception for " << c.text;
            } catch (const EConvertError& e) {
                EXPECT_EQ(e.Message(),
                          std::string("'") + c.text + "' is not a valid integer value");
            }
        }
    }
}

TEST(TextUtils, Int64TextUsesTheWholeRange) {
    EXPECT_EQ(StrToInt64("9223372036854775807"), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(StrToInt64("-9223372036854775808"), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(StrToInt64Def("9223372036854775808", 5), 5);
    EXPECT_EQ(StrToInt64Def("4294967296", 5), 4294967296);
    EXPECT_EQ(StrToInt64Def("$FFFFFFFFFFFFFFFF", 5), -1);
    EXPECT_THROW(StrToInt64("x"), EConvertError);
}

TEST(TextUtils, FloatTextInAndOut) {
    struct Out {
        double value;
        const char* text;
    };
    const Out kOut[] = {
        { 0.0, "0" },
        { 1.5, "1.5" },
        { -2.25, "-2.25" },
        { 100.0, "100" },
        { 0.1, "0.1" },
        { 1e20, "1E20" },
        { 1e-5, "1E-5" },
        { 0.0001, "0.0001" },
        { 1.0 / 3, "0.333333333333333" },
        { 123456789012345.0, "123456789012345" },
        { std::numeric_limits<double>::infinity(), "INF" },
        { std::nan(""), "NAN" },
    };
    for (const auto& c : kOut)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.value;

    struct In {
        const char* text;
        bool valid;
        double value;
    };
    const In kIn[] = {
        { "1.5", true, 1.5 },      { " -2.25 ", true, -2.25 }, { "+3", true, 3 },
        { ".5", true, 0.5 },       { "1.", true, 1 },          { "1e3", true, 1000 },
        { "2.5E-2", true, 0.025 }, { "1,5", false, 0 },        { "", false, 0 },
        { ".", false, 0 },         { "inf", false, 0 },        { "nan", false, 0 },
        { "0x10", false, 0 },      { "1e", false, 0 },         { "1e+", false, 0 },
        { "1.5x", false, 0 },      { "1e999", false, 0 },
    };
    for (const auto& c : kIn) {
        EXPECT_EQ(StrToFloatDef(c.text, -7.0), c.valid ? c.value : -7.0) << c.text;
        if (!c.valid) {
            EXPECT_THROW(StrToFloat(c.text), EConvertError) << c.text;
        }
    }
}

TEST(TextUtils, FloatTextIgnoresTheProcessLocale) {
    TCommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma can be made";
    double value = 0;
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    EXPECT_TRUE(TryStrToFloat("2.5", value));
    EXPECT_EQ(value, 2.5);
    EXPECT_FALSE(TryStrToFloat("2,5", value));
}

TEST(TextUtils, AppendUtf8WritesEachLengthAndReplacesWhatNoTextMayHold) {
    struct Case {
        char32_t codePoint;
        const char* expected;
    };
    const Case kCases[] = {
        { U'A', "A" },
        { 0xE9, "\xC3\xA9" },
        { 0x89C6, "\xE8\xA7\x86" },
        { 0x1F600, "\xF0\x9F\x98\x80" },
        { 0xD800, "\xEF\xBF\xBD" },
        { 0x110000, "\xEF\xBF\xBD" },
    };
    for (const auto& c : kCases) {
        std::string out = "x";
        AppendUtf8(out, c.codePoint);
        EXPECT_EQ(out, std::string("x") + c.expected) << std::hex << unsigned(c.codePoint);
    }
}

TEST(TextUtils, Utf8FitNeverCutsASequence) {
    struct Case {
        const char* text;
        std::size_t size;
        std::size_t expected;
    };
    const Case kCases[] = {
        { "abc", 2, 2 },           { "abc", 9, 3 },           { "a\xE8\xA7\x86", 1, 1 },
        { "a\xE8\xA7\x86", 2, 1 }, { "a\xE8\xA7\x86", 3, 1 }, { "a\xE8\xA7\x86", 4, 4 },
        { "\xE8\xA7\x86", 0, 0 },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Utf8Fit(c.text, c.size), c.expected) << c.text << " " << c.size;
}
