#pragma once
#include "Src/FFPlay/VideoState.h"

#include <cstdint>

// A palette entry from RGBA (alpha in the top byte, then red, green, blue) to the overlay's
// YUVA (alpha, Y, Cb, Cr) with the studio-range coefficients the blending expects.
uint32_t RgbaToYuva(uint32_t rgba);

// The subtitle thread: decodes bitmap subtitles into the subpicture queue until the subtitle
// queue is aborted.
void SubtitleThreadProc(TVideoState& is);
