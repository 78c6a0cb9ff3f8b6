#pragma once

// Makes the skin object, stored skins, skin lists and string tables known to form
// descriptions, with their properties: the stored skin's "CompressedData" (the zlib stream)
// and a skin list item's "Skin" (a framed block) as binary data. Safe to call more than once.
void RegisterSkinDataClasses();
