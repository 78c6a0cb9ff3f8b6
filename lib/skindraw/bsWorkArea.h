#pragma once
#include "platform/gfx/TRect.h"
#include "platform/win/WinDefs.h"

// The area popups and maximised windows are placed in.

// More than one monitor, so that the monitor of a window matters.
bool UseMonitorAPI();
// The desktop's work area when workArea, else the whole screen (0, 0, width, height).
void GetScreenWorkArea(bool workArea, TRect& r);
// The work area (or the whole rectangle) of the monitor nearest the window; with one monitor
// that of the desktop. r is left alone when the monitor cannot be asked.
void GetMonitorWorkArea(win::HWND wnd, bool workArea, TRect& r);
