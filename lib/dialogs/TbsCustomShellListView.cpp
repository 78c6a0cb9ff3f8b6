#include "lib/dialogs/TbsCustomShellListView.h"

#include "lib/dialogs/bsShellFolderQueries.h"
#include "lib/dialogs/bsShellItemCompare.h"
#include "lib/dialogs/bsShellListMask.h"
#include "lib/dialogs/bsShellPidl.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/SystemImageList.h"
#include "platform/win/Input.h"

#include <algorithm>
#include <string_view>
#include <utility>

using namespace win;

namespace {

constexpr unsigned short kF5 = 0x74;
constexpr LPARAM kKeyboardMenu = MAKELPARAM(0xFFFF, 0xFFFF);

// Raises a flag for a scope, lowering it on every way out.
class TFlagRaised {
public:
    explicit TFlagRaised(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TFlagRaised() { FFlag = false; }
    TFlagRaised(const TFlagRaised&) = delete;
    TFlagRaised& operator=(const TFlagRaised&) = delete;

private:
    bool& FFlag;
};

// The hourglass while a folder is read, and the cursor before it back afterwards.
class THourGlass {
public:
    THourGlass() : FSaved(Screen ? Screen->Cursor() : crDefault) {
        if (Screen) Screen->SetCursor(crHourGlass);
    }
    ~THourGlass() {
        if (Screen) Screen->SetCursor(FSaved);
    }
    THourGlass(const THourGlass&) = delete;
    THourGlass& operator=(const THourGlass&) = delete;

private:
    TCursor FSaved;
};

// Whether the item's shown name begins with prefix, without case. Most names are read in
// place from the item's id: the type-ahead looks at every item of the folder.
bool NameStartsWith(const TbsShellFolder& item, std::string_view prefix) {
    const auto startsWith = [prefix](std::string_view name) {
        return name.size() >= prefix.size() &&
               CompareText(name.substr(0, prefix.size()), prefix) == 0;
    };
    if (const std::optional<std::string_view> name = item.ShownEntryName())
        return startsWith(*name);
    return startsWith(item.DisplayName());
}

} // namespace

TbsCustomShellListView::TbsCustomShellListView(TComponent* owner) : TbsSkinCustomListView(owner) {
    SetOwnerData(true);
    SetHideSelection(false);
    SetSmallImages(&ShellImageList(false));
    SetLargeImages(&ShellImageList(true));
}

TbsCustomShellListView::~TbsCustomShellListView() {
    FNotifier.reset();
    FFolders.clear();
    FRootFolder.reset();
}

// ---- properties ----

std::string TbsCustomShellListView::Path() const {
    return FRootFolder ? FRootFolder->PathName() : std::string();
}

void TbsCustomShellListView::SetPath(const std::string& value) {
    const std::optional<TItemIdList> list = DesktopShellFolder()->ParseDisplayName(value);
    if (!list) throw EInvalidPath(Format("Error setting path: \"%s\"", value));
    OpenPidl(*list);
}

void TbsCustomShellListView::SetRoot(const TRoot& value) {
    if (SameText(value, FRoot)) return;
    FOldRoot = FRoot;
    FRoot = value;
    ResolveRoot();
    FSettingRoot = true;
    RebuildList();
}

void TbsCustomShellListView::ResolveRoot() {
    // Resolved aside, so that a text that fails leaves the folder shown and its items alone.
    std::unique_ptr<TbsShellFolder> resolved;
    ResolveRootFolder(resolved, FOldRoot, FRoot);
    ClearFolders();
    FRootFolder = std::move(resolved);
}

void TbsCustomShellListView::SetMask(const std::string& value) {
    if (value == FMask) return;
    FMask = value;
    RebuildList();
}

void TbsCustomShellListView::SetObjectTypes(TShellObjectTypes value) {
    FObjectTypes = value;
    if (!ComponentState().Contains(csLoading)) RebuildList();
}

void TbsCustomShellListView::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    EnumerateFolders();
}

void TbsCustomShellListView::SetAutoRefresh(bool value) {
    FAutoRefresh = value;
    if (ComponentState().Contains(csLoading)) return;
    FNotifier.reset();
    // Nothing to watch before a folder is shown, nor in folders without a path; the rebuild
    // that shows one starts the watcher.
    if (!value || !FRootFolder || FRootFolder->FullObjectName().empty()) return;
    FNotifier = std::make_unique<TbsShellChangeNotifier>(nullptr);
    FNotifier->SetWatchSubTree(false);
    FNotifier->SetRoot(FRootFolder->PathName());
    FNotifier->SetOnChange([this] { Refresh(); });
}

