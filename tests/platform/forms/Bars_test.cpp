#include "ControlsFixture.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/TScrollBar.h"
#include "platform/forms/TTrackBar.h"
#include "platform/forms/TUpDown.h"
#include "platform/gfx/Surface.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/ScrollInfo.h"
#include "platform/win/Win.h"
#include <string>
#include <vector>

namespace formstest {
namespace {

using namespace win;

using Bars = ControlsTest;

TEST_F(Bars, ProgressStaysInItsRangeAndFillsToItsPosition) {
    auto* bar = Add<TProgressBar>(10, 10, 104, 16);
    struct Step {
        const char* what;
        std::function<void()> apply;
        int position;
    };
    const Step steps[] = {
        { "step", [&] { bar->StepIt(); }, 10 },
        { "step by", [&] { bar->StepBy(85); }, 95 },
        { "past the end it starts again", [&] { bar->StepIt(); }, 4 },
        { "position above max", [&] { bar->SetPosition(500); }, 100 },
        { "min above position", [&] { bar->SetMin(120); }, 120 },
        { "params", [&] { bar->SetParams(-5, 0, 50); }, 0 },
    };
    for (const Step& s : steps) {
        s.apply();
        EXPECT_EQ(bar->Position(), s.position) << s.what;
    }
    bar->SetPosition(25);
    EXPECT_EQ(bar->BarRect().Width(), 50) << "half the inner width at half the range";
    bar->SetOrientation(pbVertical);
    EXPECT_EQ(bar->BarRect().Bottom, 14) << "a vertical bar fills from the bottom";
}

TEST_F(Bars, TrackBarFollowsKeysClicksAndDrags) {
    auto* track = Add<TTrackBar>(10, 10, 200, 45);
    track->SetMax(20);
    std::vector<int> changes;
    track->OnChange = [&](TObject*) { changes.push_back(track->Position()); };
    track->SetFocus();
    Pump();
    struct Press {
        UINT key;
        int position;
    };
    for (const Press p : { Press{ VK_RIGHT, 1 }, Press{ VK_NEXT, 3 }, Press{ VK_END, 20 },
                           Press{ VK_DOWN, 20 }, Press{ VK_LEFT, 19 }, Press{ VK_HOME, 0 } }) {
        Key(p.key);
        EXPECT_EQ(track->Position(), p.position) << p.key;
    }
    EXPECT_EQ(changes, (std::vector<int>{ 1, 3, 20, 19, 0 })) << "no change, no event";

    const TRect channel = track->ChannelRect();
    ClickAt(track, channel.Right - 2, channel.Top + 1);
    EXPECT_EQ(track->Position(), 2) << "a click beside the thumb pages towards it";

    const TRect thumb = track->ThumbRect();
    const TPoint from =
        track->ClientToScreen(TPoint((thumb.Left + thumb.Right) / 2, thumb.Top + 5));
    FDisplay->MoveMouse(from.X, from.Y);
    FDisplay->PressButton();
    Pump();
    FDisplay->MoveMouse(from.X + 2000, from.Y);
    Pump();
    EXPECT_EQ(track->Position(), 20) << "the thumb follows the pointer to the end";
    const TPoint middle = track->ClientToScreen(TPoint(100, thumb.Top + 5));
    FDisplay->MoveMouse(middle.X, middle.Y);
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(track->Position(), 10);
}

TEST_F(Bars, ScrollBarRequestsReachOnScrollAndPosition) {
    auto* bar = Add<TScrollBar>(10, 10, 200, 17);
    bar->SetParams(0, 0, 99);
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    std::vector<TScrollCode> codes;
    bar->OnScroll = [&](TObject*, TScrollCode code, int& pos) {
        codes.push_back(code);
        if (code == scLineDown) pos += 1; // a handler may adjust where the bar goes
    };
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    const int arrow = 17;
    ClickAt(bar, 200 - arrow / 2, 8);
    EXPECT_EQ(bar->Position(), 2);
    ClickAt(bar, 150, 8);
    EXPECT_EQ(bar->Position(), 12) << "a press in the channel pages";
    ClickAt(bar, arrow / 2, 8);
    EXPECT_EQ(bar->Position(), 11);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{ scLineDown, scEndScroll, scPageDown, scEndScroll,
                                                scLineUp, scEndScroll }));

    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(bar->Handle(), SB_CTL, &info));
    EXPECT_EQ(info.nMax, 99);
    EXPECT_EQ(info.nPage, 10u);
    EXPECT_EQ(info.nPos, 11);
    info.fMask = SIF_POS;
    info.nPos = 500;
    EXPECT_EQ(SetScrollInfo(bar->Handle(), SB_CTL, &info, TRUE), 90) << "a page short of the end";

    codes.clear();
    bar->SetPosition(0);
    const TPoint from = bar->ClientToScreen(TPoint(arrow + 4, 8));
    FDisplay->MoveMouse(from.X, from.Y);
    FDisplay->PressButton();
    Pump();
    FDisplay->MoveMouse(from.X + 400, from.Y);
    Pump();
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_EQ(bar->Position(), 90);
    EXPECT_EQ(codes, (std::vector<TScrollCode>{ scTrack, scPosition, scEndScroll }));
}

