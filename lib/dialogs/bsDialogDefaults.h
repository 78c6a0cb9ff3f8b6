#pragma once
#include "platform/gfx/TFont.h"

#include <string>

class TbsSkinData;

// A text of the skinned dialogs: from the string table of the skin that skins their controls
// when it has one (a table without the key gives ""), else the built-in English fallBack.
std::string DialogString(const TbsSkinData* ctrlSkinData, const char* key, const char* fallBack);

// The font the dialogs give their controls until told otherwise: Arial, 14 pixels high.
TFont DialogDefaultFont();
