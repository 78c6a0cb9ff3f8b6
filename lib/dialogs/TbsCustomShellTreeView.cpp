#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "lib/dialogs/TbsCustomShellListView.h"

#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/bsShellFolderQueries.h"
#include "lib/dialogs/bsShellLinks.h"
#include "lib/dialogs/bsShellPidl.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/SystemImageList.h"

#include <filesystem>

namespace {

// The hourglass while the tree reads the shell, and the node list batched meanwhile.
class TBusyNodes {
public:
    explicit TBusyNodes(TTreeNodes& nodes) : FNodes(nodes) {
        if (Screen) {
            FCursor = Screen->Cursor();
            Screen->SetCursor(crHourGlass);
        }
        FNodes.BeginUpdate();
    }
    ~TBusyNodes() {
        FNodes.EndUpdate();
        if (Screen) Screen->SetCursor(FCursor);
    }
    TBusyNodes(const TBusyNodes&) = delete;
    TBusyNodes& operator=(const TBusyNodes&) = delete;

private:
    TTreeNodes& FNodes;
    TCursor FCursor{ crDefault };
};

} // namespace

TbsCustomShellTreeView::TbsCustomShellTreeView(TComponent* owner) : TbsSkinCustomTreeView(owner) {
    SetShowRoot(false);
    SetRightClickSelect(true);
    ApplyImages();
}

TbsCustomShellTreeView::~TbsCustomShellTreeView() {
    SetShellComboBox(nullptr);
    // The nodes outlive this part of the tree: none may point at a folder once they are gone.
    for (TTreeNode* node = Items().GetFirstNode(); node; node = node->GetNext())
        node->SetData(nullptr);
}

TbsShellFolder* TbsCustomShellTreeView::FolderOf(const TTreeNode* node) {
    return node ? static_cast<TbsShellFolder*>(node->Data()) : nullptr;
}

TbsShellFolder* TbsCustomShellTreeView::SelectedFolder() const {
    return FolderOf(Selected());
}

std::string TbsCustomShellTreeView::Path() const {
    const TbsShellFolder* folder = SelectedFolder();
    return folder ? folder->PathName() : std::string();
}

void TbsCustomShellTreeView::SetPath(const std::string& value) {
    const auto list = DesktopShellFolder()->ParseDisplayName(value);
    // The previous text stays: a bad one kept here would raise again on every new window.
    if (!list) throw EInvalidPath(Format("Error setting path: \"%s\"", value));
    FPath = value;
    SelectPidl(*list);
    if (TTreeNode* node = Selected()) {
        node->Expand(false);
        FollowSelection(node);
    }
}

void TbsCustomShellTreeView::SetRoot(const TRoot& value) {
    if (TakeRootText(FRoot, FOldRoot, value)) ApplyRoot();
}

void TbsCustomShellTreeView::SetObjectTypes(TShellObjectTypes value) {
    FObjectTypes = value;
    ApplyRoot();
}

void TbsCustomShellTreeView::SetUseShellImages(bool value) {
    FUseShellImages = value;
    ApplyImages();
}

void TbsCustomShellTreeView::ApplyImages() {
    SetImages(FUseShellImages ? &ShellImageList(false) : nullptr);
}

void TbsCustomShellTreeView::ApplyRoot() {
    if (FUpdating) return;
    {
        const TFlagGuard updating(FUpdating);
        RebuildFromRoot();
    }
    // The list follows the tree's root; the combo box keeps its own.
    if (FListView) FListView->SetRoot(FRoot);
}

void TbsCustomShellTreeView::Loaded() {
    TbsSkinCustomTreeView::Loaded();
    RebuildFromRoot();
}

void TbsCustomShellTreeView::RebuildFromRoot() {
    if (ComponentState().Contains(csLoading)) return;
    // On failure the previous root shows again before the error is told.
    const std::string failure = ResolveRootKeepingError(FRootFolder, FOldRoot, FRoot);
    if (FRootFolder) {
        const TFlagGuard loading(FLoadingRoot);
        if (Items().Count() > 0) ClearAll();
        auto top = std::make_unique<TbsShellFolder>(nullptr, FRootFolder->FullPIDL(),
                                                    FRootFolder->ShellFolder());
        TTreeNode* node = AddFolderNode(nullptr, std::move(top), false);
        node->SetText(ItemDisplayName(DesktopShellFolder(), FolderOf(node)->FullPIDL(), 0));
        node->Expand(false);
        node->SetSelected(true);
    }
    if (!failure.empty()) throw Exception(failure);
}

