#include "FrameFixture.h"

#include "platform/forms/TTimer.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/win/Focus.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"

#include <algorithm>

namespace frametest {
namespace {

using namespace win;

// A skinned form whose previous window procedure is a spy: it logs what the component passes
// on to the form.
class FormWindowProc : public FrameTest {
protected:
    TbsSkinForm* SpiedForm(const TRect& bounds, TFormBorderStyle border) {
        FForm = NewForm(bounds, border);
        FForm->HandleNeeded();
        const TWndMethod formProc = FForm->WindowProc;
        FForm->WindowProc = [this, formProc](TMessage& m) {
            FPassedOn.push_back(m.Msg);
            FLastPassed = m;
            formProc(m);
        };
        return SkinForm(FForm, FSkin.get());
    }
    void TearDown() override {
        // The spy's log goes with the fixture: the form must go first.
        delete FForm;
        FrameTest::TearDown();
    }
    int PassedOn(UINT msg) const {
        return int(std::count(FPassedOn.begin(), FPassedOn.end(), msg));
    }
    // Drags with the left button from one screen point to another in steps.
    void Drag(TPoint from, TPoint to, int steps = 1) {
        FDisplay->MoveMouse(from.X, from.Y);
        FDisplay->PressButton();
        for (int i = 1; i <= steps; ++i)
            FDisplay->MoveMouse(from.X + (to.X - from.X) * i / steps,
                                from.Y + (to.Y - from.Y) * i / steps);
        FDisplay->ReleaseButton();
        Pump();
    }
    void DoubleClick(TPoint at) {
        FDisplay->Click(at.X, at.Y);
        FDisplay->Click(at.X, at.Y);
        Pump();
    }

    TForm* FForm{ nullptr };
    std::vector<UINT> FPassedOn;
    TMessage FLastPassed{};
};

TEST_F(FormWindowProc, FullDragSizingReachesTheFormTwiceAndStopsAtTheMinimum) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSizeable);
    FForm->Show();
    Pump();
    FPassedOn.clear();
    // The bottom-right corner, inside the window's outline.
    Drag(TPoint(398, 298), TPoint(458, 338));
    EXPECT_EQ(PassedOn(WM_SIZING), 2) << "before and after the frame's own work";
    EXPECT_EQ(FForm->BoundsRect(), TRect(100, 100, 460, 340));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(FForm->Handle(), region);
    RECT box;
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box, (RECT{ 0, 0, 360, 240 })) << "the outline followed the size";

    Drag(TPoint(458, 338), TPoint(150, 120));
    EXPECT_EQ(FForm->Width(), skinForm->GetMinWidth());
    EXPECT_EQ(FForm->Height(), skinForm->GetMinHeight());
    EXPECT_FALSE(skinForm->FSizeMove);
    EXPECT_FALSE(skinForm->FSizing);
}

TEST_F(FormWindowProc, CaptionDragMovesTheFormAndAMaximizedOneStays) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSizeable);
    skinForm->SetBorderIcons({ TbsSkinForm::biMaximize });
    FForm->Show();
    Pump();
    Drag(TPoint(250, 110), TPoint(370, 190), 4);
    EXPECT_EQ(FForm->BoundsRect(), TRect(220, 180, 520, 380));

    skinForm->SetWindowState(wsMaximized);
    Drag(TPoint(640, 10), TPoint(700, 200), 3);
    EXPECT_EQ(FForm->BoundsRect(), TRect(0, 0, 1280, 984));
}

TEST_F(FormWindowProc, MagneticFormSnapsToTheEdgeWhileDragged) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSingle);
    skinForm->SetMagnetic(true);
    skinForm->SetMagneticSize(10);
    FForm->Show();
    Pump();
    Drag(TPoint(250, 110), TPoint(155, 110), 5);
    EXPECT_EQ(FForm->Left(), 0) << "5 pixels from the edge: snapped";
}

TEST_F(FormWindowProc, HitTestIsTheFramesAndHoverOverAnObjectStartsTheMouseTimer) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSingle);
    FForm->Show();
    Pump();
    // The button alone on the frame: no caption under it.
    skinForm->ClearObjects();
    auto* button = new TRecordingObject(skinForm, "button", TRect(250, 4, 266, 18));
    skinForm->ObjectList.emplace_back(button);
    skinForm->MouseTimer().SetEnabled(false);
    FPassedOn.clear();
    FDisplay->MoveMouse(358, 110);
    Pump();
    EXPECT_EQ(PassedOn(WM_NCHITTEST), 0) << "the frame answers it alone";
    EXPECT_TRUE(skinForm->MouseTimer().Enabled());
    EXPECT_EQ(button->FLog, (std::vector<std::string>{ "enter", "move 258,10" }))
        << "window coordinates";
    EXPECT_EQ(skinForm->ActiveObject, 0);

    // The pointer leaves the window: the next tick of the 50 ms timer lets the object go.
    FDisplay->MoveMouse(700, 700);
    Wait(60);
    EXPECT_EQ(button->FLog.back(), "leave");
    EXPECT_FALSE(skinForm->MouseTimer().Enabled());
}

