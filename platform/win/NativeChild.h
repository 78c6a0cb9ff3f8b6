#pragma once
#include "platform/win/WinDefs.h"

// A child window that also owns a window of the display, for libraries that draw into a display
// window by id (SDL's video output takes it as SDL_WINDOWID). The display window follows the
// child's place and visibility; everything else about the child stays an ordinary window.
namespace win {

// The display's id of the child's native window, made on first call; 0 for a window that is
// not a child of a window on screen.
unsigned long NativeChildWindowId(HWND child);
// Wipes what a library drew into the child's display window, leaving its background; nothing
// for a child that has none.
void ClearNativeChild(HWND child);

} // namespace win