TTreeNode* TbsCustomShellTreeView::AddFolderNode(TTreeNode* sibling,
                                                 std::unique_ptr<TbsShellFolder> folder,
                                                 bool before) {
    TTreeNode* node = before ? Items().Insert(sibling, "") : Items().Add(sibling, "");
    TbsShellFolder* held = folder.get();
    FFolders[node] = std::move(folder);
    node->SetData(held);
    node->SetText(held->DisplayName());
    if (FUseShellImages) {
        node->SetImageIndex(SystemIconIndex(held->FullPIDL(), false, false));
        node->SetSelectedIndex(SystemIconIndex(held->FullPIDL(), false, true));
    }
    node->SetHasChildren(held->SubFolders());
    return node;
}

void TbsCustomShellTreeView::FillChildNodes(TTreeNode* node) {
    TbsShellFolder* folder = FolderOf(node);
    if (!folder || !folder->ShellFolder()) return;
    const TBusyNodes busy(Items());
    const auto ids = folder->ShellFolder()->EnumObjects(EnumFlagsOf(FObjectTypes));
    if (!ids) return;
    for (const TShellItemId& id : *ids)
        MakeFolderNode(Items().AddChild(node, ""), { id }, node);
    const std::shared_ptr<IShellFolder> parent = folder->ShellFolder();
    node->CustomSort(
        [&parent](TTreeNode* a, TTreeNode* b) {
            return int(
                std::int16_t(parent->CompareIDs(0, FolderOf(a)->PIDL(), FolderOf(b)->PIDL())));
        },
        false);
}

void TbsCustomShellTreeView::MakeFolderNode(TTreeNode* child, const TItemIdList& id,
                                            TTreeNode* parentNode) {
    TbsShellFolder* parent = FolderOf(parentNode);
    auto folder = std::make_unique<TbsShellFolder>(parent, id,
                                                   BindFolderInterface(parent->ShellFolder(), id));
    TbsShellFolder* held = folder.get();
    FFolders[child] = std::move(folder);
    child->SetData(held);
    child->SetText(held->DisplayName());
    if (FUseShellImages) {
        child->SetImageIndex(SystemIconIndex(held->FullPIDL(), false, false));
        child->SetSelectedIndex(SystemIconIndex(held->FullPIDL(), false, true));
    }
    if (child->SelectedIndex() == 0) child->SetSelectedIndex(child->ImageIndex());
    bool hasChildren = held->SubFolders();
    if (FObjectTypes.Contains(otNonFolders) && held->ShellFolder())
        hasChildren = FolderHasItems(held->ShellFolder(), EnumFlagsOf(FObjectTypes));
    child->SetHasChildren(hasChildren);
    bool canAdd = true;
    if (OnAddFolder) OnAddFolder(this, held, canAdd);
    if (!canAdd) child->Delete();
}

bool TbsCustomShellTreeView::CanExpand(TTreeNode* node) {
    const bool allow = TbsSkinCustomTreeView::CanExpand(node);
    if (!allow) return false;
    TbsShellFolder* folder = FolderOf(node);
    // Only folders have children; expanding never starts a program, whatever the item is.
    if (folder && folder->IsFolder() && node->HasChildren() && node->Count() == 0)
        FillChildNodes(node);
    node->SetHasChildren(node->Count() > 0);
    return allow;
}

bool TbsCustomShellTreeView::CanChange(TTreeNode* node) {
    if (!TbsSkinCustomTreeView::CanChange(node)) return false;
    if (!FUpdating && node) FollowSelection(node);
    return true;
}

void TbsCustomShellTreeView::FollowSelection(TTreeNode* node) {
    TbsShellFolder* folder = FolderOf(node);
    if (folder && !folder->IsFolder() && folder->Parent()) folder = folder->Parent();
    if (!folder) return;
    const bool autoRefresh = FAutoRefresh;
    SetAutoRefresh(false);
    {
        const TFlagGuard updating(FUpdating);
        const TItemIdList list = folder->FullPIDL();
        if (FComboBox) FComboBox->FollowPidl(list);
        if (FListView) FListView->FollowPidl(list);
    }
    FNodeToMonitor = node;
    SetAutoRefresh(autoRefresh);
    FNodeToMonitor = nullptr;
}

