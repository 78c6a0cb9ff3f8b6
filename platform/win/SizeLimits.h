#pragma once
#include "platform/win/WinDefs.h"

// The size limits a window manager is told for a program window (its normal hints), so that
// sizing it through the manager stays within what the window accepts.
namespace win {

struct Window;

// Tells the display the limits again: WM_GETMINMAXINFO's tracking sizes for a window with a
// sizing border, its present size for any other (a window manager then offers no sizing). For
// native top-level windows that are no popups; nothing for any other window.
void UpdateNativeSizeLimits(HWND hwnd);

// Internal: a fixed-size window is about to take a new size. Its limits must allow that size
// before the display is asked for it, or a manager would refuse.
void FixNativeSizeLimits(const Window& w, const RECT& newRect);

} // namespace win
