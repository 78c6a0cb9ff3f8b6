#pragma once
#include "platform/shell/ShellEnvironment.h"
#include <string>

// A well-known folder of the user as $XDG_CONFIG_HOME/user-dirs.dirs names it: key is the part
// between "XDG_" and "_DIR" ("DESKTOP", "TEMPLATES"). A folder the file does not name, or names
// in a form it may not use, falls back as the convention says: the desktop to ~/Desktop, every
// other folder to the home folder itself. No trailing '/'.
std::string UserDirectory(const TShellEnvironment& env, const std::string& key);
