// The skinned speed button: flat and transparent looks, the cross-fade it paints past either
// end, a disabled button under the pointer, the images of a tool bar it stands on, the caption
// widths and accelerators.
#include "ButtonFixture.h"

#include "lib/controls/IbsToolBarImages.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImageList.h"

namespace {

using namespace buttonfaces;

class TLoggedSpeedButton : public TbsSkinSpeedButton {
public:
    using TbsSkinSpeedButton::TbsSkinSpeedButton;
    int FFacesDrawn{ 0 };

protected:
    void DrawButtonFace(TBitmap& B, const TRect& R, bool ADown, bool AMouseIn) override {
        ++FFacesDrawn;
        TbsSkinSpeedButton::DrawButtonFace(B, R, ADown, AMouseIn);
    }
};

// A parent lending its three image lists, as the skinned tool bar does: image i of each list is
// one colour of its own.
class TImagesBar : public TCustomControl, public IbsToolBarImages {
public:
    explicit TImagesBar(TComponent* owner) : TCustomControl(owner) {
        FControlStyle.Include(csAcceptsControls);
    }
    TCustomImageList* Images() const override { return FImages; }
    TCustomImageList* HotImages() const override { return FHotImages; }
    TCustomImageList* DisabledImages() const override { return FDisabledImages; }

