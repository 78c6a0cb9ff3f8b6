#include "Src/AVDeviceStubs.h"

#include "Src/MyUtils/LibraryBinding.h"

namespace av {
void (*avdevice_register_all)() = nullptr;
} // namespace av

void FixupAVDevice(const std::string& fileName, const TDynamicLibrary& handle) {
    BindEntryPoint(fileName, handle, "avdevice_register_all", false, av::avdevice_register_all);
}

void UnfixAVDevice() {
    av::avdevice_register_all = nullptr;
}
