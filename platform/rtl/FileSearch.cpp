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

// A bracketed set at mask ("[abc]", "[a-z]", "[!0-9]"): whether it takes the character at name,
// and where the mask goes on after it. Without a closing ']' the '[' is an ordinary letter.
struct TSetMatch {
    bool IsSet{ false };
    bool Matches{ false };
    const char* Next{ nullptr };
};

TSetMatch MatchSet(const char* mask, const char* maskEnd, const char* name, const char* nameEnd) {
    if (*mask != '[') return {};
    const char* p = mask + 1;
    const bool negated = p < maskEnd && *p == '!';
    if (negated) ++p;
    const char* const first = p;
    // A ']' right after the opening (or the '!') belongs to the set.
    while (p < maskEnd && (*p != ']' || p == first))
        ++p;
    if (p >= maskEnd) return {};
    const char c = FoldCase(*name);
    const bool single =
        SequenceLength(static_cast<unsigned char>(*name)) == 1 || std::size_t(nameEnd - name) < 2;
    bool inSet = false;
    for (const char* q = first; q < p; ++q) {
        if (q + 2 < p && q[1] == '-') {
            const char low = FoldCase(q[0]);
            const char high = FoldCase(q[2]);
            inSet = inSet || (single && c >= low && c <= high);
            q += 2;
        } else {
            inSet = inSet || (single && c == FoldCase(*q));
        }
    }
    return { true, inSet != negated, p + 1 };
}

std::size_t CharLength(const char* name, const char* nameEnd) {
    return std::min<std::size_t>(SequenceLength(static_cast<unsigned char>(*name)),
                                 std::size_t(nameEnd - name));
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
        // Where the mask goes on when it takes the name's next character (null when it doesn't),
        // and how many bytes of the name it took: wildcards and sets take a whole character.
        const char* next = nullptr;
        std::size_t taken = 1;
        if (mask < maskEnd) {
            if (*mask == '?') {
                next = mask + 1;
                taken = CharLength(name, nameEnd);
            } else if (const TSetMatch set = MatchSet(mask, maskEnd, name, nameEnd); set.IsSet) {
                next = set.Matches ? set.Next : nullptr;
                taken = CharLength(name, nameEnd);
            } else if (FoldCase(*mask) == FoldCase(*name)) {
                next = mask + 1;
            }
        }
        if (next) {
            mask = next;
            name += taken;
            continue;
        }
        if (!starMask) return false;
        mask = starMask;
        starName += CharLength(starName, nameEnd);
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
