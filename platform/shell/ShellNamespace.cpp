#include "platform/shell/ShellNamespace.h"

#include "platform/shell/DesktopFolder.h"
#include "platform/shell/MimeGlobs.h"
#include "platform/shell/MimeIcons.h"
#include "platform/shell/MountTable.h"
#include "platform/shell/ShellPaths.h"
#include "platform/shell/SystemIcons.h"
#include "platform/shell/UserDirs.h"

#include <mutex>

namespace {

std::mutex g_spaceLock;
std::shared_ptr<TShellNamespace> g_space;

} // namespace

TShellNamespace::TShellNamespace(TShellEnvironment env) : FEnvironment(std::move(env)) {}

TShellNamespace::~TShellNamespace() = default;

std::shared_ptr<IShellFolder> TShellNamespace::DesktopFolder() const {
    return std::make_shared<TDesktopFolder>(shared_from_this());
}

std::optional<TItemIdList> TShellNamespace::ParsePath(const std::string& path) const {
    if (path.empty() || path[0] != '/') return std::nullopt;
    const auto components = NormalisedComponents(path);
    if (!components) return std::nullopt;
    std::optional<TItemIdList> entries = EntriesBelow("/", *components);
    if (!entries) return std::nullopt;
    TItemIdList list{ { ikComputer, "" }, { ikVolume, "/" } };
    list.insert(list.end(), entries->begin(), entries->end());
    return list;
}

std::string TShellNamespace::PathOfIdList(const TItemIdList& absolute) const {
    if (absolute.empty()) return std::string();
    std::string path;
    std::size_t next = 1;
    if (absolute[0].Kind == ikHome) {
        path = FEnvironment.Home;
    } else if (absolute[0].Kind == ikComputer && absolute.size() > 1 &&
               absolute[1].Kind == ikVolume) {
        path = absolute[1].Name;
        next = 2;
    } else {
        return std::string();
    }
    for (std::size_t i = next; i < absolute.size(); ++i)
        path = JoinPath(path, absolute[i].Name);
    return path;
}

std::optional<TItemIdList> TShellNamespace::SpecialFolderLocation(TSpecialFolder folder) const {
    switch (folder) {
    case sfDesktop:
        return TItemIdList{};
    case sfComputer:
        return TItemIdList{ { ikComputer, "" } };
    case sfHome:
        return TItemIdList{ { ikHome, "" } };
    case sfDesktopDirectory:
        return ParsePath(UserDirectory(FEnvironment, "DESKTOP"));
    case sfTemplates:
        return ParsePath(UserDirectory(FEnvironment, "TEMPLATES"));
    case sfAppData:
        return ParsePath(FEnvironment.ConfigHome);
    }
    return std::nullopt;
}

std::vector<std::string> TShellNamespace::MountPoints() const {
    std::vector<std::string> points{ "/" };
    for (std::string& point :
         UserMountPoints(ReadMountTable(FEnvironment.MountTable), FEnvironment.UserName))
        points.push_back(std::move(point));
    return points;
}

std::string TShellNamespace::TypeOfName(std::string_view name) const {
    if (!FGlobs)
        FGlobs = std::make_unique<TMimeGlobs>(TMimeGlobs::Load(FEnvironment.DataSearchPath()));
    return FGlobs->TypeOfName(name);
}

TSystemIcons& TShellNamespace::Icons() const {
    if (!FIcons) FIcons = std::make_unique<TSystemIcons>(TIconTheme::FromEnvironment(FEnvironment));
    return *FIcons;
}

int TShellNamespace::FileIconIndex(const std::string& name) const {
    const std::string type = TypeOfName(name);
    if (type.empty()) return Icons().IndexOf({}, irFile);
    if (auto found = FIconOfType.find(type); found != FIconOfType.end()) return found->second;
    if (!FMimeIcons)
        FMimeIcons = std::make_unique<TMimeIcons>(TMimeIcons::Load(FEnvironment.DataSearchPath()));
    std::vector<std::string> names = FMimeIcons->IconNamesOf(type);
    names.push_back(kGenericFileIcon);
    const int index = Icons().IndexOf(names, irFile);
    FIconOfType.emplace(type, index);
    return index;
}

int TShellNamespace::IconIndexOf(const TItemIdList& absolute, bool open) const {
    if (absolute.empty()) return Icons().IndexOf({ "user-desktop" }, irDesktop);
    const TShellItemId& last = absolute.back();
    switch (last.Kind) {
    case ikHome:
        return Icons().IndexOf({ "user-home" }, irHome);
    case ikComputer:
        return Icons().IndexOf({ "computer" }, irComputer);
    case ikVolume:
        if (IsRemovableMountPoint(last.Name))
            return Icons().IndexOf({ "drive-removable-media" }, irRemovable);
        return Icons().IndexOf({ "drive-harddisk" }, irDrive);
    case ikFolder:
        if (open) return Icons().IndexOf({ "folder-open", "folder" }, irFolderOpen);
        return Icons().IndexOf({ "folder" }, irFolder);
    case ikFile:
        break;
    }
    return FileIconIndex(last.Name);
}

TSystemImageList& TShellNamespace::SystemImageList(bool large) const {
    return large ? Icons().LargeImages() : Icons().SmallImages();
}

int TShellNamespace::IconFilesRead() const {
    return FIcons ? FIcons->IconFilesRead() : 0;
}

std::shared_ptr<TShellNamespace> ShellNamespace() {
    std::lock_guard lock(g_spaceLock);
    if (!g_space) g_space = std::make_shared<TShellNamespace>(TShellEnvironment::FromProcess());
    return g_space;
}

std::shared_ptr<TShellNamespace> SetShellNamespace(std::shared_ptr<TShellNamespace> space) {
    std::lock_guard lock(g_spaceLock);
    std::swap(g_space, space);
    return space;
}
