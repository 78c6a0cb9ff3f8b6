#include "Src/FFPlay/TCustomPlayer.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/TestPattern.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
// Xlib's macros (None, Bool ...) must come after every C++ header that uses those names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

// SDL's X11 output makes a graphics context for an embedded window that it never frees, and
// the checker's quick stack often ends in Xlib before it reaches SDL. The checker reads its
// suppression file only when it checks, at exit, so the file written at start-up tells it so
// for this program only (the built-in suppression list is taken already).
constexpr const char* kLeakSuppressions = "/tmp/vc-player-x11-lsan.supp";
extern "C" const char* __lsan_default_options() {
    return "suppressions=/tmp/vc-player-x11-lsan.supp";
}
const bool kSuppressionsWritten = [] {
    std::ofstream(kLeakSuppressions) << "leak:libSDL-1.2.so\nleak:XCreateGC\n";
    return true;
}();

namespace {

using namespace win;

// A private X server for the test; it reports its display number once it accepts clients.
class Xvfb {
public:
    Xvfb() {
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

// Runs the window system's loop and the main thread's queued calls until done() holds.
bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        ProcessPendingMessages();
        CheckSynchronize(0);
        if (done()) return true;
        CurrentBackend().WaitEvents(CurrentBackend().GetClock().NowMs() + 20);
    }
    return false;
}

fixtures::Rgb PixelAt(Display* d, unsigned long window, int x, int y) {
    XImage* image = XGetImage(d, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return { 1, 2, 3 };
    const unsigned long p = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return { static_cast<uint8_t>((p >> 16) & 0xFF), static_cast<uint8_t>((p >> 8) & 0xFF),
             static_cast<uint8_t>(p & 0xFF) };
}

bool Near(fixtures::Rgb a, fixtures::Rgb b) {
    constexpr int tolerance = 48;
    return std::abs(a.R - b.R) <= tolerance && std::abs(a.G - b.G) <= tolerance &&
           std::abs(a.B - b.B) <= tolerance;
}

TEST(PlayerX11, PlaysIntoTheChildWindow) {
    Xvfb server;
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* user = XOpenDisplay(server.Name().c_str());
    if (!user) GTEST_SKIP() << "the X server did not accept a client";
    setenv("DISPLAY", server.Name().c_str(), 1);
    InstallBackend(std::make_unique<X11Backend>(server.Name().c_str()));

    WNDCLASSEX wc;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "PlayerX11Form";
    RegisterClassEx(&wc);
    constexpr int W = 160, H = 120;
    HWND form = CreateWindowEx(0, "PlayerX11Form", "", WS_POPUP | WS_VISIBLE, 50, 40, 300, 200,
                               nullptr, nullptr, nullptr, nullptr);
    HWND screen = CreateWindowEx(0, "PlayerX11Form", "", WS_CHILD | WS_VISIBLE, 20, 20, W, H, form,
                                 nullptr, nullptr, nullptr);
    ASSERT_TRUE(form && screen);
    const unsigned long video = NativeChildWindowId(screen);
    ASSERT_NE(video, 0u);
    ASSERT_TRUE(RunUntil([&] {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(user, video, &attributes) && attributes.map_state == IsViewable;
    }));

    {
        ZAZEvivez player(nullptr);
        ASSERT_TRUE(player.LoadAVLib("")) << player.LastErrMsg();
        player.SetVideoDriver(vdGDI);
        player.SetDisableAudio(true);
        ASSERT_TRUE(player.Open(fixtures::Standard().Mp4, screen, true)) << player.LastErrMsg();
        EXPECT_EQ(player.ScreenWidth(), W);
        EXPECT_EQ(player.ScreenHeight(), H);
        const int y = fixtures::BarsHeight(H) / 2;
        const bool bars = RunUntil([&] {
            XSync(user, False);
            for (int bar = 0; bar < fixtures::BarCount; ++bar) {
                const int x = fixtures::BarCentre(bar, W);
                if (!Near(PixelAt(user, video, x, y), fixtures::ExpectedBarColour(x, W)))
                    return false;
            }
            return true;
        });
        EXPECT_TRUE(bars) << "the child window shows the colour bars";
        for (int bar = 0; !bars && bar < fixtures::BarCount; ++bar) {
            const int x = fixtures::BarCentre(bar, W);
            const fixtures::Rgb seen = PixelAt(user, video, x, y);
            const fixtures::Rgb want = fixtures::ExpectedBarColour(x, W);
            ADD_FAILURE() << "bar " << bar << ": " << int(seen.R) << "," << int(seen.G) << ","
                          << int(seen.B) << " expected " << int(want.R) << "," << int(want.G) << ","
                          << int(want.B);
        }
        player.Stop(true);
    }
    DestroyWindow(form);
    InstallBackend(nullptr);
    XCloseDisplay(user);
}

} // namespace
