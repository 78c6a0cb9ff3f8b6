// The skinned slider: value and range rules, the value <-> offset mapping in both orientations
// with and without soSmooth, dragging, jump tracking on the fake clock, keys, the order of the
// events the preview relies on, its own pictures and its layout, and degenerate sizes and
// ranges that must neither divide by zero nor fault.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinSlider.h"
#include "lib/controls/bsSkinCtrlsClasses.h"
#include "lib/skindata/bsSkinPanelRecords.h"

#include "platform/forms/TFormReader.h"
#include "platform/win/Input.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// A slider 150 x 40 of its own pictures lays out like this: the ruler 138 long from 6, the
// thumb 9 wide (17 high), so its leading edge travels 129 pixels from 6 to 135. Turned
// vertical (40 x 150) the thumb is 9 high and its top runs from 135 (MinValue) up to 6.
class SkinSlider : public PointerTest {
protected:
    TbsSkinSlider* AddSlider(TbsSliderOrientation orientation = soHorizontal) {
        auto* slider = Add<TbsSkinSlider>(10, 10, 150, 40);
        slider->SetOrientation(orientation);
        Pump();
        return slider;
    }
    // Drags the thumb so that its leading edge is asked to go to `offset`.
    void DragThumbTo(TbsSkinSlider* slider, int offset) {
        const TRect thumb = slider->ThumbRect();
        const bool vertical = slider->Orientation() == soVertical;
        const TPoint grip(thumb.Left + 4, thumb.Top + 4);
        MoveTo(slider, grip);
        Press();
        MoveTo(slider, vertical ? grip.X : offset + 4, vertical ? offset + 4 : grip.Y);
    }
    static int Leading(const TbsSkinSlider* slider) {
        return slider->Orientation() == soVertical ? slider->ThumbRect().Top
                                                   : slider->ThumbRect().Left;
    }
};

TEST_F(SkinSlider, ValueIsClampedAndFiresOnlyOnAChange) {
    TbsSkinSlider slider(nullptr);
    int changes = 0;
    slider.OnChange = [&](TObject*) { ++changes; };
    slider.SetValue(150);
    EXPECT_EQ(slider.Value(), 100);
    slider.SetValue(100);
    slider.SetValue(130);
    EXPECT_EQ(changes, 1);
    slider.SetValue(-20);
    EXPECT_EQ(slider.Value(), 0);
    EXPECT_EQ(changes, 2);
}

TEST_F(SkinSlider, RangeRefusesAnEmptyRangeAndShrinksTheIncrementToIt) {
    TbsSkinSlider slider(nullptr);
    slider.SetValue(40);
    slider.SetMaxValue(0);
    EXPECT_EQ(slider.MaxValue(), 100) << "MaxValue := MinValue is ignored";
    slider.SetMinValue(200);
    EXPECT_EQ(slider.MinValue(), 0);
    slider.SetMaxValue(5);
    EXPECT_EQ(slider.MaxValue(), 5);
    EXPECT_EQ(slider.Increment(), 5) << "10 does not fit into 0..5";
    EXPECT_EQ(slider.Value(), 5) << "the value follows the range";
    slider.SetIncrement(0);
    slider.SetIncrement(-3);
    EXPECT_EQ(slider.Increment(), 5);
}

