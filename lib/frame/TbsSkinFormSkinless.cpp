// The frame the component draws while its form has no usable skin: a three-pixel bevel and a
// plain caption bar, with the same hit codes as the skinned frame.
#include "lib/frame/TbsSkinForm.h"

#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/SysColors.h"
#include "platform/gfx/TextFlags.h"
#include "platform/win/Messaging.h"
#include "platform/win/Painting.h"

#include <algorithm>

using namespace win;

namespace {

void FillSolid(HDC dc, const RECT& r, int sysColor) {
    FillRect(dc, &r, GetSysColorBrush(sysColor));
}

// One pixel wide, inside r: top and left in one colour, bottom and right in the other.
void Bevel(HDC dc, const RECT& r, int topLeft, int bottomRight) {
    FillSolid(dc, RECT{ r.left, r.top, r.right, r.top + 1 }, topLeft);
    FillSolid(dc, RECT{ r.left, r.top, r.left + 1, r.bottom }, topLeft);
    FillSolid(dc, RECT{ r.left, r.bottom - 1, r.right, r.bottom }, bottomRight);
    FillSolid(dc, RECT{ r.right - 1, r.top, r.right, r.bottom }, bottomRight);
}

} // namespace

int TbsSkinForm::DefCaptionHeight() const {
    const TFormBorderStyle border = FForm->BorderStyle();
    return border == bsToolWindow || border == bsSizeToolWin ? 15 : 19;
}

void TbsSkinForm::CalcDefRects() {
    if (ObjectList.empty()) return;
    const int c = DefCaptionHeight();
    const int b = c == 15 ? 13 : 17;
    int right = FFormWidth - 3;
    const int top = 4;
    NewDefCaptionRect = TRect(3, 3, FFormWidth - 3, c);
    auto stdButton = [&](TbsStdCommand command) -> TbsSkinStdButtonObject* {
        for (const auto& object : ObjectList)
            if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
                button && button->Command == command && button->Visible &&
                button->SkinRectInAPicture)
                return button;
        return nullptr;
    };
    for (TbsStdCommand command : { cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray }) {
        if (TbsSkinStdButtonObject* button = stdButton(command)) {
            button->ObjectRect = TRect(right - b, top, right, top + b);
            right -= b;
        }
    }
    NewDefCaptionRect.Right = right;
    for (const auto& object : ObjectList) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!button || button->Command != cmSysMenu || !button->Visible) continue;
        const TSize size = FShowIcon ? GetSmallIconSize() : TSize(b, b);
        const int left = NewDefCaptionRect.Left;
        button->ObjectRect = TRect(left, top, left + size.cx, top + size.cy);
        NewDefCaptionRect.Left = left + size.cx;
        break;
    }
}

void TbsSkinForm::PaintNCDefault(HDC externalDC, bool useExternalDC) {
    if (FSD && FSD->ChangeSkinDataProcess) return;
    if (!useExternalDC && !HandleReady()) return;
    if (FFormWidth == 0) FFormWidth = FForm->Width();
    if (FFormHeight == 0) FFormHeight = FForm->Height();
    if (ObjectList.empty() && !FSkinSupport) CreateDefaultButtons();
    CalcDefRects();
    const HWND hwnd = useExternalDC ? nullptr : FForm->Handle();
    const HDC dc = useExternalDC ? externalDC : GetWindowDC(hwnd);
    if (!dc) return;
    const int w = FFormWidth, h = FFormHeight, c = DefCaptionHeight();
    TBitmap caption(std::max(0, w - 6), c);
    PaintDefCaption(caption);
    {
        gfx::DcStateSaver state(dc);
        ExcludeClipRect(dc, 3, c + 3, w - 3, h - 3);
        BitBlt(dc, 3, 3, caption.Width(), caption.Height(), caption.Canvas().Handle(), 0, 0,
               SRCCOPY);
        Bevel(dc, RECT{ 0, 0, w, h }, COLOR_3DLIGHT, COLOR_3DDKSHADOW);
        Bevel(dc, RECT{ 1, 1, w - 1, h - 1 }, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW);
        Bevel(dc, RECT{ 2, 2, w - 2, h - 2 }, COLOR_BTNFACE, COLOR_BTNFACE);
    }
    if (!useExternalDC) ReleaseDC(hwnd, dc);
}

