#pragma once
#include "platform/win/WinDefs.h"
#include <X11/Xlib.h>
#include <string>

namespace win {

// The virtual-key code of an X key symbol (0 when the key has none).
UINT VirtualKeyFromKeysym(KeySym keysym);
// The character a key symbol types, as UTF-8 (empty when it types none).
std::string TextFromKeysym(KeySym keysym);

} // namespace win
