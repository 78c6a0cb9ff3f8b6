// The skinned scroll box: its linked bars' visibility and ranges as the children move and the
// box grows or shrinks, scrolling through the bars, its frame in the non-client area, the
// frame-painting messages and its client fill.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindata/bsSkinPanelRecords.h"
#include "tests/lib/skin/DrawingPictures.h"

#include "platform/forms/TCustomControl.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

namespace {

// What a linked bar shows of the box.
struct TBarState {
    bool Visible;
    int Max, Position, PageSize;
    bool operator==(const TBarState&) const = default;
};

void PrintTo(const TBarState& s, std::ostream* os) {
    *os << (s.Visible ? "shown" : "hidden") << " max " << s.Max << " pos " << s.Position << " page "
        << s.PageSize;
}

// A box 200 x 200 without a frame, its bars beside it, and one child.
class SkinScrollBox : public PointerTest {
protected:
    void SetUp() override {
        PointerTest::SetUp();
        FBox = Add<TbsSkinScrollBox>(10, 10, 200, 200);
        FBox->SetBorderStyle(bvNone);
        FVBar = Add<TbsSkinScrollBar>(210, 10, 17, 200);
        FVBar->SetKind(sbVertical);
        FHBar = Add<TbsSkinScrollBar>(10, 210, 200, 17);
        FChild = new TCustomControl(FForm);
        FChild->SetParent(FBox);
        FChild->SetBounds(0, 0, 100, 100);
        FBox->SetVScrollBar(FVBar);
        FBox->SetHScrollBar(FHBar);
        Pump();
    }
    static TBarState StateOf(const TbsSkinScrollBar* bar) {
        return { bar->Visible(), bar->Max(), bar->Position(), bar->PageSize() };
    }