void TbsSkinForm::PaintDefCaption(TBitmap& caption) {
    const int c = DefCaptionHeight();
    TCanvas& canvas = caption.Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(TRect(0, 0, caption.Width(), caption.Height()));
    // Grip lines across the caption rectangle, light and dark by turns.
    if (c - 6 >= 0)
        for (int y = 2; y <= c - 4; ++y) {
            canvas.Pen().SetColor(y % 2 == 0 ? clBtnHighlight : clBtnShadow);
            canvas.MoveTo(NewDefCaptionRect.Left - 1, y);
            canvas.LineTo(NewDefCaptionRect.Right - 6, y);
        }
    const bool active = GetFormActive();
    canvas.Font().Assign(active ? FDefCaptionFont : FDefInActiveCaptionFont);
    if (FSD && FSD->ResourceStrData()) canvas.Font().SetCharset(FSD->ResourceStrData()->CharSet());
    const TRect textArea(NewDefCaptionRect.Left - 3, 0, NewDefCaptionRect.Right - 3, c);
    if (OnCaptionPaint) {
        OnCaptionPaint(canvas, textArea, active);
    } else if (std::string text = CaptionText(); !text.empty()) {
        const int width = NewDefCaptionRect.Width();
        EllipsizeWideText(canvas, text, width);
        const int x = textArea.Left + width / 2 - (GetWideTextWidth(canvas, text) + 5) / 2;
        const int y = c / 2 - GetWideTextHeight(canvas, text) / 2;
        TRect r(x, y, x, y);
        DrawTextWide(canvas, text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        // The text sits on a plain patch cut out of the grip lines.
        canvas.Brush().SetColor(clBtnFace);
        canvas.FillRect(TRect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2));
        canvas.Brush().SetStyle(bsClear);
        DrawTextWide(canvas, text, r, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (ObjectList.empty() && !FSkinSupport) CreateDefaultButtons();
    CalcDefRects();
    for (auto& object : ObjectList) {
        if (!object->Visible) continue;
        const TRect kept = object->ObjectRect;
        object->ObjectRect = TRect(kept.Left - 3, kept.Top - 3, kept.Right - 3, kept.Bottom - 3);
        object->Draw(canvas, true);
        object->ObjectRect = kept;
    }
}

void TbsSkinForm::PaintBGDefault(HDC dc) {
    if (!dc) return;
    FillSolid(dc, RECT{ 0, 0, FForm->ClientWidth(), FForm->ClientHeight() }, COLOR_BTNFACE);
    if (FLogoBitMap.Empty()) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawLogo(canvas);
    canvas.SetHandle(nullptr);
}

void TbsSkinForm::PaintMDIBGDefault(HDC dc) {
    if (!dc) return;
    FillSolid(dc, RECT{ 0, 0, FForm->ClientWidth(), FForm->ClientHeight() }, COLOR_APPWORKSPACE);
    if (FLogoBitMap.Empty()) return;
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawLogo(canvas);
    canvas.SetHandle(nullptr);
}

int TbsSkinForm::DefaultHitTest(TPoint p) {
    const int w = FForm->Width(), h = FForm->Height(), c = DefCaptionHeight();
    const bool sizing = FWindowState == wsNormal && !FRollUpState && IsFormSizeable();
    if (sizing) {
        if (ActiveObject != -1) return HTOBJECT;
        if (p.X <= 2 && p.Y <= 2) return HTTOPLEFT;
        if (p.X >= w - 2 && p.Y <= 2) return HTTOPRIGHT;
        if (p.X <= 2 && p.Y >= h - 2) return HTBOTTOMLEFT;
        if (p.X >= w - 2 && p.Y >= h - 2) return HTBOTTOMRIGHT;
        if (p.X <= 2) return HTLEFT;
        if (p.Y <= 2) return HTTOP;
        if (p.X >= w - 2) return HTRIGHT;
        if (p.Y >= h - 2) return HTBOTTOM;
    }
    CalcDefRects();
    if (NewDefCaptionRect.Contains(p)) return HTCAPTION;
    if (TRect(3, c + 3, w - 3, h - 3).Contains(p)) return HTCLIENT;
    return HTOBJECT;
}