    TCustomImageList* FImages{ nullptr };
    TCustomImageList* FHotImages{ nullptr };
    TCustomImageList* FDisabledImages{ nullptr };
};

// Three 16 x 16 images in the colours given (0x00BBGGRR).
TImageList* ListOf(TComponent* owner, std::initializer_list<TColor> colours) {
    auto* list = new TImageList(owner);
    list->SetSize(16, 16);
    TBitmap strip(16 * int(colours.size()), 16);
    int x = 0;
    for (TColor c : colours) {
        strip.Canvas().Brush().SetColor(c);
        strip.Canvas().FillRect(TRect(x, 0, x + 16, 16));
        x += 16;
    }
    list->Add(strip, nullptr);
    return list;
}

class SkinSpeedButton : public ButtonTest {
protected:
    template <class T = TbsSkinSpeedButton>
    T* AddButton(TWinControl* parent = nullptr) {
        auto* button = new T(FForm);
        button->SetParent(parent ? parent : FForm);
        button->SetBounds(10, 10, 40, 20);
        button->SetSkinDataName("btn");
        button->SetSkinData(FSkin.get());
        Pump();
        return button;
    }
};

TEST_F(SkinSpeedButton, FlatButtonShowsNoFaceAtRestAndItsWholeFacesOtherwise) {
    auto& record = AddButtonRecord("btn");
    record.AnimateSkinRect = kFrames;
    record.FrameCount = 3;
    record.AnimateInterval = 30;
    auto* button = AddButton();
    button->SetFlat(true);
    EXPECT_TRUE(button->Transparent());
    const std::uint32_t parent = 0x123456;
    EXPECT_EQ(RgbAt(PaintedPixels(*button, parent), 2, 2), parent);
    PointAt(button);
    EXPECT_FALSE(button->Animation().Running()) << "a flat button plays no frames";
    EXPECT_EQ(ShownFace(*button), "hot");
    PressLeft();
    EXPECT_EQ(ShownFace(*button), "pressed");
    ReleaseLeft();
    PointAway();
    EXPECT_EQ(RgbAt(PaintedPixels(*button, parent), 2, 2), parent);

    button->SetFlat(false);
    EXPECT_EQ(ShownFace(*button), "normal");
    button->SetEnabled(false);
    EXPECT_EQ(ShownFace(*button), "disabled");
}

TEST_F(SkinSpeedButton, TransparentButtonNeverCrossFades) {
    AddButtonRecord("btn").Morphing = true;
    auto* button = AddButton();
    button->SetTransparent(true);
    PointAt(button);
    EXPECT_FALSE(button->Morph().Running());
    EXPECT_EQ(ShownFace(*button), "hot");
    PointAway();
    EXPECT_FALSE(button->Morph().Running());
    EXPECT_EQ(button->MorphKf(), 0.0);
}

TEST_F(SkinSpeedButton, StepPastEitherEndStillPaintsTheCrossFade) {
    AddButtonRecord("btn").Morphing = true;
    auto* button = AddButton<TLoggedSpeedButton>();
    const auto facesPerPaint = [&] {
        button->FFacesDrawn = 0;
        button->Repaint();
        return button->FFacesDrawn;
    };
    PointAt(button);
    Advance(120);
    ASSERT_DOUBLE_EQ(button->MorphKf(), 1.2);
    EXPECT_EQ(facesPerPaint(), 2);
    Advance(20);
    ASSERT_EQ(button->MorphKf(), 1.0);
    EXPECT_EQ(facesPerPaint(), 1);
    EXPECT_EQ(ShownFace(*button), "hot");

    PointAway();
    Advance(120);
    ASSERT_DOUBLE_EQ(button->MorphKf(), -0.2);
    EXPECT_EQ(facesPerPaint(), 2);
    Advance(20);
    ASSERT_EQ(button->MorphKf(), 0.0);
    EXPECT_EQ(facesPerPaint(), 1);
}

TEST_F(SkinSpeedButton, DisabledButtonShowsNoHoverButTellsItsEvents) {
    AddButtonRecord("btn");
    auto* button = AddButton();
    button->SetEnabled(false);
    int enters = 0;
    int leaves = 0;
    button->OnMouseEnter = [&](TObject*) { ++enters; };
    button->OnMouseLeave = [&](TObject*) { ++leaves; };
    PointAt(button);
    EXPECT_EQ(enters, 1);
    EXPECT_FALSE(button->MouseIn());
    EXPECT_EQ(ShownFace(*button), "disabled");
    PointAway();
    EXPECT_EQ(leaves, 1);
}

TEST_F(SkinSpeedButton, OnAToolBarTheImageComesFromTheBarsListForEachState) {
    auto* bar = Add<TImagesBar>(10, 10, 200, 40);
    bar->FImages = ListOf(FForm, { clRed, clMaroon, clOlive });
    bar->FHotImages = ListOf(FForm, { clLime, clGreen, clTeal });
    bar->FDisabledImages = ListOf(FForm, { clBlue, clNavy, clPurple });
    // Without a record: the plain look, its 25 x 25 client holding the image in its middle.
    auto* button = new TbsSkinSpeedButton(FForm);
    button->SetParent(bar);
    button->SetBounds(5, 5, 25, 25);
    button->SetImageIndex(2);
    Pump();
    const auto centre = [&] { return RgbAt(PaintedPixels(*button), 12, 12); };
    EXPECT_EQ(centre(), 0x808000u) << "at rest: Images";
    PointAt(button);
    EXPECT_EQ(centre(), 0x008080u) << "hot: HotImages";
    PressLeft();
    EXPECT_EQ(centre(), 0x008080u) << "pressed: HotImages";
    ReleaseLeft();
    PointAway();
    button->SetEnabled(false);
    EXPECT_EQ(centre(), 0x800080u) << "disabled: DisabledImages, drawn as they are";
    // Flat at rest, the button draws straight on the bar: Images (or DisabledImages).
    button->SetFlat(true);
    EXPECT_EQ(centre(), 0x800080u);
    button->SetEnabled(true);
    EXPECT_EQ(centre(), 0x808000u);

    // A glyph of its own wins over the bar's lists.
    TBitmap glyph(8, 8);
    glyph.Canvas().Brush().SetColor(clYellow);
    glyph.Canvas().FillRect(TRect(0, 0, 8, 8));
    glyph.Canvas().SetPixels(0, 7, clWhite);
    button->SetGlyph(glyph);
    EXPECT_EQ(centre(), 0xFFFF00u);
}

TEST_F(SkinSpeedButton, ShowCaptionSwitchesBetweenItsTwoWidths) {
    auto* button = Add<TbsSkinSpeedButton>(10, 10, 60, 25);
    button->SetWidthWithCaption(60);
    button->SetWidthWithoutCaption(25);
    button->SetShowCaption(false);
    EXPECT_EQ(button->Width(), 25);
    button->SetShowCaption(true);
    EXPECT_EQ(button->Width(), 60);
    // Without both widths the size stays.
    button->SetWidthWithoutCaption(0);
    button->SetShowCaption(false);
    EXPECT_EQ(button->Width(), 60);
}

TEST_F(SkinSpeedButton, AcceleratorClicksWithoutTakingTheFocus) {
    auto* button = Add<TbsSkinSpeedButton>(10, 10, 60, 25);
    button->SetCaption("&Open");
    auto* edit = Add<TEdit>(10, 60, 100, 21);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    edit->SetFocus();
    Pump();
    FDisplay->PressKey(win::VK_MENU);
    FDisplay->TypeKey('O', "o");
    FDisplay->ReleaseKey(win::VK_MENU);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
    // A disabled button keeps still.
    button->SetEnabled(false);
    FDisplay->PressKey(win::VK_MENU);
    FDisplay->TypeKey('O', "o");
    FDisplay->ReleaseKey(win::VK_MENU);
    Pump();
    EXPECT_EQ(clicks, 1);
}

} // namespace
