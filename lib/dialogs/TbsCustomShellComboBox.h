#pragma once
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/dialogs/TbsShellFolder.h"
#include "lib/dialogs/bsShellListLinks.h"
#include "lib/dialogs/bsShellTypes.h"
#include "platform/forms/TCollection.h"

#include <memory>
#include <string>
#include <vector>

class TbsCustomShellListView;
class TbsCustomShellTreeView;

// One row of the location box: its text, its folder (owned by the box), its indent level and
// icon.
class TbsItemEx : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    std::string ClassName() const override { return "TbsItemEx"; }
    void Assign(const TPersistent* source) override;

    std::string Caption;
    TbsShellFolder* Data{ nullptr };
    int Indent{ 0 };
    int ImageIndex{ -1 };
    // The root row and listed rows: ImageIndex; rows of the chain to the shown folder: 0.
    int SelectedImageIndex{ -1 };
};

class TbsItemsEx : public TCollection {
public:
    TbsItemsEx();
    std::string ClassName() const override { return "TbsItemsEx"; }
    TbsItemEx* Add() { return static_cast<TbsItemEx*>(TCollection::Add()); }
    TbsItemEx* Insert(int index) { return static_cast<TbsItemEx*>(TCollection::Insert(index)); }
    TbsItemEx* AddItem(const std::string& caption, int imageIndex, int selectedIndex, int indent,
                       TbsShellFolder* folder);
    TbsItemEx* ItemAt(int index) const { return static_cast<TbsItemEx*>(Items(index)); }
};

// The location box of the file dialogs: the root, its children and the chain of folders down
// to the folder shown, as indented rows with icons. Choosing a row moves a linked tree and file
// list; when they move, the box follows.
class TbsCustomShellComboBox : public TbsSkinCustomComboBox, public IbsShellComboLink {
public:
    explicit TbsCustomShellComboBox(TComponent* owner);
    ~TbsCustomShellComboBox() override;

    std::string ClassName() const override { return "TbsCustomShellComboBox"; }

    TbsItemsEx& ItemsEx() { return FItemsEx; }
    void SetItemsEx(const TbsItemsEx& value) { FItemsEx.Assign(&value); }
    // The chosen row's folder path, or "". Setting it shows the chain down to that folder; a
    // text that names nothing raises EInvalidPath.
    std::string Path();
    void SetPath(const std::string& value);
    // The folder of a row; null outside the rows.
    TbsShellFolder* FolderAt(int index) const;

    const TRoot& Root() const { return FRoot; }
    void SetRoot(const TRoot& value);
    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    virtual void SetObjectTypes(TShellObjectTypes value);

    TbsCustomShellTreeView* ShellTreeView() const { return FTreeView; }
    void SetShellTreeView(TbsCustomShellTreeView* value);
    TbsCustomShellListView* ShellListView() const { return FListView; }
    void SetShellListView(TbsCustomShellListView* value);

    // Shows the chain down to an absolute list and chooses its row, unless that row is chosen
    // already or the box is moving itself.
    void FollowPidl(const TItemIdList& absolute) override;

    // The link as a file list sees it.
    TComponent* LinkComponent() override { return this; }
    TRoot LinkRoot() const override { return FRoot; }
    void SetLinkRoot(const TRoot& value) override { SetRoot(value); }
    TbsCustomShellListView* ListViewLink() const override { return FListView; }
    void SetListViewLink(TbsCustomShellListView* list) override { FListView = list; }
    // The rows rebuilt around an absolute list.
    void ShowPidl(const TItemIdList& absolute);

    void Loaded() override;

protected:
    friend class TbsCustomShellTreeView;

    void Notification(TComponent* component, TOperation operation) override;
    void CreateWnd() override;
    void Change() override;
    // The root's children below the root row, and on the desktop the volumes below Computer.
    virtual void FillTopLevel();

    bool FUpdating{ false };
    TbsCustomShellTreeView* FTreeView{ nullptr };
    TbsCustomShellListView* FListView{ nullptr };

private:
    void ApplyRoot();
    void BuildRootItems();
    void InsertChildren(int index, TbsShellFolder* folder);
    void InsertFolderItem(int index, TbsShellFolder* folder);
    TbsShellFolder* CreateChildFolder(TbsShellFolder* parent, const TItemIdList& id);
    int IndexOfPidl(const TItemIdList& absolute) const;
    int FolderImage(const TbsShellFolder& folder) const;
    void SyncItems();
    void ClearItemsEx();
    void ApplyShellImages(bool value);
    void DrawEditItem(TCanvas& canvas, int index, int itemHeight, const TRect& textRect);
    void DrawListItem(TCanvas& canvas, int index, int itemHeight, const TRect& textRect);
    void DrawRow(TCanvas& canvas, int index, int shift, int itemHeight, const TRect& textRect);

    TbsItemsEx FItemsEx;
    // Every row's folder; a row's Data points at its own.
    std::vector<std::unique_ptr<TbsShellFolder>> FFolders;
    int FImageWidth{ 16 };
    int FImageHeight{ 16 };
    TRoot FOldRoot;
    TRoot FRoot{ "rfDesktop" };
    std::unique_ptr<TbsShellFolder> FRootFolder;
    TShellObjectTypes FObjectTypes{ otFolders };
    bool FUseShellImages{ true };
};

class TbsSkinShellComboBox : public TbsCustomShellComboBox {
public:
    using TbsCustomShellComboBox::TbsCustomShellComboBox;
    std::string ClassName() const override { return "TbsSkinShellComboBox"; }
};
