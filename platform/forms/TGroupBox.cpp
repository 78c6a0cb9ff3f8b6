#include "platform/forms/TGroupBox.h"
#include "platform/forms/TMenuItem.h"
#include "platform/gfx/TextDraw.h"
#include "platform/win/Painting.h"
#include "platform/win/Win.h"
#include <algorithm>

using namespace win;

namespace {
constexpr int kCaptionIndent = 8;
} // namespace

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csSetCaption);
    FColor = clBtnFace;
    SetParentColor(false);
    FWidth = 185;
    FHeight = 105;
}

TGroupBox::~TGroupBox() = default;

int TGroupBox::CaptionHeight() const {
    const HDC screen = GetDC(nullptr);
    if (!screen) return 13;
    TCanvas measure;
    measure.SetHandle(screen);
    measure.SetFont(const_cast<TGroupBox*>(this)->FFont);
    const int height = measure.TextHeight("0");
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    return height;
}

void TGroupBox::AdjustClientRect(TRect& rect) const {
    TCustomControl::AdjustClientRect(rect);
    rect = TRect(rect.Left + 2, rect.Top + CaptionHeight() + 2, rect.Right - 2, rect.Bottom - 2);
}

void TGroupBox::WndProc(TMessage& message) {
    if (message.Msg == CM_DIALOGCHAR && Enabled() && Showing() &&
        IsAccel(unsigned(message.WParam), Caption())) {
        // The group's accelerator moves the focus to its first control that takes it.
        SelectNext(nullptr, true, true);
        message.Result = 1;
        return;
    }
    TCustomControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) {
        Realign();
        Invalidate();
    }
}

void TGroupBox::Paint() {
    const TRect client = ClientRect();
    FCanvas.Brush().SetStyle(bsSolid);
    FCanvas.Brush().SetColor(FColor);
    FCanvas.FillRect(client);
    FCanvas.SetFont(FFont);
    const int textHeight = FCanvas.TextHeight("0");
    RECT frame{ client.Left, client.Top + textHeight / 2, client.Right, client.Bottom };
    DrawEdge(FCanvas.Handle(), &frame, EDGE_ETCHED, BF_RECT);
    if (Caption().empty()) return;
    RECT text{ kCaptionIndent, 0, 0, 0 };
    DrawText(FCanvas.Handle(), Caption(), &text, DT_SINGLELINE | DT_CALCRECT);
    text.right = std::min<int>(text.right, client.Right - kCaptionIndent);
    // The caption sits on a gap cut out of the frame.
    RECT gap{ text.left - 2, text.top, text.right + 2, text.bottom };
    FCanvas.FillRect(TRect(gap));
    FCanvas.Brush().SetStyle(bsClear);
    const HDC dc = FCanvas.Handle();
    if (!Enabled()) SetTextColor(dc, ColorToRGB(clGrayText));
    DrawText(dc, Caption(), &text, DT_SINGLELINE);
}
