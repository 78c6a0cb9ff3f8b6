#pragma once
#include "platform/win/WindowStyles.h"
#include <string>

// Creating and destroying windows, their tree, styles, positions and text.
namespace win {

struct CREATESTRUCT {
    void* lpCreateParams{ nullptr };
    HINSTANCE hInstance{};
    HMENU hMenu{};
    HWND hwndParent{};
    int cy{ 0 };
    int cx{ 0 };
    int y{ 0 };
    int x{ 0 };
    LONG style{ 0 };
    const char* lpszName{ nullptr };
    const char* lpszClass{ nullptr };
    DWORD dwExStyle{ 0 };
};

struct WINDOWPOS {
    HWND hwnd{};
    HWND hwndInsertAfter{};
    int x{ 0 };
    int y{ 0 };
    int cx{ 0 };
    int cy{ 0 };
    UINT flags{ 0 };
};

// wParam TRUE of WM_NCCALCSIZE: rgrc[0] holds the new window rectangle and receives the new
// client rectangle, both in the parent's client coordinates.
struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    WINDOWPOS* lppos{ nullptr };
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct STYLESTRUCT {
    DWORD styleOld{ 0 };
    DWORD styleNew{ 0 };
};

// Creation sends WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, then WM_SIZE and WM_MOVE, then shows the
// window when WS_VISIBLE was given. A parent of HWND_MESSAGE makes a message-only window; the
// parent of a window without WS_CHILD becomes its owner. nullptr when the class is unknown,
// a child has no valid parent, or WM_NCCREATE/WM_CREATE refused.
HWND CreateWindowEx(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu,
                    HINSTANCE instance, void* param);
inline HWND CreateWindow(const char* className, const char* windowName, DWORD style, int x, int y,
                         int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                         void* param) {
    return CreateWindowEx(0, className, windowName, style, x, y, width, height, parent, menu,
                          instance, param);
}
// Destroys owned windows first; then WM_DESTROY goes to the window and its descendants
// (parents before children) and WM_NCDESTROY to the descendants and the window (children
// before parents). Only the window's own thread may destroy it.
BOOL DestroyWindow(HWND hwnd);

BOOL IsWindow(HWND hwnd);
BOOL IsWindowVisible(HWND hwnd); // the window and all its ancestors have WS_VISIBLE
BOOL IsWindowEnabled(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);
HWND GetDesktopWindow();

// The parent of a child window, the owner of any other window (as in Win32).
HWND GetParent(HWND hwnd);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT cmd);
HWND GetTopWindow(HWND hwnd);
using WNDENUMPROC = BOOL (*)(HWND, LPARAM);
// Every descendant in z-order, depth first; stops when proc returns FALSE.
BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam);
// Top-level windows, top first.
BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam);
DWORD GetWindowThreadProcessId(HWND hwnd, DWORD* processId);

LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// GWL_STYLE and GWL_EXSTYLE changes are announced with WM_STYLECHANGING/WM_STYLECHANGED.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLong(HWND hwnd, int index) {
    return GetWindowLongPtr(hwnd, index);
}
inline LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) {
    return SetWindowLongPtr(hwnd, index, value);
}
// Tells the desktop what a popup window is; kept when the window becomes native again.
void SetWindowPopupKind(HWND hwnd, PopupKind kind);
PopupKind GetWindowPopupKind(HWND hwnd);
// Keeps a layer popup directly above the top-level window anchor on the desktop, so that
// whatever covers anchor covers the layer too; nullptr lets it go.
void SetWindowStackAnchor(HWND hwnd, HWND anchor);

BOOL SetProp(HWND hwnd, const char* name, void* data);
void* GetProp(HWND hwnd, const char* name);
void* RemoveProp(HWND hwnd, const char* name);

// Through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH; texts are UTF-8 and are never cut inside
// a character.
BOOL SetWindowText(HWND hwnd, const char* text);
int GetWindowText(HWND hwnd, char* buffer, int maxCount);
int GetWindowTextLength(HWND hwnd);
std::string GetWindowTextString(HWND hwnd);

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int cmd);
BOOL BringWindowToTop(HWND hwnd);

// Screen coordinates.
BOOL GetWindowRect(HWND hwnd, RECT* rect);
// Client coordinates: left and top are 0.
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ClientToScreen(HWND hwnd, POINT* pt);
BOOL ScreenToClient(HWND hwnd, POINT* pt);
// Returns the horizontal offset in the low word and the vertical in the high word.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);

} // namespace win
