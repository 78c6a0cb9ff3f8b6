#include "lib/skindraw/bsTextDrawing.h"

#include "platform/gfx/TCanvas.h"
#include "platform/gfx/TextDraw.h"
#include "platform/rtl/TextUtils.h"

#include <functional>

namespace {

// Drops the last character, not the last byte, so a shortened Chinese caption stays valid.
void DropLastCharacter(std::string& text) {
    if (!text.empty()) text.resize(Utf8Fit(text, text.size() - 1));
}

void Ellipsize(std::string& text, int maxWidth, const std::function<int(std::string_view)>& width) {
    if (width(text) <= maxWidth) return;
    while (!text.empty()) {
        DropLastCharacter(text);
        if (width(text + "...") <= maxWidth) break;
    }
    text += "...";
}

} // namespace

int DrawTextWide(TCanvas& canvas, std::string_view text, TRect& rect, unsigned format) {
    win::RECT r = rect;
    const int height = win::DrawTextW(canvas.Handle(), text, &r, format);
    rect = r;
    return height;
}

int GetWideTextWidth(TCanvas& canvas, std::string_view text) {
    TRect r;
    DrawTextWide(canvas, text, r, win::DT_CALCRECT);
    return r.Width();
}

int GetWideTextHeight(TCanvas& canvas, std::string_view text) {
    TRect r;
    DrawTextWide(canvas, text, r, win::DT_CALCRECT);
    return r.Height();
}

void EllipsizeWideText(TCanvas& canvas, std::string& text, int maxWidth) {
    Ellipsize(text, maxWidth, [&](std::string_view t) { return GetWideTextWidth(canvas, t); });
}

void EllipsizeText(TCanvas& canvas, std::string& text, int maxWidth) {
    Ellipsize(text, maxWidth, [&](std::string_view t) { return canvas.TextWidth(t); });
}

void DrawTextVCenter(TCanvas& canvas, std::string_view text, const TRect& rect) {
    if (text.empty()) return;
    TRect r = rect;
    DrawTextWide(canvas, text, r, win::DT_SINGLELINE | win::DT_VCENTER);
}

void DrawTextClipVCenterIndent(TCanvas& canvas, std::string_view text, const TRect& rect,
                               int indent) {
    if (text.empty()) return;
    const int y = rect.Top + rect.Height() / 2 - canvas.TextHeight(text) / 2;
    canvas.TextRect(rect, rect.Left + indent + 2, y, text);
}

void DrawTextClipVCenter(TCanvas& canvas, std::string_view text, const TRect& rect) {
    DrawTextClipVCenterIndent(canvas, text, rect, 0);
}
