#include "Src/FFPlay/TCustomPlayer.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/fixtures/TestPattern.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XServer.h"
#include "tests/x11/XWindows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

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
using namespace x11test;

fixtures::Rgb PixelAt(Display* d, unsigned long window, int x, int y) {
    const std::uint32_t p = XPixelAt(d, window, x, y).value_or(0x010203);
    return { static_cast<uint8_t>((p >> 16) & 0xFF), static_cast<uint8_t>((p >> 8) & 0xFF),
             static_cast<uint8_t>(p & 0xFF) };
}

bool Near(fixtures::Rgb a, fixtures::Rgb b) {
    constexpr int tolerance = 48;
    return std::abs(a.R - b.R) <= tolerance && std::abs(a.G - b.G) <= tolerance &&
           std::abs(a.B - b.B) <= tolerance;
}

TEST(PlayerX11, PlaysIntoTheChildWindow) {
    XServer server(800, 600);
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
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(user, video); }));

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
