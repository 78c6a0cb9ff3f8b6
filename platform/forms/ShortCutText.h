#pragma once
#include "platform/forms/TMenuItem.h"
#include <string>

// The text a menu shows for a shortcut: the modifiers in the order "Ctrl+", "Alt+", "Shift+",
// then the key's English name ("F4", "Enter", "Del", "A", "Num 5"), such as "Alt+F4" or
// "Ctrl+Shift+A". Empty for no shortcut or a key without a name.
std::string ShortCutToText(TShortCut shortCut);