void TbsCustomShellListView::SetViewStyle(TViewStyle value) {
    TbsSkinCustomListView::SetViewStyle(value);
    if (value == vsReport) RebuildColumns();
}

// ---- partners ----

void TbsCustomShellListView::SetShellTreeView(IbsShellTreeLink* value) {
    if (value == FTreeView) return;
    // A replaced tree stops pushing folders to this list.
    if (FTreeView && FTreeView->ListViewLink() == this) FTreeView->SetListViewLink(nullptr);
    if (value) {
        value->SetLinkRoot(FRoot);
        value->SetListViewLink(this);
    }
    SetTreeViewLink(value);
}

void TbsCustomShellListView::SetShellComboBox(IbsShellComboLink* value) {
    if (value == FComboBox) return;
    if (FComboBox && FComboBox->ListViewLink() == this) FComboBox->SetListViewLink(nullptr);
    if (value) {
        value->SetLinkRoot(FRoot);
        value->SetListViewLink(this);
    }
    SetComboBoxLink(value);
}

void TbsCustomShellListView::SetTreeViewLink(IbsShellTreeLink* value) {
    FTreeView = value;
    if (FTreeComponent) FTreeComponent->RemoveFreeNotification(this);
    FTreeComponent = value ? value->LinkComponent() : nullptr;
    if (FTreeComponent) FTreeComponent->FreeNotification(this);
}

void TbsCustomShellListView::SetComboBoxLink(IbsShellComboLink* value) {
    FComboBox = value;
    if (FComboComponent) FComboComponent->RemoveFreeNotification(this);
    FComboComponent = value ? value->LinkComponent() : nullptr;
    if (FComboComponent) FComboComponent->FreeNotification(this);
}

void TbsCustomShellListView::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomListView::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FTreeComponent) {
        FTreeView = nullptr;
        FTreeComponent = nullptr;
    }
    if (component == FComboComponent) {
        FComboBox = nullptr;
        FComboComponent = nullptr;
    }
}

void TbsCustomShellListView::SyncPartners() {
    if (FSettingRoot) {
        if (FTreeView) FTreeView->SetLinkRoot(FRoot);
    } else if (FRootFolder) {
        const TItemIdList absolute = FRootFolder->FullPIDL();
        if (FTreeView) FTreeView->SelectPidl(absolute);
        if (FComboBox) FComboBox->FollowPidl(absolute);
    }
    FSettingRoot = false;
}

// ---- the items ----

TbsShellFolder* TbsCustomShellListView::FolderAt(int index) const {
    if (index < 0 || index >= int(FFolders.size())) return nullptr;
    return FFolders[std::size_t(index)].get();
}

TbsShellFolder* TbsCustomShellListView::SelectedFolder() const {
    const TListItem* item = Selected();
    return item ? FolderAt(item->Index()) : nullptr;
}

std::string TbsCustomShellListView::GetSelectedFile() const {
    const TbsShellFolder* folder = SelectedFolder();
    return folder && !folder->IsFolder() ? folder->FullObjectName() : std::string();
}

void TbsCustomShellListView::GetSelectedFiles(TStrings& files) const {
    files.Clear();
    const int count = std::min(Items().Count(), FolderCount());
    for (int i = 0; i < count; ++i) {
        const TbsShellFolder* folder = FolderAt(i);
        if (Items()[i]->Selected() && !folder->IsFolder()) files.Add(folder->FullObjectName());
    }
}

bool TbsCustomShellListView::PassesMask(const TbsShellFolder& item) const {
    // An entry's own step holds its name on disk: no path to build for each file.
    if (const TShellItemId* entry = item.EntryId()) return NamePassesMask(FMask, entry->Name);
    return NamePassesMask(FMask, ExtractFileName(item.FullObjectName()));
}

void TbsCustomShellListView::ClearFolders() {
    if (!ComponentState().Contains(csDestroying)) Items().SetCount(0);
    FFolders.clear();
}

