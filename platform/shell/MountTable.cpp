#include "platform/shell/MountTable.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

namespace {

// The table writes a blank, tab, newline and backslash inside a field as \ and three octal
// digits.
std::string DecodeField(const std::string& field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out.push_back(char((a - '0') * 64 + (b - '0') * 8 + (c - '0')));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

bool IsBelow(std::string_view path, std::string_view folder) {
    if (folder == "/") return path.size() > 1 && path[0] == '/';
    return path.size() > folder.size() + 1 && path.substr(0, folder.size()) == folder &&
           path[folder.size()] == '/';
}

bool IsWithin(std::string_view path, std::string_view folder) {
    return path == folder || IsBelow(path, folder);
}

} // namespace

std::vector<TMountEntry> ReadMountTable(const std::string& tableFile) {
    std::vector<TMountEntry> entries;
    std::ifstream file(tableFile);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, fileSystem;
        if (!(fields >> device >> mountPoint >> fileSystem)) continue;
        if (device.empty() || device[0] == '#') continue;
        mountPoint = DecodeField(mountPoint);
        if (mountPoint.empty() || mountPoint[0] != '/') continue;
        entries.push_back({ DecodeField(device), mountPoint, fileSystem });
    }
    return entries;
}

bool IsPseudoFileSystem(const std::string& fileSystem) {
    static constexpr std::array<std::string_view, 30> kPseudo{
        "proc",      "sysfs",           "tmpfs",       "devtmpfs",   "devpts",   "cgroup",
        "cgroup2",   "securityfs",      "debugfs",     "tracefs",    "configfs", "fusectl",
        "mqueue",    "hugetlbfs",       "pstore",      "bpf",        "autofs",   "binfmt_misc",
        "efivarfs",  "ramfs",           "rpc_pipefs",  "nsfs",       "overlay",  "squashfs",
        "selinuxfs", "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "nfsd",     "rootfs",
    };
    return std::find(kPseudo.begin(), kPseudo.end(), fileSystem) != kPseudo.end();
}

std::vector<std::string> UserMountPoints(const std::vector<TMountEntry>& entries,
                                         const std::string& userName) {
    const std::string userMedia = "/run/media/" + userName;
    std::vector<std::string> points;
    for (const TMountEntry& entry : entries) {
        if (IsPseudoFileSystem(entry.FileSystem)) continue;
        const std::string& point = entry.MountPoint;
        const bool visible = IsBelow(point, "/media") || IsBelow(point, "/mnt") ||
                             (!userName.empty() && IsBelow(point, userMedia));
        if (!visible) continue;
        if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(point);
    }
    return points;
}

bool IsRemovableMountPoint(const std::string& mountPoint) {
    return IsBelow(mountPoint, "/media") || IsBelow(mountPoint, "/run/media");
}

std::string MountPointOf(const std::vector<TMountEntry>& entries, const std::string& path) {
    std::string best = "/";
    for (const TMountEntry& entry : entries)
        if (IsWithin(path, entry.MountPoint) && entry.MountPoint.size() > best.size())
            best = entry.MountPoint;
    return best;
}
