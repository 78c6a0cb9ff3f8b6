#include "Src/FFPlay.h"
#include "X11ProgramTest.h"
#include "app/Unit1.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/gfx/Surface.h"
#include "platform/win/NativeChild.h"
#include "platform/win/Win.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XWindows.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <string>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

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
using namespace x11test;

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

class PreviewX11 : public X11ProgramTest {
protected:
    PreviewX11() : X11ProgramTest("preview-x11") {}
};

TEST_F(PreviewX11, ThePlayingPreviewChangesTheScreenPanel) {
    // The preview's default video driver, as the program has it: the display's own.
    unsetenv("SDL_VIDEODRIVER");
    StartProgram();
    ASSERT_TRUE(Form1);
    auto* panel = DescribedComponent<TWinControl>(Form1, "Panel6");
    const unsigned long screen = NativeChildWindowId(panel->Handle());
    ASSERT_NE(screen, 0u);
    ASSERT_TRUE(RunUntil([&] { return XWindowViewable(FUser, screen); }));

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
        first = CaptureXWindow(FUser, screen, 0, 0, w, h);
        return ColourCount(first) > 4;
    })) << "the panel shows the video";
    EXPECT_TRUE(RunUntil([&] {
        const gfx::Surface now = CaptureXWindow(FUser, screen, 0, 0, w, h);
        return !now.Empty() && !SamePixels(first, now);
    })) << "the panel's pixels change while the preview plays";

    EXPECT_TRUE(SaveMainWindowPicture("preview.png"));
}

} // namespace