void TbsCustomShellListView::EnumerateFolders() {
    if (ComponentState().Contains(csLoading) && !HandleAllocated()) return;
    THourGlass hourGlass;
    Items().BeginUpdate();
    struct TEndUpdate {
        TListItems& Items;
        ~TEndUpdate() { Items.EndUpdate(); }
    } endUpdate{ Items() };
    ClearFolders();
    if (!FRootFolder || !FRootFolder->ShellFolder()) return;
    const std::shared_ptr<IShellFolder>& parent = FRootFolder->ShellFolder();
    std::optional<std::vector<TShellItemId>> ids = parent->EnumObjects(EnumFlagsOf(FObjectTypes));
    if (!ids) return;
    FFolders.reserve(ids->size());
    for (TShellItemId& id : *ids) {
        TItemIdList list{ std::move(id) };
        // Only folders have a folder of their own to bind; the id tells which are.
        std::shared_ptr<IShellFolder> own =
            list.front().IsFolder() ? BindFolderInterface(parent, list) : nullptr;
        auto item =
            std::make_unique<TbsShellFolder>(FRootFolder.get(), std::move(list), std::move(own));
        bool add = item->IsFolder() || PassesMask(*item);
        if (OnAddFolder) OnAddFolder(this, item.get(), add);
        if (add) FFolders.push_back(std::move(item));
    }
    Items().SetCount(int(FFolders.size()));
    if (FSorted) SortFolders(false);
}

void TbsCustomShellListView::SortFolders(bool byColumn) {
    TbsShellSort sort;
    sort.ColumnSortActive = byColumn;
    sort.SortRootFolder = FRootFolder.get();
    sort.Column = FSortColumn;
    sort.Descending = FSortDirection;
    sort.ViewHandle = HandleAllocated() ? Handle() : nullptr;
    if (byColumn) sort.Facts.reserve(FFolders.size());
    std::sort(FFolders.begin(), FFolders.end(), [&sort](const auto& a, const auto& b) {
        return CompareShellItems(a.get(), b.get(), sort) < 0;
    });
}

void TbsCustomShellListView::RebuildList() {
    if (FUpdating) return;
    TFlagRaised updating(FUpdating);
    const bool watching = FAutoRefresh;
    SetAutoRefresh(false);
    struct TRestoreWatch {
        TbsCustomShellListView& List;
        bool Watching;
        ~TRestoreWatch() { List.FAutoRefresh = Watching; }
    } restore{ *this, watching };
    SyncPartners();
    EnumerateFolders();
    if (ViewStyle() == vsReport) RebuildColumns();
    SetAutoRefresh(watching);
}

// ---- navigation ----

void TbsCustomShellListView::OpenPidl(const TItemIdList& absolute) {
    if (FUpdating) return;
    if (FRootFolder && PidlEqual(FRootFolder->FullPIDL(), absolute)) return;
    ClearFolders();
    FRootFolder.reset();
    FSettingRoot = false;
    FRootFolder = CreateFolderFromPidl(absolute);
    RebuildList();
    if (OnPathChanged) OnPathChanged(this);
}

void TbsCustomShellListView::FollowPidl(const TItemIdList& absolute) {
    if (FUpdating) return;
    if (FRootFolder && PidlEqual(FRootFolder->FullPIDL(), absolute)) return;
    OpenPidl(absolute);
}

void TbsCustomShellListView::Back() {
    if (!FRootFolder || FRootFolder->FullPIDL().empty()) return;
    TItemIdList parent = PidlClone(FRootFolder->FullPIDL());
    PidlStripLast(parent);
    OpenPidl(parent);
}

void TbsCustomShellListView::Refresh() {
    if (!FRootFolder) return;
    const int index = Selected() ? Selected()->Index() : -1;
    ClearSelection();
    const TItemIdList current = PidlClone(FRootFolder->FullPIDL());
    ClearFolders();
    FRootFolder.reset();
    OpenPidl(current);
    if (index >= 0 && index < Items().Count()) SetItemIndex(index);
}

// ---- window ----

void TbsCustomShellListView::CreateWnd() {
    TbsSkinCustomListView::CreateWnd();
    ResolveRoot();
    RebuildList();
}

void TbsCustomShellListView::DestroyWnd() {
    ClearFolders();
    TbsSkinCustomListView::DestroyWnd();
}

void TbsCustomShellListView::Loaded() {
    TbsSkinCustomListView::Loaded();
    EnumerateFolders();
    SetAutoRefresh(FAutoRefresh);
}

// ---- owner data ----

