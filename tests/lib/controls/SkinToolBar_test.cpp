// The skinned tool bar: the scroll buttons in its frame when the row does not fit, the steps
// they take with the real pointer, the row brought back when the bar widens, and what the bar
// hands to the speed buttons on it.
#include "SkinnedFormTest.h"
#include "TestControls.h"
#include "lib/controls/TbsSkinBevel.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/controls/TbsSkinToolBar.h"

namespace {

class SkinToolBar : public SkinnedFormTest {
protected:
    // A bar along the top of the form holding `count` speed buttons 50 pixels wide.
    TbsSkinToolBar* Bar(int count) {
        auto* bar = new TbsSkinToolBar(FForm);
        bar->SetParent(FForm);
        bar->SetCanScroll(true);
        bar->SetHeight(30);
        for (int i = 0; i < count; ++i) {
            auto* button = new TbsSkinSpeedButton(FForm);
            button->SetParent(bar);
            button->SetBounds(i * 50, 2, 50, 26);
            FButtons.push_back(button);
        }
        bar->SetAlign(alTop);
        Pump();
        return bar;
    }
    // Clicks the bar's frame at x (window coordinates) with the real pointer, without time
    // passing between press and release.
    void ClickFrame(TbsSkinToolBar* bar, int x) {
        const TPoint origin = bar->ClientToScreen(TPoint(0, 0));
        const int left = origin.X - (bar->ScrollButtonsShown() ? 12 : 0);
        FDisplay->MoveMouse(left + x, origin.Y + 10);
        Pump();
        FDisplay->PressButton();
        Pump();
        FDisplay->ReleaseButton();
        Pump();
    }
    std::vector<TbsSkinSpeedButton*> FButtons;
};

TEST_F(SkinToolBar, RowThatFitsHasNoFrameAndAnOverflowingOneGetsTwoScrollButtons) {
    TbsSkinToolBar* bar = Bar(4);
    EXPECT_FALSE(bar->ScrollButtonsShown());
    EXPECT_EQ(bar->ClientWidth(), bar->Width());

    auto* extra = new TbsSkinSpeedButton(FForm);
    extra->SetParent(bar);
    extra->SetBounds(600, 2, 50, 26);
    bar->SetBounds(bar->Left(), bar->Top(), bar->Width(), bar->Height());
    EXPECT_TRUE(bar->ScrollButtonsShown());
    EXPECT_EQ(bar->ClientWidth(), bar->Width() - 24);
    EXPECT_EQ(bar->SMax(), 649);
    EXPECT_EQ(bar->SPage(), bar->ClientWidth());
}

TEST_F(SkinToolBar, ClicksStepTheRowWithinItsRange) {
    TbsSkinToolBar* bar = Bar(12); // 600 pixels in a bar of the form's width
    ASSERT_TRUE(bar->ScrollButtonsShown());
    bar->SetScrollOffset(30);
    const int right = bar->Width() - 5;
    ClickFrame(bar, right);
    EXPECT_EQ(bar->SPosition(), 30) << "a release alone takes one step";
    EXPECT_EQ(FButtons[0]->Left(), -30);
    EXPECT_FALSE(bar->ScrollTimerRunning());
    for (int i = 0; i < 20; ++i)
        ClickFrame(bar, right);
    const int end = bar->SMax() - bar->SPage() + 1;
    EXPECT_EQ(bar->SPosition(), end);
    EXPECT_EQ(FButtons[11]->Left() + 50, bar->ClientWidth()) << "the last button at the end";
    for (int i = 0; i < 20; ++i)
        ClickFrame(bar, 5);
    EXPECT_EQ(bar->SPosition(), 0);
    EXPECT_EQ(FButtons[0]->Left(), 0);
}

TEST_F(SkinToolBar, ZeroOffsetStepsByTheClientWidthAndBadSettingsAreIgnored) {
    TbsSkinToolBar* bar = Bar(30);
    bar->SetScrollOffset(-1);
    bar->SetScrollTimerInterval(0);
    EXPECT_EQ(bar->ScrollOffset(), 0);
    EXPECT_EQ(bar->ScrollTimerInterval(), 50);
    ClickFrame(bar, bar->Width() - 5);
    EXPECT_EQ(bar->SPosition(), bar->ClientWidth());
}

TEST_F(SkinToolBar, HotScrollStepsWhileThePointerRestsOnAButton) {
    TbsSkinToolBar* bar = Bar(12);
    bar->SetHotScroll(true);
    bar->SetScrollOffset(10);
    const TPoint origin = bar->ClientToScreen(TPoint(0, 0));
    FDisplay->MoveMouse(origin.X + bar->ClientWidth() + 5, origin.Y + 10);
    Pump();
    EXPECT_TRUE(bar->ScrollTimerRunning());
    for (int i = 0; i < 3; ++i) {
        FDisplay->Time().Advance(50);
        Pump();
    }
    EXPECT_EQ(bar->SPosition(), 30);
    FDisplay->MoveMouse(origin.X + 100, origin.Y + 10);
    Pump();
    EXPECT_FALSE(bar->ScrollTimerRunning());
}

TEST_F(SkinToolBar, WideningMovesTheRowBackByTheGrowthAtMostItsPosition) {
    TbsSkinToolBar* bar = Bar(12);
    bar->SetScrollOffset(50);
    for (int i = 0; i < 10; ++i)
        ClickFrame(bar, bar->Width() - 5);
    const int position = bar->SPosition();
    ASSERT_GT(position, 20);
    const int firstLeft = FButtons[0]->Left();
    FForm->SetWidth(FForm->Width() + 20);
    Pump();
    EXPECT_EQ(bar->SPosition(), position - 20);
    EXPECT_EQ(FButtons[0]->Left(), firstLeft + 20);
}

TEST_F(SkinToolBar, ScrollButtonShowsItsNormalHotAndPressedFaces) {
    const auto mainSkin = LoadProgramSkin("main");
    for (TbsSkinData* skin : { mainSkin.get(), static_cast<TbsSkinData*>(nullptr) }) {
        TbsSkinToolBar* bar = Bar(12);
        bar->SetSkinDataName("resizetoolpanel");
        bar->SetSkinData(skin);
        Pump();
        const TPoint origin = bar->ClientToScreen(TPoint(0, 0));
        // A pixel of the right button's face, away from its arrow.
        const TPoint face(origin.X + bar->ClientWidth() + 3, origin.Y + 3);
        auto look = [&] { return RgbAt(FDisplay->ComposeScreen(), face.X, face.Y); };
        const std::uint32_t normal = look();
        FDisplay->MoveMouse(face.X, face.Y);
        Pump();
        const std::uint32_t hot = look();
        FDisplay->PressButton();
        Pump();
        const std::uint32_t pressed = look();
        FDisplay->ReleaseButton();
        Pump();
        const char* name = skin ? "main" : "none";
        EXPECT_NE(normal, hot) << name;
        EXPECT_NE(hot, pressed) << name;
        EXPECT_NE(normal, pressed) << name;
        if (!skin) {
            EXPECT_EQ(normal, PlainFace());
            EXPECT_EQ(hot, 0xB6BDD2u);
            EXPECT_EQ(pressed, 0x8593B5u);
        }
        FDisplay->MoveMouse(0, 0);
        delete bar;
        Pump();
    }
}

TEST_F(SkinToolBar, HandsItsSkinFlatnessAndCaptionsToItsSpeedButtons) {
    TbsSkinToolBar* bar = Bar(2);
    auto* bevel = new TbsSkinBevel(FForm);
    bevel->SetParent(bar);
    bar->SetSkinData(FSkin.get());
    bar->SetFlat(true);
    bar->SetAutoShowHideCaptions(true);
    bar->SetShowCaptions(true);
    bar->SetShowCaptions(false);
    for (TbsSkinSpeedButton* button : FButtons) {
        EXPECT_EQ(button->SkinData(), FSkin.get());
        EXPECT_TRUE(button->Flat());
        EXPECT_FALSE(button->ShowCaption());
    }
    EXPECT_EQ(bevel->SkinData(), FSkin.get());
}

TEST_F(SkinToolBar, ControlsOnTheBarAreCentredInItsClientArea) {
    auto* bar = new TbsSkinToolBar(FForm);
    bar->SetParent(FForm);
    bar->SetBounds(0, 0, 300, 40);
    auto* bevel = new TbsSkinBevel(FForm);
    bevel->SetParent(bar);
    bevel->SetBounds(10, 0, 4, 20);
    auto* plain = new TWindowedFace(FForm);
    plain->SetParent(bar);
    plain->SetBounds(30, 3, 30, 10);
    EXPECT_EQ(bevel->Top(), 10);
    EXPECT_EQ(plain->Top(), 15);
    bar->SetAdjustControls(false);
    bevel->SetBounds(10, 3, 4, 20);
    EXPECT_EQ(bevel->Top(), 3);
}

} // namespace
