#include "platform/shell/ShellExecute.h"

#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

std::mutex g_launcherLock;
std::unique_ptr<TShellLauncher> g_launcher;

struct SpawnActions {
    posix_spawn_file_actions_t Actions;
    SpawnActions() { posix_spawn_file_actions_init(&Actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&Actions); }
};

bool Spawn(const std::string& workingFolder, const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    SpawnActions spawn;
    // The child changes its own folder between fork and exec; this process's stays put.
    if (!workingFolder.empty() &&
        posix_spawn_file_actions_addchdir_np(&spawn.Actions, workingFolder.c_str()) != 0)
        return false;
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], &spawn.Actions, nullptr, args.data(), environ) != 0)
        return false;
    // The program runs on its own; someone must still collect its exit status.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}

} // namespace

bool TShellLauncher::Launch(const std::vector<std::string>& argv) {
    return Spawn(std::string(), argv);
}

bool TShellLauncher::LaunchIn(const std::string& workingFolder,
                              const std::vector<std::string>& argv) {
    return Spawn(workingFolder, argv);
}

TShellLauncher& ShellLauncher() {
    std::lock_guard lock(g_launcherLock);
    if (!g_launcher) g_launcher = std::make_unique<TShellLauncher>();
    return *g_launcher;
}

std::unique_ptr<TShellLauncher> SetShellLauncher(std::unique_ptr<TShellLauncher> launcher) {
    std::lock_guard lock(g_launcherLock);
    std::swap(g_launcher, launcher);
    return launcher;
}

bool ShellOpen(const std::string& target) {
    if (target.empty()) return false;
    return ShellLauncher().Launch({ "xdg-open", target });
}

bool ShellOpenIn(const std::string& target, const std::string& workingFolder) {
    if (target.empty()) return false;
    return ShellLauncher().LaunchIn(workingFolder, { "xdg-open", target });
}

bool ShellPlaySound(const std::string& fileName) {
    return ShellLauncher().Launch({ "paplay", fileName }) ||
           ShellLauncher().Launch({ "aplay", "-q", fileName });
}

bool ShellPowerOff() {
    return ShellLauncher().Launch({ "systemctl", "poweroff" });
}

namespace win {

std::intptr_t ShellExecute(HWND, const char*, const std::string& file, const char*, const char*,
                           int) {
    // The shell's "file not found" when nothing could be started.
    return ShellOpen(file) ? 42 : 2;
}

} // namespace win
