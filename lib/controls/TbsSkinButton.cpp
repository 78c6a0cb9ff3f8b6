#include "lib/controls/TbsSkinButton.h"

#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/win/Focus.h"
#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

using namespace win;

TbsSkinButton::TbsSkinButton(TComponent* owner)
    : TbsButtonCore(owner), FLayerManager(std::make_unique<TbsLayerManager>(nullptr)) {
    SetTabStop(true);
    FSkinDataName = "button";
    FWidth = 75;
    FHeight = 25;
}

TbsSkinButton::~TbsSkinButton() = default;

bool TbsSkinButton::ButtonFocused() const {
    return FCanFocused && Focused();
}

bool TbsSkinButton::ShowsPressed() const {
    return FDown && (FMouseIn || (ButtonFocused() && !FMouseHeld) || FGroupIndex != 0);
}

void TbsSkinButton::SetCanFocused(bool value) {
    FCanFocused = value;
    SetTabStop(value);
}

void TbsSkinButton::SetGroupIndex(int value) {
    TbsButtonCore::SetGroupIndex(value);
    if (value != 0) SetCanFocused(false);
}

void TbsSkinButton::SetDefault(bool value) {
    FDefault = value;
    if (!HandleAllocated() || !FCanFocused) return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, LPARAM(form->ActiveControl()));
}

void TbsSkinButton::ButtonClick() {
    if (FCanFocused)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    if (OnClick) {
        OnClick(this);
        return;
    }
    // The class library's click runs the linked action (its own handler is never set here).
    if (!Designing() && Action()) TbsButtonCore::Click();
}

void TbsSkinButton::Click() {
    if (!Action()) TbsButtonCore::Click();
}

void TbsSkinButton::CreateWnd() {
    TbsButtonCore::CreateWnd();
    FActive = FDefault;
}

void TbsSkinButton::GetSkinData() {
    TbsButtonCore::GetSkinData();
    // A button of free size has no window region.
    if (!FUseSkinSize) MaskPicture = nullptr;
}

void TbsSkinButton::ChangeSkinData() {
    TbsButtonCore::ChangeSkinData();
    if (FMouseIn) PostToSelf(WM_SKINSHOWGLOW);
}

void TbsSkinButton::BeforeChangeSkinData() {
    TbsButtonCore::BeforeChangeSkinData();
    if (FLayerManager->IsVisible()) FLayerManager->Hide();
}

void TbsSkinButton::PostToSelf(UINT msg) {
    if (HandleAllocated()) PostMessage(Handle(), msg, 0, 0);
}

void TbsSkinButton::WndProc(TMessage& message) {
    if (FCanFocused) {
        switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!Designing() && !Focused()) {
                FClicksDisabled = true;
                win::SetFocus(Handle());
                FClicksDisabled = false;
                // The control that had the focus kept it: the press is not for this button.
                if (!Focused()) return;
            }
            break;
        case CN_COMMAND:
            if (FClicksDisabled) return;
            break;
        case WM_KEYDOWN:
            if (message.WParam == VK_SPACE) {
                StopAnimation();
                SetDown(true);
                if (FRepeatMode && !ClickSurvived()) return;
            }
            break;
        case WM_KEYUP:
            if (message.WParam == VK_SPACE) {
                SetDown(false);
                if (!ClickSurvived()) return;
            }
            break;
        default:
            break;
        }
    }
    switch (message.Msg) {
    case WM_ERASEBKGND:
        // The window system erases just before it sends a pending WM_PAINT: that paint
        // covers the whole button, so only an erase with no paint to follow paints here.
        if (!FromWMPaint && !GetUpdateRect(Handle(), nullptr, FALSE)) {
            PaintWindow(HDC(message.WParam));
            message.Result = 1;
        }
        return;
    case WM_SETFOCUS:
        TbsButtonCore::WndProc(message);
        GotFocus();
        return;
    case WM_KILLFOCUS:
        if (FRepeatMode) StopRepeat();
        if (FDown && FGroupIndex == 0) FDown = false;
        TbsButtonCore::WndProc(message);
        LostFocus();
        return;
    case CM_MOUSEENTER: {
        const std::shared_ptr<bool> alive = FAlive;
        TbsButtonCore::WndProc(message);
        if (*alive && !Designing()) MouseEnter();
        return;
    }
    case CM_MOUSELEAVE: {
        const std::shared_ptr<bool> alive = FAlive;
        TbsButtonCore::WndProc(message);
        if (*alive && !Designing()) MouseLeave();
        return;
    }
    case CM_DIALOGKEY:
        if (DialogKey(message.WParam)) {
            message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (DialogChar(message.WParam)) {
            message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TWinControl*>(message.LParam));
        break;
    case WM_SKINSHOWGLOW:
        ShowLayer();
        return;
    case WM_SKINHIDEGLOW:
        HideLayer();
        return;
    default:
        break;
    }
    TbsButtonCore::WndProc(message);
}

