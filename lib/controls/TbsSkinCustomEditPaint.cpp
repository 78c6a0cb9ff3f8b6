// The skinned edit's painting: the frame in the non-client area, the background of the text
// area (drawn on erase, with the text painted into the same DC), the disabled text, and the
// look drawn for others (PaintSkinTo and the frame-paint requests).
#include "lib/controls/TbsSkinCustomEdit.h"

#include "lib/controls/bsButtonRecordFace.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinMessages.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/DcStateSaver.h"
#include "platform/gfx/TBitmap.h"
#include "platform/gfx/Utf8.h"
#include "platform/win/Win.h"

#include <algorithm>
#include <utility>

using namespace win;

namespace {

// The plain look's push button: pressed under the pointer, under the pointer, or at rest.
constexpr TColor kPlainButtonPressedFill = TColor(0xB59385);
constexpr TColor kPlainButtonHotFill = TColor(0xD2BDB6);

void FrameAndFill(TCanvas& C, const TRect& r, TColor frame, TColor fill) {
    C.Brush().SetStyle(bsSolid);
    C.Brush().SetColor(fill);
    C.FillRect(r);
    C.Brush().SetColor(frame);
    C.FrameRect(r);
}

// Lends a DC to a canvas for a scope.
class TDcCanvas {
public:
    explicit TDcCanvas(HDC dc) { FCanvas.SetHandle(dc); }
    ~TDcCanvas() { FCanvas.SetHandle(nullptr); }
    TDcCanvas(const TDcCanvas&) = delete;
    TDcCanvas& operator=(const TDcCanvas&) = delete;
    TCanvas& Canvas() { return FCanvas; }

private:
    TCanvas FCanvas;
};

} // namespace

TFontCharset TbsSkinCustomEdit::TextCharset() const {
    const TbsResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    return strings ? strings->CharSet() : FDefaultFont.Charset();
}

void TbsSkinCustomEdit::SetTextFont(TFont& font) const {
    if (FIndex != -1 && FUseSkinFont) {
        font.SetName(FontName);
        font.SetHeight(FontHeight);
        font.SetStyle(FontStyle);
    } else {
        font.Assign(FDefaultFont);
    }
    font.SetCharset(TextCharset());
}

void TbsSkinCustomEdit::DrawFrameText(TCanvas& C, const std::string& text, int shift) {
    C.Brush().SetStyle(bsClear);
    SetTextFont(C.Font());
    if (FIndex != -1 && FUseSkinFont) C.Font().SetColor(FontColor);
    TRect R = FEditRect;
    if (FImages && FLeftImageIndex >= 0) R.Left += FImages->Width() + 2;
    if (FImages && FRightImageIndex >= 0) R.Right -= FImages->Width() + 2;
    const int textWidth = C.TextWidth(text);
    int x = R.Left + 1;
    if (FAlignment == taRightJustify) x = R.Right - textWidth - 1;
    if (FAlignment == taCenter) x = R.Left + 1 + R.Width() / 2 - textWidth / 2;
    C.TextRect(R, x + shift, R.Top - 1 + shift, text);
}

