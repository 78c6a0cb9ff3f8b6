#pragma once
#include "lib/skindraw/TbsBitmap.h"

// Blurs red, green and blue in place with triangular weights over 2 * radius + 1 pixels in each
// direction (samples past the edges repeat the edge pixel), in exact integer arithmetic at a
// constant cost per pixel whatever the radius. Every pixel comes out opaque. A radius below 1
// does nothing.
void StackBlur(TbsBitmap& bitmap, int radius);
