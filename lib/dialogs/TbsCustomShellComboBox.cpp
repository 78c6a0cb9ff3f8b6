#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"

#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "lib/dialogs/bsShellFolderQueries.h"
#include "lib/dialogs/bsShellLinks.h"
#include "lib/dialogs/bsShellPidl.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/SystemImageList.h"

#include <algorithm>

namespace {

// The rows batched for a scope: Change ignores choices made meanwhile.
class TRowsUpdate {
public:
    explicit TRowsUpdate(TCollection& rows) : FRows(rows) { FRows.BeginUpdate(); }
    ~TRowsUpdate() { FRows.EndUpdate(); }
    TRowsUpdate(const TRowsUpdate&) = delete;
    TRowsUpdate& operator=(const TRowsUpdate&) = delete;

private:
    TCollection& FRows;
};

} // namespace

void TbsItemEx::Assign(const TPersistent* source) {
    const auto* item = dynamic_cast<const TbsItemEx*>(source);
    if (!item) {
        TCollectionItem::Assign(source);
        return;
    }
    Caption = item->Caption;
    Data = item->Data;
    Indent = item->Indent;
    ImageIndex = item->ImageIndex;
    SelectedImageIndex = item->SelectedImageIndex;
}

TbsItemsEx::TbsItemsEx() : TCollection([](TCollection* owner) { return new TbsItemEx(owner); }) {}

TbsItemEx* TbsItemsEx::AddItem(const std::string& caption, int imageIndex, int selectedIndex,
                               int indent, TbsShellFolder* folder) {
    TbsItemEx* item = Add();
    item->Caption = caption;
    item->ImageIndex = imageIndex;
    item->SelectedImageIndex = selectedIndex;
    item->Indent = indent;
    item->Data = folder;
    return item;
}

TbsCustomShellComboBox::TbsCustomShellComboBox(TComponent* owner) : TbsSkinCustomComboBox(owner) {
    ApplyShellImages(true);
    SetOnListBoxDrawItem(
        [this](TObject*, TCanvas& canvas, int index, int, int itemHeight, const TRect& textRect,
               TOwnerDrawState) { DrawListItem(canvas, index, itemHeight, textRect); });
    OnComboBoxDrawItem = [this](TObject*, TCanvas& canvas, int index, int, int itemHeight,
                                const TRect& textRect, TOwnerDrawState) {
        DrawEditItem(canvas, index, itemHeight, textRect);
    };
}

TbsCustomShellComboBox::~TbsCustomShellComboBox() {
    SetShellTreeView(nullptr);
    SetOnListBoxDrawItem(nullptr);
    OnComboBoxDrawItem = nullptr;
    ClearItemsEx();
}

void TbsCustomShellComboBox::Loaded() {
    TbsSkinCustomComboBox::Loaded();
    BuildRootItems();
}

void TbsCustomShellComboBox::CreateWnd() {
    TbsSkinCustomComboBox::CreateWnd();
    ApplyShellImages(FUseShellImages);
    if (FItemsEx.Count() == 0) BuildRootItems();
    // The chosen row stays chosen when the captions are filled in again.
    const int chosen = ItemIndex();
    SyncItems();
    const TRowsUpdate update(FItemsEx);
    SetItemIndex(chosen);
}

std::string TbsCustomShellComboBox::Path() {
    const TbsShellFolder* folder = FolderAt(ItemIndex());
    return folder ? folder->PathName() : std::string();
}

void TbsCustomShellComboBox::SetPath(const std::string& value) {
    const auto list = DesktopShellFolder()->ParseDisplayName(value);
    if (!list) throw EInvalidPath(Format("Error setting path: \"%s\"", value));
    ShowPidl(*list);
}

TbsShellFolder* TbsCustomShellComboBox::FolderAt(int index) const {
    if (index < 0 || index >= FItemsEx.Count()) return nullptr;
    return FItemsEx.ItemAt(index)->Data;
}

void TbsCustomShellComboBox::SetRoot(const TRoot& value) {
    if (TakeRootText(FRoot, FOldRoot, value)) ApplyRoot();
}

void TbsCustomShellComboBox::SetObjectTypes(TShellObjectTypes value) {
    FObjectTypes = value;
    ApplyRoot();
}

void TbsCustomShellComboBox::ApplyRoot() {
    const TFlagGuard updating(FUpdating);
    ClearItemsEx();
    BuildRootItems();
    if (FTreeView) FTreeView->SetRoot(FRoot);
    if (FListView) FListView->SetRoot(FRoot);
}

