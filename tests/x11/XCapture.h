#pragma once
#include "platform/gfx/Surface.h"

#include <cstdint>
#include <optional>
#include <string>

// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

namespace x11test {

// A rectangle of a window's pixels, opaque, as the server shows them once it has done all that
// was asked of it on this connection; empty when the server refuses to read them (a window
// that is not viewable, a rectangle outside it).
gfx::Surface CaptureXWindow(_XDisplay* display, unsigned long window, int x, int y, int width,
                            int height);
// The same from the window's corner, over a connection of the caller's own to the display.
gfx::Surface CaptureXWindow(const std::string& display, unsigned long window, int width,
                            int height);
// One pixel's colour as 0xRRGGBB; none when the server refuses to read it.
std::optional<std::uint32_t> XPixelAt(_XDisplay* display, unsigned long window, int x, int y);

} // namespace x11test
