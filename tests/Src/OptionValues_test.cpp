#include "Src/FFmpeg/OptionValues.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(OptionValues, LeadingIntegerReadsLikeStrtolWithAnyBase) {
    struct Case {
        const char* Text;
        int Value;
        std::size_t End;
    };
    const Case cases[] = {
        { "12", 12, 2 },
        { "  -7x", -7, 4 },
        { "0x1F:", 31, 4 },
        { "017", 15, 3 },
        { "09", 0, 1 },
        { "0x", 0, 1 },
        { "+3", 3, 2 },
        { "", 0, 0 },
        { "abc", 0, 0 },
        { "-", 0, 0 },
        { "99999999999", 2147483647, 11 },
        { "-99999999999", -2147483647 - 1, 12 },
    };
    for (const Case& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(LeadingInteger(c.Text, pos), c.Value) << c.Text;
        EXPECT_EQ(pos, c.End) << c.Text;
    }
    std::size_t pos = 0;
    EXPECT_EQ(LeadingDecimal("017,", pos), 17);
    EXPECT_EQ(pos, 3u);
}

TEST(OptionValues, LeadingDoubleReadsLikeStrtodInTheCLocale) {
    struct Case {
        const char* Text;
        double Value;
        std::size_t End;
    };
    const Case cases[] = {
        { "0.5", 0.5, 3 }, { " -2.25e1x", -22.5, 8 }, { "1,5", 1.0, 1 },
        { "+.5", 0.5, 3 }, { "0x1p3", 8.0, 5 },       { "0x", 0.0, 1 },
        { "", 0.0, 0 },    { "x1", 0.0, 0 },          { "1e-400", 0.0, 6 },
    };
    for (const Case& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(LeadingDouble(c.Text, pos), c.Value) << c.Text;
        EXPECT_EQ(pos, c.End) << c.Text;
    }
    std::size_t pos = 0;
    EXPECT_TRUE(std::isinf(LeadingDouble("1e999", pos)));
}

TEST(OptionValues, MapsTakeAnySeparator) {
    const std::pair<const char*, TAVStreamMap> cases[] = {
        { "0.1:1.0", { 0, 1, 1, 0 } }, { "2:3", { 2, 3, 2, 3 } },  { "4", { 4, 0, 4, 0 } },
        { "1.2,3.4", { 1, 2, 3, 4 } }, { "1.2:", { 1, 2, 0, 0 } }, { "x", { 0, 0, 0, 0 } },
    };
    for (const auto& [text, map] : cases)
        EXPECT_EQ(StreamMapFromText(text), map) << text;
    EXPECT_EQ(MetaDataMapFromText("3:1"), (TAVMetaDataMap{ 3, 1 }));
    EXPECT_EQ(MetaDataMapFromText("3"), (TAVMetaDataMap{ 3, 0 }));
}

TEST(OptionValues, AspectIsARatioOrANumber) {
    const std::pair<const char*, float> cases[] = {
        { "16:9", 16.0f / 9.0f }, { "4:3", 4.0f / 3.0f }, { "1.85", 1.85f },
        { "-1", -1.0f },          { "4:0", 0.0f },        { "4:-3", 0.0f },
        { "a:3", 0.0f },          { "wide", 0.0f },       { "", 0.0f },
        { "nan", 0.0f },          { "inf", 0.0f },
    };
    for (const auto& [text, ratio] : cases)
        EXPECT_FLOAT_EQ(AspectFromText(text), ratio) << text;
}

TEST(OptionValues, FourCCPutsTheFirstByteLowest) {
    EXPECT_EQ(FourCCFromText("XVID"), 0x44495658u);
    EXPECT_EQ(FourCCFromText("\xff\x01\x02\x03"), 0x030201ffu);
}

} // namespace
