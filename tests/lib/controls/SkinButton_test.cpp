// The skinned push button: which face and caption colour each state shows, the cross-fade and
// the frame animation, the keys (Space, Enter, Esc, accelerators) and the form's default and
// cancel buttons, the press that moves the focus first, glyph strips, actions and the glow.
#include "ButtonFixture.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TImageList.h"
#include "platform/win/Focus.h"
#include "tests/lib/skin/DrawingPictures.h"

#include <string>
#include <vector>

namespace {

using namespace buttonfaces;

// A push button that writes down each paint with its cross-fade position and the time.
class TLoggedButton : public TbsSkinButton {
public:
    using TbsSkinButton::TbsSkinButton;
    struct TPaint {
        double Kf;
        std::uint64_t Time;
    };
    std::vector<TPaint> FPaints;
    int FFacesDrawn{ 0 };
    const win::FakeClock* FClock{ nullptr };

protected:
    void Paint() override {
        FPaints.push_back({ MorphKf(), FClock ? FClock->NowMs() : 0 });
        TbsSkinButton::Paint();
    }
    void DrawButtonFace(TBitmap& B, const TRect& R, bool ADown, bool AMouseIn) override {
        ++FFacesDrawn;
        TbsSkinButton::DrawButtonFace(B, R, ADown, AMouseIn);
    }
};

class SkinButton : public ButtonTest {
protected:
    template <class T = TbsSkinButton>
    T* AddButton(const std::string& record = "btn", int left = 10, int top = 10) {
        auto* button = Add<T>(left, top, 40, 20);
        button->SetSkinDataName(record);
        button->SetSkinData(FSkin.get());
        Pump();
        return button;
    }
    // The caption colour of the last face drawn, as OnPaint sees it.
    static void WatchCaptionColour(TbsSkinButton* button, TColor& colour) {
        button->OnPaint = [&colour](TObject*, TCanvas& cnvs, const TRect&, bool, bool, bool&) {
            colour = cnvs.Font().Color();
        };
    }
};

TEST_F(SkinButton, EachStateShowsItsFaceAndCaptionColour) {
    struct Case {
        const char* label;
        bool hotFace, pressedFace, disabledFace, focusedFace, disabledAsNormal;
        bool enabled, focused, hot, down;
        const char* face;
        TColor colour;
    };
    const Case cases[] = {
        { "at rest", true, true, true, true, false, true, false, false, false, "normal",
          kFontColor },
        { "hot", true, true, true, true, false, true, false, true, false, "hot", kActiveFontColor },
        { "hot and down", true, true, true, true, false, true, false, true, true, "pressed",
          kDownFontColor },
        { "focused and down", true, true, true, true, false, true, true, false, true, "pressed",
          kDownFontColor },
        { "down, neither hot nor focused", true, true, true, true, false, true, false, false, true,
          "normal", kFontColor },
        { "focused", true, true, true, true, false, true, true, false, false, "focused",
          kActiveFontColor },
        { "focused and hot", true, true, true, true, false, true, true, true, false, "focused",
          kActiveFontColor },
        { "disabled", true, true, true, true, false, false, false, false, false, "disabled",
          kDisabledFontColor },
        { "hot without hot face", false, false, true, true, false, true, false, true, false,
          "normal", kActiveFontColor },
        { "pressed without hot or pressed face", false, false, true, true, false, true, false, true,
          true, "normal", kDownFontColor },
        { "pressed without pressed face", true, false, true, true, false, true, false, true, true,
          "hot", kDownFontColor },
        { "disabled without disabled face", true, true, false, true, false, false, false, false,
          false, "normal", kDisabledFontColor },
        { "focused without focused face", true, true, true, false, false, true, true, false, false,
          "hot", kActiveFontColor },
        { "disabled colour as the normal one", true, true, true, true, true, false, false, false,
          false, "disabled", TColor(0x808080) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FSkin->CtrlList.clear();
        auto& record = AddButtonRecord("btn");
        if (!c.hotFace) record.ActiveSkinRect = TRect();
        if (!c.pressedFace) record.DownSkinRect = TRect();
        if (!c.disabledFace) record.DisabledSkinRect = TRect();
        if (!c.focusedFace) record.FocusedSkinRect = TRect();
        if (c.disabledAsNormal) record.DisabledFontColor = record.FontColor;
        auto* button = AddButton();
        TColor colour = clNone;
        WatchCaptionColour(button, colour);
        if (!c.enabled) button->SetEnabled(false);
        if (c.focused) button->SetFocus();
        if (c.hot) PointAt(button);
        if (c.down) button->SetDown(true);
        Pump();
        EXPECT_EQ(ShownFace(*button), c.face);
        EXPECT_EQ(colour, c.colour);
        delete button;
        PointAway();
    }
}

TEST_F(SkinButton, WithoutSkinFontColourTheCaptionTakesTheDefaultFontWhileEnabled) {
    AddButtonRecord("btn");
    auto* button = AddButton();
    button->SetUseSkinFontColor(false);
    button->DefaultFont().SetColor(clNavy);
    TColor colour = clNone;
    WatchCaptionColour(button, colour);
    PointAt(button);
    ShownFace(*button);
    EXPECT_EQ(colour, clNavy);
    button->SetEnabled(false);
    ShownFace(*button);
    EXPECT_EQ(colour, kDisabledFontColor);
}

TEST_F(SkinButton, HoverCrossFadesInSevenRepaintsAndLeavingFadesBack) {
    AddButtonRecord("btn").Morphing = true;
    auto* button = AddButton<TLoggedButton>();
    button->FClock = &FDisplay->Time();
    const auto fade = [&](const std::vector<double>& positions) {
        button->FPaints.clear();
        Advance(300);
        ASSERT_EQ(button->FPaints.size(), positions.size());
        for (std::size_t i = 0; i < positions.size(); ++i) {
            EXPECT_DOUBLE_EQ(button->FPaints[i].Kf, positions[i]) << "repaint " << i;
            if (i > 0) {
                EXPECT_EQ(button->FPaints[i].Time - button->FPaints[i - 1].Time, 20u);
            }
        }
        EXPECT_FALSE(button->Morph().Running());
    };
    PointAt(button);
    fade({ 0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.0 });
    EXPECT_EQ(button->MorphKf(), 1.0);
    EXPECT_EQ(ShownFace(*button), "hot");

    PointAway();
    fade({ 0.8, 0.6, 0.4, 0.2, 0.0, -0.2, 0.0 });
    EXPECT_EQ(button->MorphKf(), 0.0);
    EXPECT_EQ(ShownFace(*button), "normal");
}

TEST_F(SkinButton, MidFadePaintsBlendTheTwoFaces) {
    AddButtonRecord("btn").Morphing = true;
    auto* button = AddButton<TLoggedButton>();
    PointAt(button);
    Advance(40); // two steps: 0.4
    ASSERT_DOUBLE_EQ(button->MorphKf(), 0.4);
    button->FFacesDrawn = 0;
    button->Repaint();
    EXPECT_EQ(button->FFacesDrawn, 2);
    EXPECT_EQ(ShownFace(*button), "other") << "neither face whole";
    // The sixth step (1.2) already shows the hot face whole.
    Advance(80);
    ASSERT_DOUBLE_EQ(button->MorphKf(), 1.2);
    button->FFacesDrawn = 0;
    button->Repaint();
    EXPECT_EQ(button->FFacesDrawn, 1);
    EXPECT_EQ(ShownFace(*button), "hot");
}

TEST_F(SkinButton, FrameStripPlaysOnHoverAndFocusInPlaceOfTheHotAndFocusedFaces) {
    auto& record = AddButtonRecord("btn");
    record.AnimateSkinRect = kFrames;
    record.FrameCount = 3;
    record.AnimateInterval = 30;
    auto* button = AddButton();
    PointAt(button);
    EXPECT_EQ(ShownFace(*button), "frame 1");
    Advance(30);
    EXPECT_EQ(ShownFace(*button), "frame 2");
    Advance(30);
    EXPECT_EQ(ShownFace(*button), "frame 3");
    Advance(30);
    EXPECT_FALSE(button->Animation().Running());
    EXPECT_EQ(ShownFace(*button), "hot");

    PointAway();
    // Backward: the frames stand in for the normal face, last to first.
    EXPECT_EQ(ShownFace(*button), "frame 3");
    Advance(100);
    EXPECT_EQ(ShownFace(*button), "normal");

    // The focused face waits while the strip plays.
    button->SetFocus();
    Pump();
    EXPECT_EQ(ShownFace(*button), "frame 1");
    Advance(100);
    EXPECT_EQ(ShownFace(*button), "focused");
}

TEST_F(SkinButton, SpaceAndEnterClickTheFocusedButtonOnce) {
    AddButtonRecord("btn");
    auto* button = AddButton();
    std::vector<std::string> log;
    const TWndMethod old = button->WindowProc;
    button->WindowProc = [&log, old](TMessage& m) {
        if (m.Msg == win::WM_KEYDOWN && m.WParam == win::VK_RETURN) log.push_back("keydown");
        if (m.Msg == CM_DIALOGKEY && m.WParam == win::VK_RETURN) log.push_back("dialogkey");
        old(m);
    };
    button->OnClick = [&log](TObject*) { log.push_back("click"); };
    button->SetFocus();
    Pump();

    FDisplay->PressKey(win::VK_SPACE);
    Pump();
    EXPECT_TRUE(button->Down());
    EXPECT_TRUE(log.empty());
    FDisplay->ReleaseKey(win::VK_SPACE);
    Pump();
    EXPECT_FALSE(button->Down());
    EXPECT_EQ(log, std::vector<std::string>{ "click" });

    log.clear();
    Key(win::VK_RETURN);
    // The form's dialog keys take Enter before the button's own key handling would.
    EXPECT_EQ(log, (std::vector<std::string>{ "keydown", "dialogkey", "click" }));
    button->WindowProc = old;
}

TEST_F(SkinButton, DefaultAndCancelAnswerEnterAndEscapeFromAnotherControl) {
    AddButtonRecord("btn");
    auto* ok = AddButton("btn", 10, 10);
    auto* cancel = AddButton("btn", 60, 10);
    auto* edit = Add<TEdit>(10, 60, 100, 21);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    ok->SetModalResult(mrOk);
    cancel->SetModalResult(mrCancel);
    int okClicks = 0;
    int cancelClicks = 0;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    cancel->OnClick = [&](TObject*) { ++cancelClicks; };
    edit->SetFocus();
    Pump();
    // While the focus is on a control that is not a skinned button, the default one shows hot.
    EXPECT_TRUE(ok->Active());
    EXPECT_TRUE(ok->MouseIn());
    EXPECT_EQ(ShownFace(*ok), "hot");

    Key(win::VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(FForm->ModalResult(), mrOk);
    Key(win::VK_ESCAPE, { win::VK_SHIFT });
    EXPECT_EQ(cancelClicks, 0);
    Key(win::VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    EXPECT_EQ(FForm->ModalResult(), mrCancel);

    // Another skinned button taking the focus takes Enter and the hot face with it.
    cancel->SetFocus();
    Pump();
    EXPECT_FALSE(ok->Active());
    EXPECT_FALSE(ok->MouseIn());
    Key(win::VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    EXPECT_EQ(cancelClicks, 2);

    // Back in the edit, the default button stays hot after the pointer passed over it.
    edit->SetFocus();
    Pump();
    PointAt(ok);
    PointAway();
    EXPECT_TRUE(ok->MouseIn());
}

TEST_F(SkinButton, AcceleratorFocusesAndClicks) {
    AddButtonRecord("btn");
    auto* button = AddButton();
    button->SetCaption("&Start");
    auto* edit = Add<TEdit>(10, 60, 100, 21);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    edit->SetFocus();
    Pump();
    FDisplay->PressKey(win::VK_MENU);
    FDisplay->TypeKey('S', "s");
    FDisplay->ReleaseKey(win::VK_MENU);
    Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button->Focused());
}

TEST_F(SkinButton, PressOnAnUnfocusedButtonMovesTheFocusFirst) {
    // An edit that keeps the focus when asked to give it up.
    class TStubbornEdit : public TEdit {
    public:
        using TEdit::TEdit;
        bool FRefuse{ false };
        void WndProc(TMessage& message) override {
            if (message.Msg == CM_CANCELMODE && FRefuse) win::SetFocus(Handle());
            TEdit::WndProc(message);
        }
    };
    AddButtonRecord("btn");
    auto* button = AddButton();
    auto* edit = Add<TStubbornEdit>(10, 60, 100, 21);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };

    for (bool refuse : { true, false }) {
        SCOPED_TRACE(refuse ? "refused" : "given");
        edit->SetFocus();
        Pump();
        edit->FRefuse = refuse;
        ClickAt(button, 5, 5);
        EXPECT_EQ(clicks, refuse ? 0 : 1);
        EXPECT_EQ(button->Focused(), !refuse);
        EXPECT_FALSE(button->Down());
        edit->FRefuse = false;
    }
}

TEST_F(SkinButton, ReleaseAwayFromTheButtonDoesNotClick) {
    AddButtonRecord("btn");
    auto* button = AddButton();
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    PointAt(button);
    PressLeft();
    EXPECT_EQ(ShownFace(*button), "pressed");
    PointAway();
    EXPECT_NE(ShownFace(*button), "pressed");
    ReleaseLeft();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Down());
}

TEST_F(SkinButton, GlyphStripShowsTheImageOfEachState) {
    AddButtonRecord("btn");
    auto* button = AddButton();
    // Four 8 x 8 images of one colour each; the lower-left pixel, left out, is white.
    const TColor colours[] = { clRed, clGreen, clBlue, clYellow };
    TBitmap strip(32, 8);
    for (int i = 0; i < 4; ++i) {
        strip.Canvas().Brush().SetColor(colours[i]);
        strip.Canvas().FillRect(TRect(i * 8, 0, i * 8 + 8, 8));
        strip.Canvas().SetPixels(i * 8, 7, clWhite);
    }
    button->SetGlyph(strip);
    button->SetNumGlyphs(4);
    // The content area is 32 x 12 at (4, 4): the glyph sits centred at (16, 6).
    const auto glyphColour = [&] { return RgbAt(PaintedPixels(*button), 20, 10); };
    EXPECT_EQ(glyphColour(), 0xFF0000u) << "normal";
    PointAt(button);
    EXPECT_EQ(glyphColour(), 0xFFFF00u) << "hot";
    PressLeft();
    EXPECT_EQ(glyphColour(), 0x0000FFu) << "pressed";
    ReleaseLeft();
    PointAway();
    button->SetEnabled(false);
    EXPECT_EQ(glyphColour(), 0x008000u) << "disabled";
}

TEST_F(SkinButton, SettersKeepTheirRules) {
    auto* button = Add<TbsSkinButton>(10, 10, 75, 25);
    EXPECT_TRUE(button->TabStop());
    button->SetMargin(-5);
    EXPECT_EQ(button->Margin(), -1) << "below -1 is ignored";
    button->SetMargin(3);
    EXPECT_EQ(button->Margin(), 3);
    button->SetGroupIndex(3);
    EXPECT_FALSE(button->CanFocused());
    EXPECT_FALSE(button->TabStop());
    button->SetNumGlyphs(7);
    EXPECT_EQ(button->NumGlyphs(), 4);
}

TEST_F(SkinButton, ActionGivesItsImageAndRunsWhenNoOnClickIsSet) {
    auto* images = new TImageList(FForm);
    images->SetSize(8, 8);
    TBitmap picture(16, 8);
    picture.Canvas().Brush().SetColor(clBlue);
    picture.Canvas().FillRect(TRect(0, 0, 16, 8));
    images->Add(picture, nullptr);
    auto* actions = new TActionList(FForm);
    actions->SetImages(images);
    auto* action = new TAction(FForm);
    action->SetActionList(actions);
    action->SetImageIndex(1);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };

    auto* button = Add<TbsSkinButton>(10, 10, 75, 25);
    button->SetAction(action);
    EXPECT_EQ(button->Glyph().Width(), 8);
    EXPECT_EQ(RgbAt(button->Glyph(), 3, 3), 0x0000FFu);

    ClickAt(button, 5, 5);
    EXPECT_EQ(executed, 1) << "once, although the class library clicks as well";
    int clicked = 0;
    button->OnClick = [&](TObject*) { ++clicked; };
    ClickAt(button, 5, 5);
    EXPECT_EQ(executed, 1);
    EXPECT_EQ(clicked, 1);
}

TEST_F(SkinButton, GlowLayerShowsAroundTheHotButtonWhereLayersAreComposed) {
    FDisplay->SetCompositor(true);
    const int glow = AddPicture(*FSkin, NumberedPicture(60, 40, 1));
    const int mask = AddPicture(*FSkin, NumberedPicture(60, 40, 2));
    auto& record = AddButtonRecord("glow");
    record.GlowLayerPictureIndex = glow;
    record.GlowLayerMaskPictureIndex = mask;
    record.GlowLayerShowOffsetX = 10;
    record.GlowLayerShowOffsetY = 10;
    auto& broken = AddButtonRecord("broken");
    broken.GlowLayerPictureIndex = glow;
    broken.GlowLayerMaskPictureIndex = 99;
    auto* button = AddButton("glow");
    auto* other = AddButton("broken", 100, 10);

    PointAt(button);
    ASSERT_TRUE(button->LayerManager().IsVisible());
    const TPoint origin = button->ClientOrigin();
    EXPECT_EQ(button->LayerManager().LayerWindow()->Left(), origin.X - 10);
    EXPECT_EQ(button->LayerManager().LayerWindow()->Top(), origin.Y - 10);
    PointAway();
    EXPECT_FALSE(button->LayerManager().IsVisible());

    // A glow without its mask picture shows nothing, and nothing fails.
    PointAt(other);
    EXPECT_FALSE(other->LayerManager().IsVisible());
    PointAway();

    FSkin->SetShowButtonGlowFrames(false);
    PointAt(button);
    EXPECT_FALSE(button->LayerManager().IsVisible());
    button->SetAlwaysShowLayeredFrame(true);
    PointAway();
    PointAt(button);
    EXPECT_TRUE(button->LayerManager().IsVisible());
    PointAway();

    FDisplay->SetCompositor(false);
    PointAt(button);
    EXPECT_FALSE(button->LayerManager().IsVisible());
}

TEST_F(SkinButton, WithoutSkinSizeTheFaceStretchesAndTheMaskGoes) {
    const int mask = AddPicture(*FSkin, NumberedPicture(40, 20, 3));
    auto& record = AddButtonRecord("btn");
    record.MaskPictureIndex = mask;
    auto* button = AddButton();
    EXPECT_EQ(button->Width(), 40) << "fixed at the face's size";
    button->SetUseSkinSize(false);
    button->SetBounds(10, 10, 80, 40);
    EXPECT_EQ(button->Width(), 80);
    EXPECT_EQ(button->Height(), 40);
    button->ChangeSkinData();
    // A button of free size has no window region; its face covers it, stretched.
    const gfx::Surface pixels = PaintedPixels(*button);
    EXPECT_EQ(RgbAt(pixels, 0, 0), PictureAt(0, 0));
    EXPECT_EQ(RgbAt(pixels, 79, 39), PictureAt(39, 19));
}

} // namespace
