#pragma once
#include "platform/win/WinDefs.h"

// Internal: keeping native child windows where their windows are.
namespace win {

// After any window moved, resized, showed or hid.
void PlaceNativeChildren();
void ForgetNativeChild(HWND hwnd);

} // namespace win
