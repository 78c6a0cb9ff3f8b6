#pragma once
#include <string>
#include <vector>

// One line of a mount table (/proc/self/mounts, fstab layout), escapes decoded.
struct TMountEntry {
    std::string Device;
    std::string MountPoint;
    std::string FileSystem;
};

// The entries of the table file; empty when it cannot be read. Lines that are not a mount
// entry are skipped.
std::vector<TMountEntry> ReadMountTable(const std::string& tableFile);

// Kernel and service file systems (proc, sysfs, tmpfs, cgroup and their kin) that hold no
// user's files.
bool IsPseudoFileSystem(const std::string& fileSystem);

// The mount points a user browses to: those below /media, /mnt and /run/media/<userName>
// that carry a real file system, in table order, each once. Nothing here touches the mount
// points themselves, so a hung network mount cannot stop the listing.
std::vector<std::string> UserMountPoints(const std::vector<TMountEntry>& entries,
                                         const std::string& userName);

// Whether a user mount point is removable media (below /media or /run/media).
bool IsRemovableMountPoint(const std::string& mountPoint);

// The mount point under which path lies (the longest that is a prefix of it by whole
// components); "/" when none is.
std::string MountPointOf(const std::vector<TMountEntry>& entries, const std::string& path);
