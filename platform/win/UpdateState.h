#pragma once
#include "platform/win/WinDefs.h"

// Internal: the painting side of window changes.
namespace win {

void ForgetPainting(HWND hwnd);
// The window was shown, moved or resized: what it now covers needs painting (frame and client).
void WindowAreaChanged(HWND hwnd);

} // namespace win