void TbsSkinCustomEdit::DrawFrame(TCanvas& C, bool withText, const std::string& text) {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    CalcRects();
    const int buttonWidth = FButtonMode ? Width() - FButtonRect.Left : 0;
    TBitmap B(Width(), Height());
    TCanvas& canvas = B.Canvas();
    if (FIndex == -1) {
        const TRect frame(0, 0, Width() - buttonWidth, Height());
        FrameAndFill(canvas, frame, clBtnShadow, FDefaultColor);
        canvas.Brush().SetColor(clBtnFace);
        canvas.FrameRect(TRect(frame.Left + 1, frame.Top + 1, frame.Right - 1, frame.Bottom - 1));
        if (FButtonMode) {
            if (FButtonDown && FButtonActive)
                FrameAndFill(canvas, FButtonRect, clNavy, kPlainButtonPressedFill);
            else if (FButtonActive)
                FrameAndFill(canvas, FButtonRect, clNavy, kPlainButtonHotFill);
            else
                FrameAndFill(canvas, FButtonRect, clBtnShadow, clBtnFace);
        }
    } else if (Picture) {
        const TRect& face = FMouseIn || Focused() ? ActiveSkinRect : SkinRect;
        BuildHorzThreeSliceImage(LOffset, ROffset, B, *Picture, face, Width(), Height(),
                                 StretchEffect);
        if (FButtonMode) {
            TRect state;
            if (!Enabled() && !UnEnabledButtonRect.IsEmpty())
                state = UnEnabledButtonRect;
            else if (FButtonDown && FButtonActive)
                state = DownButtonRect;
            else if (FButtonActive)
                state = ActiveButtonRect;
            if (!state.IsEmpty()) canvas.CopyRect(FButtonRect, Picture->Canvas(), state);
        }
    }
    if (withText) DrawFrameText(canvas, text, 0);
    C.Draw(0, 0, &B);
}

void TbsSkinCustomEdit::DrawResizeFrame(TCanvas& C, bool withText, const std::string& text) {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    CalcRects();
    TBitmap B(Width(), Height());
    if (Picture) {
        const TRect& face = FMouseIn || Focused() ? ActiveSkinRect : SkinRect;
        StretchSkinImage(B, *Picture, face, ClRect, false);
    }
    if (FButtonMode) DrawEditButton(B.Canvas(), FButtonRect);
    if (withText) DrawFrameText(B.Canvas(), text, 0);
    C.Draw(0, 0, &B);
}

void TbsSkinCustomEdit::DrawEditButton(TCanvas& C, const TRect& R) {
    if (!FSD || R.IsEmpty()) return;
    const TbsDataSkinButtonControl* record = FindButtonRecord(FSD, "editbutton");
    if (!record) record = FindButtonRecord(FSD, "resizebutton");
    // No glyph: the face alone.
    if (record) DrawButtonRecordFace(C, *FSD, *record, FButtonDown, FButtonActive, R);
}

void TbsSkinCustomEdit::DrawEditBackground(TCanvas& C) {
    GetSkinData();
    CalcRects();
    const int width = FEditRect.Width();
    const int height = FEditRect.Height();
    if (width <= 0 || height <= 0) return;
    if (FIndex == -1) {
        C.Brush().SetStyle(bsSolid);
        C.Brush().SetColor(FDefaultColor);
        C.FillRect(TRect(0, 0, width, height));
        return;
    }
    if (!Picture) return;
    const TRect& face = FMouseIn || Focused() ? ActiveSkinRect : SkinRect;
    const TRect client(face.Left + ClRect.Left, face.Top + ClRect.Top, face.Left + ClRect.Right,
                       face.Top + ClRect.Bottom);
    TBitmap B(width, height);
    BuildHorzThreeSliceImage(std::max(LOffset - ClRect.Left, 0),
                             std::max(ClRect.Right + ROffset - SkinRect.Width(), 0), B, *Picture,
                             client, width, height, StretchEffect);
    if (FUseSkinFont)
        C.Draw(0, 0, &B);
    else
        C.StretchDraw(TRect(0, 0, width, height), &B);
}

void TbsSkinCustomEdit::PaintFrameTo(HDC dc) {
    TDcCanvas canvas(dc);
    if (FUseSkinFont || FIndex == -1)
        DrawFrame(canvas.Canvas(), false, {});
    else
        DrawResizeFrame(canvas.Canvas(), false, {});
}

void TbsSkinCustomEdit::WMNCPaint() {
    if (!HandleAllocated()) return;
    GetSkinData();
    CalcRects();
    if (HDC dc = GetWindowDC(FHandle)) {
        ExcludeClipRect(dc, FEditRect.Left, FEditRect.Top, FEditRect.Right, FEditRect.Bottom);
        PaintFrameTo(dc);
        ReleaseDC(FHandle, dc);
    }
    Invalidate();
}

