#include "platform/shell/ShellExecute.h"

#include <mutex>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

std::mutex g_launcherLock;
std::unique_ptr<TShellLauncher> g_launcher;

} // namespace

bool TShellLauncher::Launch(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0) return false;
    // The program runs on its own; someone must still collect its exit status.
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
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
