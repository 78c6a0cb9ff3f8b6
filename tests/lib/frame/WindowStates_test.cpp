#include "FrameFixture.h"

#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowClass.h"

namespace frametest {
namespace {

using namespace win;

using WindowStates = FrameTest;

// The headless display: one 1280 x 1024 monitor whose work area ends at row 984.
const TRect kWorkArea(0, 0, 1280, 984);

TEST_F(WindowStates, MaximizeMinimizeRestoreComesBackToTheBoundsBeforeTheMaximize) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(100, 120, 500, 420), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    int maximized = 0, minimized = 0, restored = 0;
    skinForm->OnMaximize = [&](TObject*) { ++maximized; };
    skinForm->OnMinimize = [&](TObject*) { ++minimized; };
    skinForm->OnRestore = [&](TObject*) { ++restored; };

    skinForm->SetWindowState(wsMaximized);
    EXPECT_EQ(form->BoundsRect(), kWorkArea);
    skinForm->SetWindowState(wsMinimized);
    EXPECT_EQ(skinForm->WindowState(), wsMinimized);
    // A bar of the frame's minimum size at the work area's bottom-left corner.
    EXPECT_EQ(form->BoundsRect(), TRect(0, 984 - TFrameSkin::kFrameHeight, 120, 984));
    EXPECT_FALSE(IsIconic(form->Handle())) << "the form stays on the screen as a bar";
    skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(form->BoundsRect(), TRect(100, 120, 500, 420));
    EXPECT_EQ(skinForm->OldBoundsRect, TRect(0, 0, 0, 0));
    EXPECT_EQ(maximized, 1);
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
    skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(restored, 1) << "the same state changes nothing";
}

TEST_F(WindowStates, MinimizedBarsLineUpAlongTheBottom) {
    FSkin = MakeFrameSkin();
    std::vector<TForm*> forms;
    for (int i = 0; i < 3; ++i) {
        TForm* form = NewForm(TRect(100, 100, 400, 300));
        SkinForm(form, FSkin.get())->SetBorderIcons({ TbsSkinForm::biMinimize });
        form->Show();
        forms.push_back(form);
    }
    for (TForm* form : forms)
        FindSkinForm(form)->SetWindowState(wsMinimized);
    const int y = 984 - TFrameSkin::kFrameHeight;
    EXPECT_EQ(forms[0]->BoundsRect().TopLeft(), TPoint(0, y));
    EXPECT_EQ(forms[1]->BoundsRect().TopLeft(), TPoint(120, y));
    EXPECT_EQ(forms[2]->BoundsRect().TopLeft(), TPoint(240, y));
}

TEST_F(WindowStates, RollUpMadeWhileMaximizedIsUndoneByTheRestoreOneMadeBeforeSurvives) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(100, 120, 500, 420), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->SetBorderIcons({ TbsSkinForm::biMaximize, TbsSkinForm::biRollUp });
    form->Show();

    skinForm->SetWindowState(wsMaximized);
    skinForm->SetRollUpState(true);
    EXPECT_EQ(form->Height(), TFrameSkin::kFrameHeight);
    skinForm->SetWindowState(wsNormal);
    EXPECT_FALSE(skinForm->RollUpState());
    EXPECT_EQ(form->BoundsRect(), TRect(100, 120, 500, 420));

    skinForm->SetRollUpState(true);
    EXPECT_EQ(skinForm->RealHeight(), 300);
    skinForm->SetWindowState(wsMaximized);
    skinForm->SetWindowState(wsNormal);
    EXPECT_TRUE(skinForm->RollUpState()) << "rolled up before the maximize: it stays so";
    EXPECT_EQ(form->Height(), TFrameSkin::kFrameHeight);
    skinForm->SetRollUpState(false);
    EXPECT_EQ(form->BoundsRect(), TRect(100, 120, 500, 420));
}

