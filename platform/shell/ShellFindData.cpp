#include "platform/shell/ShellFindData.h"

#include "platform/rtl/FileSearch.h"

#include <cerrno>
#include <sys/stat.h>

bool TShellFindData::IsDirectory() const {
    return (Attributes & faDirectory) != 0;
}

std::optional<TShellFindData> ReadShellFindData(const std::string& path, int* error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 && ::lstat(path.c_str(), &info) != 0) {
        if (error) *error = errno;
        return std::nullopt;
    }
    TShellFindData data;
    const std::size_t slash = path.rfind('/');
    data.Name = slash == std::string::npos ? path : path.substr(slash + 1);
    data.Size = S_ISDIR(info.st_mode) ? 0 : std::int64_t(info.st_size);
    data.Attributes = S_ISDIR(info.st_mode) ? faDirectory : faArchive;
    if (!(info.st_mode & S_IWUSR)) data.Attributes |= faReadOnly;
    if (!data.Name.empty() && data.Name[0] == '.') data.Attributes |= faHidden;
    data.WriteTime = info.st_mtime;
    data.Permissions = std::uint32_t(info.st_mode & 07777);
    return data;
}
