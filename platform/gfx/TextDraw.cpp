#include "platform/gfx/TextDraw.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/ScaledFont.h"
#include "platform/gfx/TextLayout.h"
#include "platform/gfx/Utf8.h"

#include <algorithm>
#include <unordered_map>

namespace win {

namespace {

// Measures with a realised font for the layout code.
class FontMeasure : public gfx::TextMeasure {
public:
    FontMeasure(gfx::ScaledFont& font, int lineHeight) : FFont(font), FLineHeight(lineHeight) {}

    int Advance(char32_t code) const override {
        // Layout asks for the same characters many times; spare the font's lock.
        if (auto found = FAdvances.find(code); found != FAdvances.end()) return found->second;
        return FAdvances.emplace(code, FFont.Advance(code)).first->second;
    }
    int LineHeight() const override { return FLineHeight; }
    int AveCharWidth() const override { return FFont.Metrics().AveCharWidth; }

private:
    gfx::ScaledFont& FFont;
    int FLineHeight;
    mutable std::unordered_map<char32_t, int> FAdvances;
};

// The DC's font, or the stock system font when it has none.
struct SelectedFont {
    std::shared_ptr<gfx::ScaledFont> Scaled;
    bool Underline{ false };
    bool StrikeOut{ false };
    LONG Weight{ FW_NORMAL };
    BYTE Italic{ 0 };
    BYTE CharSet{ DEFAULT_CHARSET };
};

bool FontOf(DeviceContext& dc, SelectedFont& out) {
    const FontObject* font = dynamic_cast<const FontObject*>(dc.FontObject());
    if (!font) font = FontFromHandle(GetStockObject(SYSTEM_FONT));
    if (!font) return false;
    try {
        out.Scaled = font->Scaled();
    } catch (const std::exception&) {
        return false; // no installed font at all: the call fails
    }
    out.Underline = font->Underline();
    out.StrikeOut = font->StrikeOut();
    out.Weight = out.Scaled->Request().Weight;
    out.Italic = font->LogFont().lfItalic ? 1 : 0;
    out.CharSet = font->LogFont().lfCharSet;
    return true;
}

bool Intersect(RECT& a, const RECT& b) {
    a.left = std::max(a.left, b.left);
    a.top = std::max(a.top, b.top);
    a.right = std::min(a.right, b.right);
    a.bottom = std::min(a.bottom, b.bottom);
    return a.left < a.right && a.top < a.bottom;
}

// One line of placed characters drawn with its cell's top-left at a logical point; `clip` (in
// surface coordinates) narrows the DC's own clip for ETO_CLIPPED and DrawText.
struct TextRun {
    const std::vector<gfx::PlacedChar>* Chars{ nullptr };
    const std::vector<gfx::UnderlineSpan>* Underlines{ nullptr };
    int Width{ 0 };
};

class RunPainter {
public:
    RunPainter(DeviceContext& dc, const SelectedFont& font, const RECT* clip)
        : FDc(dc), FFont(font), FClip(clip) {}

    void Paint(const TextRun& run, POINT cellTopLeft, bool fillCell) {
        const gfx::FontMetrics& metrics = FFont.Scaled->Metrics();
        const POINT origin = FDc.LogicalToSurface(cellTopLeft);
        if (fillCell) {
            FillRect(RECT{ origin.x, origin.y, origin.x + run.Width, origin.y + metrics.Height },
                     FDc.BkColor());
        }
        const COLORREF color = FDc.TextColor();
        const int baseline = origin.y + metrics.Ascent;
        for (const gfx::PlacedChar& placed : *run.Chars) {
            const auto glyph = FFont.Scaled->GlyphFor(placed.Code);
            FillGlyph(*glyph, origin.x + placed.X + glyph->Left, baseline - glyph->Top, color);
        }
        const int underlineTop =
            baseline + std::max(0, metrics.UnderlinePosition - metrics.UnderlineThickness / 2);
        if (FFont.Underline && run.Width > 0) {
            FillRect(RECT{ origin.x, underlineTop, origin.x + run.Width,
                           underlineTop + metrics.UnderlineThickness },
                     color);
        } else if (run.Underlines) {
            for (const gfx::UnderlineSpan& span : *run.Underlines)
                FillRect(RECT{ origin.x + span.X, underlineTop, origin.x + span.X + span.Width,
                               underlineTop + metrics.UnderlineThickness },
                         color);
        }
        if (FFont.StrikeOut && run.Width > 0) {
            const int top = baseline - metrics.StrikeOutPosition;
            FillRect(RECT{ origin.x, top, origin.x + run.Width, top + metrics.StrikeOutThickness },
                     color);
        }
    }

