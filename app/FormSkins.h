#pragma once
#include <string>
#include <string_view>

// A form description with the program's packed skins put into it: each skin list of the main
// window's description gets a "Skins" property holding its one skin, so that reading the
// description loads the skins like any other property. Other descriptions come back unchanged.
std::string WithEmbeddedSkins(const std::string& formName, std::string_view text);
