#pragma once
#include "lib/controls/TbsSkinCustomTreeView.h"
#include "lib/dialogs/TbsShellChangeNotifier.h"
#include "lib/dialogs/TbsShellFolder.h"
#include "lib/dialogs/bsShellListLinks.h"
#include "lib/dialogs/bsShellTypes.h"
#include "lib/dialogs/bsShellVerbs.h"

#include <memory>
#include <string>
#include <unordered_map>

class TbsCustomShellComboBox;
class TbsCustomShellListView;

// The skinned tree of the shell namespace: one top node for the folder Root names, children
// read on first expansion, system icons, the items' context menu, renaming in place and an
// optional watch of the folder shown. Linked with a location combo box or a file list, they
// show the same root and folder.
class TbsCustomShellTreeView : public TbsSkinCustomTreeView,
                               public IShellVerbSink,
                               public IbsShellTreeLink {
public:
    explicit TbsCustomShellTreeView(TComponent* owner);
    ~TbsCustomShellTreeView() override;

    std::string ClassName() const override { return "TbsCustomShellTreeView"; }

    // The selected folder's path, or "". Setting it opens the chain of folders down to it and
    // selects it; a text that names nothing raises EInvalidPath and changes nothing.
    std::string Path() const;
    void SetPath(const std::string& value);
    TbsShellFolder* SelectedFolder() const;
    // The folder a node of this tree holds.
    static TbsShellFolder* FolderOf(const TTreeNode* node);
    // Reads node and its open sub-tree again, keeping what was open, selected and on top.
    void Refresh(TTreeNode* node);
    void RefreshSelected();
    // Selects Computer and opens it.
    void ExpandMyComputer();

    const TRoot& Root() const { return FRoot; }
    // A text that cannot be resolved raises; the tree stays on the previous root.
    void SetRoot(const TRoot& value);
    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    virtual void SetObjectTypes(TShellObjectTypes value);
    bool UseShellImages() const { return FUseShellImages; }
    void SetUseShellImages(bool value);
    bool AutoContextMenus() const { return FAutoContext; }
    void SetAutoContextMenus(bool value) { FAutoContext = value; }
    bool AutoRefresh() const { return FAutoRefresh; }
    void SetAutoRefresh(bool value);
    // The change watcher while AutoRefresh is on, else null.
    TbsShellChangeNotifier* Notifier() const { return FNotifier; }

    TbsCustomShellComboBox* ShellComboBox() const { return FComboBox; }
    void SetShellComboBox(TbsCustomShellComboBox* value);
    TbsCustomShellListView* ShellListView() const { return FListView; }
    void SetShellListView(TbsCustomShellListView* value);

    // Opens the chain down to an absolute list and selects its node; the partners follow.
    void SelectPidl(const TItemIdList& absolute) override;

    // The link as a file list sees it.
    TComponent* LinkComponent() override { return this; }
    TRoot LinkRoot() const override { return FRoot; }
    void SetLinkRoot(const TRoot& value) override { SetRoot(value); }
    void RefreshSelectedNode() override { RefreshSelected(); }
    TbsCustomShellListView* ListViewLink() const override { return FListView; }
    void SetListViewLink(TbsCustomShellListView* list) override { FListView = list; }
    // start and the loaded nodes below it, in display order: the first whose folder is absolute.
    TTreeNode* FindNodeByPidl(const TItemIdList& absolute, TTreeNode* start) const;

    void ExecuteCommand(const std::string& verb, bool& handled) override;
    void CommandCompleted(const std::string& verb, bool succeeded) override;

    void Loaded() override;

    TAddFolderEvent OnAddFolder;

protected:
    friend class TbsCustomShellComboBox;

    void Notification(TComponent* component, TOperation operation) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    bool CanExpand(TTreeNode* node) override;
    bool CanChange(TTreeNode* node) override;
    void Delete(TTreeNode* node) override;
    void Edit(TTreeNode* node, const std::string* text) override;
    void DoContextPopup(TPoint mousePos, bool& handled) override;
    virtual void ClearAll() { ClearFolderNodes(); }

    bool FUpdating{ false };
    TbsCustomShellComboBox* FComboBox{ nullptr };
    TbsCustomShellListView* FListView{ nullptr };

private:
    void ApplyRoot();
    // The selection moved to node: the partners and the watcher follow its folder.
    void FollowSelection(TTreeNode* node);
    void RebuildFromRoot();
    void FillChildNodes(TTreeNode* node);
    void MakeFolderNode(TTreeNode* child, const TItemIdList& id, TTreeNode* parentNode);
    TTreeNode* AddFolderNode(TTreeNode* sibling, std::unique_ptr<TbsShellFolder> folder,
                             bool before);
    void ClearFolderNodes();
    void ApplyImages();
    void StartWatcher();
    // The node's own folder goes with it.
    void ForgetFolder(TTreeNode* node);

    std::string FPath;
    TRoot FRoot{ "rfDesktop" };
    TRoot FOldRoot;
    std::unique_ptr<TbsShellFolder> FRootFolder;
    TShellObjectTypes FObjectTypes{ otFolders };
    bool FLoadingRoot{ false };
    bool FAutoContext{ true };
    bool FAutoRefresh{ false };
    bool FUseShellImages{ true };
    TbsShellChangeNotifier* FNotifier{ nullptr };
    TTreeNode* FNodeToMonitor{ nullptr };
    // Every node's folder, owned here; a node's Data points at its own.
    std::unordered_map<const TTreeNode*, std::unique_ptr<TbsShellFolder>> FFolders;
};

class TbsSkinDirTreeView : public TbsCustomShellTreeView {
public:
    using TbsCustomShellTreeView::TbsCustomShellTreeView;
    std::string ClassName() const override { return "TbsSkinDirTreeView"; }
};
