#pragma once
#include "platform/rtl/DateTime.h"
#include "platform/shell/ShellFindData.h"

#include <cstdint>
#include <string>

// The detail columns of a file-system item, from what a directory search tells of it.

// The size in bytes; -1 for a folder.
std::int64_t FindDataSize(const TShellFindData& data);
// The last write as a local date and time in two-second steps; -1.0 for a folder and for a
// time the two-second form cannot hold (before 1980 or after 2107).
TDateTime FindDataModified(const TShellFindData& data);
// The same for folders too.
TDateTime FindDataWriteTime(const TShellFindData& data);
// Column k: 1 size, 2 extension with its dot, 3 modification time, 4 the attribute word in
// decimal; "" for any other k.
std::string FindDataColumnText(const TShellFindData& data, int k);
