#pragma once
#include <string>
#include <vector>

// The folders the desktop conventions start from. Folder names carry no trailing '/'.
struct TShellEnvironment {
    std::string Home;
    // $XDG_DATA_HOME: the user's data (the trash, the user's own file types and icons).
    std::string DataHome;
    // $XDG_DATA_DIRS: the system's data, most important first.
    std::vector<std::string> DataDirs;
    // $XDG_CONFIG_HOME: the user's settings (user-dirs.dirs, the icon theme's name).
    std::string ConfigHome;
    // The table of mounted file systems.
    std::string MountTable{ "/proc/self/mounts" };
    std::string UserName;

    // The process's own: each variable as set, or its documented default when it is unset,
    // empty or not an absolute path.
    static TShellEnvironment FromProcess(const std::string& mountTable = "/proc/self/mounts");
    // Data folders to search, most important first: DataHome, then DataDirs.
    std::vector<std::string> DataSearchPath() const;
};