void TbsSkinCustomEdit::WMEraseBkgnd(TMessage& message) {
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    if (!dc) return;
    {
        TDcCanvas canvas(dc);
        DrawEditBackground(canvas.Canvas());
        DrawImages(canvas.Canvas());
    }
    // The text goes on now, over this background; the paint that follows only validates.
    SendMessage(FHandle, WM_PAINT, WPARAM(dc), 0);
    FStopDraw = true;
    message.Result = 1;
}

void TbsSkinCustomEdit::WMPaint(TMessage& message) {
    if (FStopDraw) {
        if (!message.WParam && HandleAllocated()) {
            PAINTSTRUCT ps;
            BeginPaint(FHandle, &ps);
            EndPaint(FHandle, &ps);
        }
        FStopDraw = false;
        return;
    }
    if (Enabled()) {
        FStopDraw = true;
        TbsCustomEdit::WndProc(message);
        FStopDraw = false;
        return;
    }
    if (message.WParam) {
        PaintDisabledText(reinterpret_cast<HDC>(message.WParam));
        return;
    }
    if (!HandleAllocated()) return;
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(FHandle, &ps)) PaintDisabledText(dc);
    EndPaint(FHandle, &ps);
}

void TbsSkinCustomEdit::PaintDisabledText(HDC dc) {
    TDcCanvas canvas(dc);
    TCanvas& C = canvas.Canvas();
    SetTextFont(C.Font());
    C.Font().SetColor(FIndex == -1 ? clGrayText : DisabledFontColor);
    // A password stays hidden while the edit is disabled.
    const std::string text =
        PasswordChar()
            ? gfx::EncodeUtf8(std::u32string(gfx::DecodeUtf8(Text()).size(), PasswordChar()))
            : Text();
    const TRect R(0, 0, FEditRect.Width(), FEditRect.Height());
    const int textWidth = C.TextWidth(text);
    int x = R.Left + 2;
    if (FAlignment == taRightJustify) x = R.Right - textWidth - 1;
    if (FAlignment == taCenter) x = R.Left + R.Width() / 2 - textWidth / 2;
    C.Brush().SetStyle(bsClear);
    C.TextRect(R, x, R.Top, text);
}

void TbsSkinCustomEdit::WMSkinFramePaint(TMessage& message, bool excludeText) {
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    if (excludeText) message.Result = SKIN_PAINT_KEY;
    if (!dc) return;
    GetSkinData();
    CalcRects();
    const gfx::DcStateSaver saved(dc);
    if (excludeText)
        ExcludeClipRect(dc, FEditRect.Left, FEditRect.Top, FEditRect.Right, FEditRect.Bottom);
    PaintFrameTo(dc);
    if (!excludeText) message.Result = SKIN_FRAME_PAINTED;
}

void TbsSkinCustomEdit::PaintSkinTo(TCanvas& C, int X, int Y, const std::string& AText) {
    GetSkinData();
    if (Width() <= 0 || Height() <= 0) return;
    if (FIndex == -1) {
        TBitmap B(Width(), Height());
        DrawFrame(B.Canvas(), false, {});
        DrawFrameText(B.Canvas(), AText, 1);
        C.Draw(X, Y, &B);
        return;
    }
    CalcRects();
    TBitmap B(Width(), Height());
    if (Picture && FUseSkinFont) {
        BuildHorzThreeSliceImage(LOffset, ROffset, B, *Picture, SkinRect, Width(), Height(),
                                 StretchEffect);
    } else if (Picture) {
        StretchSkinImage(B, *Picture, SkinRect, ClRect, false);
        if (FButtonMode) {
            // The button at rest, whatever state it is in now.
            const bool down = std::exchange(FButtonDown, false);
            const bool active = std::exchange(FButtonActive, false);
            DrawEditButton(B.Canvas(), FButtonRect);
            FButtonDown = down;
            FButtonActive = active;
        }
    }
    DrawFrameText(B.Canvas(), AText, 1);
    C.Draw(X, Y, &B);
}