TEST_F(WindowStates, RollUpNeedsItsIconAndRollingUpTwiceKeepsTheHeight) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(100, 120, 500, 420));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    skinForm->SetBorderIcons({ TbsSkinForm::biMinimize });
    skinForm->SetRollUpState(true);
    EXPECT_FALSE(skinForm->RollUpState());
    EXPECT_EQ(form->Height(), 300);

    skinForm->SetBorderIcons({ TbsSkinForm::biRollUp });
    int changes = 0;
    skinForm->OnChangeRollUpState = [&](TObject*) { ++changes; };
    skinForm->SetRollUpState(true);
    skinForm->SetRollUpState(true);
    skinForm->SetRollUpState(false);
    EXPECT_EQ(form->Height(), 300) << "the height before the first roll-up comes back";
    EXPECT_EQ(changes, 2);

    // With a client height of its own the form rolls down to that client height.
    skinForm->SetClientHeight(200);
    skinForm->SetRollUpState(true);
    skinForm->SetRollUpState(false);
    EXPECT_EQ(form->ClientHeight(), 200);
}

TEST_F(WindowStates, MaximizeFillsTheWorkAreaOrAPixelInsideAWholeScreen) {
    FSkin = MakeFrameSkin();
    struct Case {
        RECT work;
        bool fullScreen;
        TRect expected;
    };
    const Case cases[] = {
        { RECT{ 0, 0, 1280, 984 }, false, TRect(0, 0, 1280, 984) },
        { RECT{ 0, 30, 1280, 1024 }, false, TRect(0, 30, 1280, 1024) },
        // Nothing reserved on the screen: a pixel in from every edge.
        { RECT{ 0, 0, 1280, 1024 }, false, TRect(1, 1, 1279, 1023) },
        { RECT{ 0, 0, 1280, 984 }, true, TRect(0, 0, 1280, 1024) },
    };
    for (const Case& c : cases) {
        FDisplay->SetWorkArea(0, c.work);
        TForm* form = NewForm(TRect(100, 120, 500, 420), bsSizeable);
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        skinForm->SetMaximizeOnFullScreen(c.fullScreen);
        form->Show();
        skinForm->SetWindowState(wsMaximized);
        EXPECT_EQ(form->BoundsRect(), c.expected) << c.work.top << " " << c.work.bottom;
        delete form;
    }
}

TEST_F(WindowStates, MainFormMinimizesTheProgramAndStaysNormal) {
    FSkin = MakeFrameSkin();
    TbsSkinForm* skinForm = SkinForm(FMain, FSkin.get());
    skinForm->SetBorderIcons({ TbsSkinForm::biMinimize });
    FMain->Show();
    const TRect before = FMain->BoundsRect();
    int minimized = 0;
    FApp->OnMinimize = [&](TObject*) { ++minimized; };
    skinForm->SetWindowState(wsMinimized);
    EXPECT_EQ(skinForm->WindowState(), wsNormal);
    EXPECT_EQ(minimized, 1);
    EXPECT_TRUE(IsIconic(FMain->Handle()));
    EXPECT_FALSE(FDisplay->Native(FMain->Handle())->FVisible);
    FApp->Restore();
    EXPECT_FALSE(IsIconic(FMain->Handle()));
    EXPECT_TRUE(FDisplay->Native(FMain->Handle())->FVisible);
    EXPECT_EQ(FMain->BoundsRect(), before);
}

