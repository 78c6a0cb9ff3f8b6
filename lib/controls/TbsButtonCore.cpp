#include "lib/controls/TbsButtonCore.h"

#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMorphKinds.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TAction.h"
#include "platform/forms/TImageList.h"

#include <algorithm>

void DrawPlainFace(TCanvas& canvas, const TRect& r, TbsPlainFace face) {
    static constexpr TColor kHotFill = TColor(0xD2BDB6);
    static constexpr TColor kPressedFill = TColor(0xB59385);
    canvas.Brush().SetStyle(bsSolid);
    switch (face) {
    case pfFlat:
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(r);
        return;
    case pfNormal:
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(r);
        canvas.Brush().SetColor(clBtnShadow);
        break;
    case pfHot:
    case pfPressed:
        canvas.Brush().SetColor(face == pfHot ? kHotFill : kPressedFill);
        canvas.FillRect(r);
        canvas.Brush().SetColor(clNavy);
        break;
    }
    canvas.FrameRect(r);
}

namespace {

TRect FrameOfStrip(const TRect& strip, const TRect& face, int frameCount, int frame) {
    if (strip.Width() > face.Width()) {
        const int fw = strip.Width() / frameCount;
        return TRect(strip.Left + (frame - 1) * fw, strip.Top, strip.Left + frame * fw,
                     strip.Bottom);
    }
    const int fh = strip.Height() / frameCount;
    return TRect(strip.Left, strip.Top + (frame - 1) * fh, strip.Right, strip.Top + frame * fh);
}

} // namespace

template <class TBase>
TbsButtonCore<TBase>::TbsButtonCore(TComponent* owner)
    : TBase(owner),
      FMorph([this] { return this->FIndex != -1 && MorphOn() && !IsTransparent(); },
             [this] { return FMouseIn || ButtonFocused(); }, [this] { this->Repaint(); }),
      FAnimation([this] { this->Repaint(); }),
      FRepeat([this] { ButtonClick(); }, [this] { return FRepeatInterval; }) {}

template <class TBase>
TbsButtonCore<TBase>::~TbsButtonCore() {
    *FAlive = false;
}

template <class TBase>
bool TbsButtonCore<TBase>::ClickSurvived() {
    const std::shared_ptr<bool> alive = FAlive;
    ButtonClick();
    return *alive;
}

template <class TBase>
bool TbsButtonCore<TBase>::EffectsOn() const {
    return this->FSD && !this->FSD->Empty && this->FSD->EnableSkinEffects();
}

template <class TBase>
bool TbsButtonCore<TBase>::CanAnimate() const {
    return this->FIndex != -1 && EffectsOn() && !AnimateSkinRect.IsEmpty();
}

template <class TBase>
void TbsButtonCore<TBase>::StartAnimation(bool forward) {
    if (CanAnimate()) FAnimation.Start(forward, FrameCount, AnimateInterval);
}

template <class TBase>
void TbsButtonCore<TBase>::RefreshButton() {
    FMouseIn = false;
    FDown = false;
    if (MorphOn()) FMorph.SetAtEnd(false);
    if (EffectsOn()) StopAnimation();
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::SetDown(bool value) {
    FDown = value;
    if (MorphOn()) {
        FMorph.SetAtEnd(true);
        if (value)
            FMorph.Stop();
        else
            FMorph.Start();
    }
    this->Repaint();
    if (FGroupIndex != 0 && value && !FAllowAllUp) ReleaseGroup();
}

template <class TBase>
void TbsButtonCore<TBase>::ReleaseGroup() {
    TWinControl* parent = this->Parent();
    if (!parent) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TbsButtonCore*>(parent->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown)
            other->SetDown(false);
    }
}

