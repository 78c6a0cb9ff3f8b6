#include "WinTestSupport.h"

namespace wintest {
namespace {

using CaretTest = WinTest;

TEST_F(CaretTest, BlinksOnTheTimerAndLeavesNoTrace) {
    HWND edit = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 50, 20 });
    Pump();
    const gfx::Surface before = *WindowBackBuffer(edit);
    ASSERT_TRUE(CreateCaret(edit, nullptr, 1, 10));
    SetCaretPos(5, 4);
    const gfx::Pixel plain = before.At(5, 6);
    EXPECT_EQ(WindowBackBuffer(edit)->At(5, 6), plain) << "a new caret is hidden";
    ShowCaret(edit);
    const gfx::Pixel shown = WindowBackBuffer(edit)->At(5, 6);
    EXPECT_NE(shown, plain);
    EXPECT_EQ(FDisplay->Native(edit)->FPresented.At(5, 6), shown) << "visible at once";
    FDisplay->Time().Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_EQ(WindowBackBuffer(edit)->At(5, 6), plain);
    FDisplay->Time().Advance(GetCaretBlinkTime());
    Pump();
    EXPECT_EQ(WindowBackBuffer(edit)->At(5, 6), shown);
    // Moving takes it along; hiding nests.
    SetCaretPos(20, 4);
    EXPECT_EQ(WindowBackBuffer(edit)->At(5, 6), plain);
    EXPECT_EQ(WindowBackBuffer(edit)->At(20, 6), shown);
    HideCaret(edit);
    HideCaret(edit);
    ShowCaret(edit);
    FDisplay->Time().Advance(GetCaretBlinkTime() * 3);
    Pump();
    EXPECT_EQ(*WindowBackBuffer(edit), before) << "still hidden: one HideCaret is open";
    ShowCaret(edit);
    DestroyCaret();
    EXPECT_EQ(*WindowBackBuffer(edit), before);
}

TEST_F(CaretTest, PaintingDoesNotSmearTheCaret) {
    HWND edit = Create(WS_POPUP | WS_VISIBLE, { 0, 0, 50, 20 });
    Pump();
    CreateCaret(edit, nullptr, 2, 10);
    SetCaretPos(10, 2);
    ShowCaret(edit);
    const gfx::Surface withCaret = *WindowBackBuffer(edit);
    // The erase and the paint cover the caret; it must come back exactly once.
    InvalidateRect(edit, nullptr, TRUE);
    Pump();
    EXPECT_EQ(*WindowBackBuffer(edit), withCaret);
    DestroyWindow(edit);
    EXPECT_FALSE(GetCaretPos(nullptr));
    POINT p;
    EXPECT_FALSE(GetCaretPos(&p)) << "the caret ends with its window";
}

} // namespace
} // namespace wintest
