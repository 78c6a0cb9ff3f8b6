// The program's settings file: each section's reader on whatever the file holds, writing its
// defaults back as it does for a damaged value. The folder readers create the folder a file
// names, so they run only on names inside the private folder the target works in.
#include "app/SettingsSections.h"
#include "fuzz/FuzzSupport.h"
#include "platform/rtl/Exception.h"

#include <unistd.h>

namespace {

bool InsideWorkFolder(const std::string& name) {
    return !name.empty() && name[0] != '/' && name.find("..") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Relative folder names then land in the private folder.
    return ::chdir(fuzz::ScratchFolder().c_str());
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TSettingsFile file(fuzz::WriteScratchFile("option.ini", fuzz::Bytes(data, size)));
    try {
        ReadSkinIndex(file);
        TConversionOptions options;
        ReadConversionOptions(file, options);
        ReadSnapshotPicture(file);
        if (InsideWorkFolder(file.Read("OutPath", "OutPath"))) ReadOutputFolder(file, "output");
        if (InsideWorkFolder(file.Read("SnapShot", "Dir"))) ReadSnapshotFolder(file, "snapshots");
    } catch (const Exception&) {}
    return 0;
}
