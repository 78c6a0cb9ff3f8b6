#pragma once
#include "platform/win/WinDefs.h"

// Keyboard focus, activation, capture and enabling.
namespace win {

// Activates the window's top-level window first when it is not active. WM_KILLFOCUS goes to the
// old focus, WM_SETFOCUS to the new one. Returns the previous focus.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Top-level windows only. The old window gets WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE),
// the new one WM_NCACTIVATE(TRUE) and WM_ACTIVATE(WA_ACTIVE); WM_ACTIVATEAPP when the program as
// a whole gains or loses activation. Returns the previously active window.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();

// While captured, every pointer event goes to hwnd as a client message. The window losing
// capture gets WM_CAPTURECHANGED with the new capture window in lParam.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// While a menu of form is open, a press outside every window of the program sends
// WM_CANCELMODE to form: on X11 such a press does not take activation from the form as it
// would on Windows, so the menu would stay open. nullptr ends the mode.
void SetMenuMode(HWND form);
HWND MenuModeOwner();

// Disabling sends WM_CANCELMODE and takes focus and capture away; WM_ENABLE follows. Returns
// whether the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);

// Called by the back end when the display moved the input focus to or away from the program
// (hwnd nullptr: another program is active).
void NativeActivated(HWND hwnd);

} // namespace win
