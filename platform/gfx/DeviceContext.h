#pragma once
#include "platform/gfx/GdiStructs.h"
#include "platform/gfx/Region.h"
#include "platform/gfx/Surface.h"

#include <optional>
#include <vector>

// The drawing context (HDC) with GDI semantics.
//
// Coordinates: logical (x, y) maps to device (x - windowOrg + viewportOrg) and the device point
// to the target surface at (device + base origin). A memory DC (CreateCompatibleDC) has base
// origin 0 and draws into its selected bitmap; a surface DC (CreateSurfaceDC, for the window
// system's paint DCs) draws into a surface it does not own, with a base origin (the client
// area's place in the back buffer) and a base clip (the window's visible region, in surface
// coordinates) that no clip call can widen. Clip regions (SelectClipRgn ...) are in device
// coordinates, as in GDI.
//
// Alpha: this layer keeps GDI's rules for 32-bit bitmaps, which the skin code relies on:
// - Drawing in a colour (pens, brushes, FillRect, PatBlt, SetPixel, DrawEdge, text) writes the
//   colour with alpha 0, as GDI does into a 32-bit DIB section.
// - BitBlt/StretchBlt/TransparentBlt with SRCCOPY copy all four bytes of each source pixel, so a
//   32-bit picture keeps its alpha through a DC; sources without alpha (24 bits and fewer) give
//   alpha 0. The bitwise raster operations (SRCAND, SRCPAINT, SRCINVERT, SRCERASE, NOTSRCCOPY,
//   DSTINVERT, MERGEPAINT, PATINVERT ...) combine all 32 bits; BLACKNESS writes 0 and WHITENESS
//   0x00FFFFFF (white, alpha 0). Pen and brush modes (SetROP2) combine the colour (alpha 0) with
//   all 32 bits alike: R2_XORPEN and DrawFocusRect keep alpha, InvertRect/InvertRgn (R2_NOT)
//   invert it.
// - AlphaBlend follows its premultiplied formula on all four channels: with AC_SRC_ALPHA,
//   dst = src * k + dst * (1 - srcAlpha * k), k = constant alpha / 255; without it, every channel
//   (alpha included) is src * k + dst * (1 - k).
// Present-time opacity of window back buffers is the window system's business.
namespace win {

class BitmapObject;
class PenObject;
class BrushObject;

class DeviceContext : public GdiObject {
public:
    // A memory DC with the stock 1x1 monochrome bitmap, black pen, white brush, system font.
    DeviceContext();
    // A DC over a surface it does not own: the surface must outlive the DC.
    DeviceContext(gfx::Surface& target, const gfx::Region& baseClip, POINT baseOrigin);
    ~DeviceContext() override;

    // ---- What the text layer needs -----------------------------------------------------
    COLORREF TextColor() const { return FState.TextColor; }
    COLORREF BkColor() const { return FState.BkColor; }
    int BkMode() const { return FState.BkMode; }
    UINT TextAlign() const { return FState.TextAlign; }
    void SetTextAlignValue(UINT align) { FState.TextAlign = align; }
    HFONT Font() const { return FState.Font; }
    // The selected font's object (the text layer's class derived from GdiObject), or null.
    GdiObject* FontObject() const;
    POINT CurrentPosition() const { return FState.Position; }
    void SetCurrentPosition(POINT p) { FState.Position = p; }
    // Logical to surface coordinates (window/viewport origins and the base origin applied).
    POINT LogicalToSurface(POINT p) const;
    RECT LogicalToSurface(const RECT& r) const;
    // The pixels drawing may touch, in surface coordinates: base clip, clip region and the
    // target's bounds together. Empty when no target.
    gfx::Region EffectiveClip() const;

    // While a scope is open, the target stays converted (see BitmapObject for non-32-bit
    // bitmaps): open one around a run of primitive calls. Scopes nest.
    class DrawScope {
    public:
        explicit DrawScope(DeviceContext& dc);
        ~DrawScope();
        DrawScope(const DrawScope&) = delete;
        DrawScope& operator=(const DrawScope&) = delete;
        // The target surface (surface coordinates), or null when the DC has none.
        gfx::Surface* Target() const;

