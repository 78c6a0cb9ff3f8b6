#include "platform/shell/IconTheme.h"

#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TMemIniFile.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <fstream>
#include <sys/stat.h>

namespace {

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string item = Trim(text.substr(start, end - start));
        if (!item.empty()) items.push_back(item);
        start = end + 1;
    }
    return items;
}

bool IsFile(const std::string& name) {
    struct stat info {};
    return ::stat(name.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The "gtk-icon-theme-name" of the [Settings] group, or "".
std::string GtkIconThemeName(const std::string& settingsFile) {
    std::ifstream file(settingsFile);
    std::string line;
    bool inSettings = false;
    std::string name;
    while (std::getline(file, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == '#' || text[0] == ';') continue;
        if (text[0] == '[') {
            inSettings = text == "[Settings]";
            continue;
        }
        const std::size_t equals = text.find('=');
        if (inSettings && equals != std::string::npos &&
            Trim(text.substr(0, equals)) == "gtk-icon-theme-name")
            name = Trim(text.substr(equals + 1));
    }
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
        name = name.substr(1, name.size() - 2);
    return name;
}

} // namespace

// One theme's index: the folders of its icons with the sizes they serve.
struct TIconTheme::TTheme {
    struct TFolder {
        std::string Name;
        int Size{ 0 };
        int MinSize{ 0 };
        int MaxSize{ 0 };
        int Threshold{ 2 };
        std::string Type{ "Threshold" };
        int Scale{ 1 };

        bool Serves(int size) const {
            if (Scale != 1) return false;
            if (Type == "Fixed") return Size == size;
            if (Type == "Scalable") return MinSize <= size && size <= MaxSize;
            return Size - Threshold <= size && size <= Size + Threshold;
        }
    };
    std::vector<std::string> Roots; // every <theme folder>/<name> that exists
    std::vector<std::string> Inherits;
    std::vector<TFolder> Folders;
};

TIconTheme::TIconTheme(std::vector<std::string> themeFolders, std::string themeName)
    : FThemeFolders(std::move(themeFolders)) {
    BuildChain(themeName);
    if (std::find(FChain.begin(), FChain.end(), "hicolor") == FChain.end()) BuildChain("hicolor");
}

TIconTheme::~TIconTheme() = default;

std::unique_ptr<TIconTheme> TIconTheme::FromEnvironment(const TShellEnvironment& env) {
    std::vector<std::string> folders{ env.Home + "/.icons" };
    for (const std::string& data : env.DataSearchPath())
        folders.push_back(data + "/icons");
    std::string name = GtkIconThemeName(env.ConfigHome + "/gtk-3.0/settings.ini");
    if (name.empty()) name = "Adwaita";
    return std::make_unique<TIconTheme>(std::move(folders), name);
}

void TIconTheme::BuildChain(const std::string& name) {
    if (std::find(FChain.begin(), FChain.end(), name) != FChain.end()) return;
    const TTheme* theme = ThemeNamed(name);
    if (!theme) return;
    FChain.push_back(name);
    for (const std::string& parent : theme->Inherits)
        BuildChain(parent);
}

const TIconTheme::TTheme* TIconTheme::ThemeNamed(const std::string& name) const {
    if (auto found = FThemes.find(name); found != FThemes.end()) return found->second.get();
    auto theme = std::make_unique<TTheme>();
    std::string indexFile;
    for (const std::string& folder : FThemeFolders) {
        const std::string root = folder + "/" + name;
        if (!DirectoryExists(root)) continue;
        theme->Roots.push_back(root);
        if (indexFile.empty() && IsFile(root + "/index.theme")) indexFile = root + "/index.theme";
    }
    if (indexFile.empty() || name.empty() || name.find('/') != std::string::npos) {
        FThemes.emplace(name, nullptr);
        return nullptr;
    }
    try {
        TMemIniFile index(indexFile);
        const std::string group = "Icon Theme";
        theme->Inherits = SplitList(index.ReadString(group, "Inherits", ""));
        for (const std::string& folderName :
             SplitList(index.ReadString(group, "Directories", ""))) {
            TTheme::TFolder folder;
            folder.Name = folderName;
            folder.Size = index.ReadInteger(folderName, "Size", 0);
            folder.Scale = index.ReadInteger(folderName, "Scale", 1);
            folder.Type = index.ReadString(folderName, "Type", "Threshold");
            folder.MinSize = index.ReadInteger(folderName, "MinSize", folder.Size);
            folder.MaxSize = index.ReadInteger(folderName, "MaxSize", folder.Size);
            folder.Threshold = index.ReadInteger(folderName, "Threshold", 2);
            if (folder.Size > 0) theme->Folders.push_back(std::move(folder));
        }
    } catch (const std::exception&) {
        // An index that cannot be read makes no theme; the chain goes on without it.
        FThemes.emplace(name, nullptr);
        return nullptr;
    }
    return FThemes.emplace(name, std::move(theme)).first->second.get();
}

std::string TIconTheme::FindIcon(const std::string& name, int size) const {
    if (name.empty() || name.find('/') != std::string::npos) return std::string();
    const auto key = std::make_pair(name, size);
    if (auto found = FFound.find(key); found != FFound.end()) return found->second;
    std::string file;
    for (const std::string& themeName : FChain) {
        const TTheme* theme = ThemeNamed(themeName);
        for (const TTheme::TFolder& folder : theme->Folders) {
            if (!folder.Serves(size)) continue;
            for (const std::string& root : theme->Roots) {
                const std::string candidate = root + "/" + folder.Name + "/" + name + ".png";
                if (IsFile(candidate)) {
                    file = candidate;
                    break;
                }
            }
            if (!file.empty()) break;
        }
        if (!file.empty()) break;
    }
    FFound.emplace(key, file);
    return file;
}