void TbsCustomShellTreeView::SelectPidl(const TItemIdList& absolute) {
    // While the tree pushes its own selection, the partners' echo has nothing to add.
    if (FUpdating || ComponentState().Contains(csLoading)) return;
    const TbsShellFolder* selected = SelectedFolder();
    if (selected && PidlEqual(selected->FullPIDL(), absolute)) return;
    TTreeNode* target = nullptr;
    {
        const TFlagGuard updating(FUpdating);
        const TBusyNodes busy(Items());
        TTreeNode* start = Items().GetFirstNode();
        for (const TItemIdList& entry : PidlChain(absolute)) {
            if (TTreeNode* found = FindNodeByPidl(entry, start)) {
                found->Expand(false);
                start = found;
            }
        }
        target = FindNodeByPidl(absolute, start);
        SetSelected(target);
    }
    if (!target) return;
    const TItemIdList list = FolderOf(target)->FullPIDL();
    if (FListView) FListView->FollowPidl(list);
    if (FComboBox) FComboBox->FollowPidl(list);
}

TTreeNode* TbsCustomShellTreeView::FindNodeByPidl(const TItemIdList& absolute,
                                                  TTreeNode* start) const {
    if (!start) return nullptr;
    const int level = start->Level();
    for (TTreeNode* node = start; node; node = node->GetNext()) {
        if (node != start && node->Level() <= level) break;
        const TbsShellFolder* folder = FolderOf(node);
        if (folder && PidlEqual(folder->FullPIDL(), absolute)) return node;
    }
    return nullptr;
}

void TbsCustomShellTreeView::Refresh(TTreeNode* node) {
    TbsShellFolder* folder = FolderOf(node);
    if (!folder || !folder->ShellFolder()) return;
    const TBusyNodes busy(Items());
    const TTreeNode* top = TopItem();
    const bool hadTop = FolderOf(top) != nullptr;
    const TItemIdList topList = hadTop ? FolderOf(top)->FullPIDL() : TItemIdList{};
    const bool hadSelection = SelectedFolder() != nullptr;
    const TItemIdList selectedList = hadSelection ? SelectedFolder()->FullPIDL() : TItemIdList{};

    auto fresh = std::make_unique<TbsShellFolder>(FolderOf(node->Parent()), folder->PIDL(),
                                                  folder->ShellFolder());
    TTreeNode* copy = AddFolderNode(node, std::move(fresh), true);
    FillChildNodes(copy);
    copy->SetHasChildren(FolderOf(copy)->SubFolders());
    for (TTreeNode* old = node; old; old = old->GetNext()) {
        if (old != node && old->Level() <= node->Level()) break;
        if (!old->Expanded()) continue;
        if (TTreeNode* match = FindNodeByPidl(FolderOf(old)->FullPIDL(), copy))
            match->Expand(false);
    }
    {
        // Taking the old branch away moves no partner: the selection is put back below.
        const TFlagGuard updating(FUpdating);
        node->Delete();
        if (hadSelection)
            if (TTreeNode* selected = FindNodeByPidl(selectedList, Items().GetFirstNode()))
                SetSelected(selected);
    }
    if (hadTop)
        if (TTreeNode* newTop = FindNodeByPidl(topList, Items().GetFirstNode())) SetTopItem(newTop);
}

void TbsCustomShellTreeView::RefreshSelected() {
    if (Selected()) Refresh(Selected());
}

void TbsCustomShellTreeView::ExpandMyComputer() {
    SelectPidl({ TShellItemId{ ikComputer, "" } });
    if (Selected()) Selected()->Expand(false);
}

void TbsCustomShellTreeView::ClearFolderNodes() {
    Items().BeginUpdate();
    Items().Clear();
    Items().EndUpdate();
    FFolders.clear();
}

void TbsCustomShellTreeView::ForgetFolder(TTreeNode* node) {
    node->SetData(nullptr);
    FFolders.erase(node);
}

