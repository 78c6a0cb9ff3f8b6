#pragma once
#include "platform/win/WinDefs.h"

// The warning sound a program plays for the user.
namespace win {

// The display's warning sound; every type sounds the same. False without a display.
BOOL MessageBeep(UINT type);

} // namespace win
