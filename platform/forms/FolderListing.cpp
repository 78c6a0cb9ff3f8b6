#include "platform/forms/FolderListing.h"
#include "platform/forms/FileFilter.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include <algorithm>

namespace {

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

} // namespace

std::vector<TSearchRec> ListFolder(const std::string& folder, const std::vector<std::string>& masks,
                                   bool foldersOnly) {
    std::vector<TSearchRec> folders;
    std::vector<TSearchRec> files;
    for (TSearchRec& entry :
         FindFiles(IncludeTrailingPathDelimiter(folder) + "*", faAnyFile & ~faHidden)) {
        if (entry.Name.empty() || entry.Name[0] == '.') continue;
        if (entry.IsDirectory())
            folders.push_back(std::move(entry));
        else if (!foldersOnly && MatchesAnyMask(entry.Name, masks))
            files.push_back(std::move(entry));
    }
    const auto byName = [](const TSearchRec& a, const TSearchRec& b) {
        const std::string la = Lower(a.Name);
        const std::string lb = Lower(b.Name);
        return la != lb ? la < lb : a.Name < b.Name;
    };
    std::sort(folders.begin(), folders.end(), byName);
    std::sort(files.begin(), files.end(), byName);
    folders.insert(folders.end(), std::make_move_iterator(files.begin()),
                   std::make_move_iterator(files.end()));
    return folders;
}

std::string ResolveTypedName(const std::string& folder, const std::string& text) {
    if (text.empty()) return {};
    if (text == "~" || text.starts_with("~/"))
        return ExpandFileName(HomeFolder() + (text.size() > 2 ? text.substr(2) : std::string()));
    if (text.front() == PathDelim) return ExpandFileName(text);
    return ExpandFileName(IncludeTrailingPathDelimiter(folder) + text);
}

std::string ExistingFolderOrHome(const std::string& folder) {
    if (!folder.empty() && DirectoryExists(folder))
        return IncludeTrailingPathDelimiter(ExpandFileName(folder));
    if (DirectoryExists(HomeFolder())) return IncludeTrailingPathDelimiter(HomeFolder());
    return "/";
}
