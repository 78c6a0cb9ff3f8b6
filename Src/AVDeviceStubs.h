#pragma once
#include <string>

// libavdevice keeps its row in the library table but is in no set: nothing of the engine
// captures from devices, and its development headers are not a build dependency.
namespace av {
extern void (*avdevice_register_all)();
} // namespace av

void FixupAVDevice(const std::string& fileName, void* handle);
void UnfixAVDevice();