TEST_F(SkinSlider, DraggingMapsOffsetsToValuesInBothOrientations) {
    struct Case {
        TbsSliderOrientation Orientation;
        bool Smooth;
        int Offset; // where the pointer asks the thumb's leading edge to go
        int Value;  // the value that gives
        int Thumb;  // where the thumb's leading edge lands
    };
    const Case cases[] = {
        { soHorizontal, true, 25, 15, 25 },
        { soHorizontal, true, 70, 50, 70 },
        { soHorizontal, true, 200, 100, 135 },
        { soHorizontal, true, -40, 0, 6 },
        // Without soSmooth: 1.5 steps round to 2, 1.9 to 2, and the thumb snaps.
        { soHorizontal, false, 25, 20, 32 },
        { soHorizontal, false, 31, 20, 32 },
        { soHorizontal, false, 19, 10, 19 },
        { soVertical, true, 110, 19, 110 },
        { soVertical, true, 6, 100, 6 },
        { soVertical, true, 135, 0, 135 },
        { soVertical, false, 110, 20, 109 },
        { soVertical, false, -50, 100, 6 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.Orientation == soVertical ? "vertical" : "horizontal") +
                     (c.Smooth ? " smooth " : " snapping ") + std::to_string(c.Offset));
        auto* slider = AddSlider(c.Orientation);
        if (!c.Smooth) slider->SetOptions({ soShowFocus, soShowPoints });
        slider->SetValue(50);
        DragThumbTo(slider, c.Offset);
        EXPECT_EQ(slider->Value(), c.Value);
        EXPECT_EQ(Leading(slider), c.Thumb);
        Release();
        delete slider;
    }
}

TEST_F(SkinSlider, SnappingDrawsTheThumbOnTheGridButKeepsTheValue) {
    auto* slider = AddSlider();
    slider->SetOptions({});
    slider->SetValue(15);
    EXPECT_EQ(slider->Value(), 15);
    EXPECT_EQ(Leading(slider), 32) << "where 20 is";
    slider->SetIncrement(5);
    EXPECT_EQ(Leading(slider), 25) << "the grid of 5 has 15 on it";
}

TEST_F(SkinSlider, OrientationSwapsWidthAndHeightAndVerticalHasMaxAtTheTop) {
    auto* slider = AddSlider(soVertical);
    EXPECT_EQ(TSize(slider->Width(), slider->Height()), TSize(40, 150));
    slider->SetValue(100);
    EXPECT_EQ(Leading(slider), 6);
    slider->SetValue(0);
    EXPECT_EQ(Leading(slider), 135);
    slider->SetFocus();
    Key(win::VK_UP);
    EXPECT_EQ(slider->Value(), 10);
    Key(win::VK_DOWN);
    Key(win::VK_DOWN);
    EXPECT_EQ(slider->Value(), 0);
    // A press above the thumb goes up.
    ClickAt(slider, 20, 60);
    EXPECT_EQ(slider->Value(), 10);
}

TEST_F(SkinSlider, KeysJumpWithoutShiftCtrlOrAltAndEachJumpEndsWithChanged) {
    auto* slider = AddSlider();
    slider->SetValue(37);
    int changed = 0;
    slider->OnChanged = [&](TObject*) { ++changed; };
    slider->SetFocus();
    struct Case {
        win::UINT Key;
        std::initializer_list<win::UINT> Held;
        int Value;
    };
    // Jumps land on multiples of Increment counted from 0.
    const Case cases[] = {
        { win::VK_RIGHT, {}, 50 },
        { win::VK_LEFT, {}, 40 },
        { win::VK_RIGHT, { win::VK_SHIFT }, 40 },
        { win::VK_END, { win::VK_CONTROL }, 40 },
        { win::VK_LEFT, { win::VK_MENU }, 40 },
        { win::VK_END, {}, 100 },
        { win::VK_RIGHT, {}, 100 },
        { win::VK_HOME, {}, 0 },
        { win::VK_UP, {}, 0 },
    };
    int jumps = 0;
    for (const Case& c : cases) {
        Key(c.Key, c.Held);
        EXPECT_EQ(slider->Value(), c.Value) << c.Key;
        const bool jumped = c.Held.size() == 0 && c.Key != win::VK_UP;
        jumps += jumped;
        EXPECT_EQ(changed, jumps) << "OnChanged after every key jump, moved or not";
    }
}

