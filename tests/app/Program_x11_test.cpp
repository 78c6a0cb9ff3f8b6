#include "platform/gfx/Surface.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
// Xlib's macros (None, Bool ...) must come after every C++ header that uses those names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

constexpr auto kWatchdog = std::chrono::seconds(30);

// A private X server for the test; it reports its display number once it accepts clients.
class Xvfb {
public:
    Xvfb() {
        int fds[2];
        if (pipe(fds) != 0) return;
        const std::string fd = std::to_string(fds[1]);
        const char* argv[] = { "Xvfb",        "-displayfd", fd.c_str(), "-screen", "0",
                               "1024x768x24", "-nolisten",  "tcp",      nullptr };
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
    ~Xvfb() {
        if (FPid > 0) {
            kill(FPid, SIGTERM);
            waitpid(FPid, nullptr, 0);
        }
    }
    const std::string& Name() const { return FName; }

private:
    pid_t FPid{ -1 };
    std::string FName;
};

// The program under test, killed if the test leaves before it ended.
class ProgramProcess {
public:
    ProgramProcess(const std::string& path, std::vector<std::string> environment) {
        for (char** e = environ; *e; ++e)
            environment.emplace_back(*e);
        std::vector<char*> env;
        for (auto& e : environment)
            env.push_back(e.data());
        env.push_back(nullptr);
        const char* argv[] = { path.c_str(), nullptr };
        if (posix_spawn(&FPid, path.c_str(), nullptr, nullptr, const_cast<char**>(argv),
                        env.data()) != 0)
            FPid = -1;
    }
    ~ProgramProcess() {
        if (FPid > 0) {
            kill(FPid, SIGKILL);
            waitpid(FPid, nullptr, 0);
        }
    }
    bool Started() const { return FPid > 0; }
    // The exit status once the program ended within the watchdog; -1 otherwise.
    int WaitExit() {
        const auto deadline = std::chrono::steady_clock::now() + kWatchdog;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(FPid, &status, WNOHANG) == FPid) {
                FPid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

private:
    pid_t FPid{ -1 };
};

std::string WindowTitle(Display* d, Window w) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

// The program's mapped top-level window with that title, or 0.
Window FindMapped(Display* d, const std::string& title) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable &&
            WindowTitle(d, children[i]) == title)
            found = children[i];
    }
    if (children) XFree(children);
    return found;
}

bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kWatchdog;
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool SaveScreenshot(Display* d, Window w, int width, int height, const std::string& path) {
    XImage* image = XGetImage(d, w, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) return false;
    gfx::Surface pixels(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const unsigned long p = XGetPixel(image, x, y);
            pixels.Row(y)[x] = gfx::MakePixel((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF, 0xFF);
        }
    XDestroyImage(image);
    return win::HeadlessBackend::SavePng(pixels, path);
}

TEST(ProgramX11, ShowsTheMainWindowAndEndsCleanlyWhenClosed) {
    const std::string program = ProgramFolder() + "../bin/vobconv";
    if (!FileExists(program)) GTEST_SKIP() << "the program is not built: " << program;
    Xvfb server;
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* d = XOpenDisplay(server.Name().c_str());
    if (!d) GTEST_SKIP() << "the X server did not accept a client";

    const std::string folder = CreateTempFolder("program-x11");
    ProgramProcess process(program, { "DISPLAY=" + server.Name(), "VOBCONV_SETTINGS_DIR=" + folder,
                                      "VOBCONV_DATA_ROOT=" + folder });
    ASSERT_TRUE(process.Started());

    const std::string title = "苇川VOB视频格式转换器";
    Window main = 0;
    ASSERT_TRUE(WaitFor([&] { return (main = FindMapped(d, title)) != 0; }))
        << "no mapped window titled " << title;

    // The program draws the whole frame itself: the window is the client plus that frame.
    win::RECT outer{ 0, 0, 802, 541 };
    win::AdjustWindowRectEx(&outer, win::WS_CAPTION | win::WS_BORDER, 0, 0);
    XWindowAttributes a;
    ASSERT_TRUE(WaitFor([&] {
        return XGetWindowAttributes(d, main, &a) && a.width == outer.right - outer.left &&
               a.height == outer.bottom - outer.top;
    })) << a.width
        << "x" << a.height;
    EXPECT_EQ(a.x + a.width / 2, 512) << "centred across the screen";
    EXPECT_TRUE(FileExists(folder + "option.ini"));

    // The picture is taken once the window shows its own pixels, not the server's black.
    EXPECT_TRUE(WaitFor([&] {
        XImage* dot = XGetImage(d, main, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
        const unsigned long pixel = dot ? XGetPixel(dot, 0, 0) & 0xFFFFFF : 0;
        if (dot) XDestroyImage(dot);
        return pixel != 0;
    }));
    EXPECT_TRUE(SaveScreenshot(d, main, a.width, a.height, ProgramFolder() + "../vobconv.png"));

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = main;
    close.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = long(XInternAtom(d, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, main, False, NoEventMask, &close);
    XFlush(d);
    EXPECT_EQ(process.WaitExit(), 0);
    XCloseDisplay(d);
    std::filesystem::remove_all(folder);
}

TEST(ProgramX11, WithoutAGraphicalSessionSaysSoAndFails) {
    const std::string program = ProgramFolder() + "../bin/vobconv";
    if (!FileExists(program)) GTEST_SKIP() << "the program is not built: " << program;
    const std::string folder = CreateTempFolder("program-x11");
    for (const char* display : { "", "DISPLAY=:4095" }) {
        std::vector<std::string> environment{ "VOBCONV_SETTINGS_DIR=" + folder };
        if (*display) environment.emplace_back(display);
        ProgramProcess process(program, environment);
        ASSERT_TRUE(process.Started());
        EXPECT_EQ(process.WaitExit(), 1) << display;
    }
    EXPECT_FALSE(FileExists(folder + "option.ini")) << "nothing is written without a window";
    std::filesystem::remove_all(folder);
}

} // namespace