void TbsCustomShellComboBox::BuildRootItems() {
    if (ComponentState().Contains(csLoading)) return;
    const TRowsUpdate update(FItemsEx);
    ClearItemsEx();
    // On failure the previous root shows again before the error is told.
    const std::string failure = ResolveRootKeepingError(FRootFolder, FOldRoot, FRoot);
    if (FRootFolder) {
        auto root = std::make_unique<TbsShellFolder>(nullptr, FRootFolder->FullPIDL(),
                                                     FRootFolder->ShellFolder());
        const int image = FolderImage(*root);
        FItemsEx.AddItem(root->DisplayName(), image, image, 0, root.get());
        FFolders.push_back(std::move(root));
        FillTopLevel();
        SyncItems();
        SetItemIndex(0);
    }
    if (!failure.empty()) throw Exception(failure);
}

void TbsCustomShellComboBox::FillTopLevel() {
    const TRowsUpdate update(FItemsEx);
    InsertChildren(0, FRootFolder.get());
    // The volumes show below Computer only for the desktop spelt exactly so.
    if (FRoot != "rfDesktop") return;
    const int computer = IndexOfPidl({ TShellItemId{ ikComputer, "" } });
    if (computer >= 0) InsertChildren(computer, FolderAt(computer));
}

void TbsCustomShellComboBox::InsertChildren(int index, TbsShellFolder* folder) {
    if (!folder || !folder->ShellFolder()) return;
    const std::shared_ptr<IShellFolder>& shellFolder = folder->ShellFolder();
    auto ids = shellFolder->EnumObjects(EnumFlagsOf(FObjectTypes));
    if (!ids) throw Exception(Format("Cannot read the folder \"%s\"", folder->PathName()));
    std::stable_sort(ids->begin(), ids->end(),
                     [&shellFolder](const TShellItemId& a, const TShellItemId& b) {
                         return std::int16_t(shellFolder->CompareIDs(0, { a }, { b })) < 0;
                     });
    int at = index + 1;
    for (const TShellItemId& id : *ids) {
        TbsShellFolder* child = CreateChildFolder(folder, { id });
        const int image = FolderImage(*child);
        TbsItemEx* row = FItemsEx.Insert(at++);
        row->Caption = child->DisplayName();
        row->Data = child;
        row->Indent = child->Level();
        row->ImageIndex = image;
        row->SelectedImageIndex = image;
    }
}

TbsShellFolder* TbsCustomShellComboBox::CreateChildFolder(TbsShellFolder* parent,
                                                          const TItemIdList& id) {
    FFolders.push_back(std::make_unique<TbsShellFolder>(
        parent, id, BindFolderInterface(parent->ShellFolder(), id)));
    return FFolders.back().get();
}

void TbsCustomShellComboBox::InsertFolderItem(int index, TbsShellFolder* folder) {
    TbsItemEx* row = FItemsEx.Insert(index);
    row->Caption = folder->DisplayName();
    row->Data = folder;
    row->Indent = folder->Level();
    row->ImageIndex = FolderImage(*folder);
    row->SelectedImageIndex = 0;
}

void TbsCustomShellComboBox::ShowPidl(const TItemIdList& absolute) {
    const TRowsUpdate update(FItemsEx);
    BuildRootItems();
    const std::vector<TItemIdList> chain = PidlChain(absolute);
    int row = -1;
    std::size_t next = chain.size();
    for (std::size_t p = chain.size(); p-- > 0;) {
        row = IndexOfPidl(chain[p]);
        if (row >= 0) {
            next = p + 1;
            break;
        }
    }
    if (row < 0) return;
    for (; next < chain.size(); ++next) {
        InsertFolderItem(row + 1, CreateChildFolder(FolderAt(row), PidlLastItem(chain[next])));
        ++row;
    }
    int target = IndexOfPidl(absolute);
    if (target < 0) {
        InsertFolderItem(row + 1, CreateChildFolder(FolderAt(row), PidlLastItem(absolute)));
        target = row + 1;
    }
    SyncItems();
    SetItemIndex(target);
}

void TbsCustomShellComboBox::FollowPidl(const TItemIdList& absolute) {
    if (FUpdating) return;
    const TbsShellFolder* shown = FolderAt(ItemIndex());
    if (shown && PidlEqual(shown->FullPIDL(), absolute)) return;
    const TFlagGuard updating(FUpdating);
    ShowPidl(absolute);
}

