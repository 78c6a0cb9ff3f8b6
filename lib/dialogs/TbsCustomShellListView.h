#pragma once
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/dialogs/TbsShellChangeNotifier.h"
#include "lib/dialogs/TbsShellFolder.h"
#include "lib/dialogs/bsShellListLinks.h"
#include "lib/dialogs/bsShellTypes.h"
#include "lib/dialogs/bsShellVerbs.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TStrings;

// The items of one shell folder in a skinned owner-data list: folders first, files filtered by
// a mask, captions, icons and report details produced only for the rows drawn. Double click,
// Enter, Backspace and F5 navigate; a right click shows the item's shell menu; renaming in
// place renames the item. A linked folder tree and location combo box follow the folder shown.
class TbsCustomShellListView : public TbsSkinCustomListView, public IShellVerbSink {
public:
    explicit TbsCustomShellListView(TComponent* owner);
    ~TbsCustomShellListView() override;

    std::string ClassName() const override { return "TbsCustomShellListView"; }

    // The folder shown as a path; empty without one. Setting an unknown path raises
    // EInvalidPath "Error setting path: "%s"".
    std::string Path() const;
    void SetPath(const std::string& value);
    // A special folder's name ("rfDesktop") or a path. A text that cannot be resolved raises and
    // leaves both the text and the folder shown as they were.
    const TRoot& Root() const { return FRoot; }
    void SetRoot(const TRoot& value);
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& value);
    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    void SetObjectTypes(TShellObjectTypes value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    bool AutoContextMenus() const { return FAutoContext; }
    void SetAutoContextMenus(bool value) { FAutoContext = value; }
    // Watches the folder shown and reads it again when it changes.
    bool AutoRefresh() const { return FAutoRefresh; }
    void SetAutoRefresh(bool value);
    // The change watcher while AutoRefresh is on, else null.
    TbsShellChangeNotifier* Notifier() const { return FNotifier.get(); }
    bool AutoNavigate() const { return FAutoNavigate; }
    void SetAutoNavigate(bool value) { FAutoNavigate = value; }
    // The report style also rebuilds the columns.
    void SetViewStyle(TViewStyle value);

    // The linked tree and combo box (not owned; forgotten when they go). Linking hands the new
    // partner this list's Root and its back-reference to this list.
    IbsShellTreeLink* ShellTreeView() const { return FTreeView; }
    void SetShellTreeView(IbsShellTreeLink* value);
    IbsShellComboLink* ShellComboBox() const { return FComboBox; }
    void SetShellComboBox(IbsShellComboLink* value);
    // The back-references a partner writes when it links this list, without the linking rule.
    void SetTreeViewLink(IbsShellTreeLink* value);
    void SetComboBoxLink(IbsShellComboLink* value);

    TbsShellFolder* RootFolder() const { return FRootFolder.get(); }
    int FolderCount() const { return int(FFolders.size()); }
    // Entry index of the list; null outside it.
    TbsShellFolder* FolderAt(int index) const;
    TbsShellFolder* SelectedFolder() const;
    // The selected item's path when it is a file, else empty.
    std::string GetSelectedFile() const;
    // The paths of the selected files (folders left out), in list order.
    void GetSelectedFiles(TStrings& files) const;

    // The parent folder; nothing at the desktop.
    void Back();
    // Reads the folder again, keeping the selected row when it still exists.
    void Refresh();
    // Shows the folder of an absolute list (nothing while the list is moving or already there).
    void OpenPidl(const TItemIdList& absolute);
    void FollowPidl(const TItemIdList& absolute);
    void RebuildList();
    void RebuildColumns();
    // Starts renaming the selected item in place.
    void EditSelected();

    // The report sort: the clicked column (-1 none) and whether it sorts descending.
    int SortColumn() const { return FSortColumn; }
    bool SortDescending() const { return FSortDirection; }

    void ExecuteCommand(const std::string& verb, bool& handled) override;
    void CommandCompleted(const std::string& verb, bool succeeded) override;

    void WndProc(TMessage& message) override;

    TAddFolderEvent OnAddFolder;
    // The list moved to another folder.
    TNotifyEvent OnPathChanged;

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void OwnerDataFetch(TListItem* item) override;
    std::optional<int> OwnerDataFind(TItemFind find, const std::string& findString, int startIndex,
                                     TSearchDirection direction, bool wrap) override;
    void ColumnClick(int column) override;
    bool CanEdit(TListItem* item) override;
    void Edit(TListItem* item, const std::string* text) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void DblClick() override;
    virtual void EnumerateFolders();
    bool PassesMask(const TbsShellFolder& item) const;

private:
    void ResolveRoot();
    void SyncPartners();
    void ClearFolders();
    void SortFolders(bool byColumn);
    void ShowContextMenu(TPoint at);
    // Report columns.
    bool AddShellColumn(const std::string& caption, TAlignment alignment, int charCount);
    void AddColumn(const std::string& caption, TAlignment alignment, int charCount);
    void AddDefaultColumns(int count);
    bool ColumnCaptionIsNew(const std::string& caption) const;

    int FOldSortColumn{ -1 };
    int FSortColumn{ -1 };
    bool FSortDirection{ false };
    TRoot FOldRoot;
    TRoot FRoot{ "rfDesktop" };
    std::unique_ptr<TbsShellFolder> FRootFolder;
    bool FAutoContext{ true };
    bool FAutoRefresh{ false };
    bool FAutoNavigate{ true };
    bool FSorted{ true };
    bool FUpdating{ false };
    TShellObjectTypes FObjectTypes{ otFolders, otNonFolders };
    std::vector<std::unique_ptr<TbsShellFolder>> FFolders;
    IbsShellTreeLink* FTreeView{ nullptr };
    TComponent* FTreeComponent{ nullptr };
    IbsShellComboLink* FComboBox{ nullptr };
    TComponent* FComboComponent{ nullptr };
    std::unique_ptr<TbsShellChangeNotifier> FNotifier;
    bool FSettingRoot{ false };
    std::string FMask{ "*.*|*.*" };
    // The entry being renamed: the view's owner-data item is refilled for every row it draws
    // meanwhile, so its index no longer tells by the time the rename ends.
    int FEditIndex{ -1 };
    // The captions added while the columns are rebuilt.
    std::vector<std::string> FColumnCaptions;
};

// The file list as forms place it.
class TbsSkinFileListView : public TbsCustomShellListView {
public:
    using TbsCustomShellListView::TbsCustomShellListView;
    std::string ClassName() const override { return "TbsSkinFileListView"; }
};
