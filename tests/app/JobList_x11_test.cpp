#include "Src/FFPlay.h"
#include "app/JobListControls.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsSections.h"
#include "app/StandIns/TbsSkinComboBoxes.h"
#include "app/StandIns/TbsSkinListView.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMemo.h"
#include "platform/gfx/Surface.h"
#include "platform/rtl/FilePath.h"
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
#include <thread>
#include <unistd.h>
#include <vector>
// Xlib's macros (None, Bool ...) must come after every C++ header that uses those names, and
// its types (Screen, Time) clash with the class library's names at global scope.
namespace xlib {
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
} // namespace xlib

extern char** environ;

// SDL's X11 output makes a graphics context for an embedded window that it never frees; the
// checker reads this file at exit, for this program only.
extern "C" const char* __lsan_default_options() {
    return "suppressions=/tmp/vc-joblist-x11-lsan.supp";
}
const bool kSuppressionsWritten = [] {
    std::ofstream("/tmp/vc-joblist-x11-lsan.supp") << "leak:libSDL-1.2.so\nleak:XCreateGC\n";
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

std::string WindowTitle(Display* d, xlib::Window w) {
    xlib::Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(d, "UTF8_STRING", False), &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        xlib::XFree(data);
    }
    return title;
}

// The mapped top-level window with that title, or 0.
xlib::Window FindMapped(Display* d, const std::string& title) {
    xlib::Window root, parent, *children = nullptr;
    unsigned count = 0;
    xlib::Window found = 0;
    if (!XQueryTree(d, xlib::XDefaultRootWindow(d), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
        xlib::XWindowAttributes a;
        if (XGetWindowAttributes(d, children[i], &a) && a.map_state == IsViewable &&
            WindowTitle(d, children[i]) == title)
            found = children[i];
    }
    if (children) xlib::XFree(children);
    return found;
}

// Types text and Return into window as a user at the keyboard would.
void Type(Display* d, xlib::Window window, const std::string& text) {
    auto press = [&](xlib::KeySym keysym) {
        const xlib::KeyCode code = XKeysymToKeycode(d, keysym);
        const bool shifted = XkbKeycodeToKeysym(d, code, 0, 0) != keysym;
        for (int type : { KeyPress, KeyRelease }) {
            xlib::XEvent event{};
            event.xkey.type = type;
            event.xkey.display = d;
            event.xkey.window = window;
            event.xkey.root = xlib::XDefaultRootWindow(d);
            event.xkey.same_screen = True;
            event.xkey.keycode = code;
            event.xkey.state = shifted ? ShiftMask : 0;
            XSendEvent(d, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
        }
    };
    for (const char c : text)
        press(xlib::KeySym(static_cast<unsigned char>(c)));
    press(XK_Return);
    XFlush(d);
}

TEST(JobListX11, AddsThroughTheDialogAndConvertsTheList) {
    Xvfb server;
    if (server.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    Display* user = xlib::XOpenDisplay(server.Name().c_str());
    if (!user) GTEST_SKIP() << "the X server did not accept a client";
    setenv("DISPLAY", server.Name().c_str(), 1);
    const std::string root = CreateTempFolder("joblist-x11");
    setenv(kSettingsFolderVariable, root.c_str(), 1);
    setenv(kDataRootVariable, root.c_str(), 1);
    InstallBackend(std::make_unique<X11Backend>(server.Name().c_str()));
    const auto& fixtures = fixtures::Standard();
    // Family "常用视频": format 0 is an AVI, format 1 an MP4. Each file is typed into the open
    // dialog by a user at the keyboard.
    const std::pair<int, std::string> additions[] = { { 0, fixtures.Avi },
                                                      { 1, fixtures.Vob },
                                                      { 1, fixtures.Mp4 } };

    {
        TApplication app(nullptr);
        CreateProgramWindows(app);
        ASSERT_TRUE(Form1);
        Form1->Show();
        TConversionOptions options = Form5->Options();
        options.ThreadCount = "2";
        options.AfterDone = 3;
        Form5->SetOptions(options);
        auto* list = DescribedComponent<TbsSkinListView>(Form1, "lvFiles");

        for (const auto& [format, file] : additions) {
            // A format chosen while a row is selected would become that row's format.
            list->SetItemIndex(-1);
            DescribedComponent<TbsSkinComboBoxBase>(Form1, FamilyPickerName)->SetItemIndex(1);
            DescribedComponent<TbsSkinComboBoxBase>(Form1, FormatPickerName)->SetItemIndex(format);
            std::thread typist([&, file = file] {
                Display* keyboard = xlib::XOpenDisplay(server.Name().c_str());
                const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
                xlib::Window dialog = 0;
                while (!dialog && std::chrono::steady_clock::now() < deadline) {
                    dialog = FindMapped(keyboard, "打开文件");
                    if (!dialog) std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
                if (dialog) Type(keyboard, dialog, file);
                XCloseDisplay(keyboard);
            });
            Form1->btnAddClick(nullptr);
            typist.join();
            ASSERT_TRUE(RunUntil([&] { return FindMapped(user, "打开文件") == 0; }));
        }
        ASSERT_EQ(list->Items().Count(), 3);
        const char* extensions[] = { ".avi", ".mp4", ".mp4" };
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(list->Items()[i]->Caption(), additions[i].second) << i;
            EXPECT_EQ(ExtractFileExt(list->Items()[i]->SubItems().Strings(jcOutputName)),
                      extensions[i]);
        }

        DescribedComponent<TControl>(Form1, "bsSkinButton2")->Click();
        ASSERT_TRUE(RunUntil([&] {
            for (int i = 0; i < 3; ++i)
                if (list->Items()[i]->SubItems().Strings(jcProgress) != "100%") return false;
            return DescribedComponent<TControl>(Form1, "bsSkinButton8")->Enabled();
        }));
        for (int i = 0; i < 3; ++i) {
            const std::string output = IncludeTrailingPathDelimiter(Form1->FileOutPutPath) +
                                       list->Items()[i]->SubItems().Strings(jcOutputName);
            EXPECT_GT(FileExists(output) ? std::filesystem::file_size(output) : 0u, 0u) << output;
        }
        ProcessPendingMessages();

        const TRect bounds = Form1->BoundsRect();
        const gfx::Surface shot = Capture(user, xlib::XDefaultRootWindow(user), bounds.Left,
                                          bounds.Top, bounds.Width(), bounds.Height());
        EXPECT_TRUE(HeadlessBackend::SavePng(shot, ProgramFolder() + "../joblist.png"));

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