TEST_F(SkinSlider, HeldRulerJumpsAtOnceThenEvery400MsUntilThePointerIsPassed) {
    auto* slider = AddSlider();
    std::uint64_t pressed = 0;
    Strings events;
    slider->OnChange = [&](TObject*) {
        events.push_back(std::to_string(slider->Value()) + " at " +
                         std::to_string(Now() - pressed));
    };
    slider->OnChanged = [&](TObject*) { events.push_back("changed"); };
    MoveTo(slider, 100, 14);
    pressed = Now();
    Press();
    Wait(3200, 50);
    // At 70 the thumb (96..105) covers the pointer: tracking waits, without turning back.
    EXPECT_EQ(events, (Strings{ "10 at 0", "20 at 400", "30 at 800", "40 at 1200", "50 at 1600",
                                "60 at 2000", "70 at 2400" }));
    events.clear();
    MoveTo(slider, 140, 14);
    Wait(400, 50);
    EXPECT_EQ(events, Strings{ "80 at 3600" }) << "the pointer beyond the thumb again";
    events.clear();
    Release();
    Wait(1000, 50);
    EXPECT_EQ(events, Strings{ "changed" });
}

TEST_F(SkinSlider, PressAndReleaseReachTheProgramAroundTheChange) {
    // The preview pauses on the press and seeks on the release to Value of MaxValue: the
    // press comes before any change, the release after the last one.
    auto* slider = AddSlider();
    slider->SetMaxValue(5000);
    Strings events;
    slider->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        events.push_back("down " + std::to_string(slider->Value()));
    };
    slider->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        events.push_back("up " + std::to_string(slider->Value()) + " of " +
                         std::to_string(slider->MaxValue()));
    };
    slider->OnChange = [&](TObject*) { events.push_back("change"); };
    slider->OnChanged = [&](TObject*) { events.push_back("changed"); };
    DragThumbTo(slider, 70);
    Release();
    EXPECT_EQ(events, (Strings{ "down 0", "change", "changed", "up 2481 of 5000" }));
}

TEST_F(SkinSlider, BuiltInPicturesHaveTheirSizesAndTransparentCorners) {
    TbsSkinSlider slider(nullptr);
    struct Case {
        TbsSliderImage Image;
        TSize Size;
    };
    const Case cases[] = { { siHThumb, { 18, 17 } },
                           { siHRuler, { 10, 8 } },
                           { siVThumb, { 38, 9 } },
                           { siVRuler, { 8, 10 } } };
    for (const Case& c : cases) {
        TBitmap& picture = slider.Image(c.Image);
        EXPECT_EQ(TSize(picture.Width(), picture.Height()), c.Size) << int(c.Image);
        EXPECT_EQ(RgbAt(picture, 0, picture.Height() - 1), PlainFace())
            << "the lower-left pixel is the colour left out";
    }
    // The two thumb states differ.
    const TBitmap& thumb = slider.Image(siHThumb);
    EXPECT_NE(RgbAt(thumb, 3, 5), RgbAt(thumb, 9 + 3, 5));
}

TEST_F(SkinSlider, RulerRepeatsItsMiddleAndEndsWithTheTail) {
    // A user ruler of 10 numbered columns, edges of 2: the first 8 columns, then the middle
    // (2..7) repeated, then the last columns as far as the length asks.
    auto* slider = AddSlider();
    // A thumb of one colour, all of it left out, so that the whole ruler shows.
    TBitmap thumb(18, 17);
    slider->SetImage(siHThumb, &thumb);
    TBitmap ruler(10, 8);
    for (int x = 0; x < 10; ++x) {
        ruler.Canvas().Brush().SetColor(TColor(0x100000 * (x + 1) + 0x40));
        ruler.Canvas().FillRect(TRect(x, 0, x + 1, 8));
    }
    slider->SetImage(siHRuler, &ruler);
    slider->SetOptions({ soRulerOpaque });
    slider->SetBounds(10, 10, 12 + 25, 40); // a ruler of 25: 8 + 6 + 6 + tail of 5
    const gfx::Surface pixels = PaintedPixels(*slider);
    const int columns[] = { 0, 1, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6,
                            7, 2, 3, 4, 5, 6, 7, 5, 6, 7, 8, 9 };
    const TRect r = slider->RulerRect();
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(RgbAt(pixels, r.Left + i, r.Top + 4), RgbAt(ruler, columns[i], 0)) << i;
}

