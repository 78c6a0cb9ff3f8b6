#pragma once
#include "platform/shell/ShellEnvironment.h"
#include "platform/shell/ShellFolder.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TMimeGlobs;
class TMimeIcons;
class TSystemIcons;
class TSystemImageList;

// The well-known folders the namespace can find.
enum TSpecialFolder {
    sfDesktop,
    sfComputer,
    sfHome,
    // The user's desktop and templates folders (user-dirs.dirs), and the settings folder
    // ($XDG_CONFIG_HOME).
    sfDesktopDirectory,
    sfTemplates,
    sfAppData,
};

// The file system seen as the shell namespace: a desktop holding Home and Computer, Computer
// holding "/" and the mounted file systems, file-system folders below. Everything it reads
// comes from its environment, so a test runs it on a tree of its own.
class TShellNamespace : public std::enable_shared_from_this<TShellNamespace> {
public:
    // Always made through std::make_shared: folders keep their namespace alive.
    explicit TShellNamespace(TShellEnvironment env);
    ~TShellNamespace();

    const TShellEnvironment& Environment() const { return FEnvironment; }

    std::shared_ptr<IShellFolder> DesktopFolder() const;

    // The absolute list [Computer, "/", entries...] of an absolute path, folded lexically
    // ("." and ".." and doubled '/'), every step checked to exist; none otherwise.
    std::optional<TItemIdList> ParsePath(const std::string& path) const;
    // The file-system path of an absolute list; "" for the desktop and Computer.
    std::string PathOfIdList(const TItemIdList& absolute) const;
    // A special folder's absolute list; none when it does not exist.
    std::optional<TItemIdList> SpecialFolderLocation(TSpecialFolder folder) const;

    // The user's mount points, read afresh from the mount table.
    std::vector<std::string> MountPoints() const;

    // The MIME type of a file name; "" when the database has no rule for it.
    std::string TypeOfName(std::string_view name) const;
    // The icon of an item in the system image lists; folders may show open.
    int IconIndexOf(const TItemIdList& absolute, bool open) const;
    TSystemImageList& SystemImageList(bool large) const;
    int IconFilesRead() const;

    // The parsing names of the two folders that are no file-system folders.
    static constexpr const char* kDesktopClassName = "::{7A1B6E20-3C4D-4E5F-8A9B-0C1D2E3F4A50}";
    static constexpr const char* kComputerClassName = "::{7A1B6E21-3C4D-4E5F-8A9B-0C1D2E3F4A50}";

private:
    int FileIconIndex(const std::string& name) const;
    TSystemIcons& Icons() const;

    TShellEnvironment FEnvironment;
    mutable std::unique_ptr<TMimeGlobs> FGlobs;
    mutable std::unique_ptr<TMimeIcons> FMimeIcons;
    mutable std::unique_ptr<TSystemIcons> FIcons;
    mutable std::unordered_map<std::string, int> FIconOfType;
};

// The process's namespace, made from its environment on first use.
std::shared_ptr<TShellNamespace> ShellNamespace();
// Puts space in place (null: the process's own again, made afresh); returns the one replaced.
std::shared_ptr<TShellNamespace> SetShellNamespace(std::shared_ptr<TShellNamespace> space);
