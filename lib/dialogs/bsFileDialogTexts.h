#pragma once
#include <string>

class TbsSkinData;

// A caption or hint of the file dialogs: from the string table of ctrlSkinData when it has one,
// else the built-in English text ("" for a key it does not know).
std::string FileDialogText(const TbsSkinData* ctrlSkinData, const std::string& key);
