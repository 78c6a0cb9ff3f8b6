#include "lib/dialogs/bsFilePaths.h"

#include "platform/gfx/TCanvas.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/InOutError.h"

#include <algorithm>
#include <cerrno>

namespace {

constexpr const char* kCut = ".../";

// Replaces the first folder of dir (ending in '/') by "...", or drops dir once only "..." or
// the root is left.
void CutFirstFolder(std::string& dir) {
    if (dir == "/") {
        dir.clear();
        return;
    }
    const bool rooted = !dir.empty() && dir.front() == '/';
    if (rooted) dir.erase(0, 1);
    if (!dir.empty() && dir.front() == '.') dir.erase(0, 4);
    const std::size_t slash = dir.find('/');
    if (slash == std::string::npos) {
        dir.clear();
    } else {
        dir.erase(0, slash + 1);
        dir.insert(0, kCut);
    }
    if (rooted) dir.insert(0, "/");
}

bool HasWildcards(const std::string& text) {
    return text.find_first_of("*?") != std::string::npos;
}

} // namespace

std::string AppendPathPart(const std::string& path, const std::string& part) {
    return !path.empty() && path.back() == PathDelim ? path + part : path + PathDelim + part;
}

int DirLevel(const std::string& path) {
    return int(std::count(path.begin(), path.end(), PathDelim));
}

std::string ShortenPathToWidth(const std::string& fileName, TCanvas& canvas, int maxWidth) {
    std::string dir = ExtractFilePath(fileName);
    const std::string name = ExtractFileName(fileName);
    std::string result = fileName;
    while (!dir.empty() && canvas.TextWidth(result) > maxWidth) {
        if (dir == "/.../")
            dir = kCut;
        else
            CutFirstFolder(dir);
        result = dir + name;
    }
    return result;
}

TbsDirAndFile SplitDirAndFile(const std::string& editText, const std::string& folder) {
    std::string dirPart = editText;
    if (dirPart.size() >= 2 && dirPart.front() == '[' && dirPart.back() == ']')
        dirPart = dirPart.substr(1, dirPart.size() - 2);
    TbsDirAndFile split;
    split.FilePart = ExtractFileName(dirPart);
    if (dirPart.size() == split.FilePart.size() + 1)
        dirPart = "/";
    else if (dirPart.size() > split.FilePart.size())
        dirPart.resize(dirPart.size() - split.FilePart.size() - 1);
    else
        dirPart = folder;
    split.DirPart = ExistingFolder(dirPart, folder);
    if (!split.FilePart.empty() && !HasWildcards(split.FilePart) &&
        !FileExists(AppendPathPart(split.DirPart, split.FilePart))) {
        split.DirPart = ExistingFolder(split.FilePart, split.DirPart);
        split.FilePart.clear();
    }
    return split;
}

std::string ExistingFolder(const std::string& path, const std::string& folder) {
    const std::string absolute = ExcludeTrailingPathDelimiter(
        ExpandFileName(path.starts_with('/') ? path : AppendPathPart(folder, path)));
    if (!DirectoryExists(absolute)) throw EInOutError(ENOENT);
    return absolute;
}
