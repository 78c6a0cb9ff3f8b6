// The skinned scroll bar: the clamp of its range setters, the thumb's geometry, the events of
// pointer, keys and wheel, the repeat of held arrows and pages on the fake clock, and its looks.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/bsSkinListRecords.h"

#include "platform/win/Input.h"
#include "platform/win/Messages.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// A bar's range as one value, for tables.
struct TRange {
    int Min, Max, Position, PageSize;
    bool operator==(const TRange&) const = default;
};

TRange RangeOf(const TbsSkinScrollBar& bar) {
    return { bar.Min(), bar.Max(), bar.Position(), bar.PageSize() };
}

void PrintTo(const TRange& r, std::ostream* os) {
    *os << "min " << r.Min << " max " << r.Max << " pos " << r.Position << " page " << r.PageSize;
}

class SkinScrollBar : public PointerTest {
protected:
    // A plain bar of that size with the range set (no event).
    TbsSkinScrollBar* AddBar(TScrollBarKind kind, int width, int height, const TRange& range) {
        auto* bar = new TbsSkinScrollBar(FForm);
        bar->SetKind(kind);
        bar->SetParent(FForm);
        bar->SetBounds(20, 20, width, height);
        bar->SetRange(range.Min, range.Max, range.Position, range.PageSize);
        Pump();
        return bar;
    }
    // OnChange and the other events, in order, with the position each saw.
    void Record(TbsSkinScrollBar* bar) {
        bar->OnChange = [this, bar](TObject*) { FEvents.push_back("change " + Pos(bar)); };
        bar->OnPageUp = [this, bar](TObject*) { FEvents.push_back("pageup " + Pos(bar)); };
        bar->OnPageDown = [this, bar](TObject*) { FEvents.push_back("pagedown " + Pos(bar)); };
        bar->OnLastChange = [this, bar](TObject*) { FEvents.push_back("last " + Pos(bar)); };
    }
    static std::string Pos(TbsSkinScrollBar* bar) { return std::to_string(bar->Position()); }

    std::vector<std::string> FEvents;
};

using Strings = std::vector<std::string>;

