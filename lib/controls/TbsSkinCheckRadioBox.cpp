#include "lib/controls/TbsSkinCheckRadioBox.h"

#include "lib/controls/bsSkinPictureParts.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsMorphKinds.h"
#include "lib/skindraw/bsParentBackground.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/forms/ControlMessages.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Input.h"
#include "platform/win/Messages.h"

#include <algorithm>

using namespace win;

namespace {

TRect OrEmpty(const TRect& r, const TRect& fallback) {
    return RectIsEmpty(r) ? fallback : r;
}

} // namespace

TbsSkinCheckRadioBox::TbsSkinCheckRadioBox(TComponent* owner)
    : TbsSkinCustomControl(owner), FMorph([this] { return CanMorph() && FIndex != -1; },
                                          [this] { return Hot(); }, [this] { Repaint(); }) {
    FWidth = 150;
    FHeight = 25;
    FSkinDataName = "checkbox";
    // Created in code, a box takes the focus by the mouse but not by the Tab key.
    SetTabStop(false);
}

TbsSkinCheckRadioBox::~TbsSkinCheckRadioBox() {
    FMorph.Stop();
}

void TbsSkinCheckRadioBox::SetChecked(bool value) {
    FChecked = value;
    if (value)
        FState = cbChecked;
    else if (FState == cbChecked)
        FState = cbUnchecked;
    Repaint();
    if (FChecked && FGroupIndex != 0 && Parent()) {
        TWinControl* parent = Parent();
        const int count = parent->ControlCount();
        for (int i = 0; i < count && i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TbsSkinCheckRadioBox*>(parent->Controls(i));
            if (sibling && sibling != this && sibling->FGroupIndex == FGroupIndex &&
                sibling->FChecked)
                sibling->SetChecked(false);
        }
    }
    if (!FRadio || FChecked) DoClick();
}

void TbsSkinCheckRadioBox::SetState(TCheckBoxState value) {
    FState = value;
    FChecked = value == cbChecked;
    Repaint();
    DoClick();
}

void TbsSkinCheckRadioBox::SetRadio(bool value) {
    FRadio = value;
    if (Designing() && !ComponentState().Contains(csLoading))
        FSkinDataName = FGroupIndex == 1 ? "radiobox" : "checkbox";
    Repaint();
}

void TbsSkinCheckRadioBox::SetAllowGrayed(bool value) {
    FAllowGrayed = value;
    Repaint();
}

void TbsSkinCheckRadioBox::SetFlat(bool value) {
    FFlat = value;
    Repaint();
}

void TbsSkinCheckRadioBox::SetWordWrap(bool value) {
    if (FWordWrap == value) return;
    FWordWrap = value;
    if (FFlat) Repaint();
}

void TbsSkinCheckRadioBox::SetImages(TCustomImageList* value) {
    if (FImages != value) {
        if (FImages) RemoveFreeNotification(FImages);
        FImages = value;
        if (FImages) FreeNotification(FImages);
    }
    Repaint();
}

void TbsSkinCheckRadioBox::SetImageIndex(int value) {
    FImageIndex = value;
    Repaint();
}

void TbsSkinCheckRadioBox::SetCanFocused(bool value) {
    FCanFocused = value;
    SetTabStop(value);
}

void TbsSkinCheckRadioBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FImages) FImages = nullptr;
}

void TbsSkinCheckRadioBox::BoxClick() {
    if (!FRadio)
        SetChecked(!FChecked);
    else if (!FChecked)
        SetChecked(true);
}

bool TbsSkinCheckRadioBox::ShowsFocus() const {
    return FCanFocused && HandleAllocated() && Focused();
}

bool TbsSkinCheckRadioBox::CanMorph() const {
    return Morphing && FSD && !FSD->Empty && FSD->EnableSkinEffects();
}

void TbsSkinCheckRadioBox::StartMorph() {
    if (!FFlat && CanMorph() && FIndex != -1)
        FMorph.Start();
    else
        Repaint();
}

