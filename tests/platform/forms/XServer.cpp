#include "XServer.h"
#include <csignal>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
// Xlib's macros and its Screen type stay in this file, away from the class library's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace formstest {

XServer::XServer() {
    int fds[2];
    if (pipe(fds) != 0) return;
    const std::string fd = std::to_string(fds[1]);
    const char* argv[] = { "Xvfb",       "-displayfd", fd.c_str(), "-screen", "0",
                           "800x600x24", "-nolisten",  "tcp",      nullptr };
    if (posix_spawnp(&FPid, "Xvfb", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        FPid = -1;
    close(fds[1]);
    if (FPid > 0) {
        pollfd p{ fds[0], POLLIN, 0 };
        char number[16]{};
        if (poll(&p, 1, 10000) > 0 && read(fds[0], number, sizeof number - 1) > 0)
            FName = ":" + std::string(number, std::strcspn(number, "\n"));
    }
    close(fds[0]);
}

XServer::~XServer() {
    if (FPid > 0) {
        kill(FPid, SIGTERM);
        waitpid(FPid, nullptr, 0);
    }
}

gfx::Surface CaptureXWindow(const std::string& display, unsigned long window, int width,
                            int height) {
    Display* d = XOpenDisplay(display.c_str());
    if (!d) return {};
    gfx::Surface pixels;
    XSync(d, False);
    if (XImage* image =
            XGetImage(d, window, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap)) {
        pixels = gfx::Surface(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.Set(x, y, gfx::Pixel(XGetPixel(image, x, y) & 0xFFFFFF));
        XDestroyImage(image);
    }
    XCloseDisplay(d);
    return pixels;
}

} // namespace formstest
