#pragma once
// The drawing utilities every skinned control shares: image builders that draw a skin face at
// any size, window regions cut from mask pictures, image and caption layout, a parent's
// background under transparent-looking controls, text with ellipsis, small vector marks and
// caption glyphs, rectangle helpers and rectangle text, the system version tests, work areas
// and the glow layers shown in layered windows.
#include "lib/TbsFBitmap.h"
#include "lib/TbsLayerManager.h"
#include "lib/bsCaptionGlyphs.h"
#include "lib/bsGlyphLayout.h"
#include "lib/bsImageBuilders.h"
#include "lib/bsLayerBitmap.h"
#include "lib/bsMarks.h"
#include "lib/bsMaskRegion.h"
#include "lib/bsParentBackground.h"
#include "lib/bsRectText.h"
#include "lib/bsRectUtils.h"
#include "lib/bsSystemFunctions.h"
#include "lib/bsSystemVersion.h"
#include "lib/bsTextDrawing.h"
#include "lib/bsWorkArea.h"
