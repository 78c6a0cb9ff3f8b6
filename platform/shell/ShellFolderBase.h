#pragma once
#include "platform/shell/ShellFolder.h"

class TShellNamespace;

// What every folder of the namespace shares: lists of more than one step are handed down to
// the folder that holds their last item, so each kind of folder only answers for its own
// items.
class TShellFolderBase : public IShellFolder {
public:
    TShellFolderBase(std::shared_ptr<const TShellNamespace> space, TItemIdList idList);

    const TItemIdList& IdList() const override { return FIdList; }
    std::shared_ptr<IShellFolder> BindToObject(const TItemIdList& relative) const override;
    int CompareIDs(int column, const TItemIdList& a, const TItemIdList& b) const override;
    std::uint32_t GetAttributesOf(const TItemIdList& relative,
                                  std::uint32_t request) const override;
    std::string GetDisplayNameOf(const TItemIdList& relative, std::uint32_t flags) const override;
    std::optional<TItemIdList> SetNameOf(const TItemIdList& relative,
                                         const std::string& newName) const override;

protected:
    // The folder of one of this folder's items; null for a file.
    virtual std::shared_ptr<IShellFolder> ChildFolder(const TShellItemId& item) const = 0;
    virtual int CompareItems(const TShellItemId& a, const TShellItemId& b) const = 0;
    virtual std::uint32_t ItemAttributes(const TShellItemId& item, std::uint32_t request) const = 0;
    virtual std::string ItemName(const TShellItemId& item, std::uint32_t flags) const = 0;
    // The folder's own name, asked with the empty list.
    virtual std::string OwnName(std::uint32_t flags) const = 0;
    virtual std::optional<TShellItemId> RenameItem(const TShellItemId&, const std::string&) const {
        return std::nullopt;
    }

    // The list of an item of this folder: this folder's list plus the item.
    TItemIdList ChildIdList(const TShellItemId& item) const;
    const TShellNamespace& Space() const { return *FSpace; }
    const std::shared_ptr<const TShellNamespace>& SpacePointer() const { return FSpace; }

private:
    // The folder holding the last item of relative (more than one item long).
    std::shared_ptr<IShellFolder> ParentOfLast(const TItemIdList& relative) const;

    std::shared_ptr<const TShellNamespace> FSpace;
    TItemIdList FIdList;
};