void TbsSkinCheckRadioBox::GetSkinData() {
    TbsSkinCustomControl::GetSkinData();
    const auto* record = dynamic_cast<const TbsDataSkinCheckRadioControl*>(SkinRecord());
    if (!record) return;
    FontName = record->FontName;
    FontColor = record->FontColor;
    ActiveFontColor = record->ActiveFontColor;
    FrameFontColor = record->FrameFontColor;
    UnEnabledFontColor = record->UnEnabledFontColor;
    FontStyle = record->FontStyle;
    FontHeight = record->FontHeight;
    ActiveSkinRect = OrEmpty(record->ActiveSkinRect, SkinRect);
    CheckImageArea = record->CheckImageArea;
    TextArea = record->TextArea;
    CheckImageRect = record->CheckImageRect;
    UnCheckImageRect = record->UnCheckImageRect;
    ActiveCheckImageRect = OrEmpty(record->ActiveCheckImageRect, CheckImageRect);
    ActiveUnCheckImageRect = OrEmpty(record->ActiveUnCheckImageRect, UnCheckImageRect);
    UnEnabledCheckImageRect = OrEmpty(record->UnEnabledCheckImageRect, CheckImageRect);
    UnEnabledUnCheckImageRect = OrEmpty(record->UnEnabledUnCheckImageRect, UnCheckImageRect);
    Morphing = record->Morphing;
    MorphKind = record->MorphKind;
    if (FFlat) {
        Morphing = false;
        MaskPicture = nullptr;
    }
    GrayedCheckImageRect = record->GrayedCheckImageRect;
    ActiveGrayedCheckImageRect = record->ActiveGrayedCheckImageRect;
}

void TbsSkinCheckRadioBox::CalcSkinSize(int& AWidth, int& AHeight) {
    if (FFlat) return;
    TbsSkinCustomControl::CalcSkinSize(AWidth, AHeight);
    const int d = AWidth - SkinRect.Width();
    NewTextArea = TRect(TextArea.Left, TextArea.Top, TextArea.Right + d, TextArea.Bottom);
    TRect area = CheckImageArea;
    if (CheckImageArea.Right > TextArea.Right)
        area = TRect(area.Left + d, area.Top, area.Right + d, area.Bottom);
    const int w = CheckImageRect.Width();
    const int h = CheckImageRect.Height();
    const int left = area.Left + area.Width() / 2 - w / 2;
    const int top = area.Top + area.Height() / 2 - h / 2;
    CIRect = TRect(left, top, left + w, top + h);
}

void TbsSkinCheckRadioBox::ChangeSkinData() {
    if (!FFlat) {
        TbsSkinCustomControl::ChangeSkinData();
        return;
    }
    GetSkinData();
    Repaint();
}

void TbsSkinCheckRadioBox::CheckParentBackground() {
    if (FFlat) Repaint();
}

void TbsSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (!FMouseIn) {
        FMouseIn = true;
        StartMorph();
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    // The press held the pointer: a release away from the box is no click.
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (button != mbLeft || !FMouseIn || !inside) return;
    if (FAllowGrayed && !FRadio && FState == cbUnchecked) {
        FState = cbGrayed;
        FChecked = false;
        Repaint();
        DoClick();
        return;
    }
    BoxClick();
}

void TbsSkinCheckRadioBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (!Designing()) {
            FMouseIn = message.Msg == CM_MOUSEENTER;
            StartMorph();
        }
        break;
    case WM_KEYUP:
        if (FCanFocused && message.WParam == VK_SPACE && ShowsFocus()) BoxClick();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FCanFocused && !Designing() && !Focused()) {
            FClicksDisabled = true;
            SetFocus();
            FClicksDisabled = false;
            if (!Focused()) return;
        }
        break;
    case CN_COMMAND:
        if (FCanFocused && FClicksDisabled) return;
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(unsigned(message.WParam), Caption()) && CanFocus() && FCanFocused) {
            SetFocus();
            BoxClick();
            message.Result = 1;
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TbsSkinCustomControl::WndProc(message);
        if (FCanFocused) {
            if (FFlat)
                Invalidate();
            else
                StartMorph();
        }
        return;
    case CM_ENABLEDCHANGED:
        TbsSkinCustomControl::WndProc(message);
        if (CanMorph()) {
            FMorph.Stop();
            FMorph.SetAtEnd(false);
        }
        FMouseIn = false;
        Repaint();
        return;
    case CM_TEXTCHANGED:
        TbsSkinCustomControl::WndProc(message);
        Repaint();
        return;
    case WM_MOVE:
        TbsSkinCustomControl::WndProc(message);
        if (FFlat) Invalidate();
        return;
    case WM_ERASEBKGND:
        if (!FFlat && !FromWMPaint) {
            TCanvas canvas;
            canvas.SetHandle(HDC(message.WParam));
            GetSkinData();
            TBitmap B(Width(), Height());
            if (FIndex == -1)
                CreateControlDefaultImage(B);
            else
                DrawFace(B, SkinRect, FontColor, false, FChecked);
            canvas.Draw(0, 0, &B);
            canvas.SetHandle(nullptr);
        }
        message.Result = 1;
        return;
    default:
        break;
    }
    TbsSkinCustomControl::WndProc(message);
}

