#include "platform/shell/ComputerFolder.h"

#include "platform/rtl/TextUtils.h"
#include "platform/shell/FileSystemFolder.h"
#include "platform/shell/MountTable.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/ShellPaths.h"

namespace {

constexpr std::uint32_t kVolumeAttributes = win::SFGAO_FOLDER | win::SFGAO_HASSUBFOLDER |
                                            win::SFGAO_FILESYSTEM | win::SFGAO_FILESYSANCESTOR |
                                            win::SFGAO_HASPROPSHEET | win::SFGAO_DROPTARGET |
                                            win::SFGAO_CANCOPY | win::SFGAO_CANLINK;

std::string LastComponent(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string VolumeName(const std::string& mountPoint) {
    return mountPoint == "/" ? "File System" : DisplayText(LastComponent(mountPoint));
}

} // namespace

TComputerFolder::TComputerFolder(std::shared_ptr<const TShellNamespace> space)
    : TShellFolderBase(std::move(space), TItemIdList{ { ikComputer, "" } }) {}

std::optional<std::vector<TShellItemId>> TComputerFolder::EnumObjects(std::uint32_t flags) const {
    std::vector<TShellItemId> items;
    if (!(flags & win::SHCONTF_FOLDERS)) return items;
    for (const std::string& point : Space().MountPoints())
        items.push_back({ ikVolume, point });
    return items;
}

std::optional<TItemIdList> TComputerFolder::ParseDisplayName(const std::string& text) const {
    std::optional<TItemIdList> list = Space().ParsePath(text);
    if (!list) return std::nullopt;
    list->erase(list->begin());
    return list;
}

std::shared_ptr<IShellFolder> TComputerFolder::ChildFolder(const TShellItemId& item) const {
    if (item.Kind != ikVolume) return nullptr;
    return std::make_shared<TFileSystemFolder>(SpacePointer(), ChildIdList(item), item.Name);
}

int TComputerFolder::CompareItems(const TShellItemId& a, const TShellItemId& b) const {
    if (a.Kind != b.Kind) return a.Kind < b.Kind ? -1 : 1;
    const bool aRoot = a.Name == "/";
    const bool bRoot = b.Name == "/";
    if (aRoot != bRoot) return aRoot ? -1 : 1;
    if (const int byName = CompareText(VolumeName(a.Name), VolumeName(b.Name)); byName != 0)
        return byName;
    return CompareStr(a.Name, b.Name);
}

std::uint32_t TComputerFolder::ItemAttributes(const TShellItemId& item,
                                              std::uint32_t request) const {
    if (item.Kind != ikVolume) return 0;
    std::uint32_t attributes = kVolumeAttributes;
    if (IsRemovableMountPoint(item.Name)) attributes |= win::SFGAO_REMOVABLE;
    return request & attributes;
}

std::string TComputerFolder::ItemName(const TShellItemId& item, std::uint32_t flags) const {
    if (item.Kind != ikVolume) return std::string();
    if (flags & win::SHGDN_FORPARSING) return item.Name;
    return VolumeName(item.Name);
}

std::string TComputerFolder::OwnName(std::uint32_t flags) const {
    return (flags & win::SHGDN_FORPARSING) ? TShellNamespace::kComputerClassName : "Computer";
}
