#pragma once
// WM_SKINMENUCLOSED tells the control a menu was opened for, and the form, that the menu has
// closed; WM_SKINMENUCOMMAND tells the control that the chosen command has run.
#include "lib/skindata/bsSkinMessages.h"
#include "platform/win/WinDefs.h"

// The messages on which a form closes its open skin menus: it moves, is sized, activated or
// loses the focus, cancels its modes, or is pressed on anywhere (frame, client, a child).
bool IsMenuCloseMessage(win::UINT msg);
