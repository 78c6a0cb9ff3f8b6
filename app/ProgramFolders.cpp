#include "app/ProgramFolders.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

#include <cstdlib>
#include <unistd.h>

namespace {

constexpr const char* kSettingsName = "option.ini";
constexpr const char* kDataFolder = "苇川视频软件";

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool Writable(const std::string& folder) {
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string ConfigFolder() {
    std::string base = Variable("XDG_CONFIG_HOME");
    if (base.empty() || base[0] != '/') base = HomeFolder() + ".config";
    return IncludeTrailingPathDelimiter(base) + "vobconv/";
}

std::string DataRoot() {
    const std::string root = Variable(kDataRootVariable);
    return root.empty() ? HomeFolder() : IncludeTrailingPathDelimiter(root);
}

} // namespace

std::string ProgramPath() {
    return ProgramFolder();
}

std::string SettingsFileName() {
    const std::string overridden = Variable(kSettingsFolderVariable);
    if (!overridden.empty()) return IncludeTrailingPathDelimiter(overridden) + kSettingsName;
    return SettingsFileNameIn(ProgramFolder());
}

std::string SettingsFileNameIn(const std::string& programFolder) {
    // An installed program's folder belongs to root; the file then lives with the user.
    if (Writable(programFolder)) return IncludeTrailingPathDelimiter(programFolder) + kSettingsName;
    const std::string config = ConfigFolder();
    ForceDirectories(config);
    return config + kSettingsName;
}

std::string DefaultOutputFolder() {
    return DataRoot() + kDataFolder + "/输出";
}

std::string DefaultSnapshotFolder() {
    return DataRoot() + kDataFolder + "/快照";
}
