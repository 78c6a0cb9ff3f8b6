#include "FrameFixture.h"

#include "lib/skindraw/TbsLayerManager.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Messages.h"
#include "platform/win/WindowApi.h"

namespace frametest {
namespace {

using namespace win;

using FrameObjects = FrameTest;

// Picture 0 of the synthetic skin, in 8 x 8 faces side by side, each a colour of its own.
enum TFace { fNormal, fHover, fDown, fDisabled, fInActive, fRestore, fRestoreHover, fRestoreDown };
const TColor kFaceColors[] = { TColor(0x0000FF), TColor(0x00FF00), TColor(0xFF0000),
                               TColor(0x00FFFF), TColor(0xFFFF00), TColor(0xFF00FF),
                               TColor(0x808080), TColor(0x404040) };

TRect FaceRect(TFace face) {
    return TRect(int(face) * 8, 0, int(face) * 8 + 8, 8);
}

void PaintFaces(TbsSkinData& skin) {
    TBitmap& picture = *skin.FActivePictures.at(0);
    for (int face = 0; face < 8; ++face) {
        picture.Canvas().Brush().SetColor(kFaceColors[face]);
        picture.Canvas().FillRect(FaceRect(TFace(face)));
    }
}

TbsDataSkinStdButton& AddFacedButton(TbsSkinData& skin, const std::string& name,
                                     TbsStdCommand command) {
    TbsDataSkinStdButton& record = AddStdButton(skin, name, command, FaceRect(fNormal));
    record.ActiveSkinRect = FaceRect(fHover);
    record.DownRect = FaceRect(fDown);
    record.DisableSkinRect = FaceRect(fDisabled);
    record.InActiveSkinRect = FaceRect(fInActive);
    return record;
}

template <class T>
T& ObjectOf(TbsSkinForm& skinForm, const std::string& name) {
    const int index = skinForm.GetIndex(name);
    EXPECT_NE(index, -1) << name;
    return dynamic_cast<T&>(*skinForm.ObjectList.at(std::size_t(index)));
}

// The colour the object draws at its middle, on a bitmap of its own size.
TColor DrawnFace(TbsActiveSkinObject& object) {
    const TRect kept = object.ObjectRect;
    object.ObjectRect = TRect(0, 0, 8, 8);
    TBitmap target(8, 8);
    target.Canvas().Brush().SetColor(clBlack);
    target.Canvas().FillRect(TRect(0, 0, 8, 8));
    object.Draw(target.Canvas(), true);
    object.ObjectRect = kept;
    return target.Canvas().Pixels(4, 4);
}

void Click(TbsActiveSkinObject& object) {
    object.MouseEnter();
    object.MouseDown(2, 2, mbLeft);
    object.MouseUp(2, 2, mbLeft);
}

TEST(FrameObjectMorph, FactorIsClampedAndStepsEndExactlyAtTheFaces) {
    TbsActiveSkinObject object(nullptr, nullptr);
    for (auto [set, held] : { std::pair{ -0.1, 0.0 }, { 1.3, 1.0 }, { 0.4, 0.4 } }) {
        object.SetMorphKf(set);
        EXPECT_EQ(object.MorphKf(), held) << set;
    }
    object.SetMorphKf(0);
    object.Active = true;
    int steps = 0;
    for (; object.CanMorphing(); ++steps)
        object.DoMorphing();
    EXPECT_EQ(object.MorphKf(), 1.0);
    EXPECT_LE(steps, 6);
    object.Active = false;
    for (steps = 0; object.CanMorphing(); ++steps)
        object.DoMorphing();
    EXPECT_EQ(object.MorphKf(), 0.0);
    EXPECT_LE(steps, 6);
}

TEST_F(FrameObjects, ButtonShowsTheFaceOfEachState) {
    struct TCase {
        const char* Name;
        bool FormActive, Enabled, Hover, MouseIn, Down;
        TFace Face;
    };
    const TCase cases[] = {
        { "normal", true, true, false, false, false, fNormal },
        { "hover", true, true, true, true, false, fHover },
        { "pressed", true, true, true, true, true, fDown },
        { "pressed, pointer outside", true, true, false, false, true, fNormal },
        { "disabled", true, false, false, false, false, fDisabled },
        { "form inactive, hovered", false, true, true, true, false, fInActive },
    };
    FSkin = MakeFrameSkin();
    PaintFaces(*FSkin);
    AddFacedButton(*FSkin, "close", cmClose);
    for (const TCase& c : cases) {
        TForm* form = NewForm(TRect(10, 10, 210, 110));
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        if (c.FormActive) form->Show();
        ASSERT_EQ(skinForm->GetFormActive(), c.FormActive) << c.Name;
        auto& button = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close");
        button.Enabled = c.Enabled;
        button.Active = c.Hover;
        button.FMouseIn = c.MouseIn;
        button.FDown = c.Down;
        EXPECT_EQ(DrawnFace(button), kFaceColors[c.Face]) << c.Name;
        delete form;
    }
}

TEST_F(FrameObjects, RecordWithoutItsPictureGivesNoHoverFaceAndStaysAsItWas) {
    FSkin = MakeFrameSkin();
    TbsDataSkinStdButton& record = AddFacedButton(*FSkin, "close", cmClose);
    record.ActivePictureIndex = 7;
    record.Morphing = true;
    TbsSkinForm* skinForm = SkinForm(NewForm(TRect(10, 10, 210, 110)), FSkin.get());
    auto& button = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close");
    EXPECT_TRUE(button.ActiveSkinRect.IsEmpty());
    EXPECT_FALSE(button.Morphing);
    // A second form of the same skin reads the same record.
    EXPECT_EQ(record.ActiveSkinRect, FaceRect(fHover));
}

TEST_F(FrameObjects, MaskDecidesInsideItsBoundsOnly) {
    FSkin = MakeFrameSkin();
    auto mask = std::make_unique<TBitmap>(8, 8);
    mask->Canvas().Brush().SetColor(clBlack);
    mask->Canvas().FillRect(TRect(0, 0, 8, 8));
    mask->Canvas().SetPixels(3, 3, clWhite);
    const int maskIndex = AddPicture(*FSkin, std::move(mask));
    AddFacedButton(*FSkin, "close", cmClose).ActiveMaskPictureIndex = maskIndex;
    TbsSkinForm* skinForm = SkinForm(NewForm(TRect(10, 10, 210, 110)), FSkin.get());
    auto& button = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close");
    for (auto [x, y, on] : { std::tuple{ 0, 0, true },
                             { 7, 7, true },
                             { 3, 3, false },
                             { 8, 0, false },
                             { 0, 8, false },
                             { -1, 0, false } })
        EXPECT_EQ(button.CheckPoint(x, y), on) << x << "," << y;
}

TEST_F(FrameObjects, CloseRunsOnlyForPressAndReleaseInside) {
    FSkin = MakeFrameSkin();
    AddFacedButton(*FSkin, "close", cmClose);
    TForm* form = NewForm(TRect(10, 10, 210, 110));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    auto& close = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close");

    close.MouseEnter();
    close.MouseDown(2, 2, mbLeft);
    close.MouseLeave();
    close.MouseUp(30, 30, mbLeft);
    EXPECT_TRUE(form->Visible()) << "released outside";
    EXPECT_FALSE(close.Down());

    close.MouseEnter();
    close.MouseDown(2, 2, mbRight);
    close.MouseUp(2, 2, mbRight);
    EXPECT_TRUE(form->Visible()) << "the right button";

    Click(close);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(close.Down()) << "drawn up before the form goes";
}

TEST_F(FrameObjects, ReleaseAwayFromTheButtonIsNoClickBeforeHoverTrackingSawTheLeave) {
    FSkin = MakeFrameSkin();
    AddFacedButton(*FSkin, "close", cmClose);
    TForm* form = NewForm(TRect(100, 100, 400, 300));
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    Pump();
    skinForm->CalcSkinRects();
    skinForm->CalcObjectRects();
    const TRect r = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close").ObjectRect;
    const LPARAM onButton = MAKELPARAM(100 + r.Left + 3, 100 + r.Top + 3);
    struct TCase {
        const char* Name;
        UINT Release;
        LPARAM At;
        bool Closes;
    };
    // Under the press's capture the release comes as a client message, in client coordinates.
    const TCase cases[] = {
        { "released over the client", WM_LBUTTONUP, MAKELPARAM(50, 60), false },
        { "released on the frame elsewhere", WM_NCLBUTTONUP, MAKELPARAM(160, 103), false },
        { "released on the button", WM_NCLBUTTONUP, onButton, true },
    };
    for (const TCase& c : cases) {
        FDisplay->MoveMouse(100 + r.Left + 3, 100 + r.Top + 3);
        Send(form, WM_NCLBUTTONDOWN, HTOBJECT, onButton);
        ASSERT_NE(skinForm->MouseCaptureObject, -1) << c.Name;
        if (c.Release == WM_LBUTTONUP) FDisplay->MoveMouse(100 + 50, 100 + 80);
        Send(form, c.Release, c.Release == WM_LBUTTONUP ? 0 : HTOBJECT, c.At);
        EXPECT_EQ(skinForm->MouseCaptureObject, -1) << c.Name;
        EXPECT_EQ(form->Visible(), !c.Closes) << c.Name;
    }
}

TEST_F(FrameObjects, GlowShowsBesideTheHoveredButtonOnlyWithItsPictureAndMask) {
    struct TCase {
        const char* Name;
        bool ValidMask;
        bool SkinShowsGlow;
        bool Glows;
    };
    const TCase cases[] = {
        { "glow picture and mask", true, true, true },
        { "mask index not valid", false, true, false },
        { "skin turned glow frames off", true, false, false },
    };
    for (const TCase& c : cases) {
        FSkin = MakeFrameSkin();
        const int glow = AddPicture(*FSkin, std::make_unique<TBitmap>(24, 20));
        const int mask = AddPicture(*FSkin, std::make_unique<TBitmap>(24, 20));
        TbsDataSkinStdButton& record = AddFacedButton(*FSkin, "close", cmClose);
        record.GlowLayerPictureIndex = glow;
        record.GlowLayerMaskPictureIndex = c.ValidMask ? mask : 42;
        record.GlowLayerOffsetX = 4;
        record.GlowLayerOffsetY = 3;
        FSkin->SetShowCaptionButtonGlowFrames(c.SkinShowsGlow);
        TForm* form = NewForm(TRect(100, 100, 400, 300));
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        form->Show();
        auto& close = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close");
        close.ObjectRect = TRect(280, 4, 290, 14);
        close.MouseEnter();
        EXPECT_EQ(skinForm->LayerManager().IsVisible(), c.Glows) << c.Name;
        if (c.Glows) {
            RECT r{};
            GetWindowRect(skinForm->LayerManager().LayerWindow()->Handle(), &r);
            EXPECT_EQ(TPoint(r.left, r.top), TPoint(100 + 280 - 4, 100 + 4 - 3)) << c.Name;
        }
        close.MouseLeave();
        EXPECT_FALSE(skinForm->LayerManager().IsVisible()) << c.Name;
        delete form;
    }
}

TEST_F(FrameObjects, MaximizeOfAMaximizedFormShowsRestoreAndRestores) {
    FSkin = MakeFrameSkin();
    PaintFaces(*FSkin);
    TbsDataSkinStdButton& record = AddFacedButton(*FSkin, "max", cmMaximize);
    record.RestoreRect = FaceRect(fRestore);
    record.RestoreActiveRect = FaceRect(fRestoreHover);
    record.RestoreDownRect = FaceRect(fRestoreDown);
    TForm* form = NewForm(TRect(100, 100, 500, 400), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    auto& max = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "max");

    max.MouseEnter();
    EXPECT_EQ(max.Hint, "Maximize");
    EXPECT_EQ(DrawnFace(max), kFaceColors[fHover]);
    max.MouseDown(2, 2, mbLeft);
    max.MouseUp(2, 2, mbLeft);
    EXPECT_EQ(skinForm->WindowState(), wsMaximized);

    max.MouseLeave();
    EXPECT_EQ(DrawnFace(max), kFaceColors[fRestore]);
    max.MouseEnter();
    EXPECT_EQ(max.Hint, "Restore");
    EXPECT_EQ(DrawnFace(max), kFaceColors[fRestoreHover]);
    max.MouseDown(2, 2, mbLeft);
    EXPECT_EQ(DrawnFace(max), kFaceColors[fRestoreDown]);
    max.MouseUp(2, 2, mbLeft);
    EXPECT_EQ(skinForm->WindowState(), wsNormal);
    EXPECT_EQ(form->BoundsRect(), TRect(100, 100, 500, 400));
}

TEST_F(FrameObjects, MinimizeGoesToTheTrayWhenAskedToAlways) {
    FSkin = MakeFrameSkin();
    AddFacedButton(*FSkin, "min", cmMinimize);
    AddFacedButton(*FSkin, "roll", cmRollUp);
    TForm* form = NewForm(TRect(100, 100, 500, 400), bsSizeable);
    TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
    form->Show();
    int toTray = 0;
    skinForm->OnMinimizeToTray = [&](TObject*) { ++toTray; };
    skinForm->SetAlwaysMinimizeToTray(true);
    Click(ObjectOf<TbsSkinStdButtonObject>(*skinForm, "min"));
    EXPECT_EQ(toTray, 0) << "without a tray icon the form stays where it is";
    EXPECT_EQ(skinForm->WindowState(), wsNormal);

    skinForm->SetAlwaysMinimizeToTray(false);
    Click(ObjectOf<TbsSkinStdButtonObject>(*skinForm, "min"));
    EXPECT_EQ(skinForm->WindowState(), wsMinimized);
    EXPECT_EQ(toTray, 0);
    skinForm->SetWindowState(wsNormal);

    auto& roll = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "roll");
    Click(roll);
    EXPECT_TRUE(skinForm->RollUpState());
    roll.MouseLeave();
    Click(roll);
    EXPECT_FALSE(skinForm->RollUpState());
}

TEST_F(FrameObjects, AnimationStepsByItsIntervalInTicksOf25Milliseconds) {
    struct TCase {
        int Interval;
        std::vector<int> Frames; // after each tick
    };
    const TCase cases[] = {
        { 10, { 2, 3, 4, 1, 2, 3 } },
        { 60, { 1, 1, 2, 2, 2, 3 } },
    };
    for (const TCase& c : cases) {
        FSkin = MakeFrameSkin();
        auto record = std::make_unique<TbsDataSkinAnimate>("anim");
        record->SkinRect = TRect(0, 0, 8, 8);
        record->ActiveSkinRect = TRect(0, 0, 8, 8);
        record->ActivePictureIndex = 0;
        record->CountFrames = 4;
        record->Cycle = true;
        record->TimerInterval = c.Interval;
        FSkin->ObjectList.push_back(std::move(record));
        TForm* form = NewForm(TRect(10, 10, 210, 110));
        TbsSkinForm* skinForm = SkinForm(form, FSkin.get());
        auto& anim = ObjectOf<TbsSkinAnimateObject>(*skinForm, "anim");
        anim.Start();
        std::vector<int> frames;
        for (std::size_t i = 0; i < c.Frames.size(); ++i) {
            skinForm->AnimateTimerTick();
            frames.push_back(anim.Frame());
        }
        EXPECT_EQ(frames, c.Frames) << c.Interval;
        delete form;
    }
}

TEST_F(FrameObjects, AnimationRunWithoutCycleStopsAndPressedStripHolds) {
    FSkin = MakeFrameSkin();
    auto record = std::make_unique<TbsDataSkinAnimate>("anim");
    record->SkinRect = record->ActiveSkinRect = TRect(0, 0, 8, 8);
    record->DownSkinRect = TRect(32, 0, 40, 8);
    record->ActivePictureIndex = 0;
    record->CountFrames = 3;
    FSkin->ObjectList.push_back(std::move(record));
    TbsSkinForm* skinForm = SkinForm(NewForm(TRect(10, 10, 210, 110)), FSkin.get());
    auto& anim = ObjectOf<TbsSkinAnimateObject>(*skinForm, "anim");
    anim.Start();
    for (int i = 0; i < 5; ++i)
        skinForm->AnimateTimerTick();
    EXPECT_EQ(anim.Frame(), 3);
    EXPECT_FALSE(anim.Active);
    skinForm->AnimateTimerTick();
    EXPECT_FALSE(skinForm->AnimateTimer().Enabled()) << "nothing left to run";

    anim.Start();
    anim.FDown = true;
    skinForm->AnimateTimerTick();
    EXPECT_EQ(anim.Frame(), 1) << "held on its down face";

    anim.Increment = false;
    anim.SetFrame(0);
    EXPECT_EQ(anim.Frame(), 3);
    anim.Increment = true;
    anim.SetFrame(4);
    EXPECT_EQ(anim.Frame(), 1);
}

TEST_F(FrameObjects, CaptionAnimationShowsAFrameEveryIntervalAndTheTimerStopsWhenIdle) {
    FSkin = MakeFrameSkin();
    for (auto& record : FSkin->ObjectList)
        if (auto* caption = dynamic_cast<TbsDataSkinCaption*>(record.get())) {
            caption->AnimateSkinRect = TRect(0, 0, 8, 8);
            caption->FrameCount = 3;
            caption->AnimateInterval = 100;
        }
    TbsSkinForm* skinForm = SkinForm(NewForm(TRect(10, 10, 210, 110)), FSkin.get());
    auto& caption = ObjectOf<TbsSkinCaptionObject>(*skinForm, "caption");
    caption.Active = true;
    caption.FIncTime = 25;
    caption.CurrentFrame = 1;
    skinForm->AnimateTimer().SetEnabled(true);
    std::vector<int> frames;
    for (int i = 0; i < 8; ++i) {
        skinForm->AnimateTimerTick();
        frames.push_back(caption.CurrentFrame);
    }
    EXPECT_EQ(frames, (std::vector<int>{ 1, 1, 1, 2, 2, 2, 2, 3 }));
    for (int i = 0; i < 12; ++i)
        skinForm->AnimateTimerTick();
    EXPECT_EQ(caption.CurrentFrame, 4) << "past the last frame it keeps its frame";
    EXPECT_FALSE(skinForm->AnimateTimer().Enabled());

    caption.Active = false;
    skinForm->AnimateTimer().SetEnabled(true);
    for (int i = 0; i < 40; ++i)
        skinForm->AnimateTimerTick();
    EXPECT_EQ(caption.CurrentFrame, 0) << "runs back to frame 0";
    EXPECT_FALSE(skinForm->AnimateTimer().Enabled());
}

TEST_F(FrameObjects, ResetClearsHoverButKeepsTheCaption) {
    FSkin = MakeFrameSkin();
    AddFacedButton(*FSkin, "close", cmClose);
    TbsSkinForm* skinForm = SkinForm(NewForm(TRect(10, 10, 210, 110)), FSkin.get());
    auto& close = ObjectOf<TbsSkinStdButtonObject>(*skinForm, "close");
    auto& caption = ObjectOf<TbsSkinCaptionObject>(*skinForm, "caption");
    close.Active = close.FMouseIn = caption.Active = true;
    close.FMorphKf = 0.6;
    skinForm->ResetObjectStates();
    EXPECT_FALSE(close.Active);
    EXPECT_FALSE(close.FMouseIn);
    EXPECT_EQ(close.MorphKf(), 0.0);
    EXPECT_TRUE(caption.Active);
}

} // namespace
} // namespace frametest
