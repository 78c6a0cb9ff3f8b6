#pragma once
#include <string>

// The encoder the installed libraries have in place of one they lack (libfaac, msmpeg4v1,
// libamr_nb); any other name, and a name the libraries have, comes back unchanged.
std::string InstalledEncoderName(const std::string& name);

// The audio codec a container takes in place of one it refuses: MPEG program streams and VOB
// carry no AAC, so DVD and VOB get AC-3 and the other MPEG program streams MP2. Any other pair
// comes back unchanged.
std::string ContainerAudioCodec(const std::string& format, const std::string& codec);
