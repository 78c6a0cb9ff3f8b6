#include "platform/shell/ShellFolderBase.h"

TShellFolderBase::TShellFolderBase(std::shared_ptr<const TShellNamespace> space, TItemIdList idList)
    : FSpace(std::move(space)), FIdList(std::move(idList)) {}

TItemIdList TShellFolderBase::ChildIdList(const TShellItemId& item) const {
    TItemIdList list = FIdList;
    list.push_back(item);
    return list;
}

std::shared_ptr<IShellFolder> TShellFolderBase::BindToObject(const TItemIdList& relative) const {
    if (relative.empty()) return nullptr;
    std::shared_ptr<IShellFolder> folder = ChildFolder(relative.front());
    for (std::size_t i = 1; folder && i < relative.size(); ++i)
        folder = folder->BindToObject({ relative[i] });
    return folder;
}

std::shared_ptr<IShellFolder> TShellFolderBase::ParentOfLast(const TItemIdList& relative) const {
    return BindToObject(TItemIdList(relative.begin(), relative.end() - 1));
}

int TShellFolderBase::CompareIDs(int column, const TItemIdList& a, const TItemIdList& b) const {
    if (a.empty() || b.empty()) return int(!a.empty()) - int(!b.empty());
    if (const int first = CompareItems(a.front(), b.front()); first != 0) return first;
    if (a.size() == 1 || b.size() == 1) return int(a.size() > 1) - int(b.size() > 1);
    const TItemIdList restA(a.begin() + 1, a.end());
    const TItemIdList restB(b.begin() + 1, b.end());
    if (std::shared_ptr<IShellFolder> child = ChildFolder(a.front()))
        return child->CompareIDs(column, restA, restB);
    // Below a file nothing is listed: two such lists are told apart by their names alone.
    return restA == restB ? 0 : (restA.front().Name < restB.front().Name ? -1 : 1);
}

std::uint32_t TShellFolderBase::GetAttributesOf(const TItemIdList& relative,
                                                std::uint32_t request) const {
    if (relative.empty())
        return request & (win::SFGAO_FOLDER | win::SFGAO_HASSUBFOLDER | win::SFGAO_FILESYSANCESTOR |
                          win::SFGAO_HASPROPSHEET);
    if (relative.size() == 1) return ItemAttributes(relative.front(), request);
    const std::shared_ptr<IShellFolder> parent = ParentOfLast(relative);
    return parent ? parent->GetAttributesOf({ relative.back() }, request) : 0;
}

std::string TShellFolderBase::GetDisplayNameOf(const TItemIdList& relative,
                                               std::uint32_t flags) const {
    if (relative.empty()) return OwnName(flags);
    if (relative.size() == 1) return ItemName(relative.front(), flags);
    const std::shared_ptr<IShellFolder> parent = ParentOfLast(relative);
    return parent ? parent->GetDisplayNameOf({ relative.back() }, flags) : std::string();
}

std::optional<TItemIdList> TShellFolderBase::SetNameOf(const TItemIdList& relative,
                                                       const std::string& newName) const {
    if (relative.empty()) return std::nullopt;
    if (relative.size() == 1) {
        const std::optional<TShellItemId> renamed = RenameItem(relative.front(), newName);
        if (!renamed) return std::nullopt;
        return TItemIdList{ *renamed };
    }
    const std::shared_ptr<IShellFolder> parent = ParentOfLast(relative);
    if (!parent) return std::nullopt;
    std::optional<TItemIdList> renamed = parent->SetNameOf({ relative.back() }, newName);
    if (!renamed) return std::nullopt;
    TItemIdList list(relative.begin(), relative.end() - 1);
    list.push_back(renamed->front());
    return list;
}
