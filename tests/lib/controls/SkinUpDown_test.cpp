// The skinned up-down: its value rules, the repeat of a held button on the fake clock, the
// click events at the bounds and its button layout with and without a skin.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinUpDown.h"
#include "lib/skindata/bsSkinListRecords.h"

#include <string>
#include <vector>

namespace {

class SkinUpDown : public PointerTest {
protected:
    // A plain horizontal up-down 40 x 20: down button 0..20, up button 20..40.
    TbsSkinUpDown* AddUpDown() {
        auto* updown = Add<TbsSkinUpDown>(20, 20, 40, 20);
        updown->OnChange = [this, updown](TObject*) {
            FEvents.push_back("change " + std::to_string(updown->Position()) + " at " +
                              std::to_string(Now() - FPressed));
        };
        updown->OnUpButtonClick = [this](TObject*) { FEvents.push_back("up click"); };
        updown->OnDownButtonClick = [this](TObject*) { FEvents.push_back("down click"); };
        Pump();
        return updown;
    }
    void PressAt(TControl* c, int x, int y) {
        MoveTo(c, x, y);
        FPressed = Now();
        Press();
    }

    std::vector<std::string> FEvents;
    std::uint64_t FPressed{ 0 };
};

using Strings = std::vector<std::string>;

TEST_F(SkinUpDown, PositionIgnoresValuesOutsideTheBoundsAndRepeatsTheSameValue) {
    struct Case {
        const char* Name;
        int Value;
        int Kept;
        int Changes;
    };
    const Case cases[] = {
        { "inside", 40, 40, 1 },
        { "same value again", 10, 10, 1 },
        { "above max", 101, 10, 0 },
        { "below min", -1, 10, 0 },
        { "the bound itself", 100, 100, 1 },
    };
    for (const Case& c : cases) {
        TbsSkinUpDown updown(nullptr);
        updown.SetPosition(10);
        int changes = 0;
        updown.OnChange = [&](TObject*) { ++changes; };
        updown.SetPosition(c.Value);
        EXPECT_EQ(updown.Position(), c.Kept) << c.Name;
        EXPECT_EQ(changes, c.Changes) << c.Name;
    }
}

TEST_F(SkinUpDown, BoundsMoveThePositionWithoutAnEvent) {
    TbsSkinUpDown updown(nullptr);
    updown.SetPosition(50);
    int changes = 0;
    updown.OnChange = [&](TObject*) { ++changes; };
    updown.SetMax(10);
    EXPECT_EQ(updown.Position(), 10);
    updown.SetMax(100);
    updown.SetMin(30);
    EXPECT_EQ(updown.Position(), 30);
    EXPECT_EQ(changes, 0);
}

TEST_F(SkinUpDown, HeldButtonStepsAt600MsThenEvery100AndOnceMoreOnRelease) {
    auto* updown = AddUpDown();
    PressAt(updown, 30, 10);
    Wait(850);
    Release();
    EXPECT_EQ(FEvents, (Strings{ "change 1 at 600", "change 2 at 700", "change 3 at 800",
                                 "change 4 at 850", "up click" }));
    FEvents.clear();
    PressAt(updown, 5, 10);
    Release();
    EXPECT_EQ(FEvents, (Strings{ "change 3 at 0", "down click" })) << "a click steps at release";
}

TEST_F(SkinUpDown, HeldButtonPausesOffItAndResumesEvery50MsWhenThePointerComesBack) {
    auto* updown = AddUpDown();
    PressAt(updown, 30, 10);
    Wait(650);
    MoveTo(updown, 30, 60);
    Wait(350);
    MoveTo(updown, 30, 10);
    Wait(120);
    MoveTo(FForm, 390, 290);
    Release();
    EXPECT_EQ(FEvents, (Strings{ "change 1 at 600", "change 2 at 1050", "change 3 at 1100" }))
        << "released elsewhere: no last step and no click";
}

TEST_F(SkinUpDown, AtTheBoundAClickFiresItsButtonEventAndNoChange) {
    auto* updown = AddUpDown();
    updown->SetPosition(100);
    FEvents.clear();
    PressAt(updown, 30, 10);
    Wait(800);
    Release();
    EXPECT_EQ(updown->Position(), 100);
    EXPECT_EQ(FEvents, Strings{ "up click" });

    // Increment 0: no steps and no repeat, only the clicks.
    updown->SetIncrement(0);
    FEvents.clear();
    PressAt(updown, 5, 10);
    Wait(800);
    Release();
    EXPECT_EQ(FEvents, Strings{ "down click" });
}

TEST_F(SkinUpDown, ButtonsLieByOrientationAndRecord) {
    const auto skin = LoadProgramSkin("main");
    const auto& record = dynamic_cast<const TbsDataSkinUpDownControl&>(
        *skin->CtrlList[size_t(skin->GetControlIndex("hupdown"))]);
    auto* updown = Add<TbsSkinUpDown>(20, 20, 40, 20);
    updown->Repaint();
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kDownButton].R, TRect(0, 0, 20, 20))
        << "decreasing on the left";
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kUpButton].R, TRect(20, 0, 40, 20));
    // The arrows: pointing left in the left button, right in the right one.
    const gfx::Surface plain = PaintedPixels(*updown);
    EXPECT_EQ(RgbAt(plain, 8, 10), 0u) << "the left arrow's tip";
    EXPECT_NE(RgbAt(plain, 12, 10), 0u);
    EXPECT_EQ(RgbAt(plain, 32, 10), 0u) << "the right arrow's tip";
    EXPECT_NE(RgbAt(plain, 28, 10), 0u);

    updown->SetOrientation(udVertical);
    updown->Repaint();
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kUpButton].R, TRect(0, 0, 40, 10));
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kDownButton].R, TRect(0, 10, 40, 20));

    updown->SetOrientation(udHorizontal);
    updown->SetSkinData(skin.get());
    EXPECT_EQ(TSize(updown->Width(), updown->Height()),
              TSize(record.SkinRect.Width(), record.SkinRect.Height()));
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kUpButton].R, record.UpButtonRect);
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kDownButton].R, record.DownButtonRect);

    // Without the skin's size the buttons halve any size and take the "resizebutton" faces.
    updown->SetUseSkinSize(false);
    updown->SetBounds(20, 20, 60, 24);
    EXPECT_EQ(TSize(updown->Width(), updown->Height()), TSize(60, 24));
    const gfx::Surface resized = PaintedPixels(*updown);
    EXPECT_EQ(updown->Buttons[TbsSkinUpDown::kUpButton].R, TRect(30, 0, 60, 24));
    const auto& face = *skin->CtrlList[size_t(skin->GetControlIndex("resizebutton"))];
    const TBitmap& picture = *skin->FActivePictures[size_t(face.PictureIndex)];
    EXPECT_EQ(RgbAt(resized, 0, 0), RgbAt(picture, face.SkinRect.Left, face.SkinRect.Top));
    EXPECT_EQ(RgbAt(resized, 59, 23),
              RgbAt(picture, face.SkinRect.Right - 1, face.SkinRect.Bottom - 1));
}

TEST_F(SkinUpDown, UpDownFreedByItsOwnChangeIsNotTouchedAgain) {
    auto* updown = AddUpDown();
    bool clicked = false;
    updown->OnChange = [updown](TObject*) { delete updown; };
    updown->OnUpButtonClick = [&](TObject*) { clicked = true; };
    PressAt(updown, 30, 10);
    Wait(700);
    Release();
    EXPECT_EQ(FForm->ControlCount(), 0);
    EXPECT_FALSE(clicked);
}

} // namespace
