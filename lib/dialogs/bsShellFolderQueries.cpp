#include "lib/dialogs/bsShellFolderQueries.h"

#include "lib/dialogs/bsShellPidl.h"
#include "platform/rtl/Format.h"
#include "platform/shell/ShellNamespace.h"
#include "platform/shell/SystemImageList.h"

#include <optional>
#include <utility>

namespace {

using namespace win;

bool IsClassName(const std::string& name) {
    return name.rfind("::{", 0) == 0;
}

std::uint32_t Attributes(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list,
                         std::uint32_t request) {
    return folder ? folder->GetAttributesOf(list, request) : 0;
}

std::optional<TSpecialFolder> SpecialFolderOf(int rootFolder) {
    switch (rootFolder) {
    case rfDesktop:
        return sfDesktop;
    case rfMyComputer:
        return sfComputer;
    case rfPersonal:
        return sfHome;
    case rfDesktopDirectory:
        return sfDesktopDirectory;
    case rfTemplates:
        return sfTemplates;
    case rfAppData:
        return sfAppData;
    default:
        return std::nullopt; // the rest have no counterpart here
    }
}

std::optional<TItemIdList> ListOfRoot(const TRoot& root) {
    const int index = RootFolderIndex(root);
    if (index >= 0) {
        const std::optional<TSpecialFolder> special = SpecialFolderOf(index);
        if (!special) return std::nullopt;
        return ShellNamespace()->SpecialFolderLocation(*special);
    }
    if (root.empty()) return std::nullopt;
    return DesktopShellFolder()->ParseDisplayName(root);
}

} // namespace

std::string ItemDisplayName(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list,
                            std::uint32_t flags) {
    if (!folder) return std::string();
    const std::string name = folder->GetDisplayNameOf(list, flags);
    // A folder without a path names itself by its class; once is enough to ask for the name
    // to show instead.
    if (IsClassName(name)) return folder->GetDisplayNameOf(list, SHGDN_NORMAL);
    return name;
}

bool ItemIsFolder(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list) {
    return (Attributes(folder, list, SFGAO_FOLDER) & SFGAO_FOLDER) != 0;
}

bool ItemIsInFileSystem(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list) {
    return (Attributes(folder, list, SFGAO_FILESYSTEM) & SFGAO_FILESYSTEM) != 0;
}

bool ItemHasSubFolders(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list) {
    return (Attributes(folder, list, SFGAO_HASSUBFOLDER) & SFGAO_HASSUBFOLDER) != 0;
}

bool FolderHasItems(const std::shared_ptr<IShellFolder>& folder, std::uint32_t flags) {
    if (!folder) return false;
    const auto items = folder->EnumObjects(flags);
    return items && !items->empty();
}

TbsShellFolderCapabilities QueryCapabilities(const std::shared_ptr<IShellFolder>& folder,
                                             const TItemIdList& list) {
    static constexpr std::pair<std::uint32_t, TbsShellFolderCapability> kBits[] = {
        { SFGAO_CANCOPY, fcCanCopy },           { SFGAO_CANDELETE, fcCanDelete },
        { SFGAO_CANLINK, fcCanLink },           { SFGAO_CANMOVE, fcCanMove },
        { SFGAO_CANRENAME, fcCanRename },       { SFGAO_DROPTARGET, fcDropTarget },
        { SFGAO_HASPROPSHEET, fcHasPropSheet },
    };
    const std::uint32_t word = Attributes(folder, list, SFGAO_CAPABILITYMASK);
    TbsShellFolderCapabilities capabilities;
    for (const auto& [bit, capability] : kBits)
        if (word & bit) capabilities.Include(capability);
    return capabilities;
}

TbsShellFolderProperties QueryProperties(const std::shared_ptr<IShellFolder>& folder,
                                         const TItemIdList& list) {
    static constexpr std::pair<std::uint32_t, TbsShellFolderProperty> kShown[] = {
        { SFGAO_GHOSTED, fpCut },
        { SFGAO_LINK, fpIsLink },
        { SFGAO_READONLY, fpReadOnly },
        { SFGAO_SHARE, fpShared },
    };
    static constexpr std::pair<std::uint32_t, TbsShellFolderProperty> kKinds[] = {
        { SFGAO_FILESYSTEM, fpFileSystem },
        { SFGAO_FILESYSANCESTOR, fpFileSystemAncestor },
        { SFGAO_REMOVABLE, fpRemovable },
        { SFGAO_VALIDATE, fpValidate },
    };
    TbsShellFolderProperties properties;
    if (!folder) return properties;
    const std::uint32_t shown = folder->GetAttributesOf(list, SFGAO_DISPLAYATTRMASK);
    for (const auto& [bit, property] : kShown)
        if (shown & bit) properties.Include(property);
    std::uint32_t kindMask = 0;
    for (const auto& entry : kKinds)
        kindMask |= entry.first;
    const std::uint32_t kinds = folder->GetAttributesOf(list, kindMask);
    for (const auto& [bit, property] : kKinds)
        if (kinds & bit) properties.Include(property);
    return properties;
}

std::shared_ptr<IShellFolder> BindFolderInterface(const std::shared_ptr<IShellFolder>& parent,
                                                  const TItemIdList& list) {
    if (parent)
        if (std::shared_ptr<IShellFolder> folder = parent->BindToObject(list)) return folder;
    return DesktopShellFolder()->BindToObject(list);
}

std::unique_ptr<TbsShellFolder> CreateFolderFromPidl(const TItemIdList& absolute) {
    const std::shared_ptr<IShellFolder> desktop = DesktopShellFolder();
    std::shared_ptr<IShellFolder> folder = BindFolderInterface(desktop, absolute);
    if (!folder) folder = desktop;
    return std::make_unique<TbsShellFolder>(&DesktopFolderItem(), absolute, std::move(folder));
}

void ResolveRootFolder(std::unique_ptr<TbsShellFolder>& current, const TRoot& oldRoot,
                       TRoot& newRoot) {
    const std::optional<TItemIdList> list = ListOfRoot(newRoot);
    if (!list) {
        const std::string message = Format("Error setting path: \"%s\"", newRoot);
        newRoot = oldRoot;
        throw Exception(message);
    }
    current = CreateFolderFromPidl(*list);
}

int SystemIconIndex(const TItemIdList& list, bool /*large*/, bool open) {
    return ShellNamespace()->IconIndexOf(list, open);
}

TSystemImageList& ShellImageList(bool large) {
    return ShellNamespace()->SystemImageList(large);
}
