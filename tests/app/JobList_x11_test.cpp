#include "Src/FFPlay.h"
#include "X11ProgramTest.h"
#include "app/JobListControls.h"
#include "app/SettingsSections.h"
#include "app/Unit1.h"
#include "app/Unit5.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinSlider.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/Win.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XWindows.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

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
using namespace x11test;

// Types text and Return into window as a user at the keyboard would.
void Type(Display* d, ::Window window, const std::string& text) {
    auto press = [&](KeySym keysym) {
        const KeyCode code = XKeysymToKeycode(d, keysym);
        const bool shifted = XkbKeycodeToKeysym(d, code, 0, 0) != keysym;
        for (int type : { KeyPress, KeyRelease }) {
            XEvent event{};
            event.xkey.type = type;
            event.xkey.display = d;
            event.xkey.window = window;
            event.xkey.root = XDefaultRootWindow(d);
            event.xkey.same_screen = True;
            event.xkey.keycode = code;
            event.xkey.state = shifted ? ShiftMask : 0;
            XSendEvent(d, window, True, type == KeyPress ? KeyPressMask : KeyReleaseMask, &event);
        }
    };
    for (const char c : text)
        press(KeySym(static_cast<unsigned char>(c)));
    press(XK_Return);
    XFlush(d);
}

class JobListX11 : public X11ProgramTest {
protected:
    JobListX11() : X11ProgramTest("joblist-x11") {}
};

TEST_F(JobListX11, AddsThroughTheDialogAndConvertsTheList) {
    const auto& fixtures = fixtures::Standard();
    // Family "常用视频": format 0 is an AVI, format 1 an MP4. Each file is typed into the open
    // dialog by a user at the keyboard.
    const std::pair<int, std::string> additions[] = { { 0, fixtures.Avi },
                                                      { 1, fixtures.Vob },
                                                      { 1, fixtures.Mp4 } };

    StartProgram();
    ASSERT_TRUE(Form1);
    TConversionOptions options = Form5->Options();
    options.ThreadCount = "2";
    options.AfterDone = 3;
    Form5->SetOptions(options);
    auto* list = DescribedComponent<TbsSkinListView>(Form1, "lvFiles");

    for (const auto& [format, file] : additions) {
        // A format chosen while a row is selected would become that row's format.
        list->SetItemIndex(-1);
        DescribedComponent<TbsSkinOfficeComboBox>(Form1, FamilyPickerName)->SetItemIndex(1);
        DescribedComponent<TbsSkinOfficeComboBox>(Form1, FormatPickerName)->SetItemIndex(format);
        std::thread typist([&, file = file] {
            Display* keyboard = XOpenDisplay(FServer.Name().c_str());
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            ::Window dialog = 0;
            while (!dialog && std::chrono::steady_clock::now() < deadline) {
                dialog = FindViewableXWindow(keyboard, "打开文件");
                if (!dialog) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            if (dialog) Type(keyboard, dialog, file);
            XCloseDisplay(keyboard);
        });
        Form1->btnAddClick(nullptr);
        typist.join();
        ASSERT_TRUE(RunUntil([&] { return FindViewableXWindow(FUser, "打开文件") == 0; }));
    }
    ASSERT_EQ(list->Items().Count(), 3);
    const char* extensions[] = { ".avi", ".mp4", ".mp4" };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(list->Items()[i]->Caption(), additions[i].second) << i;
        EXPECT_EQ(ExtractFileExt(list->Items()[i]->SubItems().Strings(jcOutputName)),
                  extensions[i]);
    }

    static_cast<TbsSkinButton*>(DescribedComponent<TControl>(Form1, "bsSkinButton2"))
        ->ButtonClick();
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

    EXPECT_TRUE(SaveMainWindowPicture("joblist.png"));
}

} // namespace
