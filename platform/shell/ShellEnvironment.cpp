#include "platform/shell/ShellEnvironment.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

// The variable's value when it is an absolute path; relative ones are to be ignored.
std::string AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (!value || value[0] != '/') return std::string();
    return ExcludeTrailingPathDelimiter(value);
}

std::string OrDefault(std::string value, const std::string& fallback) {
    return value.empty() ? fallback : value;
}

std::vector<std::string> DataDirsOf(const char* value) {
    std::vector<std::string> dirs;
    std::string text = value ? value : "";
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(':', start);
        if (end == std::string::npos) end = text.size();
        const std::string dir = text.substr(start, end - start);
        if (!dir.empty() && dir[0] == '/') dirs.push_back(ExcludeTrailingPathDelimiter(dir));
        start = end + 1;
    }
    if (dirs.empty()) dirs = { "/usr/local/share", "/usr/share" };
    return dirs;
}

std::string UserNameOfProcess() {
    if (const char* user = std::getenv("USER"); user && *user) return user;
    std::string buffer(16384, '\0');
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_name)
        return found->pw_name;
    return std::string();
}

} // namespace

TShellEnvironment TShellEnvironment::FromProcess(const std::string& mountTable) {
    TShellEnvironment env;
    env.Home = ExcludeTrailingPathDelimiter(HomeFolder());
    const std::string base = env.Home == "/" ? std::string() : env.Home;
    env.DataHome = OrDefault(AbsoluteVariable("XDG_DATA_HOME"), base + "/.local/share");
    env.DataDirs = DataDirsOf(std::getenv("XDG_DATA_DIRS"));
    env.ConfigHome = OrDefault(AbsoluteVariable("XDG_CONFIG_HOME"), base + "/.config");
    env.MountTable = mountTable;
    env.UserName = UserNameOfProcess();
    return env;
}

std::vector<std::string> TShellEnvironment::DataSearchPath() const {
    std::vector<std::string> dirs{ DataHome };
    dirs.insert(dirs.end(), DataDirs.begin(), DataDirs.end());
    return dirs;
}