TEST_F(Bars, HeldArrowsRepeatAfterAPause) {
    auto* bar = Add<TScrollBar>(10, 10, 200, 17);
    auto* updown = Add<TUpDown>(10, 40, 17, 30);
    struct Held {
        TControl* control;
        TPoint at;
        std::function<int()> value;
    };
    const Held helds[] = { { bar, TPoint(195, 8), [&] { return bar->Position(); } },
                           { updown, TPoint(8, 3), [&] { return updown->Position(); } } };
    for (const Held& h : helds) {
        const TPoint p = h.control->ClientToScreen(h.at);
        FDisplay->MoveMouse(p.X, p.Y);
        FDisplay->PressButton();
        Pump();
        EXPECT_EQ(h.value(), 1) << h.control->ClassName();
        FDisplay->Time().Advance(399);
        Pump();
        EXPECT_EQ(h.value(), 1) << "a pause first";
        FDisplay->Time().Advance(1);
        Pump();
        EXPECT_EQ(h.value(), 2);
        for (int i = 0; i < 3; ++i) {
            FDisplay->Time().Advance(50);
            Pump();
        }
        EXPECT_EQ(h.value(), 5) << "then quickly";
        FDisplay->ReleaseButton();
        Pump();
        FDisplay->Time().Advance(500);
        Pump();
        EXPECT_EQ(h.value(), 5) << "until released";
    }
}

TEST_F(Bars, UpDownStepsItsAssociate) {
    auto* edit = Add<TEdit>(10, 10, 80, 21);
    auto* updown = Add<TUpDown>(0, 0, 17, 10);
    updown->SetMax(2000);
    updown->SetIncrement(250);
    updown->SetPosition(750);
    std::vector<TUDBtnType> clicks;
    updown->OnClick = [&](TObject*, TUDBtnType b) { clicks.push_back(b); };
    updown->SetAssociate(edit);
    EXPECT_EQ(updown->BoundsRect(), TRect(73, 10, 90, 31)) << "against the edit's right edge";
    EXPECT_EQ(edit->Width(), 63) << "the edit gives up the room";
    EXPECT_EQ(edit->Text(), "750");

    ClickAt(updown, 8, 3);
    EXPECT_EQ(edit->Text(), "1,000");
    ClickAt(updown, 8, 18);
    EXPECT_EQ(updown->Position(), 750);
    EXPECT_TRUE(edit->Focused()) << "a click leaves the keys with the associate";
    for (int i = 0; i < 6; ++i)
        Key(VK_UP);
    EXPECT_EQ(edit->Text(), "2,000") << "steps stop at Max";
    EXPECT_EQ(clicks.size(), 8u);

    edit->SetText("100");
    Key(VK_DOWN);
    EXPECT_EQ(updown->Position(), 0) << "the step starts from the typed number";
    updown->SetWrap(true);
    Key(VK_DOWN);
    EXPECT_EQ(updown->Position(), 2000) << "wrapping goes round";
    bool allow = false;
    updown->OnChanging = [&](TObject*, bool& a) { a = allow; };
    Key(VK_UP);
    EXPECT_EQ(updown->Position(), 2000) << "OnChanging may refuse";

    delete edit;
    ClickAt(updown, 8, 3);
    EXPECT_EQ(updown->Associate(), nullptr) << "a freed associate is let go";
}

TEST_F(Bars, ImagePlacesItsPicture) {
    auto* image = Add<TImage>(20, 20, 100, 60);
    TBitmap& bitmap = image->Picture().Bitmap();
    bitmap.SetSize(40, 20);
    bitmap.Canvas().Brush().SetColor(clRed);
    bitmap.Canvas().FillRect(TRect(0, 0, 40, 20));
    struct Case {
        bool stretch, center, proportional;
        TRect dest;
    };
    const Case cases[] = {
        { false, false, false, TRect(0, 0, 40, 20) }, { false, true, false, TRect(30, 20, 70, 40) },
        { true, false, false, TRect(0, 0, 100, 60) }, { true, false, true, TRect(0, 0, 100, 50) },
        { true, true, true, TRect(0, 5, 100, 55) },
    };
    for (const Case& c : cases) {
        image->SetStretch(c.stretch);
        image->SetCenter(c.center);
        image->SetProportional(c.proportional);
        EXPECT_EQ(image->DestRect(), c.dest) << c.stretch << c.center << c.proportional;
    }
    FForm->Repaint();
    Pump();
    const gfx::Surface screen = FDisplay->ComposeScreen();
    const TPoint inside = image->ClientToScreen(TPoint(50, 30));
    const TPoint above = image->ClientToScreen(TPoint(50, 2));
    EXPECT_EQ(gfx::PixelR(screen.At(inside.X, inside.Y)), 255);
    EXPECT_EQ(gfx::PixelG(screen.At(inside.X, inside.Y)), 0);
    EXPECT_NE(gfx::PixelG(screen.At(above.X, above.Y)), 0) << "the parent shows beside it";

    image->SetAutoSize(true);
    bitmap.SetSize(30, 30);
    EXPECT_EQ(image->Width(), 30);
    EXPECT_EQ(image->Height(), 30);
}

} // namespace
} // namespace formstest