    private:
        DeviceContext& FDc;
    };

    // Blends `color` into the target through an 8-bit coverage mask (0 = untouched, 255 = the
    // colour) whose top-left lands at surface (x, y), clipped by EffectiveClip(). Covered pixels
    // get alpha 0 like any colour drawing. For anti-aliased glyphs.
    void FillCoverage(int x, int y, const BYTE* coverage, int width, int height, int stride,
                      COLORREF color);
    // Fills a surface rectangle in a solid colour, clipped; for text backgrounds.
    void FillSurfaceRect(const RECT& rect, COLORREF color);

    // Everything drawn since the last reset, in surface coordinates: for presenting.
    RECT DrawnBounds() const { return FDrawn; }
    void ResetDrawnBounds() { FDrawn = RECT{}; }

    // ---- State (used by the win:: functions) --------------------------------------------
    struct State {
        HPEN Pen{};
        HBRUSH Brush{};
        HFONT Font{};
        HBITMAP Bitmap{};
        COLORREF TextColor{ 0 };
        COLORREF BkColor{ 0xFFFFFF };
        int BkMode{ 2 };       // OPAQUE
        int Rop2{ 13 };        // R2_COPYPEN
        int StretchMode{ 1 };  // BLACKONWHITE
        int PolyFillMode{ 1 }; // ALTERNATE
        UINT TextAlign{ 0 };
        POINT BrushOrg;
        POINT ViewportOrg;
        POINT WindowOrg;
        POINT Position;
        // Device coordinates; none = no clip region. Change it through SetClip.
        std::optional<gfx::Region> Clip;
    };
    State& CurrentState() { return FState; }
    const State& CurrentState() const { return FState; }
    HGDIOBJ Select(HGDIOBJ object);
    // Replaces the clip region (device coordinates); none removes it.
    void SetClip(std::optional<gfx::Region> clip);
    // The effective clip in device coordinates (for GetClipBox and the clip calls).
    gfx::Region DeviceClipArea() const;
    // The cached effective clip in surface coordinates.
    const gfx::Region& Clip() const;
    POINT BaseOrigin() const;
    // The target's rectangle in surface coordinates; empty without a target.
    RECT TargetBounds() const;
    int Save();
    bool Restore(int level);
    bool IsMemoryDc() const { return FOwnTarget == nullptr; }
    bool ScopeOpen() const { return FScopeDepth > 0; }
    BitmapObject* SelectedBitmap() const;
    PenObject* SelectedPen() const;
    BrushObject* SelectedBrush() const;

    // Device (origin-applied, not base-origin) point from a logical one.
    POINT LogicalToDevice(POINT p) const;
    // The target's pixels for reading as a blit source: a direct surface for 32-bit targets,
    // else a converted copy in `scratch`. Null when there is none.
    const gfx::Surface* SourcePixels(gfx::Surface& scratch) const;
    // The same for a blit that reads only `area` (surface coordinates): a converted source holds
    // just that area, and `offset` says where the returned surface's (0, 0) lies.
    const gfx::Surface* SourcePixels(gfx::Surface& scratch, const RECT& area, POINT& offset) const;
    void AddDrawn(const RECT& surfaceRect);

private:
    gfx::Surface* ScopeTarget();
    void OpenScope();
    void CloseScope();
    void ReleaseAll();

