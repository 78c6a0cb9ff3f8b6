#include "lib/controls/TbsSkinSpeedButton.h"

#include "lib/controls/IbsToolBarImages.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TWinControl.h"

using namespace win;

TbsSkinSpeedButton::TbsSkinSpeedButton(TComponent* owner) : TbsButtonCore(owner) {
    FImageIndex = 0;
    // Clicks come from the button's own mouse handling only.
    FControlStyle = { csCaptureMouse, csOpaque, csDoubleClicks };
    FSkinDataName = "toolbutton";
    FWidth = 25;
    FHeight = 25;
}

TbsSkinSpeedButton::~TbsSkinSpeedButton() = default;

void TbsSkinSpeedButton::ButtonClick() {
    // The class library's click: OnClick, else the linked action (not while designing).
    if (OnClick || !Designing()) TbsButtonCore::Click();
}

void TbsSkinSpeedButton::SetTransparent(bool value) {
    if (value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Repaint();
}

void TbsSkinSpeedButton::SetFlat(bool value) {
    FFlat = value;
    SetTransparent(value);
}

void TbsSkinSpeedButton::SetShowCaption(bool value) {
    if (value == FShowCaption) return;
    FShowCaption = value;
    if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0)
        SetWidth(FShowCaption ? FWidthWithCaption : FWidthWithoutCaption);
    Repaint();
}

void TbsSkinSpeedButton::SetImageIndex(int value) {
    FImageIndex = value;
    if (ToolBar()) Repaint();
}

std::string TbsSkinSpeedButton::ShownCaption() const {
    return FShowCaption ? Caption() : std::string();
}

bool TbsSkinSpeedButton::CanAnimate() const {
    return !FFlat && TbsButtonCore::CanAnimate();
}

bool TbsSkinSpeedButton::ShowsPressed() const {
    return FDown && ((FMouseIn && FGroupIndex == 0) || FGroupIndex != 0);
}

IbsToolBarImages* TbsSkinSpeedButton::ToolBar() const {
    return dynamic_cast<IbsToolBarImages*>(Parent());
}

void TbsSkinSpeedButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        const std::shared_ptr<bool> alive = FAlive;
        TbsButtonCore::WndProc(message);
        // A disabled button still tells OnMouseEnter and OnMouseLeave, but shows nothing.
        if (!*alive || !Enabled() || Designing()) return;
        if (message.Msg == CM_MOUSEENTER)
            MouseEnter();
        else
            MouseLeave();
        return;
    }
    case CM_DIALOGCHAR:
        if (DialogChar(message.WParam)) {
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TbsButtonCore::WndProc(message);
}

void TbsSkinSpeedButton::MouseEnter() {
    FMouseIn = true;
    HoverChanged(true, !(FGroupIndex != 0 && FDown));
}

void TbsSkinSpeedButton::MouseLeave() {
    FMouseIn = false;
    HoverChanged(false, !(FGroupIndex != 0 && FDown));
}

bool TbsSkinSpeedButton::DialogChar(WPARAM key) {
    if (!IsAccel(unsigned(key), Caption()) || !Enabled() || !Visible() || !Parent() ||
        !Parent()->Showing())
        return false;
    ButtonClick();
    return true;
}

void TbsSkinSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const std::shared_ptr<bool> alive = FAlive;
    TbsButtonCore::MouseDown(button, shift, x, y);
    if (*alive && button == mbLeft) PressLeft();
}

void TbsSkinSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // OnMouseUp comes first and still sees the button down; a handler may free it.
    const std::shared_ptr<bool> alive = FAlive;
    TbsButtonCore::MouseUp(button, shift, x, y);
    if (*alive && button == mbLeft) ReleaseLeft();
}

void TbsSkinSpeedButton::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    PrepareFace();
    const bool pressed = ShowsPressed();
    if (FIndex == -1) {
        if (!pressed && !FMouseIn && Transparent())
            PaintCaptionOnly();
        else
            TbsButtonCore::Paint();
        return;
    }
    TCanvas& canvas = Canvas();
    const double kf = MorphKf();
    // Unlike the push button, a disabled button cross-fades too, and so does the step past
    // either end (1.2 or -0.2), which the transitions bound.
    if (MorphOn() && kf != 1 && kf != 0 && !Transparent())
        PaintCrossFade(canvas);
    else if (pressed)
        PaintFace(canvas, DownSkinRect, true, true);
    else if (FMouseIn || (MorphOn() && kf == 1))
        PaintFace(canvas, ActiveSkinRect, false, true);
    else if (Transparent())
        PaintCaptionOnly();
    else if (!Enabled() && !DisabledSkinRect.IsEmpty())
        PaintFace(canvas, DisabledSkinRect, false, false);
    else
        PaintFace(canvas, SkinRect, false, false);
}

void TbsSkinSpeedButton::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& canvas = B.Canvas();
    const TRect client(0, 0, B.Width(), B.Height());
    const bool pressed = ShowsPressed();
    TbsPlainFace face = pfFlat;
    if (pressed)
        face = pfPressed;
    else if (FMouseIn)
        face = pfHot;
    else if (Designing() || !FFlat)
        face = pfNormal;
    DrawPlainFace(canvas, client, face);
    SetCaptionFont(canvas.Font(), false);
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, canvas, client, FDown, FMouseIn, drawDefault);
    if (drawDefault) DrawContent(canvas, client, FDown, FMouseIn, pressed);
}

void TbsSkinSpeedButton::PaintCaptionOnly() {
    TCanvas& canvas = Canvas();
    SetCaptionFont(canvas.Font(), true);
    TRect rect = ClientRect();
    if (FIndex == -1) {
        if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    } else {
        rect = NewClRect;
        const TbsSkinColors& colors = FSD->FSkinColors;
        if (!Enabled())
            canvas.Font().SetColor(colors.FcBtnShadow);
        else if (FUseSkinFontColor)
            canvas.Font().SetColor(colors.FcBtnText);
        else
            canvas.Font().SetColor(FDefaultFont.Color());
    }
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, canvas, rect, FDown, FMouseIn, drawDefault);
    if (drawDefault) DrawContent(canvas, rect, false, false, false);
}

void TbsSkinSpeedButton::DrawContent(TCanvas& canvas, const TRect& T, bool ADown, bool AMouseIn,
                                     bool glyphPressed) {
    const bool imagePressed = ADown && AMouseIn;
    if (DrawOwnContent(canvas, T, imagePressed)) return;
    if (FGlyph.Empty()) {
        if (IbsToolBarImages* bar = ToolBar()) {
            TCustomImageList* disabledImages = bar->DisabledImages();
            if (!Enabled() && disabledImages) {
                // The list holds the disabled look: drawn as it is.
                DrawListImage(canvas, T, disabledImages, FImageIndex, imagePressed, true);
                return;
            }
            TCustomImageList* hotImages = bar->HotImages();
            TCustomImageList* list = (AMouseIn || ADown) && hotImages ? hotImages : bar->Images();
            DrawListImage(canvas, T, list, FImageIndex, imagePressed, Enabled());
            return;
        }
        if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count()) {
            DrawListImage(canvas, T, FImageList, FImageIndex, imagePressed, Enabled());
            return;
        }
    }
    DrawGlyph(canvas, T, glyphPressed, GlyphNumber(ADown, AMouseIn));
}
