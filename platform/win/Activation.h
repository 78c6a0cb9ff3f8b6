#pragma once
#include "platform/win/WinDefs.h"

// Internal: keeping focus, capture and activation consistent when windows change.
namespace win {

// The window is about to end: focus, capture and activation leave it and its descendants.
void ForgetWindow(HWND hwnd);
// A window was hidden: activation and focus move away from it when they were in it.
void WindowHidden(HWND hwnd);
// A top-level window was shown without SWP_NOACTIVATE.
void WindowShown(HWND hwnd);

} // namespace win

namespace win {

// A press on an inactive top-level window that WM_MOUSEACTIVATE let through.
void ActivateByClick(HWND top);

} // namespace win
