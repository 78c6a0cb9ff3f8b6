#include "lib/skindraw/bsTextEffects.h"

#include "lib/skindraw/bsStackBlur.h"
#include "platform/gfx/TextDraw.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// The scratch bitmap's canvas writes in the text font, pure red, without a background.
void PrepareScratch(TbsBitmap& scratch, TCanvas& canvas) {
    TCanvas& c = scratch.Canvas();
    c.Font().Assign(canvas.Font());
    c.Font().SetColor(clRed);
    c.Brush().SetStyle(bsClear);
}

int DrawTextIn(TCanvas& canvas, const std::string& text, TRect rect, unsigned flags) {
    win::RECT r = rect;
    return win::DrawTextW(canvas.Handle(), text, &r, flags);
}

TRect Moved(TRect r, int dx, int dy) {
    return TRect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

// Red coverage becomes the alpha of a picture in one colour, drawn by alpha.
void RedToAlpha(TbsBitmap& scratch, TColor color) {
    const TbsColor rgb = ColorToBsColor(color) & 0xFFFFFF;
    for (int y = 0; y < scratch.Height(); ++y) {
        TbsColor* row = scratch.Row(y);
        for (int x = 0; x < scratch.Width(); ++x)
            row[x] = (((row[x] >> 16) & 0xFF) << 24) | rgb;
    }
    scratch.SetAlphaBlend(true);
}

int DrawFinalText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags) {
    canvas.Brush().SetStyle(bsClear);
    return DrawTextIn(canvas, text, r, flags);
}

int DrawGlow(TCanvas& canvas, TRect r, const std::string& text, unsigned flags, int glowOffset,
             TColor glowColor, int glowSize, bool bolder) {
    const int m = std::max(glowSize, 0);
    TbsBitmap scratch;
    scratch.SetSize(r.Width() + 2 * m, r.Height() + 2 * m);
    if (!scratch.Empty()) {
        PrepareScratch(scratch, canvas);
        TCanvas& c = scratch.Canvas();
        const TRect t(m, m, scratch.Width() - m, scratch.Height() - m);
        DrawTextIn(c, text, t, flags);
        if (bolder)
            for (auto [dx, dy] : { std::pair{ -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } })
                DrawTextIn(c, text, Moved(t, dx, dy), flags);
        StackBlur(scratch, m);
        RedToAlpha(scratch, glowColor);
        scratch.Draw(canvas, r.Left - m + glowOffset, r.Top - m + glowOffset);
    }
    return DrawFinalText(canvas, r, text, flags);
}

} // namespace

void DrawGlowText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags, int glowOffset,
                  TColor glowColor, int glowSize) {
    DrawGlow(canvas, r, text, flags, glowOffset, glowColor, glowSize, true);
}

int DrawGlowEffectText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags,
                       int glowOffset, TColor glowColor, int glowSize) {
    return DrawGlow(canvas, r, text, flags, glowOffset, glowColor, glowSize, false);
}

int DrawVistaGlowText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags,
                      TColor glowColor) {
    constexpr int m = 12;
    TbsBitmap scratch;
    scratch.SetSize(r.Width() + 2 * m, r.Height() + 2 * m);
    if (!scratch.Empty()) {
        PrepareScratch(scratch, canvas);
        TCanvas& c = scratch.Canvas();
        const TRect t(m, m, scratch.Width() - m, scratch.Height() - m);
        c.Brush().SetColor(clRed);
        c.FillRect(TRect(t.Left - 3, t.Top + 2, t.Right + 3, t.Bottom - 2));
        c.Brush().SetStyle(bsClear);
        for (auto [dx, dy] : { std::pair{ -1, -1 },
                               { -2, -2 },
                               { -1, 0 },
                               { -2, 0 },
                               { 1, 0 },
                               { 2, 0 },
                               { 1, 1 },
                               { 2, 2 },
                               { 0, 0 } })
            DrawTextIn(c, text, Moved(t, dx, dy), flags);
        StackBlur(scratch, m / 2);
        StackBlur(scratch, m / 2);
        RedToAlpha(scratch, glowColor);
        scratch.Draw(canvas, r.Left - m, r.Top - m);
    }
    return DrawFinalText(canvas, r, text, flags);
}

void DrawReflectionText(TCanvas& canvas, TRect r, const std::string& text, unsigned flags,
                        int reflectionOffset, TColor reflectionColor) {
    const int w = r.Width(), h = r.Height();
    if (w <= 0 || h <= 0) return;
    TbsBitmap scratch;
    scratch.SetSize(w, h);
    PrepareScratch(scratch, canvas);
    TCanvas& c = scratch.Canvas();
    DrawTextIn(c, text, Rect(0, 0, w, h), flags);
    win::RECT t = Rect(0, 0, w, h);
    win::DrawTextW(c.Handle(), text, &t, flags | win::DT_CALCRECT);
    win::RECT u = r;
    win::DrawTextW(c.Handle(), text, &u, flags | win::DT_CALCRECT);

    const int textHeight = t.bottom - t.top;
    if (textHeight > 0) {
        const TbsColor rgb = ColorToBsColor(reflectionColor) & 0xFFFFFF;
        for (int f = 0; f < h; ++f) {
            TbsColor* row = scratch.Row(f);
            if (f < t.top || f > t.bottom) {
                FillLine(row, w, 0);
                continue;
            }
            // Single precision, as the fade was always computed.
            const float fade =
                std::max(0.0f, 0.7f - float(t.bottom + t.top - f) / float(textHeight));
            for (int x = 0; x < w; ++x) {
                const auto red = float((row[x] >> 16) & 0xFF);
                row[x] = (TbsColor(std::trunc(red * fade)) << 24) | rgb;
            }
        }
        scratch.FlipVert();
        scratch.SetAlphaBlend(true);
        scratch.Draw(canvas, r.Left, u.bottom + t.bottom - h + reflectionOffset);
    }
    DrawFinalText(canvas, r, text, flags);
}

void MaskToAlpha(TbsBitmap& bitmap, const TbsBitmap& mask) {
    const int w = std::min(bitmap.Width(), mask.Width());
    const int h = std::min(bitmap.Height(), mask.Height());
    for (int y = 0; y < h; ++y) {
        TbsColor* row = bitmap.Row(y);
        const TbsColor* m = mask.Row(y);
        for (int x = 0; x < w; ++x) {
            const TbsColor a = (((m[x] >> 16) & 0xFF) + ((m[x] >> 8) & 0xFF) + (m[x] & 0xFF)) / 3;
            row[x] = (row[x] & 0xFFFFFF) | (a << 24);
        }
    }
}