TEST_F(WindowStates, MagneticSnapHoldsWithinTheSizeAndLetsGoOnceTheCursorMovedOn) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(300, 300, 500, 400));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->SetMagnetic(true);
    skinForm->SetMagneticSize(10);
    form->Show();
    const int w = 200, h = 100;
    struct Case {
        TPoint proposed;
        TPoint snapped;
    };
    const Case cases[] = {
        { TPoint(9, 300), TPoint(0, 300) },                                               // left
        { TPoint(-9, 300), TPoint(0, 300) },          { TPoint(300, 9), TPoint(300, 0) }, // top
        { TPoint(1080 - 9, 300), TPoint(1080, 300) }, // right: 1280 - w
        { TPoint(300, 884 + 9), TPoint(300, 884) },   // bottom: 984 - h
        { TPoint(10, 300), TPoint(10, 300) },         // just outside
    };
    for (const Case& c : cases) {
        skinForm->HMagnetized = skinForm->VMagnetized = false;
        skinForm->HMagnetized2 = skinForm->VMagnetized2 = false;
        int x = c.proposed.X, y = c.proposed.Y;
        skinForm->MagneticSnap(x, y, w, h);
        EXPECT_EQ(TPoint(x, y), c.snapped) << c.proposed.X << "," << c.proposed.Y;
    }

    // Snapped at the left edge with the cursor at 105: it holds until the cursor has moved
    // more than 10 pixels, then follows with the offset it had when it snapped.
    skinForm->HMagnetized = skinForm->VMagnetized = false;
    FDisplay->MoveMouse(105, 350);
    Pump();
    int x = 5, y = 300;
    skinForm->MagneticSnap(x, y, w, h);
    EXPECT_EQ(x, 0);
    FDisplay->MoveMouse(114, 350);
    Pump();
    x = 8;
    skinForm->MagneticSnap(x, y, w, h);
    EXPECT_EQ(x, 0) << "9 pixels on: still held";
    FDisplay->MoveMouse(116, 350);
    Pump();
    x = 9;
    skinForm->MagneticSnap(x, y, w, h);
    EXPECT_EQ(x, 11) << "11 pixels on: follows the cursor";
}

TEST_F(WindowStates, FirstNormalShowCentresInTheMonitor) {
    FSkin = MakeFrameSkin();
    struct Case {
        TbsPositionInMonitor position;
        TPoint topLeft;
    };
    const Case cases[] = {
        { bspDefault, TPoint(7, 9) },
        { bspDesktopCenter, TPoint(640 - 200, 492 - 150) },
        { bspScreenCenter, TPoint(640 - 200, 512 - 150) },
    };
    for (const Case& c : cases) {
        TForm* form = NewForm(TRect(7, 9, 407, 309));
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        skinForm->SetPositionInMonitor(c.position);
        form->Show();
        EXPECT_EQ(form->BoundsRect().TopLeft(), c.topLeft) << int(c.position);
        form->SetBounds(20, 20, 400, 300);
        form->Hide();
        form->Show();
        EXPECT_EQ(form->BoundsRect().TopLeft(), TPoint(20, 20)) << "only the first show";
        delete form;
    }
}

TEST_F(WindowStates, FormFirstShownMaximizedIsCentredAtItsFirstRestore) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(7, 9, 407, 309), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    skinForm->SetPositionInMonitor(bspDesktopCenter);
    skinForm->SetWindowState(wsMaximized);
    form->Show();
    EXPECT_EQ(form->BoundsRect(), kWorkArea);
    skinForm->SetWindowState(wsNormal);
    EXPECT_EQ(form->BoundsRect(), TRect(440, 342, 840, 642));
}

TEST_F(WindowStates, AlphaBlendAndShadowReachTheWindow) {
    FSkin = MakeFrameSkin();
    TForm* form = NewForm(TRect(0, 0, 400, 300));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    Pump();
    const HWND hwnd = form->Handle();
    auto layered = [&] { return (GetWindowLongPtr(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
    skinForm->SetAlphaBlend(true);
    EXPECT_TRUE(layered());
    EXPECT_EQ(FDisplay->Native(hwnd)->FAlpha, 200);
    skinForm->SetAlphaBlendValue(90);
    EXPECT_EQ(FDisplay->Native(hwnd)->FAlpha, 90);
    skinForm->SetAlphaBlend(false);
    EXPECT_FALSE(layered());

    skinForm->EnableShadow(true, false);
    EXPECT_TRUE(GetClassLong(hwnd, GCL_STYLE) & CS_DROPSHADOW);
    skinForm->EnableShadow(false, true);
    EXPECT_FALSE(GetClassLong(hwnd, GCL_STYLE) & CS_DROPSHADOW);
    EXPECT_TRUE(form->Visible());

    skinForm->SetFormStyle(fsMDIChild);
    EXPECT_EQ(form->FormStyle(), fsNormal) << "the MDI styles are refused";
    skinForm->SetFormStyle(fsStayOnTop);
    EXPECT_EQ(form->FormStyle(), fsStayOnTop);
}

} // namespace
} // namespace frametest
