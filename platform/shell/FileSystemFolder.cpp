#include "platform/shell/FileSystemFolder.h"

#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/ShellPaths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct DirClose {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirPtr = std::unique_ptr<DIR, DirClose>;

// Bits that need the entry itself; asking to validate is asking whether it is still there.
constexpr std::uint32_t kDiskAttributes =
    win::SFGAO_READONLY | win::SFGAO_LINK | win::SFGAO_HASSUBFOLDER | win::SFGAO_VALIDATE;

bool IsHidden(const std::string& name) {
    return !name.empty() && name[0] == '.';
}

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Whether the entry is a folder once links are followed; the directory's own type tells
// without a look at the entry unless it is a link or the file system does not say.
bool EntryIsFolder(DIR* dir, const dirent& entry) {
    if (entry.d_type == DT_DIR) return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
    struct stat info {};
    return ::fstatat(::dirfd(dir), entry.d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

bool HasSubFolder(const std::string& path) {
    DirPtr dir(::opendir(path.c_str()));
    if (!dir) return false;
    while (const dirent* entry = ::readdir(dir.get()))
        if (!IsDotOrDotDot(entry->d_name) && EntryIsFolder(dir.get(), *entry)) return true;
    return false;
}

// A name the file system takes as one entry of this folder.
bool IsPlainEntryName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

} // namespace

TFileSystemFolder::TFileSystemFolder(std::shared_ptr<const TShellNamespace> space,
                                     TItemIdList idList, std::string path)
    : TShellFolderBase(std::move(space), std::move(idList)), FPath(std::move(path)) {}

std::optional<std::vector<TShellItemId>> TFileSystemFolder::EnumObjects(std::uint32_t flags) const {
    DirPtr dir(::opendir(FPath.c_str()));
    if (!dir) return std::nullopt;
    const bool folders = flags & win::SHCONTF_FOLDERS;
    const bool files = flags & win::SHCONTF_NONFOLDERS;
    const bool hidden = flags & win::SHCONTF_INCLUDEHIDDEN;
    std::vector<TShellItemId> items;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (IsDotOrDotDot(entry->d_name)) continue;
        std::string name(entry->d_name);
        if (IsHidden(name) && !hidden) continue;
        const bool isFolder = EntryIsFolder(dir.get(), *entry);
        if (isFolder ? !folders : !files) continue;
        items.push_back({ isFolder ? ikFolder : ikFile, std::move(name) });
    }
    return items;
}

std::optional<TItemIdList> TFileSystemFolder::ParseDisplayName(const std::string& text) const {
    if (text.empty() || text[0] == '/') return std::nullopt;
    const auto components = NormalisedComponents(text);
    if (!components) return std::nullopt;
    return EntriesBelow(FPath, *components);
}

std::shared_ptr<IShellFolder> TFileSystemFolder::ChildFolder(const TShellItemId& item) const {
    if (item.Kind != ikFolder) return nullptr;
    return std::make_shared<TFileSystemFolder>(SpacePointer(), ChildIdList(item),
                                               JoinPath(FPath, item.Name));
}

int TFileSystemFolder::CompareItems(const TShellItemId& a, const TShellItemId& b) const {
    if (a.IsFolder() != b.IsFolder()) return a.IsFolder() ? -1 : 1;
    if (const int byName = CompareText(a.Name, b.Name); byName != 0) return byName;
    return CompareStr(a.Name, b.Name);
}

std::uint32_t TFileSystemFolder::ItemAttributes(const TShellItemId& item,
                                                std::uint32_t request) const {
    const bool isFolder = item.IsFolder();
    std::uint32_t attributes = win::SFGAO_FILESYSTEM | win::SFGAO_CANCOPY | win::SFGAO_CANMOVE |
                               win::SFGAO_CANLINK | win::SFGAO_CANRENAME | win::SFGAO_CANDELETE |
                               win::SFGAO_HASPROPSHEET;
    if (isFolder)
        attributes |= win::SFGAO_FOLDER | win::SFGAO_FILESYSANCESTOR | win::SFGAO_DROPTARGET;
    if (IsHidden(item.Name)) attributes |= win::SFGAO_HIDDEN;
    if (!(request & kDiskAttributes)) return request & attributes;

    // These need the entry itself; one that has gone has no attributes at all.
    const std::string path = JoinPath(FPath, item.Name);
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) return 0;
    attributes |= win::SFGAO_VALIDATE;
    struct stat target = link;
    bool resolved = true;
    if (S_ISLNK(link.st_mode)) {
        attributes |= win::SFGAO_LINK;
        resolved = ::stat(path.c_str(), &target) == 0;
    }
    if (resolved && !(target.st_mode & S_IWUSR)) attributes |= win::SFGAO_READONLY;
    if ((request & win::SFGAO_HASSUBFOLDER) && isFolder && HasSubFolder(path))
        attributes |= win::SFGAO_HASSUBFOLDER;
    return request & attributes;
}

std::string TFileSystemFolder::ItemName(const TShellItemId& item, std::uint32_t flags) const {
    if (flags & win::SHGDN_FORPARSING)
        return (flags & win::SHGDN_INFOLDER) ? item.Name : JoinPath(FPath, item.Name);
    return DisplayText(item.Name);
}

std::string TFileSystemFolder::OwnName(std::uint32_t flags) const {
    if (flags & win::SHGDN_FORPARSING) return FPath;
    if (FPath == "/") return "File System";
    return DisplayText(FPath.substr(FPath.rfind('/') + 1));
}

std::optional<TShellItemId> TFileSystemFolder::RenameItem(const TShellItemId& item,
                                                          const std::string& newName) const {
    if (!IsPlainEntryName(newName) || !IsPlainEntryName(item.Name)) return std::nullopt;
    if (!RenameFile(JoinPath(FPath, item.Name), JoinPath(FPath, newName))) return std::nullopt;
    return TShellItemId{ item.Kind, newName };
}