TEST_F(FormWindowProc, TheMouseTimerOfAFormThePointerIsNotOverStops) {
    FSkin = MakeFrameSkin();
    // Applying the skin starts the hover timer, whether the form shows or not.
    TbsSkinForm* hidden = SpiedForm(TRect(100, 100, 400, 300), bsSingle);
    ASSERT_TRUE(hidden->MouseTimer().Enabled());
    FDisplay->MoveMouse(700, 700);
    Wait(60);
    EXPECT_FALSE(hidden->MouseTimer().Enabled()) << "a hidden form";

    // Shown, then another window taken active: with the pointer resting on the inactive form the
    // timer waits for it; once the pointer is elsewhere it stops.
    FForm->Show();
    Pump();
    TForm other(nullptr);
    other.SetBounds(500, 500, 100, 100);
    other.Show();
    Pump();
    ASSERT_FALSE(FForm->Active());
    FDisplay->MoveMouse(250, 200);
    hidden->MouseTimer().SetEnabled(true);
    Wait(60);
    EXPECT_TRUE(hidden->MouseTimer().Enabled()) << "the pointer rests on the inactive form";
    FDisplay->MoveMouse(700, 700);
    Wait(60);
    EXPECT_FALSE(hidden->MouseTimer().Enabled()) << "the pointer left the inactive form";
}

TEST_F(FormWindowProc, PressOnAnObjectHoldsItUntilAReleaseAnywhere) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSingle);
    FForm->Show();
    Pump();
    skinForm->ClearObjects();
    auto* button = new TRecordingObject(skinForm, "button", TRect(250, 4, 266, 18));
    skinForm->ObjectList.emplace_back(button);
    FDisplay->MoveMouse(355, 108);
    Pump();
    button->FLog.clear();
    FDisplay->PressButton();
    Pump();
    EXPECT_EQ(button->FLog, (std::vector<std::string>{ "enter", "down 255,8" }))
        << "window coordinates";
    EXPECT_EQ(GetCapture(), FForm->Handle());
    // Released over the client area: the object hears of it with no point.
    FDisplay->MoveMouse(250, 200);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(button->FLog.back(), "up -1,-1");
    EXPECT_EQ(skinForm->MouseCaptureObject, -1);
    EXPECT_EQ(GetCapture(), nullptr);

    // The right button, released on the frame: the point is converted once.
    button->FLog.clear();
    FDisplay->MoveMouse(355, 108);
    FDisplay->PressButton(MouseButton::Right);
    Pump();
    ReleaseCapture(); // the release then comes as a frame message
    FDisplay->ReleaseButton(MouseButton::Right);
    Pump();
    ASSERT_GE(button->FLog.size(), 2u);
    EXPECT_NE(std::find(button->FLog.begin(), button->FLog.end(), "down 255,8 right"),
              button->FLog.end());
    EXPECT_EQ(button->FLog.back(), "up 255,8 right");
}

TEST_F(FormWindowProc, CaptionDoubleClickMaximizesSizeableFormsAndRollsOthers) {
    FSkin = MakeFrameSkin();
    struct Case {
        TFormBorderStyle border;
        TbsSkinForm::TbsBorderIcons icons;
        TWindowState start;
        TWindowState after;
        bool rolledAfter;
    };
    using B = TbsSkinForm;
    const Case cases[] = {
        { bsSizeable, { B::biMaximize }, wsNormal, wsMaximized, false },
        { bsSizeable, { B::biMaximize }, wsMaximized, wsNormal, false },
        { bsSizeable, { B::biMinimize }, wsMinimized, wsNormal, false },
        { bsSizeable, { B::biRollUp }, wsNormal, wsNormal, true },
        { bsSingle, { B::biRollUp, B::biMaximize }, wsNormal, wsNormal, true },
        { bsSingle, { B::biMaximize }, wsNormal, wsNormal, false },
    };
    for (const Case& c : cases) {
        TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), c.border);
        skinForm->SetBorderIcons(c.icons);
        FForm->Show();
        Pump();
        skinForm->SetWindowState(c.start);
        const TPoint caption(FForm->Left() + 100, FForm->Top() + 12);
        FDisplay->Time().Advance(1000);
        DoubleClick(caption);
        EXPECT_EQ(skinForm->WindowState(), c.after) << int(c.border) << " from " << int(c.start);
        EXPECT_EQ(skinForm->RollUpState(), c.rolledAfter) << int(c.border);
        EXPECT_EQ(skinForm->MouseCaptureObject, -1);
        delete FForm;
        FForm = nullptr;
    }
}

