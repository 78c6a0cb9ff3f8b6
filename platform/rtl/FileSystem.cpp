#include "platform/rtl/FileSystem.h"

#include "platform/rtl/FilePath.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool StatOf(const std::string& name, struct stat& info) {
    return !name.empty() && ::stat(name.c_str(), &info) == 0;
}

} // namespace

bool FileExists(const std::string& fileName) {
    struct stat info {};
    return StatOf(fileName, info) && S_ISREG(info.st_mode);
}

bool DirectoryExists(const std::string& folder) {
    struct stat info {};
    return StatOf(folder, info) && S_ISDIR(info.st_mode);
}

std::int64_t FileSize(const std::string& fileName) {
    struct stat info {};
    if (!StatOf(fileName, info) || !S_ISREG(info.st_mode)) return -1;
    return info.st_size;
}

bool ForceDirectories(const std::string& folder) {
    if (folder.empty()) return false;
    const std::string full = ExcludeTrailingPathDelimiter(ExpandFileName(folder));
    if (DirectoryExists(full)) return true;
    const std::string parent = ExtractFileDir(full);
    if (parent != full && !ForceDirectories(parent)) return false;
    // Another process may create it between the check and here; that counts as success.
    return CreateDir(full) || DirectoryExists(full);
}

bool CreateDir(const std::string& folder) {
    return !folder.empty() && ::mkdir(folder.c_str(), 0777) == 0;
}

bool RemoveDir(const std::string& folder) {
    return !folder.empty() && ::rmdir(folder.c_str()) == 0;
}

bool DeleteFile(const std::string& fileName) {
    struct stat info {};
    if (fileName.empty() || ::lstat(fileName.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return false;
    return ::unlink(fileName.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName) {
    if (oldName.empty() || newName.empty()) return false;
    // rename(2) would silently replace the target; a rename never destroys another file here.
    if (::renameat2(AT_FDCWD, oldName.c_str(), AT_FDCWD, newName.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without RENAME_NOREPLACE: check first (racy, but the best they allow).
    struct stat info {};
    if (::lstat(newName.c_str(), &info) == 0) return false;
    return ::rename(oldName.c_str(), newName.c_str()) == 0;
}

std::string ProgramFileName() {
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return std::string();
        if (std::size_t(n) < buffer.size()) return std::string(buffer.data(), std::size_t(n));
        buffer.resize(buffer.size() * 2);
    }
}

std::string ProgramFolder() {
    return ExtractFilePath(ProgramFileName());
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return IncludeTrailingPathDelimiter(home);
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
        found->pw_dir && *found->pw_dir)
        return IncludeTrailingPathDelimiter(found->pw_dir);
    return "/";
}

std::string TempFolder() {
    if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp && DirectoryExists(tmp))
        return IncludeTrailingPathDelimiter(tmp);
    return "/tmp/";
}

std::string CreateTempFolder(const std::string& prefix) {
    std::string pattern = TempFolder() + prefix + "XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!::mkdtemp(buffer.data())) return std::string();
    return IncludeTrailingPathDelimiter(buffer.data());
}

void LetFileSizeLimitFailWrites() {
    std::signal(SIGXFSZ, SIG_IGN);
}
