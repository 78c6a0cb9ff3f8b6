#pragma once
#include "platform/win/WinDefs.h"

// Internal: painting takes the caret off the screen while it draws over it.
namespace win {

void CaretBeforePaint(HWND hwnd);
void CaretAfterPaint(HWND hwnd);
void CaretOwnerGone(HWND hwnd);

} // namespace win
