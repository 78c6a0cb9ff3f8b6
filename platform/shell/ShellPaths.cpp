#include "platform/shell/ShellPaths.h"

#include "platform/gfx/Utf8.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

std::optional<std::vector<std::string>> NormalisedComponents(std::string_view path) {
    const bool absolute = !path.empty() && path[0] == '/';
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view part = path.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!components.empty())
                components.pop_back();
            else if (!absolute)
                return std::nullopt;
            continue;
        }
        components.emplace_back(part);
    }
    return components;
}

std::optional<TItemIdList> EntriesBelow(const std::string& folder,
                                        const std::vector<std::string>& components) {
    TItemIdList entries;
    std::string path = folder;
    for (std::size_t i = 0; i < components.size(); ++i) {
        path = JoinPath(path, components[i]);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) return std::nullopt;
        bool isFolder = S_ISDIR(info.st_mode);
        if (S_ISLNK(info.st_mode)) {
            struct stat target {};
            isFolder = ::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode);
        }
        if (!isFolder && i + 1 < components.size()) return std::nullopt;
        entries.push_back({ isFolder ? ikFolder : ikFile, components[i] });
    }
    return entries;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string ReadFileText(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream text;
    if (file) text << file.rdbuf();
    return text.str();
}

std::string DisplayText(std::string_view bytes) {
    if (ShowsAsStored(bytes)) return std::string(bytes);
    return gfx::EncodeUtf8(gfx::DecodeUtf8(bytes));
}

bool ShowsAsStored(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
