#pragma once
#include <string>
#include <vector>

// Where an item lives in the shell namespace. The desktop is the empty list; below it Home
// (the user's home folder) and Computer; below Computer the mounted file systems, "/" first;
// below every file-system folder its entries, each a folder or a file.
enum TShellItemKind {
    ikHome,
    ikComputer,
    // A mount point; its name is the whole path ("/" for the root file system).
    ikVolume,
    // A directory entry that is a folder once links are followed.
    ikFolder,
    // Any other directory entry, a broken link included.
    ikFile,
};

// One step of an id list. An entry's name keeps the bytes the file system gave, whatever the
// encoding, so the id still finds the file when the name is not valid UTF-8. Whether an entry
// is a folder travels in the id, as the kind, so that sorting and listing need no second look
// at the disk.
struct TShellItemId {
    TShellItemKind Kind{ ikFile };
    std::string Name;

    bool operator==(const TShellItemId&) const = default;
    bool IsFolder() const { return Kind != ikFile; }
};

// A run of ids from a folder down to an item: relative to a folder, or absolute from the
// desktop (the empty list).
using TItemIdList = std::vector<TShellItemId>;
