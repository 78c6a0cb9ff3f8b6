#pragma once
// The drawing utilities every skinned control shares: image builders that draw a skin face at
// any size, window regions cut from mask pictures, image and caption layout, a parent's
// background under transparent-looking controls, text with ellipsis, small vector marks and
// caption glyphs, rectangle helpers and rectangle text, a DC state guard, the system version tests,
// work areas and the glow layers shown in layered windows.
#include "lib/skindraw/TbsFBitmap.h"
#include "lib/skindraw/TbsLayerManager.h"
#include "lib/skindraw/bsCaptionGlyphs.h"
#include "lib/skindraw/bsGlyphLayout.h"
#include "lib/skindraw/bsImageBuilders.h"
#include "lib/skindraw/bsLayerBitmap.h"
#include "lib/skindraw/bsMarks.h"
#include "lib/skindraw/bsMaskRegion.h"
#include "lib/skindraw/bsParentBackground.h"
#include "lib/skindraw/bsRectText.h"
#include "lib/skindraw/bsRectUtils.h"
#include "lib/skindraw/bsSystemFunctions.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "lib/skindraw/bsTextDrawing.h"
#include "lib/skindraw/bsWorkArea.h"
