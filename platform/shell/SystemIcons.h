#pragma once
#include "platform/shell/BuiltInIcons.h"
#include "platform/shell/IconTheme.h"
#include "platform/shell/SystemImageList.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

// The shell's two image lists, 16 and 32 pixels, where one index names the same icon in
// both. An icon enters them the first time it is asked for, and each icon file is read once.
// Image 0 is the generic file.
class TSystemIcons {
public:
    explicit TSystemIcons(std::unique_ptr<TIconTheme> theme);
    ~TSystemIcons();

    TSystemImageList& SmallImages() { return *FSmall; }
    TSystemImageList& LargeImages() { return *FLarge; }

    // The index of the first of names that the theme has at either size; when it has none,
    // the built-in picture of role.
    int IndexOf(const std::vector<std::string>& names, TShellIconRole role);

    // How many icon files have been read so far.
    int IconFilesRead() const { return FFilesRead; }

private:
    // The icon's picture at size from its file; empty when the file cannot be used.
    gfx::Surface ReadIcon(const std::string& fileName, int size);
    int AddPictures(gfx::Surface small, gfx::Surface large);

    std::unique_ptr<TIconTheme> FTheme;
    std::unique_ptr<TSystemImageList> FSmall;
    std::unique_ptr<TSystemImageList> FLarge;
    std::unordered_map<std::string, int> FByName; // -1: no theme has it
    std::array<int, kShellIconRoleCount> FByRole;
    int FFilesRead{ 0 };
};

// The icon name of the generic file, the one every file falls back to.
inline constexpr const char* kGenericFileIcon = "application-x-generic";
