#pragma once
#include "platform/gfx/FontObject.h"
#include "platform/gfx/LogFont.h"
#include "platform/gfx/TextFlags.h"
#include "platform/gfx/WinTypes.h"

#include <string_view>

// Text output and measuring on a DC, in the selected font (the stock system font when none is).
// Texts are UTF-8. Glyphs are anti-aliased in the text colour; with background mode OPAQUE the
// text cell is filled with the background colour first, with TRANSPARENT it is not.
namespace win {

struct DRAWTEXTPARAMS {
    UINT cbSize{ sizeof(DRAWTEXTPARAMS) };
    int iTabLength{ 0 };
    int iLeftMargin{ 0 };
    int iRightMargin{ 0 };
    UINT uiLengthDrawn{ 0 };
};

// Lays out and draws `text` in `rect` (see gfx::LayoutText for the flags). Returns the text's
// height, or with a single line and DT_VCENTER or DT_BOTTOM the distance from rect->top to the
// text's bottom; 0 on failure. DT_CALCRECT draws nothing and sets rect's right and bottom to
// bound the text.
int DrawText(HDC dc, std::string_view text, RECT* rect, UINT format);
inline int DrawTextW(HDC dc, std::string_view text, RECT* rect, UINT format) {
    return DrawText(dc, text, rect, format);
}
// DrawText inside the margins of `params`; uiLengthDrawn receives the text's length in bytes.
int DrawTextEx(HDC dc, std::string_view text, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
inline int DrawTextExW(HDC dc, std::string_view text, RECT* rect, UINT format,
                       DRAWTEXTPARAMS* params) {
    return DrawTextEx(dc, text, rect, format, params);
}

// (x, y) is the reference point SetTextAlign chooses; tabs and control characters take no room.
BOOL TextOut(HDC dc, int x, int y, std::string_view text);
inline BOOL TextOutW(HDC dc, int x, int y, std::string_view text) {
    return TextOut(dc, x, y, text);
}
// ETO_OPAQUE fills `rect` with the background colour, ETO_CLIPPED keeps the text inside it.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, std::string_view text);
inline BOOL ExtTextOutW(HDC dc, int x, int y, UINT options, const RECT* rect,
                        std::string_view text) {
    return ExtTextOut(dc, x, y, options, rect, text);
}
// Tab stops, measured from tabOrigin: none gives a stop every 8 average character widths, one
// gives a stop every tabStops[0] pixels, more list the stops. Returns the text's width in the
// low word and its height in the high word.
LONG TabbedTextOut(HDC dc, int x, int y, std::string_view text, int tabCount, const INT* tabStops,
                   int tabOrigin);
inline LONG TabbedTextOutW(HDC dc, int x, int y, std::string_view text, int tabCount,
                           const INT* tabStops, int tabOrigin) {
    return TabbedTextOut(dc, x, y, text, tabCount, tabStops, tabOrigin);
}

// The width and cell height of a text on one line, every character counted ("&" included).
BOOL GetTextExtentPoint32(HDC dc, std::string_view text, SIZE* size);
inline BOOL GetTextExtentPoint32W(HDC dc, std::string_view text, SIZE* size) {
    return GetTextExtentPoint32(dc, text, size);
}
inline BOOL GetTextExtentPoint(HDC dc, std::string_view text, SIZE* size) {
    return GetTextExtentPoint32(dc, text, size);
}
// GetTextExtentPoint32 that also tells, when fit is given, how many characters from the start fit
// in maxExtent and, when dx is given, the width up to the end of each character (dx holds one
// entry per character of text).
BOOL GetTextExtentExPoint(HDC dc, std::string_view text, int maxExtent, INT* fit, INT* dx,
                          SIZE* size);
inline BOOL GetTextExtentExPointW(HDC dc, std::string_view text, int maxExtent, INT* fit, INT* dx,
                                  SIZE* size) {
    return GetTextExtentExPoint(dc, text, maxExtent, fit, dx, size);
}
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
inline BOOL GetTextMetricsW(HDC dc, TEXTMETRIC* metrics) {
    return GetTextMetrics(dc, metrics);
}

// TA_LEFT/TA_CENTER/TA_RIGHT with TA_TOP/TA_BASELINE/TA_BOTTOM; returns the previous value.
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);

} // namespace win
