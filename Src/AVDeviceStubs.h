#pragma once
#include "Src/MyUtils/LibraryBinding.h"

#include <string>

// libavdevice keeps its row in the library table but is in no set: nothing of the engine
// captures from devices, and its development headers are not a build dependency.
namespace av {
extern void (*avdevice_register_all)();
} // namespace av

void FixupAVDevice(const std::string& fileName, const TDynamicLibrary& handle);
void UnfixAVDevice();