void TbsSkinCheckRadioBox::DrawCheckImage(TCanvas& canvas, int x, int y, bool mouseIn,
                                          bool checked) {
    const bool grayed = FState == cbGrayed;
    TRect source;
    if (!Enabled())
        source = grayed || checked ? UnEnabledCheckImageRect : UnEnabledUnCheckImageRect;
    else if (mouseIn)
        source = grayed || checked ? ActiveCheckImageRect : ActiveUnCheckImageRect;
    else
        source = grayed || checked ? CheckImageRect : UnCheckImageRect;
    if (!grayed) {
        DrawPicturePart(canvas, x, y, Picture, source);
        return;
    }
    if (!RectIsEmpty(GrayedCheckImageRect)) {
        const TRect& grayedSource = mouseIn && Enabled() && !RectIsEmpty(ActiveGrayedCheckImageRect)
                                        ? ActiveGrayedCheckImageRect
                                        : GrayedCheckImageRect;
        DrawPicturePart(canvas, x, y, Picture, grayedSource);
        return;
    }
    // No grayed image in the skin: the checked one, brightened.
    if (!Picture || RectIsEmpty(source)) return;
    TBitmap part(source.Width(), source.Height());
    part.Canvas().CopyRect(TRect(0, 0, source.Width(), source.Height()), Picture->Canvas(), source);
    auto effect = TbsEffectBmp::CreateFromhWnd(part.Handle());
    if (!effect) return;
    effect->ChangeBrightness(0.5);
    TBitmap brightened(source.Width(), source.Height());
    effect->Draw(brightened.Canvas().Handle(), 0, 0);
    brightened.Canvas().Refresh();
    TBitmap keyed(source.Width(), source.Height());
    keyed.Canvas().CopyRect(TRect(0, 0, source.Width(), source.Height()), brightened.Canvas(),
                            TRect(0, 0, source.Width(), source.Height()));
    keyed.SetTransparent(true);
    canvas.Draw(x, y, &keyed);
}

void TbsSkinCheckRadioBox::DrawFace(TBitmap& B, const TRect& face, TColor fontColor, bool mouseIn,
                                    bool checked) {
    int width = Width();
    int height = Height();
    CalcSkinSize(width, height);
    RenderSkinRect(B, Picture, face);
    TCanvas& canvas = B.Canvas();
    DrawCheckImage(canvas, CIRect.Left, CIRect.Top, mouseIn, checked);
    ChooseSkinFont(canvas.Font(), FSD, FDefaultFont, FUseSkinFont, FontName, FontHeight, FontStyle);
    canvas.Font().SetColor(Enabled() ? fontColor : UnEnabledFontColor);
    canvas.Brush().SetStyle(bsClear);
    DrawTextVCenter(canvas, Caption(), NewTextArea);
}

void TbsSkinCheckRadioBox::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    if (FFlat) {
        PaintFlat(Canvas(), FChecked, true);
        return;
    }
    if (FIndex == -1) {
        TbsSkinCustomControl::Paint();
        return;
    }
    TBitmap B(Width(), Height());
    const double kf = FMorph.Kf();
    if (CanMorph() && kf > 0 && kf < 1) {
        TBitmap normal(Width(), Height());
        TBitmap active(Width(), Height());
        DrawFace(normal, SkinRect, FontColor, FMouseIn, FChecked);
        DrawFace(active, ActiveSkinRect, ActiveFontColor, FMouseIn, FChecked);
        auto from = TbsEffectBmp::CreateFromhWnd(normal.Handle());
        auto to = TbsEffectBmp::CreateFromhWnd(active.Handle());
        if (from && to) {
            MorphByKind(*from, *to, MorphKind, kf);
            from->Draw(Canvas().Handle(), 0, 0);
        }
        return;
    }
    if (Hot())
        DrawFace(B, ActiveSkinRect, ActiveFontColor, FMouseIn, FChecked);
    else
        DrawFace(B, SkinRect, FontColor, FMouseIn, FChecked);
    Canvas().Draw(0, 0, &B);
}

void TbsSkinCheckRadioBox::DrawPlainMark(TCanvas& canvas, int h, bool checked) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(FMouseIn ? clNavy : clBtnShadow);
    canvas.FrameRect(TRect(3, h / 2 - 7, 17, h / 2 + 7));
    canvas.Brush().SetStyle(bsClear);
    if (FState == cbGrayed && !FRadio) {
        DrawCheckMark(canvas, 7, h / 2 - 4, clGrayText);
        return;
    }
    if (!checked) return;
    const TColor mark = Enabled() ? clBlack : clBtnShadow;
    if (FRadio)
        DrawRadioDot(canvas, 7, h / 2 - 3, mark);
    else
        DrawCheckMark(canvas, 7, h / 2 - 4, mark);
}

