#include "XCompositor.h"

#include "tests/x11/XlibApi.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace x11test {

namespace {

bool Composes(Display* d) {
    return XGetSelectionOwner(d, XInternAtom(d, "_NET_WM_CM_S0", False)) != None;
}

// Waits, looking every 50 ms, until the selection is owned or not as wanted.
bool WaitForOwner(Display* d, bool owned, pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Composes(d) == owned) return true;
        if (owned && pid > 0 && waitpid(pid, nullptr, WNOHANG) == pid) return false; // gave up
        poll(nullptr, 0, 50);
    }
    return false;
}

} // namespace

XCompositor::XCompositor(const std::string& display) : FDisplay(XOpenDisplay(display.c_str())) {
    if (!FDisplay) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = { "xcompmgr", "-d", display.c_str(), nullptr };
    if (posix_spawnp(&FPid, "xcompmgr", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
        FPid = -1;
    posix_spawn_file_actions_destroy(&actions);
    FRunning = FPid > 0 && WaitForOwner(FDisplay, true, FPid);
}

XCompositor::~XCompositor() {
    Stop();
    if (FDisplay) XCloseDisplay(FDisplay);
}

void XCompositor::Stop() {
    if (FPid > 0) {
        kill(FPid, SIGTERM);
        waitpid(FPid, nullptr, 0);
        FPid = -1;
    }
    if (FDisplay && FRunning) WaitForOwner(FDisplay, false, -1);
    FRunning = false;
}

} // namespace x11test
