#pragma once
#include "platform/shell/ShellFolderBase.h"

// The top of the namespace: Home and Computer.
class TDesktopFolder : public TShellFolderBase {
public:
    explicit TDesktopFolder(std::shared_ptr<const TShellNamespace> space);

    std::optional<std::vector<TShellItemId>> EnumObjects(std::uint32_t flags) const override;
    // An absolute path, or the class name of the desktop or of Computer.
    std::optional<TItemIdList> ParseDisplayName(const std::string& text) const override;
    // A file-system item's parsing name is its path, known without binding every folder on
    // the way: every listed item asks for it.
    std::string GetDisplayNameOf(const TItemIdList& relative, std::uint32_t flags) const override;

protected:
    std::shared_ptr<IShellFolder> ChildFolder(const TShellItemId& item) const override;
    int CompareItems(const TShellItemId& a, const TShellItemId& b) const override;
    std::uint32_t ItemAttributes(const TShellItemId& item, std::uint32_t request) const override;
    std::string ItemName(const TShellItemId& item, std::uint32_t flags) const override;
    std::string OwnName(std::uint32_t flags) const override;
};
