// The push button's looks with the program's skins and without a skin, reached through injected
// pointer and keys as on the control sheet: the default button's look, the disabled caption's
// colour and the plain pressed look.
#include "ButtonSheetRows.h"
#include "TestSkins.h"

#include <algorithm>

namespace {

using ButtonLooks = ControlSheetTest;

std::uint32_t RgbOf(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return std::uint32_t(rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

bool Shows(const gfx::Surface& pixels, std::uint32_t rgb) {
    const auto colours = [&] {
        std::vector<std::uint32_t> all;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                all.push_back(RgbAt(pixels, x, y));
        return all;
    }();
    return std::find(colours.begin(), colours.end(), rgb) != colours.end();
}

bool SamePixels(const gfx::Surface& a, const gfx::Surface& b) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (RgbAt(a, x, y) != RgbAt(b, x, y)) return false;
    return true;
}

TEST_F(ButtonLooks, DefaultButtonWearsItsHotFaceWhileTheFocusIsElsewhere) {
    const auto mainSkin = LoadProgramSkin("main");
    TSheetRow plain = ButtonSheetRow<TbsSkinButton>("push button", "button", { 90, 26 });
    TSheetRow withDefault = plain;
    withDefault.Make = [make = plain.Make](TForm& form, TbsSkinData* skin,
                                           const std::string& name) {
        auto* button = static_cast<TbsSkinButton*>(make(form, skin, name));
        // With its window, the button hears at once where the focus is.
        button->SetParent(&form);
        button->HandleNeeded();
        button->SetDefault(true);
        return button;
    };
    for (TbsSkinData* skin : { mainSkin.get(), static_cast<TbsSkinData*>(nullptr) }) {
        SCOPED_TRACE(skin ? "main skin" : "plain look");
        const auto ordinary = DrawRow(plain, skin, "");
        const auto defaults = DrawRow(withDefault, skin, "");
        EXPECT_TRUE(SamePixels(defaults[ssNormal].Pixels, ordinary[ssHot].Pixels));
        EXPECT_FALSE(SamePixels(defaults[ssNormal].Pixels, ordinary[ssNormal].Pixels));
    }
}

TEST_F(ButtonLooks, DisabledCaptionTakesTheDisabledColour) {
    const auto mainSkin = LoadProgramSkin("main");
    const auto& record = dynamic_cast<const TbsDataSkinButtonControl&>(
        *mainSkin->CtrlList[std::size_t(mainSkin->GetControlIndex("button"))]);
    const TSheetRow row = ButtonSheetRow<TbsSkinButton>("push button", "button", { 90, 26 });

    const auto skinned = DrawRow(row, mainSkin.get(), "main");
    EXPECT_TRUE(Shows(skinned[ssDisabled].Pixels, RgbOf(record.DisabledFontColor)));
    EXPECT_FALSE(Shows(skinned[ssNormal].Pixels, RgbOf(record.DisabledFontColor)));

    const auto plain = DrawRow(row, nullptr, "none");
    EXPECT_TRUE(Shows(plain[ssDisabled].Pixels, RgbOf(clBtnShadow)));
}

TEST_F(ButtonLooks, PlainPressedAndHotLooksHaveTheNavyFrame) {
    for (const TSheetRow& row :
         { ButtonSheetRow<TbsSkinButton>("push button", "button", { 90, 26 }),
           ButtonSheetRow<TbsSkinSpeedButton>("speed button", "toolbutton", { 60, 30 }) }) {
        SCOPED_TRACE(row.Label);
        const auto cells = DrawRow(row, nullptr, "none");
        const gfx::Surface& pressed = cells[ssPressed].Pixels;
        const gfx::Surface& hot = cells[ssHot].Pixels;
        EXPECT_EQ(RgbAt(pressed, 0, 0), RgbOf(clNavy));
        EXPECT_EQ(RgbAt(pressed, 2, 2), RgbOf(TColor(0xB59385)));
        EXPECT_EQ(RgbAt(hot, 0, 0), RgbOf(clNavy));
        EXPECT_EQ(RgbAt(hot, 2, 2), RgbOf(TColor(0xD2BDB6)));
        EXPECT_EQ(RgbAt(cells[ssNormal].Pixels, 0, 0), RgbOf(clBtnShadow));
        EXPECT_EQ(RgbAt(cells[ssNormal].Pixels, 2, 2), RgbOf(clBtnFace));
    }
}

} // namespace
