#include "FrameFixture.h"

#include "lib/frame/TbsQuickButtonItem.h"
#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinHintWindow.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"

namespace frametest {
namespace {

using namespace win;

TPoint Centre(const TRect& r) {
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// A skinned form at (100, 100) 300 x 200 with a maximize and a close button, and the
// program's hint component on the main form.
class FrameHints : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        FSkin = MakeFrameSkin();
        AddStdButton(*FSkin, "max", cmMaximize, TRect(0, 0, 8, 8));
        AddStdButton(*FSkin, "close", cmClose, TRect(8, 0, 16, 8));
        FHint = new TbsSkinHint(FMain);
        FForm = NewForm(TRect(100, 100, 400, 300), bsSizeable);
        FSkinForm = SkinForm(FForm, FSkin.get());
        FSkinForm->SetSkinHint(FHint);
        FSkinForm->SetShowObjectHint(true);
        FForm->Show();
        Pump();
        FSkinForm->CalcSkinRects();
        FSkinForm->CalcObjectRects();
    }

    TRect ObjectRect(const std::string& name) {
        return FSkinForm->ObjectList.at(std::size_t(FSkinForm->GetIndex(name)))->ObjectRect;
    }
    // The pointer rests on the frame at p (window coordinates) as the frame's hover tracking
    // sees it: the hit test starts the mouse timer, which finds the object under the pointer.
    void PointAt(const TPoint& p) {
        const TPoint screen(FForm->Left() + p.X, FForm->Top() + p.Y);
        FDisplay->MoveMouse(screen.X, screen.Y);
        Send(FForm, WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y));
        Wait(60);
    }
    void Hover(const std::string& name) { PointAt(Centre(ObjectRect(name))); }
    bool HintShown() { return FHint->IsVisible(); }
    std::string HintText() { return FHint->HintWindow()->Caption(); }

    TbsSkinHint* FHint{ nullptr };
    TForm* FForm{ nullptr };
    TbsSkinForm* FSkinForm{ nullptr };
};

TEST_F(FrameHints, AHoveredCaptionButtonShowsItsHintAfterThePauseAndLeavingHidesIt) {
    Hover("close");
    EXPECT_FALSE(HintShown()) << "not before the application's hint pause";
    Wait(FApp->HintPause());
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "Close");

    Hover("max");
    Wait(FApp->HintPause());
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "Maximize") << "the next button's hint replaces the first";

    PointAt(TPoint(150, 12));
    EXPECT_FALSE(HintShown()) << "the pointer left for the caption";
    Wait(FApp->HintPause());
    EXPECT_FALSE(HintShown());
}

TEST_F(FrameHints, MaximizeShowsTheRestoreHintOfAMaximizedForm) {
    FSkinForm->SetWindowState(wsMaximized);
    Pump();
    FSkinForm->CalcObjectRects();
    Hover("max");
    Wait(FApp->HintPause());
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "Restore");
}

TEST_F(FrameHints, APressOrLosingActivationTakesTheHintDown) {
    struct TCase {
        const char* Name;
        UINT Msg;
        WPARAM WParam;
    };
    const TCase cases[] = {
        { "right press on the button", WM_NCRBUTTONDOWN, HTOBJECT },
        { "the form deactivated", WM_ACTIVATE, WA_INACTIVE },
    };
    for (const TCase& c : cases) {
        PointAt(TPoint(150, 12));
        Hover("close");
        Wait(FApp->HintPause());
        ASSERT_TRUE(HintShown()) << c.Name;
        const TPoint at = Centre(ObjectRect("close"));
        Send(FForm, c.Msg, c.WParam, MAKELPARAM(FForm->Left() + at.X, FForm->Top() + at.Y));
        EXPECT_FALSE(HintShown()) << c.Name;
        Send(FForm, WM_ACTIVATE, WA_ACTIVE, 0);
    }
}

TEST_F(FrameHints, NothingShowsWithoutTheComponentOrWithObjectHintsOff) {
    FSkinForm->SetShowObjectHint(false);
    Hover("close");
    Wait(FApp->HintPause());
    EXPECT_FALSE(HintShown()) << "object hints off";
    PointAt(TPoint(150, 12));

    FSkinForm->SetShowObjectHint(true);
    delete FHint;
    FHint = nullptr;
    EXPECT_EQ(FSkinForm->SkinHint(), nullptr) << "the freed component is forgotten";
    Hover("close");
    Wait(FApp->HintPause());
    PointAt(TPoint(150, 12));
    EXPECT_TRUE(FForm->Visible()) << "hovering goes on without a hint";
}

TEST_F(FrameHints, QuickButtonsShowTheirHintsAndAPressHidesIt) {
    TImageList images(nullptr);
    images.SetSize(16, 16);
    FSkinForm->SetQuickImageList(&images);
    FSkinForm->SetQuickButtonsShowHint(true);
    for (const char* text : { "Open", "" })
        static_cast<TbsQuickButtonItem*>(FSkinForm->QuickButtons().Add())->SetHint(text);
    Pump();
    auto& caption = dynamic_cast<TbsSkinCaptionObject&>(
        *FSkinForm->ObjectList.at(std::size_t(FSkinForm->GetIndex("caption"))));
    TBitmap frame(300, 40);
    caption.DrawQuickButtons(frame.Canvas());
    auto centre = [&](int i) {
        return Centre(
            static_cast<TbsQuickButtonItem&>(*FSkinForm->QuickButtons().Items(i)).ItemRect);
    };

    caption.MouseEnter();
    caption.MouseMove(centre(0).X, centre(0).Y);
    Wait(FApp->HintPause());
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "Open");
    caption.MouseMove(centre(1).X, centre(1).Y);
    Wait(FApp->HintPause());
    EXPECT_TRUE(HintShown()) << "a button without a hint leaves the shown one";
    caption.MouseMove(200, 10);
    EXPECT_FALSE(HintShown()) << "off every button";

    caption.MouseMove(centre(0).X, centre(0).Y);
    Wait(FApp->HintPause());
    ASSERT_TRUE(HintShown());
    caption.MouseDown(centre(0).X, centre(0).Y, mbLeft);
    EXPECT_FALSE(HintShown()) << "pressed";
    caption.MouseUp(centre(0).X, centre(0).Y, mbLeft);
    caption.MouseLeave();

    FSkinForm->SetQuickButtonsShowHint(false);
    caption.MouseEnter();
    caption.MouseMove(centre(0).X, centre(0).Y);
    Wait(FApp->HintPause());
    EXPECT_FALSE(HintShown()) << "quick button hints off";
    FSkinForm->SetQuickImageList(nullptr);
}

} // namespace
} // namespace frametest
