#pragma once
#include "platform/win/WinDefs.h"
#include "platform/win/WindowStyles.h"
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// How a watched program ended, told on the GUI thread: whether it succeeded and, when it did not,
// why, in its own words (the last line it wrote to its error output) or else by its exit.
using TLaunchEnded = std::function<void(bool succeeded, const std::string& reason)>;

// What the desktop does for the program: opening a file, folder or link with the user's chosen
// application, playing a sound, powering the computer off. Each is a separate program started
// directly (never through a command interpreter, so no name is ever parsed as a command) and
// left to run on its own.
class TShellLauncher {
public:
    virtual ~TShellLauncher() = default;
    // Starts argv[0] found on PATH with argv; false when it could not be started.
    virtual bool Launch(const std::vector<std::string>& argv);
    // The same, with workingFolder as the program's current folder; the program's own current
    // folder never changes, since other threads may be using it. A launcher that stands in
    // for this one overrides all three.
    virtual bool LaunchIn(const std::string& workingFolder, const std::vector<std::string>& argv);
    // Starts argv like Launch and watches it to its end; ended runs on the GUI thread once,
    // also when argv cannot be started at all.
    virtual void LaunchWatched(const std::vector<std::string>& argv, TLaunchEnded ended);
};

// The launcher in use; tests put a recording one in place.
TShellLauncher& ShellLauncher();
// Installs launcher (nullptr: the real one again); returns the one it replaces.
std::unique_ptr<TShellLauncher> SetShellLauncher(std::unique_ptr<TShellLauncher> launcher);

// "xdg-open target": a file, a folder, a web address or a "mailto:" link.
bool ShellOpen(const std::string& target);
// The same, started in workingFolder (the folder of a file the user opens, so the program
// opening it starts there).
bool ShellOpenIn(const std::string& target, const std::string& workingFolder);
// The same, watched: ended tells whether the target opened, and else why not.
void ShellOpenWatched(const std::string& target, TLaunchEnded ended);
// Plays a sound file with the first player found ("paplay", then "aplay").
bool ShellPlaySound(const std::string& fileName);
// Asks the system to power off the way a user would, letting programs save their work.
bool ShellPowerOff();

namespace win {
// Opens file the way the shell would; verb, parameters and folder are ignored, as the program
// passes none. Returns a value above 32 on success.
std::intptr_t ShellExecute(HWND owner, const char* verb, const std::string& file,
                           const char* parameters, const char* directory, int showCmd);
} // namespace win
