#pragma once
#include "platform/win/Window.h"
#include <memory>

// Internal: navigation and geometry of the window tree shared by the window functions.
namespace win {

// A live window that is not one of the roots (desktop, message-only root).
std::shared_ptr<Window> FindWindow(HWND hwnd);
bool IsTopLevel(const Window& w);
// Screen position of the window's top-left corner and of its client area's top-left corner.
POINT WindowOrigin(const Window& w);
POINT ClientOrigin(const Window& w);
RECT ScreenRect(const Window& w);
// Places child among its parent's children: HWND_TOP, HWND_BOTTOM, or below insertAfter.
// Topmost top-level windows stay above the others.
void PlaceChild(Window& parent, HWND child, HWND insertAfter);
void UnlinkChild(Window& parent, HWND child);
// Owned top-level windows stay above their owner.
void KeepOwnedAbove(Window& desktop, HWND owner);
// The native window's order changed: tell the back end.
void RestackNatives();
// Window, then its descendants, parents before children.
void CollectSubtree(HWND hwnd, std::vector<HWND>& out);

// Insets of the frame DefWindowProc draws for these styles.
RECT DefaultFrameInsets(DWORD style, DWORD exStyle);

} // namespace win

namespace win {

struct MINMAXINFO;
// WM_NCCALCSIZE with wParam FALSE: the client rectangle for the current window rectangle.
void RecalcClient(Window& w);
// WM_SIZE with the client size, then WM_MOVE with the client origin.
void SendSizeAndMove(Window& w, UINT sizeType);
MINMAXINFO DefaultMinMaxInfo(const Window& w);
// The work area of the monitor that holds most of rect (the primary one when none does).
RECT WorkAreaNear(const RECT& rect);
RECT MonitorNear(const RECT& rect);

} // namespace win
