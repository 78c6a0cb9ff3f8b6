#pragma once
#include "lib/dialogs/bsShellTypes.h"
#include "platform/shell/ShellFindData.h"
#include "platform/shell/ShellFolder.h"
#include "platform/win/WinDefs.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One item of the shell namespace as the folder tree, the file list and the location combo
// box hold it: its list relative to its parent and from the desktop, the parent it was made
// under (not owned; it must outlive the item), its own folder when it is one, and its detail
// texts.
class TbsShellFolder {
public:
    // parent null: the item lies below the desktop item. id is relative to the parent (to
    // the desktop without one); shellFolder is the item's own folder, null for most files.
    TbsShellFolder(TbsShellFolder* parent, TItemIdList id,
                   std::shared_ptr<IShellFolder> shellFolder);
    virtual ~TbsShellFolder();
    TbsShellFolder(const TbsShellFolder&) = delete;
    TbsShellFolder& operator=(const TbsShellFolder&) = delete;

    const TItemIdList& PIDL() const { return FPIDL; }
    // Made on first use: a folder of many thousand files is listed without a path list for
    // each file, and only the rows drawn ask for theirs.
    const TItemIdList& FullPIDL() const;
    TbsShellFolder* Parent() const { return FParent; }
    const std::shared_ptr<IShellFolder>& ShellFolder() const { return FIShellFolder; }
    // How many ancestors the parent given at creation had.
    int Level() const { return FLevel; }
    win::HWND ViewHandle() const { return FViewHandle; }

    // The folder that holds this item: the parent's, or the desktop folder.
    const std::shared_ptr<IShellFolder>& ParentShellFolder() const;
    // The item's own step when it is an entry of a file-system folder (a file or a folder),
    // else null. Its kind and its name answer what the holding folder would, so lists of
    // thousands of entries need not ask the folder for each one.
    const TShellItemId* EntryId() const;
    TbsShellFolderCapabilities Capabilities() const;
    TbsShellFolderProperties Properties() const;
    bool SubFolders() const;
    bool IsFolder() const;
    // Whether the item has a file-system path (the desktop and Computer have none).
    bool InFileSystem() const;
    // The parsing name: a path, or the shown name of a folder that has none.
    std::string PathName() const;
    // The file-system path; "" for the desktop and Computer.
    std::string FullObjectName() const;
    std::string DisplayName() const;
    // The shown name read in place from the item's own step, when that holds it as shown (an
    // entry whose name is plain ASCII); none otherwise, and DisplayName answers.
    std::optional<std::string_view> ShownEntryName() const;
    // False when the item cannot be renamed; raises Exception "Rename to %s failed" when the
    // name is refused (no entry name, or another item has it: nothing is ever replaced).
    bool Rename(const std::string& newName);
    int ImageIndex(bool largeIcon) const;
    // Opens the item with the user's application; 1 when that could be started, else 0.
    int ExecuteDefault() const;

    // Fills the detail texts of report columns 1 to columnCount, unless that many are held
    // already; rootFolder is the folder the list shows. Only file-system folders have details.
    void LoadColumnDetails(TbsShellFolder* rootFolder, win::HWND viewHandle, int columnCount);
    // The text of report column k (from 1); raises Exception "%s: Missing call to
    // LoadColumnDetails" while none is loaded.
    std::string DetailText(int k) const;
    // What a directory search tells of the item; raises EInvalidPath when it has gone.
    TShellFindData ReadFindData() const;

private:
    friend TbsShellFolder& DesktopFolderItem();
    struct TDesktopTag {};
    // The desktop item itself: no parent, the empty list.
    TbsShellFolder(TDesktopTag, std::shared_ptr<IShellFolder> desktopFolder);

    TItemIdList FPIDL;
    mutable std::optional<TItemIdList> FFullPIDL;
    TbsShellFolder* FParent{ nullptr };
    std::shared_ptr<IShellFolder> FIShellFolder;
    int FLevel{ 0 };
    win::HWND FViewHandle{};
    std::vector<std::string> FDetails;
};

// The desktop item of the process, made on first use. Every item made without a parent lies
// below it.
TbsShellFolder& DesktopFolderItem();
