#pragma once
// The drawing utilities every skinned control shares: image builders that draw a skin face at
// any size, window regions cut from mask pictures, image and caption layout, text with
// ellipsis, small vector marks, rectangle helpers and the system version tests.
#include "lib/TbsFBitmap.h"
#include "lib/bsGlyphLayout.h"
#include "lib/bsImageBuilders.h"
#include "lib/bsMarks.h"
#include "lib/bsMaskRegion.h"
#include "lib/bsParentBackground.h"
#include "lib/bsRectUtils.h"
#include "lib/bsSystemVersion.h"
#include "lib/bsTextDrawing.h"