void TbsCustomShellTreeView::Delete(TTreeNode* node) {
    if (node == FNodeToMonitor) FNodeToMonitor = nullptr;
    ForgetFolder(node);
    TbsSkinCustomTreeView::Delete(node);
}

void TbsCustomShellTreeView::Edit(TTreeNode* node, const std::string* text) {
    if (!text) return;
    std::string value = *text;
    if (OnEdited) OnEdited(this, node, value);
    if (!node) return;
    TbsShellFolder* folder = FolderOf(node);
    if (folder && folder->Rename(value)) node->SetText(value);
    // The top node has no parent: it is read again itself.
    Refresh(node->Parent() ? node->Parent() : node);
}

void TbsCustomShellTreeView::DoContextPopup(TPoint mousePos, bool& handled) {
    const auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu());
    if (!FAutoContext || (menu && menu->AutoPopup())) {
        TbsSkinCustomTreeView::DoContextPopup(mousePos, handled);
        return;
    }
    // The keyboard asked: the menu opens at the selected node.
    if (mousePos.X == -1 && mousePos.Y == -1 && Selected()) {
        const TRect r = Selected()->DisplayRect(true);
        mousePos = TPoint(r.Left, r.Bottom);
    }
    ShowShellContextMenu(this, SelectedFolder(), mousePos.X, mousePos.Y);
    handled = true;
}

void TbsCustomShellTreeView::ExecuteCommand(const std::string& verb, bool& handled) {
    // "open" runs in the item's own folder without touching the program's: conversions run on
    // other threads meanwhile.
    if (CompareText(verb, "rename") == 0 && Selected()) {
        Selected()->EditText();
        handled = true;
    }
}

void TbsCustomShellTreeView::CommandCompleted(const std::string& verb, bool succeeded) {
    if (!succeeded || !Selected()) return;
    if (CompareText(verb, "delete") == 0) {
        // A folder the user kept is still there: only an item that has gone loses its node.
        std::error_code error;
        const std::string path = SelectedFolder()->PathName();
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, error)))
            Selected()->Delete();
    } else if (CompareText(verb, "paste") == 0) {
        Refresh(Selected());
    }
}

void TbsCustomShellTreeView::SetAutoRefresh(bool value) {
    FAutoRefresh = value;
    if (ComponentState().Contains(csLoading)) return;
    delete FNotifier;
    FNotifier = nullptr;
    if (value) StartWatcher();
}

void TbsCustomShellTreeView::StartWatcher() {
    const TbsShellFolder* folder = FNodeToMonitor ? FolderOf(FNodeToMonitor) : FRootFolder.get();
    // Only a folder of the file system can be watched; the desktop and Computer have none.
    const std::string path = folder ? folder->FullObjectName() : std::string();
    if (path.empty()) return;
    FNotifier = new TbsShellChangeNotifier(this);
    FNotifier->SetWatchSubTree(false);
    FNotifier->SetRoot(path);
    FNotifier->SetOnChange([this] { RefreshSelected(); });
}

void TbsCustomShellTreeView::SetShellComboBox(TbsCustomShellComboBox* value) {
    LinkPartner(this, FComboBox, value, &TbsCustomShellComboBox::FTreeView);
}

void TbsCustomShellTreeView::SetShellListView(TbsCustomShellListView* value) {
    LinkPartnerThrough(
        this, FListView, value, [](TbsCustomShellListView* list) { return list->ShellTreeView(); },
        [](TbsCustomShellListView* list, TbsCustomShellTreeView* tree) {
            list->SetTreeViewLink(tree);
        });
}

void TbsCustomShellTreeView::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomTreeView::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FComboBox) FComboBox = nullptr;
    if (component == FListView) FListView = nullptr;
    if (component == FNotifier) FNotifier = nullptr;
}

void TbsCustomShellTreeView::CreateWnd() {
    TbsSkinCustomTreeView::CreateWnd();
    if (Items().Count() > 0) ClearFolderNodes();
    ApplyImages();
    if (FLoadingRoot) return;
    RebuildFromRoot();
    if (!FPath.empty()) SetPath(FPath);
}

void TbsCustomShellTreeView::DestroyWnd() {
    ClearFolderNodes();
    TbsSkinCustomTreeView::DestroyWnd();
}