void TbsCustomShellListView::OwnerDataFetch(TListItem* item) {
    TbsShellFolder* folder = FolderAt(item->Index());
    if (!folder) return;
    item->SetCaption(folder->DisplayName());
    item->SetImageIndex(folder->ImageIndex(ViewStyle() == vsIcon));
    if (ViewStyle() != vsReport) return;
    const int columns = Columns().Count();
    LoadDetailsQuietly(*folder, FRootFolder.get(), HandleAllocated() ? Handle() : nullptr, columns);
    for (int k = 1; k < columns; ++k)
        item->SubItems().Add(DetailTextOrEmpty(*folder, k));
}

std::optional<int> TbsCustomShellListView::OwnerDataFind(TItemFind find,
                                                         const std::string& findString,
                                                         int startIndex, TSearchDirection,
                                                         bool wrap) {
    const int count = FolderCount();
    if (startIndex == -1 || (find != ifPartialString && find != ifExactString) || count == 0)
        return -1;
    const std::string_view wanted = findString;
    int n = startIndex;
    for (int looked = 0; looked < count; ++looked, ++n) {
        if (n >= count) {
            if (!wrap) return -1;
            n = 0;
        }
        if (NameStartsWith(*FolderAt(n), wanted)) return n;
    }
    return -1;
}

// ---- user actions ----

void TbsCustomShellListView::DblClick() {
    if (FAutoNavigate) {
        if (const TbsShellFolder* folder = SelectedFolder(); folder && folder->IsFolder())
            OpenPidl(PidlClone(folder->FullPIDL()));
    }
    TbsSkinCustomListView::DblClick();
}

void TbsCustomShellListView::KeyDown(unsigned short& key, TShiftState shift) {
    TbsSkinCustomListView::KeyDown(key, shift);
    if (!FAutoNavigate) return;
    switch (key) {
    case VK_BACK:
        if (!IsEditing()) Back();
        break;
    case VK_RETURN:
        if (shift.Contains(ssAlt)) {
            InvokeItemVerb(SelectedFolder(), "properties");
            key = 0;
        } else if (const TbsShellFolder* folder = SelectedFolder(); folder && folder->IsFolder()) {
            OpenPidl(PidlClone(folder->FullPIDL()));
        }
        break;
    case kF5:
        Refresh();
        break;
    default:
        break;
    }
}

bool TbsCustomShellListView::CanEdit(TListItem* item) {
    const bool allowed = TbsSkinCustomListView::CanEdit(item);
    FEditIndex = allowed && item ? item->Index() : -1;
    return allowed;
}

void TbsCustomShellListView::Edit(TListItem* item, const std::string* text) {
    // The item's own rename replaces the view's caption change and its OnEdited.
    const int index = std::exchange(FEditIndex, -1);
    if (!text || !item || index < 0 || index >= FolderCount()) return;
    // An edit left as it was renames nothing: a rename onto its own name would be refused.
    if (*text == FolderAt(index)->DisplayName()) return;
    FolderAt(index)->Rename(*text);
    Perform(LVM_REDRAWITEMS, WPARAM(index), LPARAM(index));
    if (FTreeView) FTreeView->RefreshSelectedNode();
}

void TbsCustomShellListView::EditSelected() {
    if (const TListItem* item = Selected()) Perform(LVM_EDITLABEL, WPARAM(item->Index()), 0);
}

void TbsCustomShellListView::ExecuteCommand(const std::string& verb, bool& handled) {
    // "open" starts the application in the item's folder by itself, so the program's current
    // folder never moves and there is nothing to save around it.
    if (SameText(verb, "rename")) {
        EditSelected();
        handled = true;
    }
}

void TbsCustomShellListView::CommandCompleted(const std::string& verb, bool succeeded) {
    if (succeeded && (SameText(verb, "delete") || SameText(verb, "paste"))) Refresh();
}

void TbsCustomShellListView::ShowContextMenu(TPoint at) {
    TbsShellFolder* folder = SelectedFolder();
    if (at.X == -1 && at.Y == -1) {
        // The menu key: the menu opens at the selected item.
        const TRect r = ItemRect(Selected()->Index(), drLabel);
        at = TPoint(r.Left, r.Bottom);
    } else {
        at = ScreenToClient(at);
    }
    ShowShellContextMenu(this, folder, at.X, at.Y);
    Refresh();
}

void TbsCustomShellListView::WndProc(TMessage& message) {
    if (message.Msg == WM_CONTEXTMENU && FAutoContext && Selected()) {
        const bool keyboard = message.LParam == kKeyboardMenu;
        ShowContextMenu(keyboard
                            ? TPoint(-1, -1)
                            : TPoint(GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)));
        message.Result = 1;
        return;
    }
    TbsSkinCustomListView::WndProc(message);
}
