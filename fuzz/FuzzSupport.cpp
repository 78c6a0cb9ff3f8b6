#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fuzz {
namespace {

class TScratchFolder {
public:
    TScratchFolder() {
        // In memory where there is such a file system: the readers that write their defaults
        // back would otherwise wait for the disk at every input.
        for (const std::filesystem::path base :
             { std::filesystem::path("/dev/shm"), std::filesystem::temp_directory_path() }) {
            std::string pattern = (base / "vc-fuzz-XXXXXX").string();
            if (::mkdtemp(pattern.data())) {
                FPath = pattern + "/";
                return;
            }
        }
        throw std::runtime_error("cannot make a scratch folder");
    }
    ~TScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

} // namespace

const std::string& ScratchFolder() {
    static const TScratchFolder folder;
    return folder.Path();
}

std::string WriteScratchFile(const std::string& name, std::span<const std::uint8_t> bytes) {
    const std::string path = ScratchFolder() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
    return path;
}

} // namespace fuzz