void TbsCustomShellComboBox::Change() {
    if (FItemsEx.UpdateCount() > 0) return;
    TbsSkinCustomComboBox::Change();
    const TbsShellFolder* chosen = FolderAt(ItemIndex());
    if (!chosen || FUpdating || IsPopupVisible()) return;
    const TFlagGuard updating(FUpdating);
    const TItemIdList list = chosen->FullPIDL();
    // The rows gather around the chosen folder: its chain shows, another one goes.
    ShowPidl(list);
    if (FTreeView) FTreeView->SelectPidl(list);
    if (FListView) FListView->FollowPidl(list);
}

int TbsCustomShellComboBox::IndexOfPidl(const TItemIdList& absolute) const {
    const std::shared_ptr<IShellFolder> desktop = DesktopShellFolder();
    for (int i = FItemsEx.Count(); i-- > 0;) {
        const TbsShellFolder* folder = FolderAt(i);
        if (folder && desktop->CompareIDs(0, folder->FullPIDL(), absolute) == 0) return i;
    }
    return -1;
}

int TbsCustomShellComboBox::FolderImage(const TbsShellFolder& folder) const {
    return FUseShellImages ? SystemIconIndex(folder.FullPIDL(), false, false) : -1;
}

void TbsCustomShellComboBox::SyncItems() {
    TStrings& items = Items();
    items.BeginUpdate();
    items.Clear();
    for (int i = 0; i < FItemsEx.Count(); ++i)
        items.Add(FItemsEx.ItemAt(i)->Caption);
    items.EndUpdate();
}

void TbsCustomShellComboBox::ClearItemsEx() {
    {
        const TRowsUpdate update(FItemsEx);
        for (int i = 0; i < FItemsEx.Count(); ++i)
            FItemsEx.ItemAt(i)->Data = nullptr;
        FItemsEx.Clear();
        FFolders.clear();
    }
    SyncItems();
}

void TbsCustomShellComboBox::ApplyShellImages(bool value) {
    FUseShellImages = value;
    const TSystemImageList* images = value ? &ShellImageList(false) : nullptr;
    FImageWidth = images ? images->Width() : 16;
    FImageHeight = images ? images->Height() : 16;
}

void TbsCustomShellComboBox::DrawEditItem(TCanvas& canvas, int index, int itemHeight,
                                          const TRect& textRect) {
    DrawRow(canvas, index, 0, itemHeight, textRect);
}

void TbsCustomShellComboBox::DrawListItem(TCanvas& canvas, int index, int itemHeight,
                                          const TRect& textRect) {
    if (index < 0 || index >= FItemsEx.Count()) return;
    const int shift = FUseShellImages ? FItemsEx.ItemAt(index)->Indent * FImageWidth / 2 : 0;
    DrawRow(canvas, index, shift, itemHeight, textRect);
}

void TbsCustomShellComboBox::DrawRow(TCanvas& canvas, int index, int shift, int itemHeight,
                                     const TRect& textRect) {
    if (index < 0 || index >= FItemsEx.Count() || index >= Items().Count()) return;
    (void)itemHeight;
    int x = textRect.Left + shift;
    const int image = FItemsEx.ItemAt(index)->ImageIndex;
    if (FUseShellImages) {
        if (image >= 0)
            ShellImageList(false).Draw(
                canvas, x, textRect.Top + (textRect.Height() - FImageHeight) / 2, image);
        x += FImageWidth + 4;
    }
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(x, textRect.Top + textRect.Height() / 2 - canvas.TextHeight("Wg") / 2,
                   Items()[index]);
}

void TbsCustomShellComboBox::SetShellTreeView(TbsCustomShellTreeView* value) {
    LinkPartner(this, FTreeView, value, &TbsCustomShellTreeView::FComboBox);
}

void TbsCustomShellComboBox::SetShellListView(TbsCustomShellListView* value) {
    LinkPartnerThrough(
        this, FListView, value, [](TbsCustomShellListView* list) { return list->ShellComboBox(); },
        [](TbsCustomShellListView* list, TbsCustomShellComboBox* combo) {
            list->SetComboBoxLink(combo);
        });
}

void TbsCustomShellComboBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinCustomComboBox::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FTreeView) FTreeView = nullptr;
    if (component == FListView) FListView = nullptr;
}
