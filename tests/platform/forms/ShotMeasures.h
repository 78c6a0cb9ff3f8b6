#pragma once
#include "platform/gfx/Surface.h"
#include "platform/gfx/TRect.h"

#include <vector>

namespace formstest {

// How many different colours an area of a picture holds (the part inside the picture).
int Colours(const gfx::Surface& s, const TRect& area);
// The dark pixels of an area as a pattern: the ink of its text.
std::vector<bool> Ink(const gfx::Surface& s, const TRect& area);

} // namespace formstest