void TbsSkinCheckRadioBox::CreateControlDefaultImage(TBitmap& B) {
    TbsSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas& canvas = B.Canvas();
    const int h = Height();
    if (ShowsFocus() || FMouseIn) {
        canvas.Brush().SetColor(clBtnShadow);
        canvas.FrameRect(TRect(0, 0, Width(), h));
    }
    canvas.Font().Assign(FDefaultFont);
    if (FSD && FSD->ResourceStrData()) canvas.Font().SetCharset(FSD->ResourceStrData()->CharSet());
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    canvas.Brush().SetStyle(bsClear);
    DrawTextVCenter(canvas, Caption(), TRect(19, 0, Width(), h));
    DrawPlainMark(canvas, h, FChecked);
}

void TbsSkinCheckRadioBox::PaintFlat(TCanvas& target, bool checked, bool withFocus) {
    const int h = Height();
    TBitmap B(Width(), h);
    TCanvas& canvas = B.Canvas();
    CopyParentBackground(this, canvas);
    int textX;
    if (FIndex != -1) {
        DrawCheckImage(canvas, 3, h / 2 - CheckImageRect.Height() / 2, FMouseIn, checked);
        ChooseSkinFont(canvas.Font(), FSD, FDefaultFont, FUseSkinFont, FontName, FontHeight,
                       FontStyle);
        TColor color = Enabled() ? FrameFontColor : UnEnabledFontColor;
        if (!FUseSkinFontColor) color = FDefaultFont.Color();
        canvas.Font().SetColor(color);
        textX = CheckImageRect.Width() + 7;
    } else {
        canvas.Font().Assign(FDefaultFont);
        if (FSD && FSD->ResourceStrData())
            canvas.Font().SetCharset(FSD->ResourceStrData()->CharSet());
        if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
        DrawPlainMark(canvas, h, checked);
        textX = 22;
    }
    canvas.Brush().SetStyle(bsClear);
    const bool image = FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
    const std::string text = Caption();
    TRect textRect;
    if (FWordWrap) {
        const int imageWidth = image ? FImages->Width() : 0;
        TRect r(textX + imageWidth, 0, Width(), h);
        DrawTextWide(canvas, text, r, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
        const int top = std::max(0, h / 2 - r.Height() / 2);
        r = TRect(textX + imageWidth, top, Width(), top + r.Height());
        if (image)
            FImages->Draw(canvas, textX, h / 2 - FImages->Height() / 2, FImageIndex, Enabled());
        DrawTextWide(canvas, text, r, DT_EXPANDTABS | DT_WORDBREAK);
        textRect = r;
    } else {
        TRect r(0, 0, 0, 0);
        DrawTextWide(canvas, text.empty() ? " " : text, r, DT_CALCRECT | DT_SINGLELINE);
        int x = textX;
        if (image) {
            FImages->Draw(canvas, x, h / 2 - FImages->Height() / 2, FImageIndex, Enabled());
            x += FImages->Width() + (FIndex != -1 ? 8 : 5);
        }
        const int top = h / 2 - r.Height() / 2;
        textRect = TRect(x, top, std::min(x + r.Width(), Width() - 2), top + r.Height());
        if (!text.empty()) {
            TRect drawn = textRect;
            DrawTextWide(canvas, text, drawn, DT_SINGLELINE | DT_VCENTER);
        }
    }
    if (withFocus && ShowsFocus()) {
        TRect focus(textRect.Left - 2, textRect.Top - 1, textRect.Right + 2, textRect.Bottom + 1);
        if (!FWordWrap) focus.Right += 1;
        if (text.empty() && image)
            focus = TRect(textX - 1, h / 2 - FImages->Height() / 2 - 1,
                          textX + FImages->Width() + 1, h / 2 + FImages->Height() / 2 + 1);
        DrawDottedFocusRect(canvas, focus);
    }
    target.Draw(0, 0, &B);
}

void TbsSkinCheckRadioBox::PaintSkinTo(TCanvas& canvas, int x, int y, bool checked) {
    GetSkinData();
    if (FFlat) {
        TBitmap B(Width(), Height());
        PaintFlat(B.Canvas(), checked, false);
        canvas.Draw(x, y, &B);
        return;
    }
    if (FIndex == -1) return;
    TBitmap B(Width(), Height());
    DrawFace(B, SkinRect, FontColor, false, checked);
    canvas.Draw(x, y, &B);
}
