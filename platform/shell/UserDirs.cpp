#include "platform/shell/UserDirs.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/TextUtils.h"

#include <fstream>

namespace {

// A value is "$HOME/..." or an absolute path, in double quotes; anything else is ignored.
std::string FolderOfValue(const TShellEnvironment& env, std::string value) {
    value = Trim(value);
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return std::string();
    value = value.substr(1, value.size() - 2);
    if (value == "$HOME" || value == "$HOME/") return env.Home;
    if (value.rfind("$HOME/", 0) == 0)
        return ExcludeTrailingPathDelimiter(IncludeTrailingPathDelimiter(env.Home) +
                                            value.substr(6));
    if (!value.empty() && value[0] == '/') return ExcludeTrailingPathDelimiter(value);
    return std::string();
}

} // namespace

std::string UserDirectory(const TShellEnvironment& env, const std::string& key) {
    const std::string variable = "XDG_" + key + "_DIR";
    std::ifstream file(env.ConfigHome + "/user-dirs.dirs");
    std::string line;
    std::string found;
    while (std::getline(file, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == '#') continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string::npos || Trim(text.substr(0, equals)) != variable) continue;
        found = FolderOfValue(env, text.substr(equals + 1));
    }
    if (!found.empty()) return found;
    if (key == "DESKTOP") return IncludeTrailingPathDelimiter(env.Home) + "Desktop";
    return env.Home;
}
