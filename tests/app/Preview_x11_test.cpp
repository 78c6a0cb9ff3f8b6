#include "Src/FFPlay.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/Unit1.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/gfx/Surface.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/NativeChild.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/fixtures/FixtureSet.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
// Xlib's macros (None, Bool ...) must come after every C++ header that uses those names, and
// its types (Screen, Time) clash with the class library's names at global scope.
namespace xlib {
#include <X11/Xlib.h>
#include <X11/Xutil.h>
} // namespace xlib

extern char** environ;

// SDL's X11 output makes a graphics context for an embedded window that it never frees; the
// checker reads this file at exit, for this program only.
extern "C" const char* __lsan_default_options() {
    return "suppressions=/tmp/vc-preview-x11-lsan.supp";
}
const bool kSuppressionsWritten = [] {
    std::ofstream("/tmp/vc-preview-x11-lsan.supp") << "leak:libSDL-1.2.so\nleak:XCreateGC\n";
    return true;
}();

namespace {

using namespace win;
using xlib::Display;

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

gfx::Surface Capture(Display* d, unsigned long window, int x, int y, int width, int height) {
    XSync(d, False);
    gfx::Surface pixels(width, height);
    xlib::XImage* image = XGetImage(d, window, x, y, width, height, AllPlanes, ZPixmap);
    if (!image) return pixels;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const unsigned long p = XGetPixel(image, column, row);
            pixels.Row(row)[column] =
                gfx::MakePixel((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF, 0xFF);
        }
    XDestroyImage(image);
    return pixels;
}

bool SamePixels(const gfx::Surface& a, const gfx::Surface& b) {
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), a.Width() * sizeof a.Row(y)[0]) != 0) return false;
    return true;
}

int ColourCount(const gfx::Surface& s) {
    std::set<std::uint32_t> colours;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            colours.insert(std::uint32_t(s.Row(y)[x]));
    return int(colours.size());
}

TEST(PreviewX11, ThePlayingPreviewChangesTheScreenPanel) {
    Xvfb server;
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* user = xlib::XOpenDisplay(server.Name().c_str());
    if (!user) GTEST_SKIP() << "the X server did not accept a client";
    setenv("DISPLAY", server.Name().c_str(), 1);
    // The preview's default video driver, as the program has it: the display's own.
    unsetenv("SDL_VIDEODRIVER");
    const std::string root = CreateTempFolder("preview-x11");
    setenv(kSettingsFolderVariable, root.c_str(), 1);
    setenv(kDataRootVariable, root.c_str(), 1);
    InstallBackend(std::make_unique<X11Backend>(server.Name().c_str()));

    {
        TApplication app(nullptr);
        CreateProgramWindows(app);
        ASSERT_TRUE(Form1);
        Form1->Show();
        auto* panel = DescribedComponent<TWinControl>(Form1, "Panel6");
        const unsigned long screen = NativeChildWindowId(panel->Handle());
        ASSERT_NE(screen, 0u);
        ASSERT_TRUE(RunUntil([&] {
            xlib::XWindowAttributes attributes{};
            return XGetWindowAttributes(user, screen, &attributes) &&
                   attributes.map_state == IsViewable;
        }));

        auto& log = DescribedComponent<TMemo>(Form1, "mmoLog")->Lines();
        auto logged = [&](const std::string& line) {
            for (int i = 0; i < log.Count(); ++i)
                if (log[i] == line) return true;
            return false;
        };
        Form1->T_Movie_PLayer_FileName = fixtures::Standard().Mp4;
        Form1->Button31Click(nullptr);
        ASSERT_TRUE(RunUntil([&] { return logged("Pause"); }))
            << (log.Count() ? log[log.Count() - 1] : "");
        Form1->bsSkinButton13Click(nullptr);
        ASSERT_TRUE(RunUntil([&] { return logged("Resume"); }));

        const int w = panel->Width(), h = panel->Height();
        gfx::Surface first;
        ASSERT_TRUE(RunUntil([&] {
            first = Capture(user, screen, 0, 0, w, h);
            return ColourCount(first) > 4;
        })) << "the panel shows the video";
        EXPECT_TRUE(RunUntil([&] { return !SamePixels(first, Capture(user, screen, 0, 0, w, h)); }))
            << "the panel's pixels change while the preview plays";

        const TRect bounds = Form1->BoundsRect();
        const gfx::Surface shot = Capture(user, xlib::XDefaultRootWindow(user), bounds.Left,
                                          bounds.Top, bounds.Width(), bounds.Height());
        EXPECT_TRUE(HeadlessBackend::SavePng(shot, ProgramFolder() + "../preview.png"));

        bool canClose = true;
        Form1->FormCloseQuery(nullptr, canClose);
        Form1->VOVezade->Stop(true);
    }
    InstallBackend(nullptr);
    XCloseDisplay(user);
    unsetenv(kSettingsFolderVariable);
    unsetenv(kDataRootVariable);
    std::filesystem::remove_all(root);
}

} // namespace
