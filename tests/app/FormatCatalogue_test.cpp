#include "app/FormatCatalogue.h"

#include "app/FormatCodes.h"
#include "platform/rtl/Exception.h"

#include <gtest/gtest.h>

#include <set>

TEST(FormatCatalogue, HoldsTwentyEightFamiliesOfConsecutiveCodes) {
    const std::vector<int> codes = CatalogueFormatCodes();
    EXPECT_EQ(codes.size(), 288u);
    EXPECT_EQ(codes.front(), 100);
    EXPECT_EQ(codes.back(), 2812);
    int families = 0;
    for (int family = 0; family < FormatFamilyCount; ++family) {
        const auto captions = FamilyFormatCaptions(family);
        ASSERT_FALSE(captions.empty()) << family;
        ASSERT_LE(captions.size(), 16u) << "a PickerCode keeps the format position in two digits";
        ++families;
        for (size_t index = 0; index < captions.size(); ++index) {
            const int code = FormatCodeOf(family, static_cast<int>(index));
            EXPECT_TRUE(IsCatalogueFormat(code)) << code;
            EXPECT_EQ(FormatCaption(code), captions[index]);
        }
        EXPECT_FALSE(IsCatalogueFormat(FormatCodeOf(family, static_cast<int>(captions.size()))));
    }
    EXPECT_EQ(families, 28);
    EXPECT_TRUE(FamilyFormatCaptions(28).empty());
    EXPECT_TRUE(FamilyFormatCaptions(-1).empty());
}

TEST(FormatCatalogue, TheFamilyPickerOffers123Formats) {
    size_t offered = 0;
    std::set<int> families;
    for (int position = 0; position < static_cast<int>(FamilyPickerMap.size()); ++position) {
        offered += FamilyFormatCaptions(FamilyCodeAt(position)).size();
        families.insert(FamilyCodeAt(position));
        EXPECT_FALSE(FamilyPickerCaption(position).empty());
    }
    EXPECT_EQ(families.size(), 13u);
    EXPECT_EQ(offered, 123u);
    EXPECT_EQ(FamilyPickerCaption(0), "VOB视频");
    EXPECT_EQ(FamilyPickerCaption(12), "常用音频");
    EXPECT_THROW(FamilyPickerCaption(13), EListError);
}

TEST(FormatCatalogue, CaptionsAreKeptByteExact) {
    EXPECT_EQ(FormatCaption(2100), "VOB标准视频(*.vob)"); // shown at start-up
    EXPECT_EQ(FormatCaption(700), "3GPP -  第三代合作项目-3GP视频+AMR音频(*.3gp)");
    EXPECT_EQ(FormatCaption(2302), "JVC DV摄像机MOD高清视频格式，转换为AVI视频格式(*.avi)");
    EXPECT_EQ(FormatCaption(1302), "iPad MPEG-4视频格式 XviD编码 (*.mp4)");
    EXPECT_EQ(FormatCaption(210), "FLAC-音频格式(*.flac)");
    // Repeated captions are distinct formats.
    EXPECT_EQ(FormatCaption(300), FormatCaption(301));
    EXPECT_EQ(FormatCaption(1200), FormatCaption(1504));
    EXPECT_THROW(FormatCaption(115), EListError);
    EXPECT_THROW(FormatCaption(409 + 5), EListError);
}

TEST(FormatCatalogue, EveryCaptionNamesItsExtension) {
    std::set<std::string> extensions;
    for (const int code : CatalogueFormatCodes()) {
        const std::string_view caption = FormatCaption(code);
        ASSERT_EQ(caption.back(), ')') << code;
        const size_t open = caption.rfind("(*.");
        ASSERT_NE(open, std::string_view::npos) << code;
        const std::string named(caption.substr(open + 2, caption.size() - open - 3));
        EXPECT_EQ(CaptionExtension(caption), named) << code;
        extensions.insert(named);
    }
    EXPECT_EQ(extensions.size(), 25u);
}

TEST(FormatCatalogue, CaptionExtensionCopesWithShortAndOddTexts) {
    struct Case {
        const char* caption;
        const char* extension;
    };
    const Case cases[] = {
        { "RM - REAL视频格式(*.rm)", ".rm" },
        { "RA - RealAudio音频格式(*.ra)", ".ra" },
        { "AIFF - 音频交换文件格式(*.aiff)", ".aiff" },
        { "x(*.mpeg)", ".mpeg" },
        { "视频(*.视频)", "*.视频" }, // counted in characters, not bytes
        { "", "" },
        { ")", "" },
        { "ab)", "ab" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionExtension(c.caption), c.extension) << c.caption;
}