    TbsSkinScrollBox* FBox{ nullptr };
    TbsSkinScrollBar* FVBar{ nullptr };
    TbsSkinScrollBar* FHBar{ nullptr };
    TCustomControl* FChild{ nullptr };
};

TEST_F(SkinScrollBox, BarsShowOnlyWhileTheContentDoesNotFit) {
    EXPECT_EQ(StateOf(FVBar), (TBarState{ false, 0, 0, 0 })) << "linked to content that fits";
    EXPECT_EQ(StateOf(FHBar), (TBarState{ false, 0, 0, 0 }));

    FChild->SetBounds(0, 300, 100, 40);
    EXPECT_EQ(StateOf(FVBar), (TBarState{ true, 339, 0, 200 })) << "Max is the bottom - 1";
    EXPECT_FALSE(FHBar->Visible());
    EXPECT_TRUE(FHBar->Both()) << "the horizontal bar leaves the corner to the vertical one";

    FChild->SetBounds(0, 300, 350, 40);
    EXPECT_EQ(StateOf(FHBar), (TBarState{ true, 349, 0, 200 }));

    FChild->SetBounds(0, 50, 100, 40);
    EXPECT_EQ(StateOf(FVBar), (TBarState{ false, 0, 0, 0 }));
    EXPECT_FALSE(FHBar->Both());
    EXPECT_EQ(StateOf(FHBar), (TBarState{ false, 0, 0, 0 }));
}

TEST_F(SkinScrollBox, BarsScrollTheChildrenAndScrollingStopsAPageShortOfTheEnd) {
    FChild->SetBounds(0, 0, 100, 500);
    FVBar->SetPosition(120);
    EXPECT_EQ(FChild->Top(), -120);
    FVBar->SetPosition(1000);
    EXPECT_EQ(FVBar->Position(), 300);
    EXPECT_EQ(FChild->Top(), -300);

    // VScroll stops at Max - PageSize and moves the children once, not again through the
    // bar's own change.
    FBox->VScroll(1000);
    EXPECT_EQ(FVBar->Position(), 299);
    EXPECT_EQ(FChild->Top(), -299);
    FBox->VScroll(40);
    EXPECT_EQ(FVBar->Position(), 40);
    EXPECT_EQ(FChild->Top(), -40);
    FBox->VScroll(-30);
    EXPECT_EQ(FVBar->Position(), 0);
    EXPECT_EQ(FChild->Top(), 0);

    // A drag of the real bar with the pointer scrolls the same way.
    FVBar->Repaint();
    const TRect thumb = FVBar->Buttons[TbsSkinScrollBar::kThumb].R;
    MoveTo(FVBar, 8, thumb.Top + 2);
    Press();
    MoveTo(FVBar, 8, 400);
    Release();
    EXPECT_EQ(FVBar->Position(), 300);
    EXPECT_EQ(FChild->Top(), -300);
}

TEST_F(SkinScrollBox, GrowingWhileScrolledBringsTheContentDownByAtMostTheGrowth) {
    struct Case {
        int Growth;
        int ChildTop;
        TBarState Bar;
    };
    // 500 of content scrolled to its end (300) in 200.
    const Case cases[] = {
        { 50, -250, { true, 499, 250, 250 } },
        { 120, -180, { true, 499, 180, 320 } },
        { 400, 0, { false, 0, 0, 0 } },
    };
    for (const Case& c : cases) {
        FBox->SetBounds(10, 10, 200, 200);
        FChild->SetBounds(0, 0, 100, 500);
        FVBar->SetPosition(300);
        ASSERT_EQ(FChild->Top(), -300);
        FBox->SetBounds(10, 10, 200, 200 + c.Growth);
        EXPECT_EQ(FChild->Top(), c.ChildTop) << c.Growth;
        EXPECT_EQ(StateOf(FVBar), c.Bar) << c.Growth;
        FVBar->SetPosition(0);
    }
}

TEST_F(SkinScrollBox, ContentThatShrinksWhileScrolledMovesIntoTheRoom) {
    FChild->SetBounds(0, 0, 100, 500);
    FVBar->SetPosition(300);
    FChild->SetBounds(0, -300, 100, 400); // the bottom now at 100 in a box of 200
    EXPECT_EQ(FChild->Top(), -200);
    EXPECT_EQ(StateOf(FVBar), (TBarState{ true, 399, 200, 200 }));
}

TEST_F(SkinScrollBox, HiddenBoxHidesItsBarsAndForgetsABarThatGoes) {
    FChild->SetBounds(0, 0, 100, 500);
    ASSERT_TRUE(FVBar->Visible());
    FBox->Hide();
    EXPECT_FALSE(FVBar->Visible());
    EXPECT_FALSE(FHBar->Visible());
    FBox->Show();
    EXPECT_TRUE(FVBar->Visible());
    EXPECT_FALSE(FHBar->Visible()) << "shown only as the content needs";

    delete FVBar;
    EXPECT_EQ(FBox->VScrollBar(), nullptr);
    FChild->SetBounds(0, 0, 400, 600);
    EXPECT_TRUE(FHBar->Visible());

    // A box that goes first leaves its bars working on their own.
    delete FBox;
    FHBar->SetPosition(50);
    EXPECT_EQ(FHBar->Position(), 50);
}

TEST_F(SkinScrollBox, FrameLiesInTheNonClientAreaAndAnswersThePaintMessages) {
    const auto skin = LoadProgramSkin("main");
    auto& record = dynamic_cast<TbsDataSkinScrollBoxControl&>(
        *skin->CtrlList[size_t(skin->GetControlIndex("scrollbox"))]);
    struct Case {
        const char* Name;
        TbsSkinData* Skin;
        TbsSkinBorderStyle Border;
        int Background;
        TRect Client; // in window coordinates
        win::LRESULT FramePaint;
    };
    const int right = record.SkinRect.Width() - record.ClRect.Right;
    const int bottom = record.SkinRect.Height() - record.ClRect.Bottom;
    const TRect skinned(record.ClRect.Left, record.ClRect.Top, 200 - right, 200 - bottom);
    const Case cases[] = {
        { "plain frame", nullptr, bvFrame, -1, { 1, 1, 199, 199 }, win::SKIN_FRAME_PAINTED },
        { "no frame", nullptr, bvNone, -1, { 0, 0, 200, 200 }, 0 },
        { "skinned", skin.get(), bvFrame, -1, skinned, win::SKIN_FRAME_PAINTED },
        { "skinned without frame", skin.get(), bvNone, -1, { 0, 0, 200, 200 }, 0 },
        { "skinned background picture", skin.get(), bvFrame, 0, { 0, 0, 200, 200 }, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        record.BGPictureIndex = c.Background;
        FBox->SetBorderStyle(c.Border);
        FBox->SetSkinData(c.Skin);
        FBox->SetBounds(10, 10, 200, 200);
        const TPoint origin = FBox->ClientToScreen(TPoint(0, 0));
        win::RECT window;
        win::GetWindowRect(FBox->Handle(), &window);
        EXPECT_EQ(TRect(origin.X - window.left, origin.Y - window.top,
                        origin.X - window.left + FBox->ClientWidth(),
                        origin.Y - window.top + FBox->ClientHeight()),
                  c.Client);
        TBitmap target(200, 200);
        const auto dc = win::WPARAM(target.Canvas().Handle());
        EXPECT_EQ(win::SendMessage(FBox->Handle(), win::WM_SKINFRAMEPAINT, dc, 0), c.FramePaint);
        EXPECT_EQ(win::SendMessage(FBox->Handle(), win::WM_SKINFRAMEPAINT, 0, 0), 0)
            << "no DC, no paint";
        EXPECT_EQ(
            win::SendMessage(FBox->Handle(), win::WM_SKINFRAMEPAINTEX, dc, win::SKIN_PAINT_KEY),
            win::SKIN_PAINT_KEY);
        EXPECT_EQ(win::SendMessage(FBox->Handle(), win::WM_SKINFRAMEPAINTEX, dc, 1), 0)
            << "a wrong key goes to the default handling";
        FBox->SetSkinData(nullptr);
    }
}

TEST_F(SkinScrollBox, FrameAndClientComeFromTheRecord) {
    const auto skin = LoadProgramSkin("main");
    const auto& record = *skin->CtrlList[size_t(skin->GetControlIndex("scrollbox"))];
    const TBitmap& picture = *skin->FActivePictures[size_t(record.PictureIndex)];
    FBox->SetBorderStyle(bvFrame);
    FBox->SetSkinData(skin.get());
    FChild->Hide();
    Pump();
    const gfx::Surface screen = FDisplay->ComposeScreen();
    win::RECT window;
    win::GetWindowRect(FBox->Handle(), &window);
    const auto at = [&](int x, int y) { return RgbAt(screen, window.left + x, window.top + y); };
    const TRect& f = record.SkinRect;
    EXPECT_EQ(at(0, 0), RgbAt(picture, f.Left, f.Top));
    EXPECT_EQ(at(199, 199), RgbAt(picture, f.Right - 1, f.Bottom - 1));
    EXPECT_EQ(at(100, 100), RgbAt(picture, f.Left + f.Width() / 2, f.Top + f.Height() / 2))
        << "the client part fills the middle";
}

TEST_F(SkinScrollBox, FrameStaysAroundChildrenScrolledPastTheClientEdge) {
    FBox->SetBorderStyle(bvFrame);
    FChild->SetBounds(0, 0, 400, 500);
    FVBar->SetPosition(120);
    FHBar->SetPosition(60);
    Pump();
    const gfx::Surface screen = FDisplay->ComposeScreen();
    win::RECT window;
    win::GetWindowRect(FBox->Handle(), &window);
    const std::uint32_t shadow = 0x808080;
    for (const TPoint& p : { TPoint(100, 0), TPoint(0, 100), TPoint(199, 100), TPoint(100, 199) })
        EXPECT_EQ(RgbAt(screen, window.left + p.X, window.top + p.Y), shadow) << p.X << ", " << p.Y;
}

TEST_F(SkinScrollBox, EmptyClientPartsAndBackgroundsSkipTheFill) {
    // A record whose client part is empty, and a background picture that is empty: nothing to
    // tile with, and nothing may be divided by its size.
    auto skin = MakeTestSkin();
    const int picture = AddPicture(*skin, NumberedPicture(64, 64, 0x40));
    const int empty = AddPicture(*skin, std::make_unique<TBitmap>());
    TFaceGeometry face = NineSliceFace({ 0, 0, 32, 32 }, 4);
    face.ClRect = TRect(4, 4, 4, 4);
    auto& record = AddFaceRecord<TbsDataSkinScrollBoxControl>(*skin, "scrollbox", picture, face);
    for (const bool stretched : { false, true })
        for (const int background : { -1, empty, 7 }) {
            record.StretchEffect = stretched;
            record.BGPictureIndex = background;
            FBox->SetSkinData(skin.get());
            FBox->Repaint();
            PaintedPixels(*FBox);
            FBox->SetSkinData(nullptr);
        }
    SUCCEED();
}

} // namespace
