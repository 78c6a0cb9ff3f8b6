#include "lib/dialogs/bsFilePaths.h"

#include "platform/gfx/TCanvas.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/InOutError.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

namespace {

constexpr const char* kCut = ".../";

// Replaces the first folder of dir (ending in '/') by "...", or drops dir once only "..." or
// the root is left.
void CutFirstFolder(std::string& dir) {
    if (dir == "/") {
        dir.clear();
        return;
    }
    const bool rooted = !dir.empty() && dir.front() == '/';
    if (rooted) dir.erase(0, 1);
    if (!dir.empty() && dir.front() == '.') dir.erase(0, 4);
    const std::size_t slash = dir.find('/');
    if (slash == std::string::npos) {
        dir.clear();
    } else {
        dir.erase(0, slash + 1);
        dir.insert(0, kCut);
    }
    if (rooted) dir.insert(0, "/");
}

bool HasWildcards(const std::string& text) {
    return text.find_first_of("*?") != std::string::npos;
}

} // namespace

std::string AppendPathPart(const std::string& path, const std::string& part) {
    return !path.empty() && path.back() == PathDelim ? path + part : path + PathDelim + part;
}

int DirLevel(const std::string& path) {
    return int(std::count(path.begin(), path.end(), PathDelim));
}

std::string ShortenPathToWidth(const std::string& fileName, TCanvas& canvas, int maxWidth) {
    std::string dir = ExtractFilePath(fileName);
    const std::string name = ExtractFileName(fileName);
    std::string result = fileName;
    while (!dir.empty() && canvas.TextWidth(result) > maxWidth) {
        if (dir == "/.../")
            dir = kCut;
        else
            CutFirstFolder(dir);
        result = dir + name;
    }
    return result;
}

TbsDirAndFile SplitDirAndFile(const std::string& editText, const std::string& folder) {
    std::string dirPart = editText;
    if (dirPart.size() >= 2 && dirPart.front() == '[' && dirPart.back() == ']')
        dirPart = dirPart.substr(1, dirPart.size() - 2);
    TbsDirAndFile split;
    split.FilePart = ExtractFileName(dirPart);
    if (dirPart.size() == split.FilePart.size() + 1)
        dirPart = "/";
    else if (dirPart.size() > split.FilePart.size())
        dirPart.resize(dirPart.size() - split.FilePart.size() - 1);
    else
        dirPart = folder;
    split.DirPart = ExistingFolder(dirPart, folder);
    if (!split.FilePart.empty() && !HasWildcards(split.FilePart) &&
        !FileExists(AppendPathPart(split.DirPart, split.FilePart))) {
        split.DirPart = ExistingFolder(split.FilePart, split.DirPart);
        split.FilePart.clear();
    }
    return split;
}

std::string ExistingFolder(const std::string& path, const std::string& folder) {
    const std::string absolute = ExcludeTrailingPathDelimiter(
        ExpandFileName(path.starts_with('/') ? path : AppendPathPart(folder, path)));
    if (!DirectoryExists(absolute)) throw EInOutError(ENOENT);
    return absolute;
}

namespace {

// The mount at mountPoint; the last one wins, as it hides those mounted there before it.
const TMountEntry* MountAt(const std::string& mountPoint, const std::vector<TMountEntry>& mounts) {
    const TMountEntry* found = nullptr;
    for (const TMountEntry& entry : mounts)
        if (entry.MountPoint == mountPoint) found = &entry;
    return found;
}

// A by-label name as udev writes it: "\\x20" and the like stand for the byte they encode.
std::string DecodeLabel(const std::string& name) {
    std::string label;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3]))) {
            label += char(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            label += name[i];
        }
    }
    return label;
}

} // namespace

bool IsNetworkFileSystem(const std::string& fileSystem) {
    return fileSystem == "nfs" || fileSystem == "nfs4" || fileSystem == "cifs" ||
           fileSystem == "smb3" || fileSystem == "fuse.sshfs" || fileSystem == "sshfs";
}

std::string VolumeLabelText(const std::string& mountPoint, const std::vector<TMountEntry>& mounts,
                            const std::string& labelFolder) {
    const TMountEntry* mount = MountAt(mountPoint, mounts);
    if (!mount || mount->Device.empty() || mount->Device.front() != PathDelim) return "[]";
    std::error_code error;
    const auto device = std::filesystem::weakly_canonical(mount->Device, error);
    if (error) return "[]";
    for (const auto& entry : std::filesystem::directory_iterator(labelFolder, error)) {
        std::error_code linkError;
        const auto target = std::filesystem::weakly_canonical(entry.path(), linkError);
        if (!linkError && target == device)
            return "[" + DecodeLabel(entry.path().filename().string()) + "]";
    }
    return "[]";
}

std::string NetworkShareText(const std::string& mountPoint, const std::vector<TMountEntry>& mounts,
                             const std::string& labelFolder) {
    const TMountEntry* mount = MountAt(mountPoint, mounts);
    if (mount && IsNetworkFileSystem(mount->FileSystem) && !mount->Device.empty())
        return mount->Device;
    return VolumeLabelText(mountPoint, mounts, labelFolder);
}
