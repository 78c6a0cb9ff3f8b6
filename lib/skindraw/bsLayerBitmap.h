#pragma once
#include <cstdint>

class TBitmap;
class TbsBitmap;
class TWinControl;

// dest := image with alpha from mask (its grey level: black transparent, white opaque). The
// mask must have the image's size.
void BuildLayerBitmap(TBitmap& image, TBitmap& mask, TbsBitmap& dest);
// Shows the picture as the content of a layered window at the control's place, at constant
// opacity alpha. The window system composes premultiplied colours, so the picture's colours are
// premultiplied by their alpha on the way (soft glow edges would otherwise come out too bright).
void UpdateLayerWindow(const TbsBitmap& bitmap, std::uint8_t alpha, TWinControl& control);
