#pragma once
#include "platform/gfx/TBitmap.h"

#include <memory>
#include <string_view>

// The tool-button glyphs of the file and folder dialogs, drawn in code where a Windows program
// would load bitmap resources by name: "BS_BACK", "BS_UP", "BS_NEWFOLDER", "BS_LVSTYLE" and
// "BS_STRETCH". Each is 16 x 16 on a background of one colour that the picture does not use, the
// bottom-left pixel's, so that a button drawing it transparent shows only the picture.
// An unknown name gives an empty bitmap, as a missing resource leaves a button without a glyph.
std::unique_ptr<TBitmap> MakeDialogGlyph(std::string_view resourceName);
