#pragma once
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

// Attribute bits of a found entry. Linux has no system or archive bits: every regular file
// carries faArchive, names starting with '.' count as hidden, and a file its owner may not
// write counts as read-only.
enum : int {
    faReadOnly = 0x01,
    faHidden = 0x02,
    faSysFile = 0x04,
    faDirectory = 0x10,
    faArchive = 0x20,
    faNormal = 0x80,
    faSymLink = 0x400,
    faAnyFile = 0x1FF,
};

struct TSearchRec {
    std::string Name; // the entry's own name, no folder
    std::int64_t Size{ 0 };
    int Attr{ 0 };
    std::time_t Time{ 0 }; // last modification
    bool IsDirectory() const { return (Attr & faDirectory) != 0; }
};

// Windows-style name mask: '*' is any run of characters, '?' exactly one character (a whole
// UTF-8 sequence), "[set]" one character of the set (ranges "a-z", a leading '!' negates; an
// unclosed '[' is a letter), letters compare without case; "*.*" matches every name, dotted
// or not.
bool MatchesMask(const std::string& name, const std::string& mask);

// The entries of a folder whose names match a mask, given as one text like "/data/*.vob" (a
// name without '/' searches the current folder). Folders and hidden entries are included only
// when attr asks for faDirectory / faHidden, as the class library's search does; "." and ".."
// are never listed. Sorted by name; empty when the folder cannot be read.
std::vector<TSearchRec> FindFiles(const std::string& pathAndMask, int attr = faAnyFile);
