#pragma once
#include "platform/shell/ShellEnvironment.h"
#include <string>

// Moves a file or folder into the user's trash, laid out as the freedesktop trash: the item
// under "files/", and beside it in "info/" a "<name>.trashinfo" with its original path and
// the time of deletion, so any desktop's trash can list and restore it.
//
// An item on the home file system goes to $XDG_DATA_HOME/Trash; one on another mount to that
// mount's "$topdir/.Trash/$uid" (when ".Trash" is a sticky folder, not a link) or
// "$topdir/.Trash-$uid". The item is only ever renamed into place: when that cannot be done
// (no trash on its file system), nothing is copied or deleted and the result is false.
// trashedAs receives the item's name in the trash folder's "files/".
bool MoveToTrash(const TShellEnvironment& env, const std::string& path,
                 std::string* trashedAs = nullptr);
