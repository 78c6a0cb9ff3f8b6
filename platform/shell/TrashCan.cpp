#include "platform/shell/TrashCan.h"

#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/shell/MountTable.h"
#include "platform/shell/ShellPaths.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TTrash {
    std::string Folder;
    // The folder that relative paths in the info files start from; empty: absolute paths.
    std::string TopDir;
};

struct FdClose {
    int Fd{ -1 };
    ~FdClose() {
        if (Fd >= 0) ::close(Fd);
    }
};

bool MakeFolder(const std::string& folder, mode_t mode) {
    if (::mkdir(folder.c_str(), mode) == 0) return true;
    struct stat info {};
    return errno == EEXIST && ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool PrepareTrash(const std::string& folder) {
    return MakeFolder(folder, 0700) && MakeFolder(folder + "/files", 0700) &&
           MakeFolder(folder + "/info", 0700);
}

std::optional<dev_t> DeviceOf(const std::string& path, bool followLink) {
    struct stat info {};
    const int rc = followLink ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (rc != 0) return std::nullopt;
    return info.st_dev;
}

// The trash for an item on the mount at topDir: the shared ".Trash" when the administrator
// made one that is safe (a sticky folder, not a link), else the user's own ".Trash-$uid".
std::optional<TTrash> TopDirTrash(const std::string& topDir) {
    const std::string uid = std::to_string(::getuid());
    const std::string shared = JoinPath(topDir, ".Trash");
    struct stat info {};
    if (::lstat(shared.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && (info.st_mode & S_ISVTX)) {
        const std::string mine = shared + "/" + uid;
        if (PrepareTrash(mine)) return TTrash{ mine, topDir };
    }
    const std::string own = JoinPath(topDir, ".Trash-" + uid);
    if (PrepareTrash(own)) return TTrash{ own, topDir };
    return std::nullopt;
}

std::optional<TTrash> TrashFor(const TShellEnvironment& env, const std::string& path,
                               dev_t device) {
    const std::string home = env.DataHome + "/Trash";
    if (ForceDirectories(env.DataHome) && DeviceOf(env.DataHome, true) == device) {
        if (PrepareTrash(home)) return TTrash{ home, std::string() };
        return std::nullopt;
    }
    const std::string topDir = MountPointOf(ReadMountTable(env.MountTable), path);
    if (DeviceOf(topDir, true) != device) return std::nullopt;
    return TopDirTrash(topDir);
}

// Path escaped as a URI path: every byte but the unreserved ones and '/' as %XX.
std::string EscapedPath(const std::string& path) {
    std::string out;
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '/' || c == '-' || c == '_' || c == '.' ||
                           c == '~';
        if (plain)
            out.push_back(char(c));
        else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string DeletionDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// The absolute path with "." and ".." folded, so the info file names where the item was.
std::string AbsolutePath(const std::string& path) {
    const std::string full = ExpandFileName(path);
    const auto components = NormalisedComponents(full);
    std::string out = "/";
    if (components)
        for (const std::string& part : *components)
            out = JoinPath(out, part);
    return out;
}

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

} // namespace

bool MoveToTrash(const TShellEnvironment& env, const std::string& path, std::string* trashedAs) {
    const std::string original = AbsolutePath(path);
    if (original == "/") return false;
    const std::optional<dev_t> device = DeviceOf(original, false);
    if (!device) return false;
    const std::optional<TTrash> trash = TrashFor(env, original, *device);
    if (!trash) return false;

    std::string recorded = original;
    if (!trash->TopDir.empty() && trash->TopDir != "/")
        recorded = original.substr(trash->TopDir.size() + 1);
    else if (!trash->TopDir.empty())
        recorded = original.substr(1);
    const std::string content =
        "[Trash Info]\nPath=" + EscapedPath(recorded) + "\nDeletionDate=" + DeletionDate() + "\n";

    const std::string baseName = original.substr(original.rfind('/') + 1);
    for (int attempt = 1; attempt < 10000; ++attempt) {
        const std::string name = attempt == 1 ? baseName : baseName + "." + std::to_string(attempt);
        const std::string info = trash->Folder + "/info/" + name + ".trashinfo";
        // Creating the info file claims the name: two programs trashing at once cannot
        // both take it.
        FdClose file{ ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600) };
        if (file.Fd < 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        const std::string target = trash->Folder + "/files/" + name;
        if (!WriteAll(file.Fd, content) || ::fsync(file.Fd) != 0) {
            ::unlink(info.c_str());
            return false;
        }
        if (RenameFile(original, target)) {
            if (trashedAs) *trashedAs = name;
            return true;
        }
        const int error = errno;
        ::unlink(info.c_str());
        struct stat existing {};
        if (error == EEXIST || ::lstat(target.c_str(), &existing) == 0) continue;
        return false;
    }
    return false;
}
