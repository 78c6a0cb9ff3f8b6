// The skinned status bar: the strip its size grip takes, the grip's hit code, and the form
// resized by dragging the grip with the pointer.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinStatusBar.h"
#include "platform/win/Messages.h"
#include "platform/win/Messaging.h"

namespace {

using SkinStatusBar = SkinnedFormTest;

TEST_F(SkinStatusBar, PlainGripTakesAStripAsWideAsTheClientHeight) {
    auto* bar = new TbsSkinStatusBar(FForm);
    bar->SetParent(FForm);
    EXPECT_EQ(bar->Align(), alBottom);
    EXPECT_EQ(bar->Height(), 21);
    const int width = bar->Width();
    EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, width, 21));
    bar->SetSizeGrip(true);
    EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, width - 21, 21));
    EXPECT_EQ(bar->GripRect(), TRect(width - 21 + 2, 0, width, 19));
    bar->SetShowGrip(false);
    EXPECT_EQ(bar->GetSkinClientRect(), TRect(0, 0, width, 21));
}

TEST_F(SkinStatusBar, GripAnswersAsTheBottomRightCornerAndDraggingItSizesTheForm) {
    auto* bar = new TbsSkinStatusBar(FForm);
    bar->SetParent(FForm);
    bar->SetSizeGrip(true);
    Pump();
    auto hit = [&](int x, int y) {
        const TPoint p = bar->ClientToScreen(TPoint(x, y));
        return int(win::SendMessage(bar->Handle(), win::WM_NCHITTEST, 0,
                                    win::MAKELPARAM(win::WORD(p.X), win::WORD(p.Y))));
    };
    EXPECT_EQ(hit(bar->Width() - 3, 15), win::HTBOTTOMRIGHT);
    EXPECT_EQ(hit(10, 10), win::HTCLIENT);

    const int formWidth = FForm->Width();
    const int formHeight = FForm->Height();
    const TPoint grip = bar->ClientToScreen(TPoint(bar->Width() - 4, 15));
    FDisplay->MoveMouse(grip.X, grip.Y);
    Pump();
    FDisplay->PressButton();
    FDisplay->MoveMouse(grip.X + 30, grip.Y + 20);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(FForm->Width(), formWidth + 30);
    EXPECT_EQ(FForm->Height(), formHeight + 20);
}

} // namespace
