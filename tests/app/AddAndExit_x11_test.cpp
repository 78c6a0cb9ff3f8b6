// The main window worked by a user's hands on a private X server: a file added through the add
// menu and the skinned open dialog, then the program left through the menu bar.
#include "X11ProgramTest.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinCustomListView.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "lib/frame/TbsMenuBarObject.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuHost.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "platform/forms/TFormReader.h"
#include "platform/forms/TMenuItem.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FilePath.h"
#include "platform/win/Backend.h"
#include "platform/win/Clock.h"
#include "platform/win/Messaging.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/fixtures/FixtureSet.h"
#include "tests/x11/EventLoop.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindowManager.h"
#include "tests/x11/XWindows.h"

#include <chrono>
#include <deque>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

// SDL's X11 output makes a graphics context for an embedded window that it never frees; the
// checker reads this file at exit, for this program only.
extern "C" const char* __lsan_default_options() {
    return "suppressions=/tmp/vc-addandexit-x11-lsan.supp";
}
const bool kSuppressionsWritten = [] {
    std::ofstream("/tmp/vc-addandexit-x11-lsan.supp") << "leak:libSDL-1.2.so\nleak:XCreateGC\n";
    return true;
}();

namespace {

using namespace win;
using namespace x11test;

constexpr auto kStepWatchdog = std::chrono::seconds(30);

TPoint Centre(const TControl* control, const TRect& r) {
    return control->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

TPoint Centre(const TControl* control) {
    return Centre(control, TRect(0, 0, control->Width(), control->Height()));
}

// A step of the user's: once the program shows what the step waits for, the hand acts.
struct TStep {
    const char* Name;
    std::function<bool()> Ready;
    std::function<void()> Act;
};

// On a bare server, and under a reparenting window manager.
class AddAndExitX11 : public X11ProgramTest, public ::testing::WithParamInterface<bool> {
protected:
    AddAndExitX11() : X11ProgramTest("addandexit-x11") {}

    // The steps run whenever the loop of the moment runs dry: the test's own below, and the
    // loops of the popup menu and the modal dialog, which the program runs inside its handlers.
    void RunSteps() {
        while (!FSteps.empty() && !FFailed) {
            TStep& step = FSteps.front();
            if (!step.Ready()) {
                if (std::chrono::steady_clock::now() > FStepDeadline) {
                    ADD_FAILURE() << "the program never got ready for: " << step.Name;
                    FFailed = true;
                    // Ends every loop the program runs, the modal ones first.
                    FApp->Terminate();
                    return;
                }
                // Nothing else may come to wake a modal loop: wait a little for the server,
                // then wake it.
                CurrentBackend().WaitEvents(CurrentBackend().GetClock().NowMs() + 10);
                PostMessage(Form1->Handle(), WM_NULL, 0, 0);
                return;
            }
            auto act = std::move(step.Act);
            FSteps.pop_front();
            FStepDeadline = std::chrono::steady_clock::now() + kStepWatchdog;
            act();
            // The next step waits until the program took this one's input.
            return;
        }
    }
    // The program's loop as its application runs it (its message filters first), except that
    // the quit message is kept for the test to read instead of ending a loop.
    void Pump() {
        MSG msg;
        while (!FQuitCode && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                FQuitCode = int(msg.wParam);
                return;
            }
            if (FApp->OnMessage.Filter(msg)) continue;
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        RunSteps();
    }

    unsigned long XOf(TWinControl* control) {
        return static_cast<X11Backend&>(CurrentBackend()).XWindowOf(control->Handle());
    }
    bool Viewable(TWinControl* control) {
        return control && control->HandleAllocated() && XWindowViewable(FUser, XOf(control));
    }
    TbsSkinMenu& SkinMenu() { return FindSkinFormComponent(Form1)->SkinMenu(); }
    // The open menu's first level once the server shows it, else nullptr.
    TbsSkinPopupWindow* ShownLevel() {
        if (!SkinMenu().Visible() || SkinMenu().PopupList().empty()) return nullptr;
        TbsSkinPopupWindow* level = SkinMenu().PopupList().front();
        return Viewable(level) ? level : nullptr;
    }
    // The row of the shown level with the caption, on the screen.
    std::optional<TPoint> RowOf(const std::string& caption) {
        TbsSkinPopupWindow* level = ShownLevel();
        if (!level) return std::nullopt;
        for (const auto& row : level->ItemList())
            if (row->MenuItem && row->MenuItem->Caption() == caption)
                return Centre(level, row->ObjectRect);
        return std::nullopt;
    }
    TbsOpenDlgForm* OpenDialog() {
        auto* form = dynamic_cast<TbsOpenDlgForm*>(Screen->ActiveForm());
        return Viewable(form) ? form : nullptr;
    }
    void Click(const TPoint& p) { FHands->Click(p.X, p.Y); }

    std::unique_ptr<XTestInput> FHands;
    std::deque<TStep> FSteps;
    std::chrono::steady_clock::time_point FStepDeadline;
    bool FFailed{ false };
    std::optional<int> FQuitCode;
};

TEST_P(AddAndExitX11, AddsAFileThroughTheMenuAndTheOpenDialogThenExits) {
    std::unique_ptr<XWindowManager> manager;
    if (GetParam()) {
        manager = std::make_unique<XWindowManager>(FServer.Name());
        if (!manager->Running()) GTEST_SKIP() << "no window manager could be started";
    }
    FHands = std::make_unique<XTestInput>(FServer.Name());
    if (!FHands->Available()) GTEST_SKIP() << "the server has no test extension";
    const std::string file = fixtures::Standard().Mp4;
    const std::string folder = ExcludeTrailingPathDelimiter(ExtractFilePath(file));
    const std::string name = ExtractFileName(file);
    StartProgram();
    ASSERT_TRUE(Form1);
    const ProgramLoop loop([this] { Pump(); });
    FApp->OnIdle = [this](TObject*) { RunSteps(); };
    auto* list = DescribedComponent<TbsSkinListView>(Form1, "lvFiles");
    auto* add = DescribedComponent<TControl>(Form1, "bsSkinMenuSpeedButton1");
    auto* bar = DescribedComponent<TbsSkinMainMenuBar>(Form1, "bsSkinMainMenuBar1");

    std::optional<TPoint> row;
    FSteps = {
        { "the add button", [&] { return Viewable(Form1); }, [&] { Click(Centre(add)); } },
        { "the add menu", [&] { return (row = RowOf("添加一个文件")).has_value(); },
          [&] { Click(*row); } },
        { "the open dialog", [&] { return OpenDialog() != nullptr; },
          [&] { Click(Centre(OpenDialog()->FileNameEdit)); } },
        { "the name edit's focus", [&] { return OpenDialog()->FileNameEdit->Focused(); },
          [&] {
              for (const char c : folder)
                  FHands->TypeKey(static_cast<unsigned char>(c));
              FHands->TypeKey(XK_Return);
          } },
        { "the fixture folder's list",
          [&] {
              TbsSkinFileListView& files = *OpenDialog()->FileListView;
              if (files.Path() != folder) return false;
              for (int i = 0; i < files.FolderCount(); ++i)
                  if (files.FolderAt(i)->DisplayName() == name) {
                      row = Centre(&files, files.ItemRect(i, drLabel));
                      return true;
                  }
              return false;
          },
          [&] { Click(*row); } },
        { "the chosen file's name", [&] { return OpenDialog()->FileNameEdit->Text() == name; },
          [&] { Click(Centre(OpenDialog()->OpenButton)); } },
        { "the job row",
          [&] { return list->Items().Count() == 1 && Screen->ActiveForm() == Form1; },
          [&] {
              for (const auto& object : bar->ObjectList)
                  if (auto* item = dynamic_cast<TbsSkinMainMenuBarItem*>(object.get()))
                      if (item->MenuItem && item->MenuItem->Caption() == "文件")
                          Click(Centre(bar, item->ObjectRect));
          } },
        { "the file menu", [&] { return (row = RowOf("退出")).has_value(); },
          [&] { Click(*row); } },
    };
    FStepDeadline = std::chrono::steady_clock::now() + kStepWatchdog;
    EXPECT_TRUE(
        RunUntil([&] { return FQuitCode.has_value() || FFailed; }, std::chrono::seconds(120)));
    ASSERT_FALSE(FFailed);
    ASSERT_EQ(list->Items().Count(), 1);
    EXPECT_EQ(list->Items()[0]->Caption(), file);
    EXPECT_EQ(FQuitCode, 0) << "the program ends as a finished program does";
    EXPECT_TRUE(FApp->Terminated());
}

INSTANTIATE_TEST_SUITE_P(Desktops, AddAndExitX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Managed" : "Bare"; });

} // namespace
