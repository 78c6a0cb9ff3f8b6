#include "XWindowManager.h"

#include "tests/x11/XlibApi.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace x11test {

namespace {

// The check window the root names, when it names itself in turn, as a running manager's does.
bool SupportingCheckValid(Display* d) {
    const Atom check = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", False);
    auto windowOf = [&](::Window on) -> ::Window {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        ::Window found = 0;
        if (XGetWindowProperty(d, on, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &after,
                               &data) == Success &&
            data && count == 1)
            found = *reinterpret_cast<::Window*>(data);
        if (data) XFree(data);
        return found;
    };
    const ::Window child = windowOf(DefaultRootWindow(d));
    return child != 0 && windowOf(child) == child;
}

bool Manages(Display* d) {
    return XGetSelectionOwner(d, XInternAtom(d, "WM_S0", False)) != None && SupportingCheckValid(d);
}

// The environment of this process with DISPLAY replaced.
std::vector<std::string> EnvironmentFor(const std::string& display) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DISPLAY=", 8) != 0) env.emplace_back(*e);
    env.push_back("DISPLAY=" + display);
    return env;
}

} // namespace

bool XWindowManagerRuns(const std::string& display) {
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return false;
    const bool runs = Manages(d);
    XCloseDisplay(d);
    return runs;
}

XWindowManager::XWindowManager(const std::string& display)
    : FDisplay(XOpenDisplay(display.c_str())) {
    Display* d = FDisplay;
    if (!d) return;

    std::vector<std::string> env = EnvironmentFor(display);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = { "openbox", "--sm-disable", nullptr };
    if (posix_spawnp(&FPid, "openbox", &actions, nullptr, const_cast<char**>(argv), envp.data()) !=
        0)
        FPid = -1;
    posix_spawn_file_actions_destroy(&actions);

    // Owning the selection is not enough: openbox drops requests that arrive while it starts.
    // It runs once it frames a probe window, asked again until it does.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    const ::Window probe = XCreateSimpleWindow(d, DefaultRootWindow(d), 0, 0, 1, 1, 0, 0, 0);
    XSelectInput(d, probe, StructureNotifyMask);
    bool framed = false;
    while (FPid > 0 && !framed && std::chrono::steady_clock::now() < deadline) {
        if (waitpid(FPid, nullptr, WNOHANG) == FPid) { // it gave up
            FPid = -1;
            break;
        }
        if (Manages(d)) XMapWindow(d, probe);
        XFlush(d);
        pollfd p{ ConnectionNumber(d), POLLIN, 0 };
        poll(&p, 1, 100);
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == ReparentNotify && e.xreparent.window == probe &&
                e.xreparent.parent != DefaultRootWindow(d))
                framed = true;
        }
    }
    // The connection stays open, so that no client of the test gets the probe's id while the
    // manager may still be forgetting the probe.
    XDestroyWindow(d, probe);
    XSync(d, False);
    FRunning = framed;
}

XWindowManager::~XWindowManager() {
    if (FPid > 0) {
        kill(FPid, SIGTERM);
        waitpid(FPid, nullptr, 0);
    }
    if (FDisplay) XCloseDisplay(FDisplay);
}

} // namespace x11test
