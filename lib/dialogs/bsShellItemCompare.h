#pragma once
#include "lib/dialogs/TbsShellFolder.h"
#include "platform/rtl/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

// What the size and time columns compare: size 0 and no time for an entry that has gone.
struct TbsShellItemFacts {
    std::int64_t Size{ 0 };
    std::optional<TDateTime> WriteTime;
};

// How the file list is being sorted: plain (folders first, then the folder's own order) after
// every listing, or by a clicked report column.
struct TbsShellSort {
    bool ColumnSortActive{ false };
    // The folder the list shows; details are loaded relative to it.
    TbsShellFolder* SortRootFolder{ nullptr };
    int Column{ 0 };
    bool Descending{ false };
    win::HWND ViewHandle{};
    // The facts read from disk so far by the sort this describes: each entry is looked at
    // once per sort, not once per comparison it takes part in.
    mutable std::unordered_map<const TbsShellFolder*, TbsShellItemFacts> Facts;
};

// Negative when a comes first. Folders come before files, then the parent folder's order; in
// column mode by name, size, type text or modification time, the whole result negated when
// descending. Items whose entry has gone sort as size 0 with no time, and nothing raises.
int CompareShellItems(TbsShellFolder* a, TbsShellFolder* b, const TbsShellSort& sort = {});

// The details of an item whose entry may have gone since it was listed: empty texts, size 0
// and no time then, instead of an error.
void LoadDetailsQuietly(TbsShellFolder& item, TbsShellFolder* rootFolder, win::HWND view,
                        int columnCount);
std::string DetailTextOrEmpty(const TbsShellFolder& item, int k);
