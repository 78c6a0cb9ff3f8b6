#pragma once
#include "lib/skindata/bsSkinIniValues.h"

class TbsEffectBmp;

// The look the skin gives an inactive form's frame pieces: brighter, darker, grey, noisy,
// blurred or inverted.
void ApplyInActiveEffect(TbsEffectBmp& bmp, TbsInActiveEffect effect);