TEST_F(SkinScrollBar, EverySetterClampsAsTheBarDoes) {
    enum TSetter { Position, Simply, Max, Min, Page };
    struct Case {
        const char* Name;
        TRange Before;
        TSetter Setter;
        int Value;
        TRange After;
        bool Fires;
    };
    const Case cases[] = {
        { "position inside", { 0, 100, 0, 0 }, Position, 40, { 0, 100, 40, 0 }, true },
        { "position above max", { 0, 100, 0, 0 }, Position, 140, { 0, 100, 100, 0 }, true },
        { "position below min", { 10, 100, 50, 0 }, Position, 3, { 10, 100, 10, 0 }, true },
        { "position unchanged", { 0, 100, 40, 0 }, Position, 40, { 0, 100, 40, 0 }, false },
        { "position clamped to itself",
          { 0, 100, 100, 0 },
          Position,
          120,
          { 0, 100, 100, 0 },
          false },
        { "position stops a page short", { 0, 99, 0, 20 }, Position, 95, { 0, 99, 80, 20 }, true },
        { "position with min 10 and a page",
          { 10, 99, 10, 20 },
          Position,
          95,
          { 10, 99, 80, 20 },
          true },
        { "simply: clamped, silent", { 0, 99, 0, 20 }, Simply, 95, { 0, 99, 80, 20 }, false },
        { "max lowered under position", { 0, 100, 90, 0 }, Max, 50, { 0, 50, 50, 0 }, false },
        { "max raised", { 0, 100, 90, 0 }, Max, 200, { 0, 200, 90, 0 }, false },
        // With a page the Max setter counts from Min: 60 - 10 - 10 + 1 = 41, not 60 - 10 + 1.
        { "max lowered, min 10, page", { 10, 100, 91, 10 }, Max, 60, { 10, 60, 41, 10 }, false },
        { "max lowered, min 0, page", { 0, 100, 91, 10 }, Max, 60, { 0, 60, 51, 10 }, false },
        { "max lowered, min 40, page: not below min",
          { 40, 100, 91, 10 },
          Max,
          60,
          { 40, 60, 40, 10 },
          false },
        { "max lowered, negative min keeps the position",
          { -50, 100, 91, 10 },
          Max,
          60,
          { -50, 60, 91, 10 },
          false },
        { "min raised over position", { 0, 100, 5, 0 }, Min, 20, { 20, 100, 20, 0 }, false },
        { "min lowered", { 10, 100, 50, 0 }, Min, 0, { 0, 100, 50, 0 }, false },
        { "page that fits", { 0, 99, 50, 0 }, Page, 20, { 0, 99, 50, 20 }, false },
        { "page past the end refused", { 0, 99, 90, 0 }, Page, 20, { 0, 99, 90, 0 }, false },
        // Counted from Min: 85 + 20 <= 100 - 10 + 1 fails although 85 + 20 - 1 <= 100.
        { "page with min 10 refused", { 10, 100, 85, 0 }, Page, 20, { 10, 100, 85, 0 }, false },
        { "page with min 10 taken", { 10, 100, 70, 0 }, Page, 20, { 10, 100, 70, 20 }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TbsSkinScrollBar bar(nullptr);
        bar.SetRange(c.Before.Min, c.Before.Max, c.Before.Position, c.Before.PageSize);
        int changes = 0;
        bar.OnChange = [&](TObject*) { ++changes; };
        switch (c.Setter) {
        case Position:
            bar.SetPosition(c.Value);
            break;
        case Simply:
            bar.SimplySetPosition(c.Value);
            break;
        case Max:
            bar.SetMax(c.Value);
            break;
        case Min:
            bar.SetMin(c.Value);
            break;
        case Page:
            bar.SetPageSize(c.Value);
            break;
        }
        EXPECT_EQ(RangeOf(bar), c.After);
        EXPECT_EQ(changes, c.Fires ? 1 : 0);
    }
}

TEST_F(SkinScrollBar, SetRangeClampsThePositionAndFiresNothing) {
    struct Case {
        TRange Given;
        TRange Kept;
    };
    const Case cases[] = {
        { { 0, 100, 50, 0 }, { 0, 100, 50, 0 } },
        { { 0, 100, 150, 0 }, { 0, 100, 100, 0 } },
        { { 10, 100, 0, 0 }, { 10, 100, 10, 0 } },
        { { 0, 99, 95, 20 }, { 0, 99, 80, 20 } },
        // A page over the whole range leaves nothing to scroll: the position stays at Min
        // instead of Max - PageSize + 1 = -9, below the range.
        { { 0, 10, 5, 20 }, { 0, 10, 0, 20 } },
        { { 0, 0, 0, 0 }, { 0, 0, 0, 0 } },
    };
    for (const Case& c : cases) {
        TbsSkinScrollBar bar(nullptr);
        bar.SetPosition(30);
        int changes = 0;
        bar.OnChange = [&](TObject*) { ++changes; };
        bar.SetRange(c.Given.Min, c.Given.Max, c.Given.Position, c.Given.PageSize);
        EXPECT_EQ(RangeOf(bar), c.Kept);
        bar.SimplySetPosition(c.Given.Position - 1);
        EXPECT_EQ(changes, 0);
    }
}

TEST_F(SkinScrollBar, ThumbLengthAndPlaceFollowPageAndPosition) {
    // The plain bar 200 long: arrows of 16 at both ends, the track from 17 to 183 (166 long).
    struct Case {
        const char* Name;
        TRange Range;
        int From, To;   // the thumb along a horizontal bar
        int VFrom, VTo; // along a vertical bar, where they differ
    };
    const Case cases[] = {
        { "no page, at min", { 0, 100, 0, 0 }, 17, 33, 17, 33 },
        { "no page, halfway", { 0, 100, 50, 0 }, 92, 108, 92, 108 },
        { "no page, at max", { 0, 100, 100, 0 }, 167, 183, 167, 183 },
        { "max = min", { 5, 5, 5, 0 }, 17, 33, 17, 33 },
        // 166 * 20 / 100 = 33.2 long, halves of 16 either side of the centre.
        { "page of a fifth, halfway", { 0, 99, 40, 20 }, 84, 116, 84, 116 },
        { "page too small for a thumb", { 0, 999, 0, 1 }, 17, 33, 17, 33 },
        { "page as long as the range", { 0, 9, 0, 10 }, 17, 183, 17, 183 },
        // Nothing to scroll: a horizontal bar lays the thumb to the end, a vertical one to the
        // start; either way it is longer than the track.
        { "page longer than the range", { 0, 9, 0, 20 }, -149, 183, 17, 349 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* across = AddBar(sbHorizontal, 200, 17, c.Range);
        auto* down = AddBar(sbVertical, 17, 200, c.Range);
        across->Repaint();
        down->Repaint();
        EXPECT_EQ(across->Buttons[TbsSkinScrollBar::kThumb].R, TRect(c.From, 1, c.To, 16));
        EXPECT_EQ(down->Buttons[TbsSkinScrollBar::kThumb].R, TRect(1, c.VFrom, 16, c.VTo));
        delete across;
        delete down;
    }
}

TEST_F(SkinScrollBar, DraggingTheThumbMapsThePointerOffsetIntoTheRange) {
    struct Case {
        const char* Name;
        TScrollBarKind Kind;
        TRange Range;
        int Move; // pointer travel along the bar
        int Expected;
    };
    // Without a page the thumb centre runs 150 pixels from 25 to 175 for 0..100; with a page of
    // 20 in 0..99 it runs 134 pixels for the positions 0..80.
    const Case cases[] = {
        { "forward", sbHorizontal, { 0, 100, 0, 0 }, 75, 50 },
        { "backward", sbHorizontal, { 0, 100, 60, 0 }, -30, 40 },
        { "past the end", sbHorizontal, { 0, 100, 50, 0 }, 400, 100 },
        { "before the start", sbVertical, { 0, 100, 50, 0 }, -400, 0 },
        { "with a page", sbHorizontal, { 0, 99, 0, 20 }, 67, 40 },
        { "vertical with a page", sbVertical, { 0, 99, 80, 20 }, -134, 0 },
        { "min not 0", sbVertical, { 100, 200, 100, 0 }, 30, 120 },
        { "max = min", sbHorizontal, { 7, 7, 7, 0 }, 50, 7 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const bool vertical = c.Kind == sbVertical;
        auto* bar = AddBar(c.Kind, vertical ? 17 : 200, vertical ? 200 : 17, c.Range);
        FEvents.clear();
        Record(bar);
        bar->Repaint();
        const TRect thumb = bar->Buttons[TbsSkinScrollBar::kThumb].R;
        const TPoint grip((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
        MoveTo(bar, grip);
        Press();
        MoveTo(bar, vertical ? grip.X : grip.X + c.Move, vertical ? grip.Y + c.Move : grip.Y);
        EXPECT_EQ(bar->Position(), c.Expected);
        Release();
        ASSERT_FALSE(FEvents.empty());
        EXPECT_EQ(FEvents.back(), "last " + std::to_string(c.Expected));
        delete bar;
    }
}

TEST_F(SkinScrollBar, ReleasingTheThumbFiresLastChangeEvenWhenItDidNotMove) {
    auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, 50, 0 });
    Record(bar);
    MoveTo(bar, 100, 8);
    Press();
    Release();
    EXPECT_EQ(FEvents, Strings{ "last 50" });
    FEvents.clear();
    // A click beside the thumb pages and is no thumb release.
    MoveTo(bar, 150, 8);
    Press();
    Release();
    EXPECT_EQ(FEvents, (Strings{ "change 51", "pagedown 51" }));
}

TEST_F(SkinScrollBar, HeldTrackPagesAtOnceThenAfter550MsEvery50UntilTheThumbPassesThePointer) {
    struct Case {
        const char* Name;
        int StartPosition;
        int PointerX;
        std::vector<int> ChangeTimes; // ms after the press
        int Final;
    };
    // LargeChange 10 on 0..100; the thumb's right edge lies at 33 + 1.5 * position, its left
    // at 17 + 1.5 * position.
    const Case cases[] = {
        { "page down to x 150", 0, 150, { 0, 550, 600, 650, 700, 750, 800, 850 }, 80 },
        { "page up to x 60", 100, 60, { 0, 550, 600, 650, 700, 750, 800, 850 }, 20 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, c.StartPosition, 0 });
        bar->SetLargeChange(10);
        std::vector<int> times;
        int pages = 0;
        std::uint64_t pressed = 0;
        bar->OnChange = [&](TObject*) { times.push_back(int(Now() - pressed)); };
        bar->OnPageUp = bar->OnPageDown = [&](TObject*) { ++pages; };
        MoveTo(bar, c.PointerX, 8);
        pressed = Now();
        Press();
        Wait(1500);
        EXPECT_EQ(times, c.ChangeTimes);
        EXPECT_EQ(pages, int(c.ChangeTimes.size()));
        EXPECT_EQ(bar->Position(), c.Final);
        Release();
        delete bar;
    }
}

TEST_F(SkinScrollBar, PointerLeavingTheBarEndsAHeldPageDownButNotAPageUp) {
    struct Case {
        const char* Name;
        int StartPosition;
        int PointerX;
        int AfterLeaving; // the position 100 ms after the pointer left below the bar
    };
    const Case cases[] = {
        { "page down", 0, 150, 20 },
        { "page up", 100, 60, 60 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, c.StartPosition, 0 });
        bar->SetLargeChange(10);
        MoveTo(bar, c.PointerX, 8);
        Press();
        Wait(560); // the press and the first repeat
        MoveTo(bar, c.PointerX, 60);
        Wait(100);
        EXPECT_EQ(bar->Position(), c.AfterLeaving);
        Release();
        delete bar;
    }
}

TEST_F(SkinScrollBar, HeldArrowRepeatsItsStepOrItsClickEvent) {
    auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, 50, 0 });
    const TPoint upArrow(190, 8);
    const TPoint downArrow(8, 8);
    std::uint64_t pressed = 0;
    std::vector<int> times;
    bar->OnChange = [&](TObject*) { times.push_back(int(Now() - pressed)); };

    MoveTo(bar, upArrow);
    pressed = Now();
    Press();
    Wait(700);
    Release();
    EXPECT_EQ(times, (std::vector<int>{ 0, 550, 600, 650, 700 }));
    EXPECT_EQ(bar->Position(), 55);

    // With the click event assigned the arrow only fires it, at the same times.
    times.clear();
    std::vector<int> clicks;
    bar->OnDownButtonClick = [&](TObject*) { clicks.push_back(int(Now() - pressed)); };
    MoveTo(bar, downArrow);
    pressed = Now();
    Press();
    Wait(650);
    Release();
    EXPECT_EQ(clicks, (std::vector<int>{ 0, 550, 600, 650 }));
    EXPECT_TRUE(times.empty());
    EXPECT_EQ(bar->Position(), 55);
}

