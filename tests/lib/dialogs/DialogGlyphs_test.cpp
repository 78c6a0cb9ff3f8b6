#include "lib/dialogs/bsDialogGlyphs.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

class DialogGlyphs : public testing::TestWithParam<const char*> {};

// Each glyph is a 16 x 16 picture on its transparent colour: the bottom-left pixel must be
// background, and something other than background must show.
TEST_P(DialogGlyphs, AreSixteenSquareWithAPictureOnTheirTransparentColour) {
    const auto glyph = MakeDialogGlyph(GetParam());
    ASSERT_EQ(glyph->Width(), 16);
    ASSERT_EQ(glyph->Height(), 16);
    TCanvas& canvas = glyph->Canvas();
    const TColor background = canvas.Pixels(0, 15);
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            drawn += canvas.Pixels(x, y) != background;
    EXPECT_GT(drawn, 10);
    EXPECT_LT(drawn, 16 * 16);
}

INSTANTIATE_TEST_SUITE_P(Named, DialogGlyphs,
                         testing::Values("BS_BACK", "BS_UP", "BS_NEWFOLDER", "BS_LVSTYLE",
                                         "BS_STRETCH"));

TEST(DialogGlyphsByName, DifferFromEachOtherAndAnUnknownNameGivesNoPicture) {
    std::set<std::string> pictures;
    for (const char* name : { "BS_BACK", "BS_UP", "BS_NEWFOLDER", "BS_LVSTYLE", "BS_STRETCH" }) {
        const auto glyph = MakeDialogGlyph(name);
        std::string pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels += std::to_string(glyph->Canvas().Pixels(x, y)) + ",";
        pictures.insert(pixels);
    }
    EXPECT_EQ(pictures.size(), 5u);
    EXPECT_TRUE(MakeDialogGlyph("BS_NONE")->Empty());
}

} // namespace