    State FState;
    std::vector<State> FSaved;
    gfx::Surface* FOwnTarget{ nullptr }; // the surface of a surface DC
    gfx::Region FBaseClip;
    POINT FBaseOrigin;
    // Non-32-bit bitmaps: the converted pixels while a scope is open.
    gfx::Surface FShadow;
    int FScopeDepth{ 0 };
    RECT FDrawn;
    mutable gfx::Region FClip;
    mutable bool FClipValid{ false };
    mutable RECT FClipBounds; // the target's bounds the cached clip was made for
};

// The DC behind a handle, or null for a stale or foreign handle.
DeviceContext* DcFromHandle(HDC dc);

// ---- Constants --------------------------------------------------------------------------
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int R2_BLACK = 1;
constexpr int R2_NOTMERGEPEN = 2;
constexpr int R2_MASKNOTPEN = 3;
constexpr int R2_NOTCOPYPEN = 4;
constexpr int R2_MASKPENNOT = 5;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTMASKPEN = 8;
constexpr int R2_MASKPEN = 9;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_MERGENOTPEN = 12;
constexpr int R2_COPYPEN = 13;
constexpr int R2_MERGEPENNOT = 14;
constexpr int R2_MERGEPEN = 15;
constexpr int R2_WHITE = 16;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD SRCERASE = 0x00440328;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD NOTSRCERASE = 0x001100A6;
constexpr DWORD MERGECOPY = 0x00C000CA;
constexpr DWORD MERGEPAINT = 0x00BB0226;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD PATPAINT = 0x00FB0A09;
constexpr DWORD PATINVERT = 0x005A0049;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// DrawEdge.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT BDR_OUTER = 0x0003;
constexpr UINT BDR_INNER = 0x000C;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// Clip box results share the region values: NULLREGION, SIMPLEREGION, COMPLEXREGION.

// ---- DC life and state ------------------------------------------------------------------
HDC CreateCompatibleDC(HDC dc);
// A DC over `target` for the window system: see DeviceContext. Free it with DeleteDC.
HDC CreateSurfaceDC(gfx::Surface& target, const gfx::Region& baseClip, POINT baseOrigin);
BOOL DeleteDC(HDC dc);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
int SaveDC(HDC dc);
// A positive level restores that saved state; a negative one counts back from the latest.
BOOL RestoreDC(HDC dc, int level);

COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int mode);
int GetROP2(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC dc, POINT* origin);

BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);

// Device capabilities: the target's colour depth and size, 96 dots per inch.
constexpr int TECHNOLOGY = 2;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int DT_RASDISPLAY = 1;
int GetDeviceCaps(HDC dc, int index);

// ---- Clipping -----------------------------------------------------------------------------
// The region is copied; null removes the clip region.
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
// The bounds of what may be drawn, in logical coordinates.
int GetClipBox(HDC dc, RECT* rect);
// 1 and the clip region copied into `region`; 0 when the DC has none; -1 on error.
int GetClipRgn(HDC dc, HRGN region);
BOOL PtVisible(HDC dc, int x, int y);
BOOL RectVisible(HDC dc, const RECT* rect);

// ---- Pixels, lines and shapes -------------------------------------------------------------
COLORREF GetPixel(HDC dc, int x, int y);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);
// Draws from the current position up to, not including, (x, y).
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth,
               int ellipseHeight);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
// `brush` may also be a system colour index + 1, as window classes use it.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);
BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush);
BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
BOOL PaintRgn(HDC dc, HRGN region);
BOOL InvertRgn(HDC dc, HRGN region);

// ---- Blits --------------------------------------------------------------------------------
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop);
// Negative widths or heights mirror. COLORONCOLOR (and the two older modes, for colour
// pictures) pick the nearest source pixel; HALFTONE averages the source area each destination
// pixel covers when shrinking.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);
// For a bottom-up DIB, sourceY is counted from the bottom row, as in GDI.
int StretchDIBits(HDC dc, int x, int y, int width, int height, int sourceX, int sourceY,
                  int sourceWidth, int sourceHeight, const void* bits, const BITMAPINFO* info,
                  UINT usage, DWORD rop);
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sourceX, int sourceY,
                      UINT startScan, UINT lines, const void* bits, const BITMAPINFO* info,
                      UINT usage);
// Source pixels whose colour (alpha aside) equals `transparent` are left out.
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, UINT transparent);
BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, BLENDFUNCTION blend);
BOOL GdiAlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                   int sourceY, int sourceWidth, int sourceHeight, BLENDFUNCTION blend);

} // namespace win