TEST_F(SkinScrollBar, HeldArrowPausesWhileThePointerIsOffIt) {
    auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, 50, 0 });
    MoveTo(bar, 190, 8);
    Press();
    Wait(600);
    EXPECT_EQ(bar->Position(), 53);
    MoveTo(bar, 100, 8);
    Wait(500);
    EXPECT_EQ(bar->Position(), 53) << "paused off the arrow";
    MoveTo(bar, 190, 8);
    Wait(50);
    EXPECT_EQ(bar->Position(), 54) << "resumed 50 ms after coming back";
    MoveTo(bar, 190, 60);
    Wait(500);
    EXPECT_EQ(bar->Position(), 54) << "paused off the bar";
    MoveTo(bar, 190, 8);
    Wait(100);
    EXPECT_EQ(bar->Position(), 56);
    Release();
    Wait(500);
    EXPECT_EQ(bar->Position(), 56);
}

TEST_F(SkinScrollBar, KeysAndWheelStepOnlyABarThatTakesTheFocus) {
    auto* bar = AddBar(sbVertical, 17, 200, { 0, 100, 50, 0 });
    bar->SetSmallChange(5);
    struct Step {
        std::function<void()> Act;
        int Delta;
    };
    const Step steps[] = {
        { [&] { Key(win::VK_DOWN); }, 5 },  { [&] { Key(win::VK_RIGHT); }, 5 },
        { [&] { Key(win::VK_UP); }, -5 },   { [&] { Key(win::VK_LEFT); }, -5 },
        { [&] { WheelOver(bar, -3); }, 5 }, { [&] { WheelOver(bar, 1); }, -5 },
    };
    for (const bool canFocus : { false, true }) {
        bar->SetCanFocused(canFocus);
        EXPECT_EQ(bar->TabStop(), canFocus);
        ClickAt(bar, 8, 100);
        EXPECT_EQ(bar->Focused(), canFocus);
        if (!canFocus) bar->SetFocus(); // focused, but still deaf to keys and the wheel
        for (const Step& s : steps) {
            const int before = bar->Position();
            s.Act();
            EXPECT_EQ(bar->Position(), before + (canFocus ? s.Delta : 0)) << canFocus;
        }
    }
}

