#pragma once

#include <string>

// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

namespace x11test {

// The window's _NET_WM_NAME; empty when it has none.
std::string XWindowTitle(_XDisplay* display, unsigned long window);
// Whether the window and all its ancestors are mapped, so that the server shows it.
bool XWindowViewable(_XDisplay* display, unsigned long window);
// The viewable top-level window with that title, or 0.
unsigned long FindViewableXWindow(_XDisplay* display, const std::string& title);
// Asks the window to close as a window manager does when the user closes it: WM_DELETE_WINDOW
// in a WM_PROTOCOLS message.
void SendXCloseRequest(_XDisplay* display, unsigned long window);

} // namespace x11test
