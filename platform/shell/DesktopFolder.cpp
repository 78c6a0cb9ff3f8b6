#include "platform/shell/DesktopFolder.h"

#include "platform/shell/ComputerFolder.h"
#include "platform/shell/FileSystemFolder.h"
#include "platform/shell/ShellNamespace.h"

namespace {

constexpr std::uint32_t kHomeAttributes = win::SFGAO_FOLDER | win::SFGAO_HASSUBFOLDER |
                                          win::SFGAO_FILESYSTEM | win::SFGAO_FILESYSANCESTOR |
                                          win::SFGAO_HASPROPSHEET | win::SFGAO_DROPTARGET |
                                          win::SFGAO_CANCOPY | win::SFGAO_CANLINK;
constexpr std::uint32_t kComputerAttributes = win::SFGAO_FOLDER | win::SFGAO_HASSUBFOLDER |
                                              win::SFGAO_FILESYSANCESTOR | win::SFGAO_HASPROPSHEET |
                                              win::SFGAO_CANLINK;

bool ForParsing(std::uint32_t flags) {
    return (flags & win::SHGDN_FORPARSING) != 0;
}

} // namespace

TDesktopFolder::TDesktopFolder(std::shared_ptr<const TShellNamespace> space)
    : TShellFolderBase(std::move(space), TItemIdList{}) {}

std::optional<std::vector<TShellItemId>> TDesktopFolder::EnumObjects(std::uint32_t flags) const {
    std::vector<TShellItemId> items;
    if (flags & win::SHCONTF_FOLDERS) items = { { ikHome, "" }, { ikComputer, "" } };
    return items;
}

std::optional<TItemIdList> TDesktopFolder::ParseDisplayName(const std::string& text) const {
    if (text == TShellNamespace::kDesktopClassName) return TItemIdList{};
    if (text == TShellNamespace::kComputerClassName) return TItemIdList{ { ikComputer, "" } };
    return Space().ParsePath(text);
}

std::string TDesktopFolder::GetDisplayNameOf(const TItemIdList& relative,
                                             std::uint32_t flags) const {
    if ((flags & win::SHGDN_FORPARSING) && !(flags & win::SHGDN_INFOLDER)) {
        std::string path = Space().PathOfIdList(relative);
        if (!path.empty()) return path;
    }
    return TShellFolderBase::GetDisplayNameOf(relative, flags);
}

std::shared_ptr<IShellFolder> TDesktopFolder::ChildFolder(const TShellItemId& item) const {
    if (item.Kind == ikHome)
        return std::make_shared<TFileSystemFolder>(SpacePointer(), ChildIdList(item),
                                                   Space().Environment().Home);
    if (item.Kind == ikComputer) return std::make_shared<TComputerFolder>(SpacePointer());
    return nullptr;
}

int TDesktopFolder::CompareItems(const TShellItemId& a, const TShellItemId& b) const {
    if (a.Kind != b.Kind) return a.Kind < b.Kind ? -1 : 1;
    return a.Name.compare(b.Name);
}

std::uint32_t TDesktopFolder::ItemAttributes(const TShellItemId& item,
                                             std::uint32_t request) const {
    if (item.Kind == ikHome) return request & kHomeAttributes;
    if (item.Kind == ikComputer) return request & kComputerAttributes;
    return 0;
}

std::string TDesktopFolder::ItemName(const TShellItemId& item, std::uint32_t flags) const {
    if (item.Kind == ikHome) return ForParsing(flags) ? Space().Environment().Home : "Home";
    if (item.Kind == ikComputer)
        return ForParsing(flags) ? TShellNamespace::kComputerClassName : "Computer";
    return std::string();
}

std::string TDesktopFolder::OwnName(std::uint32_t flags) const {
    return ForParsing(flags) ? TShellNamespace::kDesktopClassName : "Desktop";
}