TEST_F(SkinScrollBar, BothLeavesTheCornerAndSwitchesTheRecord) {
    const auto skin = LoadProgramSkin("main");
    auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, 100, 0 });
    bar->SetBoth(true);
    bar->Repaint();
    EXPECT_EQ(bar->Buttons[TbsSkinScrollBar::kUpButton].R, TRect(164, 1, 180, 16))
        << "the plain look keeps BothMarkerWidth free at the right";
    bar->SetSkinData(skin.get());
    EXPECT_EQ(bar->SkinDataName(), "bothhscrollbar");
    EXPECT_EQ(bar->FIndex, skin->GetControlIndex("bothhscrollbar"));
    bar->SetBoth(false);
    EXPECT_EQ(bar->SkinDataName(), "hscrollbar");
    EXPECT_EQ(bar->FIndex, skin->GetControlIndex("hscrollbar"));
}

TEST_F(SkinScrollBar, SkinnedBarPlacesItsPartsFromTheRecord) {
    const auto skin = LoadProgramSkin("main");
    const auto& record = dynamic_cast<const TbsDataSkinScrollBarControl&>(
        *skin->CtrlList[size_t(skin->GetControlIndex("hscrollbar"))]);
    auto* bar = AddBar(sbHorizontal, 300, 30, { 0, 100, 0, 0 });
    bar->SetSkinData(skin.get());
    EXPECT_EQ(TSize(bar->Width(), bar->Height()), TSize(300, record.SkinRect.Height()))
        << "a bar grows along its length only";
    bar->Repaint();
    const int dW = 300 - record.SkinRect.Width();
    EXPECT_EQ(bar->NewTrackArea.Right, record.TrackArea.Right + dW);
    EXPECT_EQ(bar->Buttons[TbsSkinScrollBar::kUpButton].R.Right, 300) << "up is the right end";
    EXPECT_EQ(bar->Buttons[TbsSkinScrollBar::kDownButton].R.Left, 0);

    // The thumb's corners come from the record's thumb rectangle, its hot and pressed faces
    // from theirs.
    const gfx::Surface pixels = PaintedPixels(*bar);
    const TRect thumb = bar->Buttons[TbsSkinScrollBar::kThumb].R;
    const TBitmap& picture = *skin->FActivePictures[size_t(record.PictureIndex)];
    EXPECT_EQ(RgbAt(pixels, thumb.Left, thumb.Top),
              RgbAt(picture, record.ThumbRect.Left, record.ThumbRect.Top));
    EXPECT_EQ(RgbAt(pixels, thumb.Right - 1, thumb.Bottom - 1),
              RgbAt(picture, record.ThumbRect.Right - 1, record.ThumbRect.Bottom - 1));
    const TPoint middle((thumb.Left + thumb.Right) / 2, thumb.Top + thumb.Height() / 2);
    const std::uint32_t normal = RgbAt(pixels, middle.X, middle.Y);
    MoveTo(bar, middle);
    const std::uint32_t hot = RgbAt(PaintedPixels(*bar), middle.X, middle.Y);
    Press();
    const std::uint32_t pressed = RgbAt(PaintedPixels(*bar), middle.X, middle.Y);
    Release();
    const TRect& a = record.ActiveThumbRect;
    const TRect& d = record.DownThumbRect;
    EXPECT_EQ(hot, RgbAt(picture, (a.Left + a.Right) / 2, a.Top + a.Height() / 2));
    EXPECT_EQ(pressed, RgbAt(picture, (d.Left + d.Right) / 2, d.Top + d.Height() / 2));
    EXPECT_NE(hot, normal);
    EXPECT_NE(pressed, hot);
}

