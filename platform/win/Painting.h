#pragma once
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/GdiObjects.h"
#include "platform/gfx/Surface.h"
#include "platform/win/WinDefs.h"

// Invalidation, paint DCs, window regions and layered windows. Every top-level window paints
// into its own 32-bit back buffer (frame and client); what is drawn through a DC is presented
// when the DC is released (EndPaint, ReleaseDC), so drawing outside WM_PAINT shows at once.
namespace win {

struct PAINTSTRUCT {
    HDC hdc{};
    BOOL fErase{ FALSE };
    RECT rcPaint;
    BOOL fRestore{ FALSE };
    BOOL fIncUpdate{ FALSE };
    BYTE rgbReserved[32]{};
};

// WM_NCPAINT and WM_ERASEBKGND are sent (when pending) before the WM_PAINT they belong to.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// Rectangles and regions in client coordinates; nullptr means the whole client area. hwnd
// nullptr invalidates every window. Children are included unless the parent has
// WS_CLIPCHILDREN.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL InvalidateRgn(HWND hwnd, HRGN region, BOOL erase);
BOOL ValidateRect(HWND hwnd, const RECT* rect);
BOOL ValidateRgn(HWND hwnd, HRGN region);
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
int GetUpdateRgn(HWND hwnd, HRGN region, BOOL erase);
// Sends WM_PAINT now (after WM_NCPAINT/WM_ERASEBKGND when pending) when there is something
// to paint.
BOOL UpdateWindow(HWND hwnd);

constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;
BOOL RedrawWindow(HWND hwnd, const RECT* rect, HRGN region, UINT flags);

// A DC over the client area (GetDC) or the whole window, frame included (GetWindowDC). GetDC
// of nullptr gives a DC of the screen's format. Release with ReleaseDC.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
// The region is in screen coordinates, as WM_NCPAINT hands it over.
HDC GetDCEx(HWND hwnd, HRGN region, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);

// The window takes the region over (it is deleted); nullptr removes the shape. Window
// coordinates. Outside the region the window neither shows nor takes the pointer.
int SetWindowRgn(HWND hwnd, HRGN region, BOOL redraw);
int GetWindowRgn(HWND hwnd, HRGN region);

constexpr DWORD LWA_COLORKEY = 0x00000001;
constexpr DWORD LWA_ALPHA = 0x00000002;
constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;
// Need WS_EX_LAYERED on a top-level window.
BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);
BOOL GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, BYTE* alpha, DWORD* flags);
// Replaces the window's content with source's pixels (premultiplied alpha with ULW_ALPHA and
// AC_SRC_ALPHA), and moves or resizes it when position or size are given.
BOOL UpdateLayeredWindow(HWND hwnd, HDC screen, const POINT* position, const SIZE* size, HDC source,
                         const POINT* sourcePoint, COLORREF key, const BLENDFUNCTION* blend,
                         DWORD flags);
// Translucent windows need a compositing manager; without one layered windows show opaque.
bool LayeredWindowsAvailable();

// The back buffer of a top-level window (frame and client), or nullptr.
const gfx::Surface* WindowBackBuffer(HWND hwnd);

// DefWindowProc's share of painting.
LRESULT EraseWithClassBrush(HWND hwnd, HDC dc);
void PaintDefaultFrame(HWND hwnd);
void RedrawFrame(HWND hwnd);

} // namespace win