void TbsSkinButton::KeyDown(unsigned short& key, TShiftState shift) {
    // Enter arrives here only when the form's dialog keys left it alone, which they do not
    // for the focused button: it clicks there, and once.
    if (FCanFocused && key == VK_RETURN && !ClickSurvived()) return;
    TbsButtonCore::KeyDown(key, shift);
}

bool TbsSkinButton::DialogKey(WPARAM key) {
    if (key == VK_RETURN && FActive && Enabled()) {
        ButtonClick();
        return true;
    }
    if (key == VK_ESCAPE && FCancel && FCanFocused && CanFocus()) {
        const TShiftState shift = KeyboardShiftState();
        if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt))
            return false;
        ButtonClick();
        return true;
    }
    return false;
}

bool TbsSkinButton::DialogChar(WPARAM key) {
    if (!IsAccel(unsigned(key), Caption()) || !CanFocus() || !FCanFocused) return false;
    SetFocus();
    ButtonClick();
    return true;
}

void TbsSkinButton::FocusChanged(TWinControl* focused) {
    auto* button = dynamic_cast<TbsSkinButton*>(focused);
    FActive = button ? button == this : FDefault;
    if (!FCanFocused || !FDefault) return;
    if (button && button != this && FMouseIn) {
        FMouseIn = false;
        StartMorph();
    } else if (!button && !FMouseIn) {
        if (MorphOn()) FMorph.SetAtEnd(true);
        FMouseIn = true;
        StartMorph();
    }
}

void TbsSkinButton::GotFocus() {
    if (!FCanFocused) return;
    StartAnimation(true);
    StartMorph();
}

void TbsSkinButton::LostFocus() {
    if (!FCanFocused) return;
    StartAnimation(false);
    if (MorphOn() && FIndex != -1)
        StartMorph();
    else
        Invalidate();
}

void TbsSkinButton::MouseEnter() {
    FMouseIn = true;
    HoverChanged(true, FGroupIndex != 0 ? !FDown : (!ButtonFocused() || FDown));
    PostToSelf(WM_SKINSHOWGLOW);
}

void TbsSkinButton::MouseLeave() {
    // The default button keeps its hot face while Enter would click it.
    if (!(FCanFocused && FDefault && FActive && !Focused())) FMouseIn = false;
    HoverChanged(false, FGroupIndex != 0 ? !FDown : (!ButtonFocused() || FDown));
    PostToSelf(WM_SKINHIDEGLOW);
}

void TbsSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const std::shared_ptr<bool> alive = FAlive;
    TbsButtonCore::MouseDown(button, shift, x, y);
    if (*alive && button == mbLeft) PressLeft();
}

void TbsSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // A click handler that freed the button ends the handling here.
    if (button == mbLeft && !ReleaseLeft()) return;
    if (HandleAllocated() && Visible()) TbsButtonCore::MouseUp(button, shift, x, y);
}

void TbsSkinButton::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    PrepareFace();
    if (FIndex == -1) {
        TbsButtonCore::Paint();
        return;
    }
    TCanvas& canvas = Canvas();
    const double kf = MorphKf();
    if (MorphOn() && kf > 0 && kf < 1 && Enabled()) {
        PaintCrossFade(canvas);
        return;
    }
    const bool focused = ButtonFocused();
    if (!Enabled() && !DisabledSkinRect.IsEmpty())
        PaintFace(canvas, DisabledSkinRect, false, false);
    else if (ShowsPressed())
        PaintFace(canvas, DownSkinRect, true, true);
    else if (focused && !FocusedSkinRect.IsEmpty() && !FAnimation.Running())
        PaintFace(canvas, FocusedSkinRect, false, true);
    else if (focused || FMouseIn || (MorphOn() && kf == 1))
        PaintFace(canvas, ActiveSkinRect, false, true);
    else
        PaintFace(canvas, SkinRect, false, false);
}