TEST_F(SkinScrollBar, DisabledBarDrawsItsArrowsAndNoThumb) {
    const auto skin = LoadProgramSkin("main");
    for (TbsSkinData* used : { skin.get(), static_cast<TbsSkinData*>(nullptr) }) {
        SCOPED_TRACE(used ? "skinned" : "plain");
        auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, 50, 0 });
        bar->SetSkinData(used);
        const gfx::Surface enabled = PaintedPixels(*bar);
        bar->SetEnabled(false);
        const gfx::Surface disabled = PaintedPixels(*bar);
        const TRect thumb = bar->Buttons[TbsSkinScrollBar::kThumb].R;
        // The track's colour where the thumb was, the same arrows as before.
        const std::uint32_t track = RgbAt(disabled, 50, 8);
        int thumbPixels = 0;
        for (int x = thumb.Left; x < thumb.Right; ++x) {
            EXPECT_EQ(RgbAt(disabled, x, 8), track) << x;
            thumbPixels += RgbAt(enabled, x, 8) != track;
        }
        EXPECT_GT(thumbPixels, 0) << "an enabled bar shows its thumb there";
        for (const int x : { 4, 8, 12, 188, 192, 196 })
            for (int y = 0; y < 17; ++y)
                EXPECT_EQ(RgbAt(disabled, x, y), RgbAt(enabled, x, y)) << x << ", " << y;
        delete bar;
    }
}

