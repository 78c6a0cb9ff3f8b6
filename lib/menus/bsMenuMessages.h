#pragma once
#include "platform/win/WinDefs.h"

namespace win {

// The skin menus' messages, both parameters 0. WM_SKINMENUCLOSED tells the control a menu was
// opened for, and the form, that the menu has closed; WM_SKINMENUCOMMAND tells the control
// that the chosen command has run.
constexpr UINT WM_SKINMENUCLOSED = 1228;
constexpr UINT WM_SKINMENUCOMMAND = 1229;

} // namespace win

// The messages on which a form closes its open skin menus: it moves, is sized, activated or
// loses the focus, cancels its modes, or is pressed on anywhere (frame, client, a child).
bool IsMenuCloseMessage(win::UINT msg);
