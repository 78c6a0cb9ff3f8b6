#pragma once
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// What a directory search tells of one entry: what the detail columns of the file list show.
struct TShellFindData {
    std::string Name; // the entry's own name, no folder
    std::int64_t Size{ 0 };
    // faDirectory for a folder, else faArchive; faReadOnly when its owner may not write it,
    // faHidden for a name starting with '.' (FileSearch.h).
    int Attributes{ 0 };
    std::time_t WriteTime{ 0 };
    // The permission bits of the mode (0755).
    std::uint32_t Permissions{ 0 };

    bool IsDirectory() const;
};

// The entry at path, links followed; a broken link tells of the link itself. None when there
// is no entry, with the system's error number in error.
std::optional<TShellFindData> ReadShellFindData(const std::string& path, int* error = nullptr);
