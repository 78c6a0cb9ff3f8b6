#pragma once
#include "platform/shell/ShellFolderBase.h"

// "/" (shown as "File System") and the file systems mounted where a user browses to them,
// read from the mount table. Nothing here touches a mount point itself.
class TComputerFolder : public TShellFolderBase {
public:
    explicit TComputerFolder(std::shared_ptr<const TShellNamespace> space);

    std::optional<std::vector<TShellItemId>> EnumObjects(std::uint32_t flags) const override;
    // An absolute path, below "/".
    std::optional<TItemIdList> ParseDisplayName(const std::string& text) const override;

protected:
    std::shared_ptr<IShellFolder> ChildFolder(const TShellItemId& item) const override;
    int CompareItems(const TShellItemId& a, const TShellItemId& b) const override;
    std::uint32_t ItemAttributes(const TShellItemId& item, std::uint32_t request) const override;
    std::string ItemName(const TShellItemId& item, std::uint32_t flags) const override;
    std::string OwnName(std::uint32_t flags) const override;
};
