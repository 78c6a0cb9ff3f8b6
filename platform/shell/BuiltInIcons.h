#pragma once
#include "platform/gfx/Surface.h"

// The pictures that stand in when no icon theme has an icon for an item: one per role, drawn
// at any multiple of 16 pixels with alpha.
enum TShellIconRole {
    irFile, // the generic file: always image 0 of the system image lists
    irFolder,
    irFolderOpen,
    irHome,
    irComputer,
    irDrive,
    irRemovable,
    irDesktop,
};

constexpr int kShellIconRoleCount = irDesktop + 1;

gfx::Surface BuiltInIcon(TShellIconRole role, int size);
