#include "app/ProgramFolders.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

#include <cstdlib>

namespace {

constexpr const char* kDataFolder = "苇川视频软件";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string DataRoot() {
    const std::string root = Variable(kDataRootVariable);
    return root.empty() ? HomeFolder() : IncludeTrailingPathDelimiter(root);
}

} // namespace

std::string ProgramPath() {
    return ProgramFolder();
}

std::string DefaultOutputFolder() {
    return DataRoot() + kDataFolder + "/输出";
}

std::string DefaultSnapshotFolder() {
    return DataRoot() + kDataFolder + "/快照";
}