    void FillRect(RECT rect, COLORREF color) {
        if (FClip && !Intersect(rect, *FClip)) return;
        if (rect.left >= rect.right || rect.top >= rect.bottom) return;
        FDc.FillSurfaceRect(rect, color);
    }

private:
    void FillGlyph(const gfx::Glyph& glyph, int x, int y, COLORREF color) {
        if (glyph.Width <= 0 || glyph.Height <= 0) return;
        RECT area{ x, y, x + glyph.Width, y + glyph.Height };
        if (FClip && !Intersect(area, *FClip)) return;
        const BYTE* first = glyph.Coverage.data() + std::size_t(area.top - y) * glyph.Width +
                            std::size_t(area.left - x);
        FDc.FillCoverage(area.left, area.top, first, area.right - area.left, area.bottom - area.top,
                         glyph.Width, color);
    }

    DeviceContext& FDc;
    const SelectedFont& FFont;
    const RECT* FClip;
};

// The top-left of a text cell for a reference point and the DC's alignment.
POINT CellOrigin(UINT align, int x, int y, int width, const gfx::FontMetrics& metrics) {
    POINT p{ x, y };
    if ((align & TA_CENTER) == TA_CENTER)
        p.x -= width / 2;
    else if (align & TA_RIGHT)
        p.x -= width;
    if ((align & TA_BASELINE) == TA_BASELINE)
        p.y -= metrics.Ascent;
    else if (align & TA_BOTTOM)
        p.y -= metrics.Height;
    return p;
}

BOOL OutputRun(HDC handle, int x, int y, UINT options, const RECT* rect, std::string_view text,
               const gfx::TabStops& tabs, SIZE* extent) {
    DeviceContext* dc = DcFromHandle(handle);
    SelectedFont font;
    if (!dc || !FontOf(*dc, font)) return FALSE;
    const FontMeasure measure(*font.Scaled, font.Scaled->Metrics().Height);
    const gfx::PlacedRun run = gfx::PlaceRun(gfx::DecodeUtf8(text), measure, tabs);
    if (extent) *extent = SIZE{ run.Width, font.Scaled->Metrics().Height };

    DeviceContext::DrawScope scope(*dc);
    RECT clip{};
    const bool clipped = rect && (options & ETO_CLIPPED);
    if (rect) clip = dc->LogicalToSurface(*rect);
    RunPainter painter(*dc, font, clipped ? &clip : nullptr);
    if (rect && (options & ETO_OPAQUE)) painter.FillRect(clip, dc->BkColor());
    const POINT cell = CellOrigin(dc->TextAlign(), x, y, run.Width, font.Scaled->Metrics());
    painter.Paint(TextRun{ &run.Chars, nullptr, run.Width }, cell, dc->BkMode() == OPAQUE);
    return TRUE;
}

} // namespace

int DrawText(HDC handle, std::string_view text, RECT* rect, UINT format) {
    DeviceContext* dc = DcFromHandle(handle);
    SelectedFont font;
    if (!dc || !rect || !FontOf(*dc, font)) return 0;
    const gfx::FontMetrics& metrics = font.Scaled->Metrics();
    int lineHeight = metrics.Height;
    if (format & DT_EXTERNALLEADING) lineHeight += metrics.ExternalLeading;
    const FontMeasure measure(*font.Scaled, lineHeight);
    const gfx::TextLayout layout = gfx::LayoutText(text, format, *rect, measure);
    if (format & DT_CALCRECT) {
        rect->right = layout.Bounds.right;
        rect->bottom = layout.Bounds.bottom;
        return layout.Result;
    }

    DeviceContext::DrawScope scope(*dc);
    const RECT clip = dc->LogicalToSurface(*rect);
    RunPainter painter(*dc, font, (format & DT_NOCLIP) ? nullptr : &clip);
    const bool opaque = dc->BkMode() == OPAQUE;
    for (const gfx::TextLine& line : layout.Lines) {
        painter.Paint(TextRun{ &line.Chars, &line.Underlines, line.Width },
                      POINT{ line.Left, line.Top }, opaque);
    }
    return layout.Result;
}

int DrawTextEx(HDC dc, std::string_view text, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
    if (!params) return DrawText(dc, text, rect, format);
    if (!rect) return 0;
    RECT inner = *rect;
    inner.left += params->iLeftMargin;
    inner.right -= params->iRightMargin;
    const int result = DrawText(dc, text, &inner, format);
    if (format & DT_CALCRECT) {
        rect->right = inner.right + params->iRightMargin;
        rect->bottom = inner.bottom;
    }
    params->uiLengthDrawn = UINT(text.size());
    return result;
}

BOOL TextOut(HDC dc, int x, int y, std::string_view text) {
    return OutputRun(dc, x, y, 0, nullptr, text, gfx::TabStops{}, nullptr);
}

BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, std::string_view text) {
    return OutputRun(dc, x, y, options, rect, text, gfx::TabStops{}, nullptr);
}

