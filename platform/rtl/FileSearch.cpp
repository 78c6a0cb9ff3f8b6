#include "platform/rtl/FileSearch.h"

#include "platform/rtl/FilePath.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Length of the UTF-8 sequence that starts with this byte (1 for stray continuation bytes, so
// a broken name still advances).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool Match(const char* name, const char* nameEnd, const char* mask, const char* maskEnd) {
    // Iterative wildcard match with one backtrack point: linear in practice, no recursion depth
    // to exhaust on long masks.
    const char* starMask = nullptr;
    const char* starName = nullptr;
    while (name < nameEnd) {
        if (mask < maskEnd && *mask == '*') {
            starMask = ++mask;
            starName = name;
            continue;
        }
        if (mask < maskEnd && *mask == '?') {
            name += std::min<std::size_t>(SequenceLength(static_cast<unsigned char>(*name)),
                                          std::size_t(nameEnd - name));
            ++mask;
            continue;
        }
        if (mask < maskEnd && FoldCase(*mask) == FoldCase(*name)) {
            ++mask;
            ++name;
            continue;
        }
        if (!starMask) return false;
        mask = starMask;
        starName += std::min<std::size_t>(SequenceLength(static_cast<unsigned char>(*starName)),
                                          std::size_t(nameEnd - starName));
        name = starName;
    }
    while (mask < maskEnd && *mask == '*')
        ++mask;
    return mask == maskEnd;
}

struct DirClose {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using DirPtr = std::unique_ptr<DIR, DirClose>;

int AttributesOf(const std::string& name, const struct stat& info, bool isLink) {
    int attr = 0;
    if (S_ISDIR(info.st_mode))
        attr |= faDirectory;
    else
        attr |= faArchive;
    if (!name.empty() && name.front() == '.') attr |= faHidden;
    if ((info.st_mode & S_IWUSR) == 0) attr |= faReadOnly;
    if (isLink) attr |= faSymLink;
    return attr;
}

} // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    if (mask == "*.*") return true;
    return Match(name.data(), name.data() + name.size(), mask.data(), mask.data() + mask.size());
}

std::vector<TSearchRec> FindFiles(const std::string& pathAndMask, int attr) {
    std::string folder = ExtractFilePath(pathAndMask);
    const std::string mask = ExtractFileName(pathAndMask);
    if (folder.empty()) folder = "./";

    std::vector<TSearchRec> found;
    DirPtr dir(::opendir(folder.c_str()));
    if (!dir) return found;
    const int dirFd = ::dirfd(dir.get());
    const int excluded = ~attr & (faHidden | faSysFile | faDirectory);
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !MatchesMask(name, mask)) continue;
        struct stat linkInfo {};
        if (::fstatat(dirFd, entry->d_name, &linkInfo, AT_SYMLINK_NOFOLLOW) != 0) continue;
        const bool isLink = S_ISLNK(linkInfo.st_mode);
        struct stat info = linkInfo;
        // A link reports what it points at; a dangling one reports itself.
        if (isLink) ::fstatat(dirFd, entry->d_name, &info, 0);
        TSearchRec rec;
        rec.Name = name;
        rec.Attr = AttributesOf(name, info, isLink);
        if (rec.Attr & excluded) continue;
        rec.Size = S_ISDIR(info.st_mode) ? 0 : std::int64_t(info.st_size);
        rec.Time = info.st_mtime;
        found.push_back(std::move(rec));
    }
    std::sort(found.begin(), found.end(),
              [](const TSearchRec& a, const TSearchRec& b) { return a.Name < b.Name; });
    return found;
}
