#pragma once
#include "lib/skindata/bsSkinIniValues.h"

class TbsEffectBmp;

// Moves `from` towards `to` (same size) by kf with the transition a record's morph kind names:
// a cross-fade, a gradient from the middle, the left or the right, a slide from either side or
// a push.
void MorphByKind(TbsEffectBmp& from, const TbsEffectBmp& to, TbsMorphKind kind, double kf);
