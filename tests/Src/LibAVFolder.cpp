#include "tests/Src/LibAVFolder.h"

#include <atomic>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <link.h>
#include <stdexcept>
#include <unistd.h>

TLibAVFolder::TLibAVFolder() {
    // Never the same path twice in a process: the dynamic loader remembers every path it has
    // opened and would answer a later open of that path without looking at the file.
    static std::atomic<int> counter{ 0 };
    const auto base = std::filesystem::temp_directory_path() /
                      ("vc-engine-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(base / "LibAV");
    FPath = (base / "LibAV").string();
}

TLibAVFolder::~TLibAVFolder() {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(FPath).parent_path(), ec);
}

void TLibAVFolder::LinkSystemLibrary(const std::string& linkName, const std::string& soname) const {
    std::filesystem::create_symlink(SystemLibraryPath(soname),
                                    std::filesystem::path(FPath) / linkName);
}

void TLibAVFolder::WriteFile(const std::string& name, const std::string& content) const {
    std::ofstream(std::filesystem::path(FPath) / name, std::ios::binary) << content;
}

std::string SystemLibraryPath(const std::string& soname) {
    void* handle = dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw std::runtime_error("system library missing: " + soname);
    link_map* map = nullptr;
    dlinfo(handle, RTLD_DI_LINKMAP, &map);
    std::string path = map ? map->l_name : "";
    dlclose(handle);
    return path;
}
