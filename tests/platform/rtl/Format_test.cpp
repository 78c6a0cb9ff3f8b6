#include "platform/rtl/Format.h"

#include "CommaLocale.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

enum TLogLevel { llQuiet = -8, llInfo = 32 };

std::string Expect(std::string_view format, std::span<const TFormatArg> args) {
    return FormatArgs(format, args);
}

} // namespace

TEST(Format, IntegerConversions) {
    struct Case {
        const char* format;
        TFormatArg arg;
        const char* expected;
    };
    const Case kCases[] = {
        { "%d", 42, "42" },
        { "%i", -7, "-7" },
        { "%5d|", 42, "   42|" },
        { "%-5d|", 42, "42   |" },
        { "%05d", -42, "-0042" },
        { "%+d", 3, "+3" },
        { "% d", 3, " 3" },
        { "%.2d", 5, "05" },
        { "%.6d", 1234, "001234" },
        { "%d", int64_t{ 9000000000 }, "9000000000" },
        { "%lld", std::numeric_limits<int64_t>::min(), "-9223372036854775808" },
        { "%I64d", int64_t{ -1 }, "-1" },
        { "%ld", 12L, "12" },
        { "%d", std::numeric_limits<uint64_t>::max(), "18446744073709551615" },
        { "%d", uint8_t{ 200 }, "200" },
        { "%u", 3000000000u, "3000000000" },
        { "%u", -1, "4294967295" },
        { "%u", int64_t{ -1 }, "18446744073709551615" },
        { "%x", 255, "ff" },
        { "%X", 0xBEEF, "BEEF" },
        { "%04x", 0x1f, "001f" },
        { "%04X", 0x1f, "001F" },
        { "%#x", 255, "0xff" },
        { "%x", -1, "ffffffff" },
        { "%x", int16_t{ -1 }, "ffff" },
        { "%d", llInfo, "32" },
        { "%d", llQuiet, "-8" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Expect(c.format, { &c.arg, 1 }), c.expected) << c.format;
}

TEST(Format, FloatConversions) {
    struct Case {
        const char* format;
        TFormatArg arg;
        const char* expected;
    };
    const Case kCases[] = {
        { "%f", 1.5, "1.500000" },
        { "%0.3f", 2.0 / 3, "0.667" },
        { "%.2f", -0.005, "-0.01" },
        { "%2.2f", 3.14159, "3.14" },
        { "%8.0fkB", 1536.0, "    1536kB" },
        { "%7.1fkbi", 128.25f, "  128.2kbi" },
        { "%1.0fk", 999.6, "1000k" },
        { "%e", 12345.678, "1.234568e+04" },
        { "%E", 0.00012, "1.200000E-04" },
        { "%g", 0.0001, "0.0001" },
        { "%g", 1e20, "1e+20" },
        { "%G", 1e-10, "1E-10" },
        { "%#g", 1.0, "1.00000" },
        { "%+.1f", 2.0, "+2.0" },
        { "%f", 3, "3.000000" },
        { "%.1f", int64_t{ 1 } << 40, "1099511627776.0" },
    };
    for (const auto& c : kCases)
        EXPECT_EQ(Expect(c.format, { &c.arg, 1 }), c.expected) << c.format;
}

TEST(Format, TextCharacterAndPointerConversions) {
    const std::string name = "输出";
    const char* nullText = nullptr;
    int object = 0;
    const auto address = reinterpret_cast<uintptr_t>(&object);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llX", static_cast<unsigned long long>(address));

    EXPECT_EQ(Format("[%s]", "abc"), "[abc]");
    EXPECT_EQ(Format("[%s]", name), "[输出]");
    EXPECT_EQ(Format("[%s]", std::string_view("view")), "[view]");
    EXPECT_EQ(Format("[%s]", nullText), "[]");
    EXPECT_EQ(Format("[%5s]", name), "[   输出]");
    EXPECT_EQ(Format("[%-16s]", "Thread_Count"), "[Thread_Count    ]");
    EXPECT_EQ(Format("[%.1s]", name), "[输]");
    EXPECT_EQ(Format("[%.9s]", name), "[输出]");
    EXPECT_EQ(Format("[%*s]", 4, "ab"), "[  ab]");
    EXPECT_EQ(Format("[%*s]", -4, "ab"), "[ab  ]");
    EXPECT_EQ(Format("[%.*s]", 1, "ab"), "[a]");
    EXPECT_EQ(Format("[%s]", 'x'), "[x]");
    EXPECT_EQ(Format("[%c%c]", 'o', 'k'), "[ok]");
    EXPECT_EQ(Format("[%c]", 0x5B8B), "[宋]");
    EXPECT_EQ(Format("[%3c]", 'a'), "[  a]");
    EXPECT_EQ(Format("[%p]", &object), "[" + std::string(hex) + "]");
    EXPECT_EQ(Format("[%p]", nullptr), "[0000000000000000]");
    EXPECT_EQ(Format("100%% of %s", "it"), "100% of it");
    EXPECT_EQ(Format("no placeholders"), "no placeholders");
    EXPECT_EQ(Format("[%s @ %p] %s", "avi", nullptr, "x"), "[avi @ 0000000000000000] x");
    EXPECT_EQ(Format("%s", std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Format, TheSystemsMessages) {
    EXPECT_EQ(Format("Cannot %s while working.", "Start"), "Cannot Start while working.");
    EXPECT_EQ(Format("Load function %s@%s error: %s", "av_free", "libavutil.so.57", "undefined"),
              "Load function av_free@libavutil.so.57 error: undefined");
    EXPECT_EQ(Format("%.2d:%.2d:%.2d", 1, 2, 30), "01:02:30");
    EXPECT_EQ(Format("%dx%d", 160, 120), "160x120");
    EXPECT_EQ(Format("SDL_WINDOWID=%u", 0x3a00007u), "SDL_WINDOWID=60817415");
}

TEST(Format, MismatchRaisesInsteadOfReadingGarbage) {
    struct Case {
        std::string format;
        std::vector<TFormatArg> args;
    };
    int object = 0;
    const std::vector<Case> kCases = {
        { "%d", { "text" } },     { "%d", { 1.5 } },
        { "%x", { "x" } },        { "%u", { 2.0 } },
        { "%s", { 42 } },         { "%s", { &object } },
        { "%f", { "1.5" } },      { "%e", { &object } },
        { "%p", { 42 } },         { "%p", { "text" } },
        { "%c", { "text" } },     { "%c", { 1.0 } },
        { "%c", { -1 } },         { "%c", { 0xD800 } },
        { "%c", { 0x110000 } },   { "%*d", { "w", 1 } },
        { "%.*f", { 1.0, 2.0 } }, { "%k", { 1 } },
        { "%", { 1 } },           { "abc %", {} },
        { "%5", { 1 } },          { "%99999999999d", { 1 } },
    };
    for (const auto& c : kCases) {
        try {
            FormatArgs(c.format, c.args);
            ADD_FAILURE() << "no exception for " << c.format;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(),
                      "Format '" + c.format + "' invalid or incompatible with argument")
                << c.format;
        }
    }
}

TEST(Format, MissingArgumentRaises) {
    const std::pair<std::string, std::vector<TFormatArg>> kCases[] = {
        { "%s", {} },
        { "%s and %s", { "one" } },
        { "%*d", { 5 } },
        { "%.*s", {} },
    };
    for (const auto& [format, args] : kCases) {
        try {
            FormatArgs(format, args);
            ADD_FAILURE() << "no exception for " << format;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "No argument for format '" + format + "'") << format;
        }
    }
    EXPECT_EQ(Format("%s", "used", "extra ignored"), "used");
}

TEST(Format, NumbersUseAPointWhateverTheLocale) {
    TCommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma can be made";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    ASSERT_STREQ(probe, "2,5") << "the locale did not switch the C library's separator";
    EXPECT_EQ(Format("%.1f|%e|%g|%5.2f", 2.5, 1.5, 0.25, -1.0), "2.5|1.500000e+00|0.25|-1.00");
}