template <class TBase>
void TbsButtonCore<TBase>::SetGlyph(const TBitmap& value) {
    FGlyph.Assign(value);
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::SetNumGlyphs(int value) {
    FNumGlyphs = std::clamp(value, 1, 4);
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::SetMargin(int value) {
    if (value == FMargin || value < -1) return;
    FMargin = value;
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::SetSpacing(int value) {
    if (value == FSpacing) return;
    FSpacing = value;
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::SetLayout(TbsButtonLayout value) {
    if (value == FLayout) return;
    FLayout = value;
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::SetImageList(TCustomImageList* value) {
    if (value == FImageList) return;
    if (FImageList) this->RemoveFreeNotification(FImageList);
    FImageList = value;
    if (FImageList) this->FreeNotification(FImageList);
}

template <class TBase>
void TbsButtonCore<TBase>::SetImageIndex(int value) {
    if (value == FImageIndex) return;
    FImageIndex = value;
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::Notification(TComponent* component, TOperation operation) {
    TBase::Notification(component, operation);
    if (operation == opRemove && component == FImageList) FImageList = nullptr;
}

template <class TBase>
void TbsButtonCore<TBase>::CopyButtonRecord(const TbsDataSkinButtonControl& record) {
    FontName = record.FontName;
    FontColor = record.FontColor;
    ActiveFontColor = record.ActiveFontColor;
    DownFontColor = record.DownFontColor;
    FontStyle = record.FontStyle;
    FontHeight = record.FontHeight;
    ActiveSkinRect = record.ActiveSkinRect.IsEmpty() ? record.SkinRect : record.ActiveSkinRect;
    DownSkinRect = record.DownSkinRect.IsEmpty() ? ActiveSkinRect : record.DownSkinRect;
    DisabledSkinRect = record.DisabledSkinRect;
    FocusedSkinRect = record.FocusedSkinRect;
    DisabledFontColor = record.DisabledFontColor;
    Morphing = record.Morphing && !IsTransparent();
    MorphKind = record.MorphKind;
    AnimateSkinRect = record.AnimateSkinRect;
    FrameCount = record.FrameCount;
    AnimateInterval = record.AnimateInterval;
    ShowFocus = record.ShowFocus;
    MenuMarkerRect = record.MenuMarkerRect;
    MenuMarkerActiveRect =
        record.MenuMarkerActiveRect.IsEmpty() ? MenuMarkerRect : record.MenuMarkerActiveRect;
    MenuMarkerDownRect =
        record.MenuMarkerDownRect.IsEmpty() ? MenuMarkerActiveRect : record.MenuMarkerDownRect;
    MenuMarkerFlatRect =
        record.MenuMarkerFlatRect.IsEmpty() ? MenuMarkerRect : record.MenuMarkerFlatRect;
    MenuMarkerTransparentColor = record.MenuMarkerTransparentColor;
    // A disabled caption must look disabled even where the skin gives it the normal colour.
    if (DisabledFontColor == FontColor) DisabledFontColor = TColor(0x808080);
    GlowLayerPictureIndex = record.GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = record.GlowLayerMaskPictureIndex;
    GlowLayerOffsetLeft = record.GlowLayerOffsetLeft;
    GlowLayerOffsetRight = record.GlowLayerOffsetRight;
    GlowLayerOffsetTop = record.GlowLayerOffsetTop;
    GlowLayerOffsetBottom = record.GlowLayerOffsetBottom;
    GlowLayerShowOffsetX = record.GlowLayerShowOffsetX;
    GlowLayerShowOffsetY = record.GlowLayerShowOffsetY;
    GlowLayerAlphaBlendValue = record.GlowLayerAlphaBlendValue;
}

template <class TBase>
void TbsButtonCore<TBase>::GetSkinData() {
    TBase::GetSkinData();
    if (this->FIndex == -1) {
        AnimateSkinRect = TRect();
        return;
    }
    if (const auto* record = dynamic_cast<const TbsDataSkinButtonControl*>(this->SkinRecord()))
        CopyButtonRecord(*record);
    const int frame = FAnimation.CurrentFrame();
    if (EffectsOn() && FAnimation.Running() && frame > 0 && frame <= FrameCount) {
        const TRect shown = FrameOfStrip(AnimateSkinRect, this->SkinRect, FrameCount, frame);
        if (FAnimation.Forward())
            ActiveSkinRect = shown;
        else
            this->SkinRect = shown;
    }
}

template <class TBase>
void TbsButtonCore<TBase>::ChangeSkinData() {
    StopAnimation();
    FMorph.Stop();
    FMorph.SetAtEnd(false);
    TBase::ChangeSkinData();
    if (MorphOn() && this->FIndex != -1 && !IsTransparent() && (FMouseIn || ButtonFocused()))
        FMorph.SetAtEnd(true);
}

template <class TBase>
void TbsButtonCore<TBase>::CalcSkinSize(int& AWidth, int& AHeight) {
    if (FUseSkinSize || this->ResizeMode == 1) {
        TBase::CalcSkinSize(AWidth, AHeight);
        return;
    }
    this->NewClRect = this->ClRect;
    this->NewClRect.Right += this->Width() - this->SkinRect.Width();
    this->NewClRect.Bottom += this->Height() - this->SkinRect.Height();
}

template <class TBase>
void TbsButtonCore<TBase>::ActionChange(TBasicAction* sender) {
    TBase::ActionChange(sender);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action || !FGlyph.Empty() || !action->ActionList()) return;
    auto* images = dynamic_cast<TCustomImageList*>(action->ActionList()->Images());
    if (!images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
    FGlyph.SetSize(images->Width(), images->Height());
    FGlyph.Canvas().Brush().SetColor(clFuchsia);
    FGlyph.Canvas().FillRect(TRect(0, 0, FGlyph.Width(), FGlyph.Height()));
    images->Draw(FGlyph.Canvas(), 0, 0, action->ImageIndex(), true);
    this->Repaint();
}

template <class TBase>
void TbsButtonCore<TBase>::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_TEXTCHANGED:
        TBase::WndProc(message);
        this->Repaint();
        return;
    case CM_ENABLEDCHANGED:
        TBase::WndProc(message);
        if (MorphOn()) {
            FMorph.Stop();
            FMorph.SetAtEnd(false);
        }
        FMouseIn = false;
        this->Repaint();
        return;
    default:
        TBase::WndProc(message);
    }
}

template <class TBase>
void TbsButtonCore<TBase>::PrepareFace() {
    GetSkinData();
    int width = this->Width();
    int height = this->Height();
    CalcSkinSize(width, height);
}

template <class TBase>
void TbsButtonCore<TBase>::DrawButtonFace(TBitmap& B, const TRect& R, bool ADown, bool AMouseIn) {
    TCanvas& canvas = B.Canvas();
    TRect T;
    if (FUseSkinSize || this->ResizeMode == 1) {
        this->RenderSkinRect(B, this->Picture, R);
        T = this->NewClRect;
    } else {
        const TRect all(0, 0, B.Width(), B.Height());
        if (this->Picture) {
            if (this->ResizeMode == 0)
                canvas.CopyRect(all, this->Picture->Canvas(), R);
            else if (this->ResizeMode == 2 || this->ResizeMode == 3)
                StretchSkinImage(B, *this->Picture, R, this->ClRect, true);
        }
        T = this->ClRect;
        T.Right += B.Width() - R.Width();
        T.Bottom += B.Height() - R.Height();
    }
    SetCaptionFont(canvas.Font(), true);
    canvas.Font().SetColor(CaptionColor(ADown, AMouseIn));
    DrawFocusFrame(canvas, T);
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, canvas, T, ADown, AMouseIn, drawDefault);
    if (drawDefault) DrawContent(canvas, T, ADown, AMouseIn, ADown && AMouseIn);
}

template <class TBase>
void TbsButtonCore<TBase>::PaintFace(TCanvas& canvas, const TRect& R, bool ADown, bool AMouseIn) {
    TBitmap B(this->Width(), this->Height());
    DrawButtonFace(B, R, ADown, AMouseIn);
    canvas.Draw(0, 0, &B);
}

template <class TBase>
void TbsButtonCore<TBase>::PaintCrossFade(TCanvas& canvas) {
    TBitmap normal(this->Width(), this->Height());
    TBitmap hot(this->Width(), this->Height());
    DrawButtonFace(normal, this->SkinRect, false, false);
    DrawButtonFace(hot, ActiveSkinRect, false, true);
    auto from = TbsEffectBmp::CreateFromhWnd(normal.Handle());
    auto to = TbsEffectBmp::CreateFromhWnd(hot.Handle());
    if (!from || !to) return;
    MorphByKind(*from, *to, MorphKind, FMorph.Kf());
    from->Draw(canvas.Handle(), 0, 0);
}

template <class TBase>
void TbsButtonCore<TBase>::SetCaptionFont(TFont& font, bool fromRecord) {
    if (fromRecord && this->FUseSkinFont && this->FIndex != -1) {
        font.SetName(FontName);
        font.SetHeight(FontHeight);
        font.SetStyle(FontStyle);
        font.SetCharset(this->FDefaultFont.Charset());
    } else {
        font.Assign(this->FDefaultFont);
    }
    if (this->FSD && this->FSD->ResourceStrData())
        font.SetCharset(this->FSD->ResourceStrData()->CharSet());
}

template <class TBase>
TColor TbsButtonCore<TBase>::CaptionColor(bool ADown, bool AMouseIn) const {
    if (this->Enabled() && !FUseSkinFontColor) return this->FDefaultFont.Color();
    if (!this->Enabled()) return DisabledFontColor;
    if (ADown && AMouseIn) return DownFontColor;
    if (AMouseIn) return ActiveFontColor;
    return FontColor;
}

template <class TBase>
int TbsButtonCore<TBase>::GlyphNumber(bool ADown, bool AMouseIn) const {
    if (ADown && AMouseIn && FNumGlyphs > 2) return 3;
    if (AMouseIn && FNumGlyphs > 3) return 4;
    if (!this->Enabled() && FNumGlyphs > 1) return 2;
    return 1;
}

template <class TBase>
void TbsButtonCore<TBase>::DrawListImage(TCanvas& canvas, const TRect& T, TCustomImageList* list,
                                         int index, bool pressed, bool enabled) {
    DrawImageAndCaption(canvas, T, FMargin, FSpacing, FLayout, ShownCaption(), index, list, pressed,
                        enabled, false, clNone);
}

template <class TBase>
void TbsButtonCore<TBase>::DrawGlyph(TCanvas& canvas, const TRect& T, bool pressed, int number) {
    DrawGlyphAndCaption(canvas, T, FMargin, FSpacing, FLayout, ShownCaption(), FGlyph, FNumGlyphs,
                        number, pressed, false, clNone);
}

template <class TBase>
void TbsButtonCore<TBase>::HoverChanged(bool entered, bool faceChanges) {
    if (entered) {
        if (faceChanges) {
            if (FDown) {
                if (MorphOn()) FMorph.SetAtEnd(true);
                this->Repaint();
            } else {
                StartAnimation(true);
                StartMorph();
            }
        }
        if (FDown && FRepeatMode && FGroupIndex == 0) StartRepeat();
        return;
    }
    if (faceChanges) {
        StartAnimation(false);
        StartMorph();
    }
    if (FDown && FRepeatMode && FRepeat.Running() && FGroupIndex == 0) StopRepeat();
}

template <class TBase>
bool TbsButtonCore<TBase>::PressLeft() {
    if (FAnimation.Running()) StopAnimation();
    FMouseHeld = true;
    if (!FDown) {
        FMouseIn = true;
        SetDown(true);
        if (FRepeatMode && FGroupIndex == 0)
            StartRepeat();
        else if (FGroupIndex != 0 && !ClickSurvived())
            return false;
        FAllowAllUpCheck = false;
    } else if (FGroupIndex != 0) {
        FAllowAllUpCheck = true;
    }
    return true;
}

template <class TBase>
bool TbsButtonCore<TBase>::ReleaseLeft() {
    FMouseHeld = false;
    const bool wasDown = FDown;
    if (FGroupIndex == 0) {
        if (FMouseIn) {
            SetDown(false);
            if (FRepeatMode) StopRepeat();
            if (wasDown) return ClickSurvived();
        } else {
            FDown = false;
            StopRepeat();
        }
    } else if (wasDown && FAllowAllUp && FAllowAllUpCheck && FMouseIn) {
        SetDown(false);
        return ClickSurvived();
    }
    return true;
}

template class TbsButtonCore<TbsSkinCustomControl>;
template class TbsButtonCore<TbsGraphicSkinCustomControl>;
