#include "platform/shell/MimeIcons.h"

#include "platform/rtl/TextUtils.h"
#include "platform/shell/ShellPaths.h"

#include <sstream>

TMimeIcons TMimeIcons::Load(const std::vector<std::string>& dataFolders) {
    TMimeIcons icons;
    for (const std::string& folder : dataFolders) {
        icons.AddIcons(ReadFileText(folder + "/mime/icons"));
        icons.AddGenericIcons(ReadFileText(folder + "/mime/generic-icons"));
    }
    return icons;
}

void TMimeIcons::AddLines(const std::string& text,
                          std::unordered_map<std::string, std::string>& to) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == line.size()) continue;
        to.emplace(line.substr(0, colon), line.substr(colon + 1));
    }
}

void TMimeIcons::AddIcons(const std::string& text) {
    AddLines(text, FIcons);
}

void TMimeIcons::AddGenericIcons(const std::string& text) {
    AddLines(text, FGenericIcons);
}

std::vector<std::string> TMimeIcons::IconNamesOf(const std::string& type) const {
    const std::size_t slash = type.find('/');
    if (type.empty() || slash == std::string::npos) return {};
    std::vector<std::string> names;
    if (auto own = FIcons.find(type); own != FIcons.end())
        names.push_back(own->second);
    else
        names.push_back(StringReplace(type, "/", "-", rfReplaceAll));
    if (auto generic = FGenericIcons.find(type); generic != FGenericIcons.end())
        names.push_back(generic->second);
    else
        names.push_back(type.substr(0, slash) + "-x-generic");
    return names;
}
