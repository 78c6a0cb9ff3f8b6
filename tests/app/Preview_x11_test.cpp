#include "HeadlessProgramTest.h"
#include "Src/FFPlay.h"
#include "X11ProgramTest.h"
#include "app/Dialogs.h"
#include "app/Unit1.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/gfx/Surface.h"
#include "platform/win/NativeChild.h"
#include "platform/win/Win.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"
#include "tests/x11/XWindows.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <utility>
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

// Puts the program's dialogs back as they were when it goes.
struct DialogsRestorer {
    explicit DialogsRestorer(std::unique_ptr<IDialogs> previous) : FPrevious(std::move(previous)) {}
    ~DialogsRestorer() { SetDialogs(std::move(FPrevious)); }
    DialogsRestorer(const DialogsRestorer&) = delete;
    DialogsRestorer& operator=(const DialogsRestorer&) = delete;
    std::unique_ptr<IDialogs> FPrevious;
};

// On a bare server, and under a reparenting window manager, which moves the window into a frame
// of its own.
class PreviewX11 : public X11ProgramTest, public ::testing::WithParamInterface<bool> {
protected:
    PreviewX11() : X11ProgramTest("preview-x11") {}
};

TEST_P(PreviewX11, ThePlayingPreviewChangesTheScreenPanel) {
    std::unique_ptr<XWindowManager> manager;
    if (GetParam()) {
        manager = std::make_unique<XWindowManager>(FServer.Name());
        if (!manager->Running()) GTEST_SKIP() << "no window manager could be started";
    }
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
    // The file comes in as a job row, which opens it in the preview.
    auto dialogs = std::make_unique<TScriptedDialogs>();
    dialogs->FFiles = { fixtures::Standard().Mp4 };
    const DialogsRestorer restorer(SetDialogs(std::move(dialogs)));
    Form1->btnAddClick(nullptr);
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

    // Emptying the list by a click on its button stops the preview: its last picture leaves
    // the panel.
    const auto* clear = DescribedComponent<TControl>(Form1, "bsSkinButton8");
    const TPoint middle = clear->ClientToScreen(TPoint(clear->Width() / 2, clear->Height() / 2));
    XTestInput hands(FServer.Name());
    ASSERT_TRUE(hands.Available());
    hands.Click(middle.X, middle.Y);
    EXPECT_TRUE(RunUntil([&] {
        return ColourCount(CaptureXWindow(FUser, screen, 0, 0, w, h)) == 1;
    })) << "the panel is wiped";
}

INSTANTIATE_TEST_SUITE_P(Desktops, PreviewX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Managed" : "Bare"; });

} // namespace
