#pragma once
#include "platform/shell/ShellFlags.h"
#include "platform/shell/ShellItemId.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One folder of the shell namespace, asked about the items below it. A relative list names an
// item one or more steps below this folder; the desktop folder takes absolute lists.
class IShellFolder {
public:
    virtual ~IShellFolder() = default;

    // This folder's own absolute list.
    virtual const TItemIdList& IdList() const = 0;

    // The items of the kinds flags ask for (SHCONTF_*), in no particular order; none when the
    // folder cannot be read.
    virtual std::optional<std::vector<TShellItemId>> EnumObjects(std::uint32_t flags) const = 0;

    // The folder that relative names; null when it names a file or nothing.
    virtual std::shared_ptr<IShellFolder> BindToObject(const TItemIdList& relative) const = 0;

    // Orders two relative lists: negative, 0 (the same item) or positive. Folders come before
    // files, names compare without regard to case and then by their bytes, so "A" and "a" are
    // two items. Every column sorts by name.
    virtual int CompareIDs(int column, const TItemIdList& a, const TItemIdList& b) const = 0;

    // The SFGAO_* bits of request that the item has. An item whose entry has gone has none.
    virtual std::uint32_t GetAttributesOf(const TItemIdList& relative,
                                          std::uint32_t request) const = 0;

    // The item's name as flags ask (SHGDN_*): with SHGDN_FORPARSING its path (or a "::{"
    // class name for the desktop and Computer), else the name to show, in UTF-8 whatever the
    // bytes on disk.
    virtual std::string GetDisplayNameOf(const TItemIdList& relative,
                                         std::uint32_t flags) const = 0;

    // Renames the item in place; its new relative list, or none when the name is not a plain
    // entry name, the item cannot be renamed, or another item already has that name (nothing
    // is ever replaced).
    virtual std::optional<TItemIdList> SetNameOf(const TItemIdList& relative,
                                                 const std::string& newName) const = 0;

    // The list of the item that text names relative to this folder (the desktop takes
    // absolute paths); none when an item on the way does not exist.
    virtual std::optional<TItemIdList> ParseDisplayName(const std::string& text) const = 0;
};