void TbsSkinButton::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& canvas = B.Canvas();
    const TRect client(0, 0, B.Width(), B.Height());
    const bool pressed = ShowsPressed();
    DrawPlainFace(canvas, client,
                  pressed                       ? pfPressed
                  : FMouseIn || ButtonFocused() ? pfHot
                                                : pfNormal);
    SetCaptionFont(canvas.Font(), false);
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, canvas, client, FDown, FMouseIn, drawDefault);
    if (drawDefault) DrawContent(canvas, client, FDown, FMouseIn, pressed);
}

void TbsSkinButton::DrawFocusFrame(TCanvas& canvas, const TRect& T) {
    if (!ShowFocus || !ButtonFocused() || !FSD) return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(FSD->FSkinColors.FcBtnFace);
    DrawDottedFocusRect(canvas, T);
    canvas.Brush().SetStyle(bsClear);
}

void TbsSkinButton::DrawContent(TCanvas& canvas, const TRect& T, bool ADown, bool AMouseIn,
                                bool glyphPressed) {
    if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count())
        DrawListImage(canvas, T, FImageList, FImageIndex, ADown && AMouseIn, Enabled());
    else
        DrawGlyph(canvas, T, glyphPressed, GlyphNumber(ADown, AMouseIn));
}

bool TbsSkinButton::GlowAllowed() const {
    return FSD && !FSD->Empty && CanUseLayeredWindows() &&
           (FSD->ShowButtonGlowFrames() || FAlwaysShowGlowFrame) && GlowLayerPictureIndex != -1;
}

bool TbsSkinButton::GlowPictures(TBitmap*& image, TBitmap*& mask, TBitmap& wideImage,
                                 TBitmap& wideMask) {
    image = ActivePictureOf(*FSD, GlowLayerPictureIndex);
    mask = ActivePictureOf(*FSD, GlowLayerMaskPictureIndex);
    // A record whose glow names no picture, or no mask, shows no glow.
    if (!image || !mask) return false;
    const int dx = Width() - SkinRect.Width();
    const int dy = Height() - SkinRect.Height();
    const auto widen = [&](TBitmap& from, TBitmap& into) {
        const TRect all(0, 0, from.Width(), from.Height());
        if (ResizeMode == 2) {
            BuildHorzThreeSliceImage(GlowLayerOffsetLeft, GlowLayerOffsetRight, into, from, all,
                                     from.Width() + dx, from.Height(), true);
        } else {
            into.SetSize(from.Width() + dx, from.Height() + dy);
            StretchSkinImage(into, from, all,
                             TRect(GlowLayerOffsetLeft, GlowLayerOffsetTop,
                                   from.Width() - GlowLayerOffsetRight,
                                   from.Height() - GlowLayerOffsetBottom),
                             true);
        }
    };
    switch (ResizeMode) {
    case 0:
        return true;
    case 1:
        break;
    case 2:
        if (!FUseSkinSize) return false;
        break;
    default:
        return false;
    }
    widen(*image, wideImage);
    widen(*mask, wideMask);
    image = &wideImage;
    mask = &wideMask;
    return !wideImage.Empty() && !wideMask.Empty();
}

void TbsSkinButton::ShowLayer() {
    PrepareFace();
    if (FIndex == -1 || !GlowAllowed()) return;
    if (auto* form = dynamic_cast<TForm*>(GetParentForm(this)))
        FLayerManager->SetTopMostMode(form->FormStyle() == fsStayOnTop);
    TBitmap* image = nullptr;
    TBitmap* mask = nullptr;
    TBitmap wideImage;
    TBitmap wideMask;
    if (!GlowPictures(image, mask, wideImage, wideMask)) return;
    const TPoint origin = ClientOrigin();
    FLayerManager->Show(origin.X - GlowLayerShowOffsetX, origin.Y - GlowLayerShowOffsetY, *image,
                        *mask, GlowLayerAlphaBlendValue);
}

void TbsSkinButton::HideLayer() {
    // Whatever changed since the layer was shown (the skin's glow switch, the record, the
    // size), a layer that shows goes.
    if (FLayerManager->IsVisible()) FLayerManager->Hide();
}