TEST_F(FormWindowProc, FadeInStepsAFifteenthEveryFewMillisecondsAndEndsOpaqueUnlayered) {
    FSkin = MakeFrameSkin();
    FSkin->SetAnimationForAllWindows(true);
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSingle);
    skinForm->SetAlphaBlendValue(0);
    FForm->Show();
    const HWND hwnd = FForm->Handle();
    EXPECT_EQ(FDisplay->Native(hwnd)->FAlpha, 0);
    std::vector<int> alphas;
    for (int ms = 0; ms < 200; ++ms) {
        FDisplay->Time().Advance(1);
        Pump();
        const int alpha = FDisplay->Native(hwnd)->FAlpha;
        if (alphas.empty() || alphas.back() != alpha) alphas.push_back(alpha);
        if (!(GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) break;
    }
    std::vector<int> expected{ 0 };
    for (int a = 17; a <= 255; a += 17)
        expected.push_back(a);
    EXPECT_EQ(alphas, expected) << "from 0 in steps of 255 / 15";
    EXPECT_FALSE(GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) << "an opaque form";
    EXPECT_EQ(skinForm->AlphaBlendValue(), 255);
}

TEST_F(FormWindowProc, TransparentFormSettlesAtItsValueWithoutAFade) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSingle);
    skinForm->SetAlphaBlendValue(120);
    skinForm->SetAlphaBlend(true);
    FForm->Show();
    Wait(10);
    EXPECT_TRUE(GetWindowLongPtr(FForm->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(FDisplay->Native(FForm->Handle())->FAlpha, 120);
    EXPECT_FALSE(skinForm->NeedLayeredShow()) << "the skin has no layered frame";
}

TEST_F(FormWindowProc, FormCursorOverTheFrameKeepsTheSizingCursors) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSizeable);
    struct Case {
        int hit;
        int withFormCursor;
    };
    const Case cases[] = { { HTCAPTION, HTCLIENT },          { HTLEFT, HTLEFT },
                           { HTBOTTOMRIGHT, HTBOTTOMRIGHT }, { HTTOP, HTTOP },
                           { HTOBJECT, HTCLIENT },           { HTCLIENT, HTCLIENT } };
    for (bool formCursor : { false, true }) {
        skinForm->SetUseFormCursorInNCArea(formCursor);
        for (const Case& c : cases) {
            FForm->Perform(WM_SETCURSOR, WPARAM(FForm->Handle()),
                           MAKELPARAM(UINT(c.hit) & 0xFFFF, WM_MOUSEMOVE));
            ASSERT_EQ(FLastPassed.Msg, UINT(WM_SETCURSOR));
            EXPECT_EQ(short(LOWORD(UINT_PTR(FLastPassed.LParam))),
                      formCursor ? c.withFormCursor : c.hit)
                << c.hit << (formCursor ? " with the form's cursor" : "");
            EXPECT_EQ(HIWORD(UINT_PTR(FLastPassed.LParam)), UINT(WM_MOUSEMOVE));
        }
    }
}

TEST_F(FormWindowProc, TheSkinsOwnSettingSwitchesTheFrameMode) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SpiedForm(TRect(100, 100, 400, 300), bsSizeable);
    FForm->Show();
    FSkin->FormsToNotify = [this] {
        TbsSkinMessageForms forms;
        const HWND hwnd = FForm->Handle();
        forms.ScreenForms.push_back(TbsSkinMessageForm{
            FForm, "TForm", [hwnd](UINT m, WPARAM w, LPARAM l) { SendMessage(hwnd, m, w, l); } });
        return forms;
    };
    FSkin->SetSkinnableForm(false);
    EXPECT_FALSE(skinForm->SkinnableForm());
    FSkin->SetSkinnableForm(true);
    EXPECT_TRUE(skinForm->SkinnableForm());
    // Another skin's setting is not this form's business.
    auto other = MakeTestSkin();
    Send(FForm, WM_SKINNABLEFORMCHANGED, WPARAM(other.get()), SkinMessageLParam);
    EXPECT_TRUE(skinForm->SkinnableForm());
    FSkin->FormsToNotify = [] { return TbsSkinMessageForms{}; };
}

} // namespace
} // namespace frametest