// Counts the pictures of the bar it builds.
class TCountingBar : public TbsSkinScrollBar {
public:
    using TbsSkinScrollBar::TbsSkinScrollBar;
    int FImages{ 0 };

protected:
    void CreateControlDefaultImage(TBitmap& B) override {
        ++FImages;
        TbsSkinScrollBar::CreateControlDefaultImage(B);
    }
};

TEST_F(SkinScrollBar, EraseIntoAnotherDcPaintsTheBarButNotTheEraseOfItsOwnPaint) {
    auto* bar = Add<TCountingBar>(20, 20, 200, 17);
    bar->SetPosition(50);
    Pump();
    bar->FImages = 0;
    bar->Repaint();
    EXPECT_EQ(bar->FImages, 1) << "one picture per paint";

    TBitmap target(200, 17);
    target.Canvas().Brush().SetColor(clRed);
    target.Canvas().FillRect(TRect(0, 0, 200, 17));
    bar->Perform(win::WM_ERASEBKGND, win::WPARAM(target.Canvas().Handle()), 0);
    EXPECT_EQ(bar->FImages, 2);
    EXPECT_EQ(RgbAt(target, 50, 8), PlainFace()) << "the track, drawn into the DC";
    EXPECT_EQ(RgbAt(target, 92, 8), 0x808080u) << "the thumb's edge";
}

TEST_F(SkinScrollBar, BarFreedByItsOwnChangeIsNotTouchedAgain) {
    // A bar linked to a view that closes from its OnChange: the step, the page event and the
    // repeat must not reach the freed bar.
    struct Case {
        const char* Name;
        TPoint At;
    };
    const Case cases[] = { { "arrow", { 190, 8 } },
                           { "track", { 150, 8 } },
                           { "thumb", { 25, 8 } } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* bar = AddBar(sbHorizontal, 200, 17, { 0, 100, 0, 0 });
        bool pageAfterFree = false;
        bar->OnChange = [bar](TObject*) { delete bar; };
        bar->OnPageDown = [&](TObject*) { pageAfterFree = true; };
        MoveTo(bar, c.At);
        Press();
        MoveTo(FForm, 390, 40); // drags a pressed thumb
        Wait(1000);
        Release();
        EXPECT_EQ(FForm->ControlCount(), 0);
        EXPECT_FALSE(pageAfterFree);
    }
}

} // namespace
