#pragma once
#include "platform/win/WinDefs.h"

// Internal: the painting side of window changes.
namespace win {

void ForgetPainting(HWND hwnd);
// The window was shown, moved or resized: what it now covers needs painting (frame and client).
void WindowAreaChanged(HWND hwnd);
// Puts what paint DCs drew since the last call on the screen: after each dispatched message
// and whenever the queue runs dry.
void PresentPainted();

} // namespace win