LONG TabbedTextOut(HDC handle, int x, int y, std::string_view text, int tabCount,
                   const INT* tabStops, int tabOrigin) {
    DeviceContext* dc = DcFromHandle(handle);
    SelectedFont font;
    if (!dc || !FontOf(*dc, font)) return 0;
    gfx::TabStops tabs;
    const int defaultInterval = 8 * font.Scaled->Metrics().AveCharWidth;
    tabs.Interval = defaultInterval;
    tabs.Origin = tabOrigin - x;
    if (tabStops && tabCount == 1) {
        if (tabStops[0] > 0) tabs.Interval = tabStops[0];
    } else if (tabStops && tabCount > 1) {
        for (int i = 0; i < tabCount; ++i)
            tabs.Positions.push_back(tabOrigin + tabStops[i] - x);
    }
    SIZE extent;
    if (!OutputRun(handle, x, y, 0, nullptr, text, tabs, &extent)) return 0;
    return LONG((DWORD(extent.cy) << 16) | (DWORD(extent.cx) & 0xFFFF));
}

BOOL GetTextExtentPoint32(HDC handle, std::string_view text, SIZE* size) {
    DeviceContext* dc = DcFromHandle(handle);
    SelectedFont font;
    if (!dc || !size || !FontOf(*dc, font)) return FALSE;
    const FontMeasure measure(*font.Scaled, font.Scaled->Metrics().Height);
    const gfx::PlacedRun run = gfx::PlaceRun(gfx::DecodeUtf8(text), measure, gfx::TabStops{});
    *size = SIZE{ run.Width, font.Scaled->Metrics().Height };
    return TRUE;
}

BOOL GetTextExtentExPoint(HDC handle, std::string_view text, int maxExtent, INT* fit, INT* dx,
                          SIZE* size) {
    DeviceContext* dc = DcFromHandle(handle);
    SelectedFont font;
    if (!dc || !size || !FontOf(*dc, font)) return FALSE;
    const FontMeasure measure(*font.Scaled, font.Scaled->Metrics().Height);
    const std::vector<int> extents =
        gfx::RunExtents(gfx::DecodeUtf8(text), measure, gfx::TabStops{});
    // Advances are never negative, so the extents only grow.
    if (fit)
        *fit = int(std::upper_bound(extents.begin(), extents.end(), maxExtent) - extents.begin());
    if (dx) std::copy(extents.begin(), extents.end(), dx);
    *size = SIZE{ extents.empty() ? 0 : extents.back(), font.Scaled->Metrics().Height };
    return TRUE;
}

BOOL GetTextMetrics(HDC handle, TEXTMETRIC* metrics) {
    DeviceContext* dc = DcFromHandle(handle);
    SelectedFont font;
    if (!dc || !metrics || !FontOf(*dc, font)) return FALSE;
    const gfx::FontMetrics& m = font.Scaled->Metrics();
    TEXTMETRIC tm;
    tm.tmHeight = m.Height;
    tm.tmAscent = m.Ascent;
    tm.tmDescent = m.Descent;
    tm.tmInternalLeading = m.InternalLeading;
    tm.tmExternalLeading = m.ExternalLeading;
    tm.tmAveCharWidth = m.AveCharWidth;
    tm.tmMaxCharWidth = m.MaxCharWidth;
    tm.tmWeight = font.Weight;
    tm.tmItalic = font.Italic;
    tm.tmUnderlined = font.Underline ? 1 : 0;
    tm.tmStruckOut = font.StrikeOut ? 1 : 0;
    tm.tmPitchAndFamily =
        TMPF_VECTOR | TMPF_TRUETYPE | (m.AveCharWidth == m.MaxCharWidth ? 0 : TMPF_FIXED_PITCH);
    tm.tmCharSet = font.CharSet;
    *metrics = tm;
    return TRUE;
}

UINT SetTextAlign(HDC handle, UINT align) {
    DeviceContext* dc = DcFromHandle(handle);
    if (!dc) return 0xFFFFFFFF; // GDI_ERROR
    const UINT previous = dc->TextAlign();
    dc->SetTextAlignValue(align);
    return previous;
}

UINT GetTextAlign(HDC handle) {
    DeviceContext* dc = DcFromHandle(handle);
    return dc ? dc->TextAlign() : 0xFFFFFFFF;
}

} // namespace win
