#pragma once
#include "platform/gfx/DeviceContext.h"

#include <string_view>

// Draws a caption in the classic embossed grey of a disabled control: a highlight copy one pixel
// down-right under the shadow-coloured text. Leaves the DC's text colour at the shadow colour.
void DrawDisabledText(win::HDC dc, std::string_view text, win::RECT rect, unsigned format);
