#pragma once
#include "platform/win/WinDefs.h"

// Internal: the frame behaviour DefWindowProc gives windows that do not draw their own.
namespace win {

// WM_NCHITTEST for the default frame at a screen point.
LRESULT DefaultHitTest(HWND hwnd, POINT screen);
// The modal move/size loop for a press on the caption (HTCAPTION) or a border (HTLEFT ..
// HTBOTTOMRIGHT); returns when the button is released or the loop is cancelled.
void RunMoveSizeLoop(HWND hwnd, int hitCode, POINT start);

} // namespace win
