#pragma once
#include "lib/dialogs/TbsShellFolder.h"

#include <memory>
#include <string>

class TSystemImageList;

// Questions to a folder about one of its items (a list relative to it).

// The item's name as flags ask; a class name ("::{...}") is replaced by the shown name.
// Empty without a folder.
std::string ItemDisplayName(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list,
                            std::uint32_t flags);
bool ItemIsFolder(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list);
// Whether the item lives in the file system (fpFileSystem), asked alone.
bool ItemIsInFileSystem(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list);
bool ItemHasSubFolders(const std::shared_ptr<IShellFolder>& folder, const TItemIdList& list);
// Whether the folder lists anything of the kinds flags ask for.
bool FolderHasItems(const std::shared_ptr<IShellFolder>& folder, std::uint32_t flags);
TbsShellFolderCapabilities QueryCapabilities(const std::shared_ptr<IShellFolder>& folder,
                                             const TItemIdList& list);
TbsShellFolderProperties QueryProperties(const std::shared_ptr<IShellFolder>& folder,
                                         const TItemIdList& list);

// The folder of an item below parent, else the desktop's answer for the same list; null for a
// file or an item that is not there.
std::shared_ptr<IShellFolder> BindFolderInterface(const std::shared_ptr<IShellFolder>& parent,
                                                  const TItemIdList& list);
// A new item for an absolute list, made below the desktop item.
std::unique_ptr<TbsShellFolder> CreateFolderFromPidl(const TItemIdList& absolute);
// Resolves a Root text (a special folder's name or a path) into current. When newRoot cannot
// be resolved (empty, a special folder this system does not have, a path that does not
// exist), newRoot goes back to oldRoot, current keeps its folder, and Exception "Error setting
// path: "%s"" is raised with the rejected text.
void ResolveRootFolder(std::unique_ptr<TbsShellFolder>& current, const TRoot& oldRoot,
                       TRoot& newRoot);

// The icon of an absolute list in the shell's image lists (one index serves both sizes).
int SystemIconIndex(const TItemIdList& list, bool large, bool open);
// The shell's image lists: 16 pixels, or 32 when large.
TSystemImageList& ShellImageList(bool large);