TEST_F(SkinSlider, PaintShowsTicksTheFocusRectangleAndTheParentsBackground) {
    // The ticks hang from y 24 (below the 17-high thumb at 6) under the thumb's centre: value v
    // at 6 + round(129 * v / 100) + 4. The end ticks are 5 long, the others 3.
    constexpr std::uint32_t kBlack = 0x000000;
    auto* slider = AddSlider();
    const auto tickAt = [](const gfx::Surface& pixels, int x, int length) {
        for (int y = 24; y < 24 + length; ++y)
            if (RgbAt(pixels, x, y) != kBlack) return false;
        return RgbAt(pixels, x, 24 + length) != kBlack && RgbAt(pixels, x - 1, 24) != kBlack;
    };
    gfx::Surface pixels = PaintedPixels(*slider);
    EXPECT_TRUE(tickAt(pixels, 10, 5)) << "MinValue";
    EXPECT_TRUE(tickAt(pixels, 23, 3)) << "10";
    EXPECT_TRUE(tickAt(pixels, 74, 3)) << "50";
    EXPECT_TRUE(tickAt(pixels, 139, 5)) << "MaxValue";

    // A handler takes the place of the ticks: one every 50, all 2 long.
    slider->OnDrawPoints = [slider](TObject*) { slider->DefaultDrawPoints(50, 2, 2); };
    pixels = PaintedPixels(*slider);
    EXPECT_TRUE(tickAt(pixels, 10, 2));
    EXPECT_TRUE(tickAt(pixels, 74, 2));
    EXPECT_NE(RgbAt(pixels, 23, 24), kBlack);
    slider->SetOptions({ soShowFocus, soSmooth });
    EXPECT_NE(RgbAt(PaintedPixels(*slider), 10, 24), kBlack) << "no ticks without soShowPoints";

    // The dotted focus rectangle 2 inside the edges, only with the focus and soShowFocus.
    const auto focusDots = [slider] {
        const gfx::Surface p = PaintedPixels(*slider);
        int dots = 0;
        for (int x = 2; x < 148; ++x)
            dots += RgbAt(p, x, 2) == kBlack;
        return dots;
    };
    EXPECT_EQ(focusDots(), 0);
    slider->SetFocus();
    Pump();
    EXPECT_GT(focusDots(), 60);
    slider->SetOptions({ soSmooth });
    EXPECT_EQ(focusDots(), 0);

    // A transparent slider shows the form's colour where it draws nothing of its own, not
    // its own colour.
    FForm->SetColor(TColor(0x3060C0));
    slider->SetColor(clWhite);
    Pump();
    const std::uint32_t formColour = RgbAt(PaintedPixels(*FForm), 2, 2);
    EXPECT_EQ(RgbAt(PaintedPixels(*slider), 145, 4), 0xFFFFFFu);
    slider->SetTransparent(true);
    EXPECT_EQ(RgbAt(PaintedPixels(*slider), 145, 4), formColour);
}

TEST_F(SkinSlider, SkinThumbTakesTheHalvesOfTheRecordsThumb) {
    const auto skin = LoadProgramSkin("main");
    const auto& record = dynamic_cast<const TbsDataSkinSlider&>(
        *skin->CtrlList[size_t(skin->GetControlIndex("slider"))]);
    auto* slider = AddSlider();
    slider->SetSkinData(skin.get());
    const TRect thumb = slider->ThumbRect();
    EXPECT_EQ(thumb.Width(), record.HThumbRect.Width() / 2);
    EXPECT_EQ(thumb.Height(), record.HThumbRect.Height());
    const TBitmap& picture = *skin->FActivePictures[size_t(record.PictureIndex)];
    const TPoint middle(thumb.Width() / 2, thumb.Height() / 2);
    const std::uint32_t normal =
        RgbAt(picture, record.HThumbRect.Left + middle.X, record.HThumbRect.Top + middle.Y);
    const std::uint32_t pressed = RgbAt(picture, record.HThumbRect.Left + thumb.Width() + middle.X,
                                        record.HThumbRect.Top + middle.Y);
    EXPECT_EQ(RgbAt(PaintedPixels(*slider), thumb.Left + middle.X, thumb.Top + middle.Y), normal);
    slider->SetEnabled(false);
    EXPECT_EQ(RgbAt(PaintedPixels(*slider), thumb.Left + middle.X, thumb.Top + middle.Y), pressed)
        << "a disabled thumb shows the second state";
}

