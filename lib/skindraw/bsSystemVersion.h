#pragma once
#include "platform/win/WinDefs.h"

#include <cstdint>

// The system version tests that gate layered windows and drop shadows. The program runs on a
// system that reports itself as version 6.1, so the tests by version alone pass; layered
// windows additionally need the window system to compose them (a compositing manager).

void GetWindowsVersion(int& Major, int& Minor);

// The rules, for any version.
bool IsVistaOrLater(int major, int minor);
bool IsXPOrLater(int major, int minor);
bool CanUseLayeredWindows(int major, int minor);

// The rules for the running system.
bool IsVistaOrLater();
bool IsXPOrLater();
// Version 5.0 or later, and layered windows are composed on this display.
bool CanUseLayeredWindows();

// The constant alpha of a layered window; nothing for a window that is not layered.
void SetWindowAlpha(win::HWND window, std::uint8_t alpha);
