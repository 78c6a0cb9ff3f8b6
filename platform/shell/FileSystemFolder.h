#pragma once
#include "platform/shell/ShellFolderBase.h"

// A directory: its entries, each a folder (after following links) or a file. Names starting
// with '.' are hidden.
class TFileSystemFolder : public TShellFolderBase {
public:
    TFileSystemFolder(std::shared_ptr<const TShellNamespace> space, TItemIdList idList,
                      std::string path);

    const std::string& Path() const { return FPath; }

    std::optional<std::vector<TShellItemId>> EnumObjects(std::uint32_t flags) const override;
    // A path relative to this folder.
    std::optional<TItemIdList> ParseDisplayName(const std::string& text) const override;

protected:
    std::shared_ptr<IShellFolder> ChildFolder(const TShellItemId& item) const override;
    int CompareItems(const TShellItemId& a, const TShellItemId& b) const override;
    std::uint32_t ItemAttributes(const TShellItemId& item, std::uint32_t request) const override;
    std::string ItemName(const TShellItemId& item, std::uint32_t flags) const override;
    std::string OwnName(std::uint32_t flags) const override;
    std::optional<TShellItemId> RenameItem(const TShellItemId& item,
                                           const std::string& newName) const override;

private:
    std::string FPath;
};
