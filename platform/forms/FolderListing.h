#pragma once
#include "platform/rtl/FileSearch.h"
#include <string>
#include <vector>

// What a file dialog shows of a folder: its folders first, then the files that match one of
// the masks (all files for no masks), each group in name order regardless of case. Names
// starting with '.' are hidden. A folder that cannot be read lists nothing.
std::vector<TSearchRec> ListFolder(const std::string& folder, const std::vector<std::string>& masks,
                                   bool foldersOnly);

// The absolute name a user means by typing text while looking at folder: a name starting with
// '/' stands for itself, "~" for the home folder, anything else is taken inside folder; "."
// and ".." are folded. Empty text gives "".
std::string ResolveTypedName(const std::string& folder, const std::string& text);

// The folder to open first: folder itself when it exists, else the home folder, else "/".
// The result ends in '/'.
std::string ExistingFolderOrHome(const std::string& folder);