TEST_F(SkinSlider, DegenerateRangeAndSizePaintAndTakeInputWithoutFault) {
    RegisterSkinCtrlsClasses();
    constexpr const char* kForm = R"(object SliderForm: TForm
  Width = 300
  Height = 200
  object Equal: TbsSkinSlider
    Left = 8
    Top = 8
    Width = 202
    Height = 26
    MinValue = 50
    MaxValue = 50
  end
  object Reversed: TbsSkinSlider
    Left = 8
    Top = 40
    MinValue = 80
    MaxValue = 20
  end
end
)";
    auto* form = new TForm(FForm);
    ReadFormDescription(form, kForm, "SliderForm.dfm");
    form->Show();
    Pump();
    std::vector<TbsSkinSlider*> sliders = {
        DescribedComponent<TbsSkinSlider>(form, "Equal"),
        DescribedComponent<TbsSkinSlider>(form, "Reversed"),
    };
    auto* tiny = new TbsSkinSlider(form);
    tiny->SetParent(form);
    tiny->SetBounds(8, 80, 5, 40);
    auto* flat = new TbsSkinSlider(form);
    flat->SetParent(form);
    flat->SetOrientation(soVertical);
    flat->SetBounds(100, 80, 40, 5);
    sliders.push_back(tiny);
    sliders.push_back(flat);
    Pump();
    for (TbsSkinSlider* slider : sliders) {
        SCOPED_TRACE(slider->Name());
        const int start = slider->MinValue();
        PaintedPixels(*slider);
        const TRect thumb = slider->ThumbRect();
        EXPECT_EQ(slider->Orientation() == soVertical ? thumb.Top : thumb.Left, 6)
            << "the thumb at the start";
        // A drag, a press on the ruler held for a while, keys.
        MoveTo(slider, thumb.Left + 1, thumb.Top + 1);
        Press();
        MoveTo(slider, thumb.Left + 60, thumb.Top + 60);
        Release();
        MoveTo(slider, 1, 1);
        Press();
        Wait(900);
        Release();
        slider->SetFocus();
        Key(win::VK_RIGHT);
        Key(win::VK_END);
        PaintedPixels(*slider);
        const TRect after = slider->ThumbRect();
        EXPECT_EQ(slider->Orientation() == soVertical ? after.Top : after.Left, 6)
            << "no room to move: the thumb stays at the start";
        if (slider == tiny || slider == flat) continue;
        EXPECT_EQ(slider->Value(), start) << "no range: Value stays at MinValue";
    }
    delete form;
}

TEST_F(SkinSlider, SliderFreedByItsOwnEventsIsNotTouchedAgain) {
    struct Case {
        const char* Name;
        bool OnChangeFrees;
        TPoint At;
    };
    const Case cases[] = { { "change while tracking", true, { 100, 14 } },
                           { "changed at the release", false, { 100, 14 } },
                           { "changed after a drag", false, { 8, 10 } } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* slider = AddSlider();
        bool upAfterFree = false;
        if (c.OnChangeFrees)
            slider->OnChange = [slider](TObject*) { delete slider; };
        else
            slider->OnChanged = [slider](TObject*) { delete slider; };
        slider->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
            upAfterFree = true;
        };
        // Where the pointer goes is worked out first: the slider may be gone after the press.
        const TPoint from = slider->ClientToScreen(c.At);
        const TPoint to = slider->ClientToScreen(TPoint(c.At.X + 30, c.At.Y));
        FDisplay->MoveMouse(from.X, from.Y);
        Press();
        FDisplay->MoveMouse(to.X, to.Y);
        Pump();
        Wait(900);
        Release();
        EXPECT_EQ(FForm->ControlCount(), 0);
        EXPECT_FALSE(upAfterFree);
    }
}

} // namespace
