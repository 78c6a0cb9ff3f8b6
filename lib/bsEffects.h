#pragma once
// The skin engine's pictures and effects: the pixel core, the 32-bit bitmap with alpha, the
// 24-bit effect picture, the stack blur and the glow and reflection texts.
#include "lib/TbsBitmap.h"
#include "lib/TbsEffectBmp.h"
#include "lib/bsPixelCore.h"
#include "lib/bsStackBlur.h"
#include "lib/bsTextEffects.h"
