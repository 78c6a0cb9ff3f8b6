#pragma once
// The skin engine's pictures and effects: the pixel core, the 32-bit bitmap with alpha, the
// 24-bit effect picture, the stack blur and the glow and reflection texts.
#include "lib/skindraw/TbsBitmap.h"
#include "lib/skindraw/TbsEffectBmp.h"
#include "lib/skindraw/bsPixelCore.h"
#include "lib/skindraw/bsStackBlur.h"
#include "lib/skindraw/bsTextEffects.h"
