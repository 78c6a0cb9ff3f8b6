#include "platform/rtl/AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns a file descriptor.
class TFileHandle {
public:
    explicit TFileHandle(int fd) : FFd(fd) {}
    ~TFileHandle() { Close(); }
    TFileHandle(const TFileHandle&) = delete;
    TFileHandle& operator=(const TFileHandle&) = delete;

    int Get() const { return FFd; }
    bool Close() {
        if (FFd < 0) return true;
        const int fd = FFd;
        FFd = -1;
        return ::close(fd) == 0;
    }

private:
    int FFd;
};

// Removes the temporary file unless it was renamed into place.
class TTempFile {
public:
    explicit TTempFile(std::string name) : FName(std::move(name)) {}
    ~TTempFile() {
        if (!FKept) ::unlink(FName.c_str());
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;

    void Keep() { FKept = true; }

private:
    std::string FName;
    bool FKept{ false };
};

std::string Reason() {
    return std::strerror(errno);
}

std::string ResolveLinks(const std::string& fileName) {
    struct stat info {};
    if (::lstat(fileName.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return fileName;
    char* resolved = ::realpath(fileName.c_str(), nullptr);
    if (!resolved) return fileName; // a dangling link: replace the link itself
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// The umask is read from /proc rather than set and restored, which would race with other threads
// creating files.
mode_t NewFileMode() {
    mode_t mask = 022;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with("Umask:")) {
            mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
            break;
        }
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

} // namespace

bool SaveFileAtomically(const std::string& fileName, std::string_view contents,
                        std::string& errorText) {
    const std::string target = ResolveLinks(fileName);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        errorText = std::strerror(EISDIR);
        return false;
    }

    std::string tempName = target + ".XXXXXX";
    TFileHandle file(::mkostemp(tempName.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        errorText = Reason();
        return false;
    }
    TTempFile temp(tempName);
    const mode_t mode = exists ? (old.st_mode & 07777) : NewFileMode();
    if (::fchmod(file.Get(), mode) != 0 || !WriteAll(file.Get(), contents) ||
        ::fsync(file.Get()) != 0 || !file.Close() ||
        ::rename(tempName.c_str(), target.c_str()) != 0) {
        errorText = Reason();
        return false;
    }
    temp.Keep();

    // Make the rename itself durable; a failure here no longer endangers either content.
    const auto slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    TFileHandle dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
    return true;
}
