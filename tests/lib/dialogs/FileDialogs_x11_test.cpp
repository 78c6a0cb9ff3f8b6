// The skinned open and select-folder dialogs on a private X server, worked with real pointer and
// keys through the test extension, bare and under openbox: choosing a file by the location box,
// a typed folder, a double-clicked sub-folder and the Open button; a typed mask and name; the
// size left by a drag on the frame coming back at the next call.
#include "ShellSpaceFixture.h"

#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsPopupListBox.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "platform/forms/TTimer.h"
#include "platform/win/Painting.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/XFormTest.h"
#include "tests/x11/XCapture.h"
#include "tests/x11/XTestInput.h"
#include "tests/x11/XWindows.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

namespace {

using namespace x11test;

class FileDialogsOnX11 : public formstest::XInputFormTest,
                         public ::testing::WithParamInterface<bool>,
                         protected TRecordedShellSpace {
protected:
    bool UnderWindowManager() const override { return GetParam(); }
    void SetUp() override {
        XInputFormTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        FSkin = LoadProgramSkin("main");
        for (const char* name : { "docs/notes.txt", "docs/b.txt", "docs/movie.avi",
                                  "docs/sub/clip.txt", "docs/sub/other.avi" })
            Fixture.WriteFile(std::string("home/") + name, "x");
        // The steps run whenever the program waits for input, in whichever loop waits: the
        // dialog's, or the frame's own while it moves or sizes the window, which sees only its
        // timer among the program's messages.
        FApp->OnIdle = [this](TObject*) { Step(); };
        FApp->OnMessage.Add([this](win::MSG& msg, bool&) {
            if (msg.message == win::WM_LBUTTONUP) ++FReleases[msg.hwnd];
        });
        FWake = std::make_unique<TTimer>(nullptr);
        FWake->SetInterval(20);
        FWake->SetOnTimer([this](TObject*) { Step(); });
    }
    void TearDown() override {
        if (FApp) {
            EXPECT_TRUE(FSteps.empty())
                << FSteps.size() << " steps left, the first: " << FSteps.front().What;
        }
        FWake.reset();
        XInputFormTest::TearDown();
        FSkin.reset();
    }

    std::string Docs(const std::string& name = "") const {
        return Fixture.Path("home/docs") + (name.empty() ? "" : "/" + name);
    }
    void Skin(TbsShellDialogComponent& dialog) {
        dialog.SetSkinData(FSkin.get());
        dialog.SetCtrlSkinData(FSkin.get());
    }

    // Once ready holds, act gives the next input, as a hand would once it sees the program
    // took the last. A step that waits longer than a generous watchdog fails the test and ends
    // the program, which cancels the dialog.
    void When(const char* what, std::function<bool()> ready, std::function<void()> act,
              std::function<std::string()> seen = {}) {
        if (FSteps.empty()) FStepStart = std::chrono::steady_clock::now();
        FSteps.push_back({ what, std::move(ready), std::move(act), std::move(seen) });
    }
    void Step() {
        if (FInStep) return;
        FInStep = true;
        const auto now = std::chrono::steady_clock::now();
        if (!FSteps.empty() && FSteps.front().Ready()) {
            FLastDone = FSteps.front().What;
            auto act = std::move(FSteps.front().Act);
            FSteps.pop_front();
            FStepStart = now;
            act();
        } else if (now - FStepStart > std::chrono::seconds(20)) {
            if (FSteps.empty())
                ADD_FAILURE() << "the dialog waited for input the test did not give after: "
                              << FLastDone;
            else
                ADD_FAILURE() << "waited in vain for: " << FSteps.front().What
                              << (FSteps.front().Seen ? "; seen: " + FSteps.front().Seen() : "");
            FSteps.clear();
            FApp->Terminate();
        }
        FInStep = false;
    }

    // Shown by the server where the program has it, and active in the program: clicks go where
    // the test reckons and keys typed now reach it.
    bool Up(TCustomForm* form) {
        if (!form || !form->HandleAllocated() || !XWindowViewable(FUser, XOf(form))) return false;
        return OnScreenAt(form) == TPoint(form->Left(), form->Top()) && form->Active();
    }
    TPoint OnScreenAt(TCustomForm* form) {
        int x = 0, y = 0;
        ::Window child;
        XTranslateCoordinates(FUser, XOf(form), XDefaultRootWindow(FUser), 0, 0, &x, &y, &child);
        return TPoint(x, y);
    }
    // What kept a form from being up, for a failure message.
    std::string UpState(TCustomForm* form) {
        if (!form) return "no form";
        if (!form->HandleAllocated()) return "no window";
        const TPoint at = OnScreenAt(form);
        return std::string(XWindowViewable(FUser, XOf(form)) ? "viewable" : "not viewable") +
               ", on screen at " + std::to_string(at.X) + "," + std::to_string(at.Y) +
               ", form at " + std::to_string(form->Left()) + "," + std::to_string(form->Top()) +
               (form->Active() ? ", active" : ", not active");
    }
    static TPoint Centre(TControl* control, const TRect& r) {
        return control->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    // A click on the control; Taken() tells when the control has had the release. A window
    // manager that takes the press first hands it on late, so the next input waits for that.
    void ClickOn(TControl* control, TPoint at) { Click(control, control->ClientToScreen(at)); }
    void ClickRow(TbsSkinFileListView* list, int row) {
        Click(list, Centre(list, list->ItemRect(row, drLabel)));
    }
    void Click(TControl* control, TPoint screen) {
        auto* window = dynamic_cast<TWinControl*>(control);
        FClicked = window ? window->Handle() : control->Parent()->Handle();
        FReleasesBefore = FReleases[FClicked];
        FInput->Click(screen.X, screen.Y);
    }
    bool Taken() { return !FClicked || FReleases[FClicked] > FReleasesBefore; }
    static int RowOf(TbsSkinFileListView* list, const std::string& name) {
        for (int i = 0; i < list->FolderCount(); ++i)
            if (list->FolderAt(i)->DisplayName() == name) return i;
        return -1;
    }
    // Types the text into an empty edit key by key, as a hand does that watches the text: each
    // key once the edit shows the ones before. The server's keyboard is a US one: capitals and
    // the upper signs come with Shift.
    void TypeInto(TbsSkinEdit* const& edit, const std::string& text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            const bool shift =
                (c >= 'A' && c <= 'Z') || std::strchr("~!@#$%^&*()_+{}|:\"<>?", c) != nullptr;
            When(
                "the edit to show the keys typed so far",
                [&edit, shown = text.substr(0, i)] { return edit->Text() == shown; },
                [this, c, shift] {
                    if (shift) FInput->PressKey(XK_Shift_L);
                    FInput->TypeKey(static_cast<unsigned char>(c));
                    if (shift) FInput->ReleaseKey(XK_Shift_L);
                },
                [&edit] { return edit->Text(); });
        }
    }
    // Empties an edit of count characters with Backspace, key by key.
    void Erase(TbsSkinEdit* const& edit, std::size_t count) {
        for (std::size_t left = count; left > 0; --left)
            When(
                "the edit to take the last Backspace",
                [&edit, left] { return edit->Text().size() == left; },
                [this] { FInput->TypeKey(XK_BackSpace); }, [&edit] { return edit->Text(); });
    }

    // Drags the bottom-right corner of the form's frame by (dx, dy): the press, then the moves
    // once the program's frame took the press and began to size the window.
    void DragCorner(TCustomForm*& form, TbsSkinForm*& frame, int dx, int dy) {
        When(
            "the dialog to be up for the drag", [&] { return Up(form); },
            [&] {
                FInput->MovePointer(form->Left() + form->Width() - 2,
                                    form->Top() + form->Height() - 2);
                FInput->PressButton();
            });
        When(
            "the frame to take the press", [&] { return frame->FSizeMove; },
            [&, dx, dy] {
                FDragFrom = TSize(form->Width(), form->Height());
                FInput->MovePointer(form->Left() + form->Width() - 2 + dx / 2,
                                    form->Top() + form->Height() - 2 + dy / 2);
            });
        When(
            "the first move", [&] { return form->Width() != FDragFrom.cx; },
            [&, dx, dy] {
                FInput->MovePointer(form->Left() + FDragFrom.cx - 2 + dx,
                                    form->Top() + FDragFrom.cy - 2 + dy);
            });
        When(
            "the second move",
            [&, dx, dy] {
                return form->Width() == FDragFrom.cx + dx && form->Height() == FDragFrom.cy + dy;
            },
            [&] { FInput->ReleaseButton(); });
        When(
            "the frame to end the size loop", [&] { return !frame->FSizeMove; }, [] {});
    }

    struct TStep {
        std::string What;
        std::function<bool()> Ready;
        std::function<void()> Act;
        // What the program showed instead, for the failure message.
        std::function<std::string()> Seen;
    };

    std::unique_ptr<TbsSkinData> FSkin;
    std::unique_ptr<TTimer> FWake;
    std::deque<TStep> FSteps;
    std::chrono::steady_clock::time_point FStepStart{ std::chrono::steady_clock::now() };
    bool FInStep{ false };
    std::string FLastDone;
    TSize FDragFrom;
    // The left-button releases the program's loop took, by window.
    std::map<win::HWND, int> FReleases;
    win::HWND FClicked{ nullptr };
    int FReleasesBefore{ 0 };
};

bool SameColours(const gfx::Surface& a, const gfx::Surface& b) {
    if (a.Empty() || a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (RgbAt(a, x, y) != RgbAt(b, x, y)) return false;
    return true;
}

// The share of a row of the picture whose colours all come from the skin's pictures.
double SkinShare(const gfx::Surface& shown, int row, const std::set<std::uint32_t>& colours) {
    int fromSkin = 0;
    for (int x = 0; x < shown.Width(); ++x)
        fromSkin += colours.count(RgbAt(shown, x, row)) ? 1 : 0;
    return double(fromSkin) / shown.Width();
}

TEST_P(FileDialogsOnX11, ChoosesAFileThroughTheLocationBoxATypedFolderAndASubFolder) {
    TbsSkinOpenDialog dialog(nullptr);
    Skin(dialog);
    dialog.SetInitialDir(Docs());
    TbsOpenDlgForm* form = nullptr;
    gfx::Surface shown;
    TRect openButton;
    int rootRow = -1;
    When(
        "the dialog to show", [&] { return Up(dialog.Form()); }, [&] { form = dialog.Form(); });
    When(
        "the dialog to be drawn",
        [&] {
            // Drawn once the server shows all the program painted, frame and controls: a
            // window manager's mapping clears the window until the program puts it back.
            shown = CaptureXWindow(FServer.Name(), XOf(form), form->Width(), form->Height());
            const gfx::Surface* drawn = win::WindowBackBuffer(form->Handle());
            return drawn && SameColours(shown, *drawn);
        },
        [&] {
            const TPoint b = form->OpenButton->ClientToScreen(TPoint(0, 0));
            openButton = TRect(b.X - form->Left(), b.Y - form->Top(),
                               b.X - form->Left() + form->OpenButton->Width(),
                               b.Y - form->Top() + form->OpenButton->Height());
            // The location box's drop-down button.
            ClickOn(form->ShellBox,
                    TPoint(form->ShellBox->Width() - 8, form->ShellBox->Height() / 2));
        });
    When(
        "the location list to open",
        [&] {
            TbsCustomShellComboBox& box = *form->ShellBox;
            return box.IsPopupVisible() && XWindowViewable(FUser, XOf(box.FListBox));
        },
        [&] {
            TbsCustomShellComboBox& box = *form->ShellBox;
            for (int i = 0; i < box.ItemsEx().Count(); ++i)
                if (box.FolderAt(i) && box.FolderAt(i)->PathName() == "/") rootRow = i;
            ASSERT_GE(rootRow, 0) << "the file system's root is among the rows";
        });
    When(
        "the root row to be in view",
        [&] {
            TbsPopupListBox& list = *form->ShellBox->FListBox;
            const TRect row = list.ItemRect(rootRow);
            return row.Top >= 0 && row.Bottom <= list.ListBox->ClientHeight();
        },
        [&] {
            TbsPopupListBox& list = *form->ShellBox->FListBox;
            const TPoint p = Centre(list.ListBox, list.ItemRect(rootRow));
            FInput->Click(p.X, p.Y);
        });
    When(
        "the list to show the root",
        [&] { return !form->ShellBox->IsPopupVisible() && form->FileListView->Path() == "/"; },
        [&] { ClickOn(form->FileNameEdit, TPoint(10, form->FileNameEdit->Height() / 2)); });
    TbsSkinEdit* edit = nullptr;
    When(
        "the name edit to take the click", [&] { return Taken() && form->FileNameEdit->Focused(); },
        [&] { edit = form->FileNameEdit; });
    TypeInto(edit, Docs());
    When(
        "the typed folder", [&] { return form->FileNameEdit->Text() == Docs(); },
        [&] { FInput->TypeKey(XK_Return); });
    When(
        "the list to show the typed folder",
        [&] {
            return form->FileListView->Path() == Docs() && RowOf(form->FileListView, "sub") >= 0;
        },
        [&] { ClickRow(form->FileListView, RowOf(form->FileListView, "sub")); });
    When(
        "the first click on the sub-folder",
        [&] {
            return Taken() && form->FileListView->ItemIndex() == RowOf(form->FileListView, "sub");
        },
        [&] { ClickRow(form->FileListView, RowOf(form->FileListView, "sub")); });
    When(
        "the list to show the sub-folder",
        [&] {
            return Taken() && form->FileListView->Path() == Docs("sub") &&
                   RowOf(form->FileListView, "clip.txt") >= 0;
        },
        [&] { ClickRow(form->FileListView, RowOf(form->FileListView, "clip.txt")); });
    When(
        "the chosen file's name in the edit",
        [&] { return Taken() && form->FileNameEdit->Text() == "clip.txt"; },
        [&] { ClickOn(form->OpenButton, TPoint(20, form->OpenButton->Height() / 2)); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Docs("sub/clip.txt"));

    // Kept in the build folder for a look; its pixels show the skin's frame and button face.
    ASSERT_FALSE(shown.Empty());
    const std::string fileName =
        std::string(VC_SHEET_DIR) + "/open-dialog-" + (GetParam() ? "openbox" : "bare") + ".png";
    EXPECT_TRUE(win::HeadlessBackend::SavePng(shown, fileName)) << fileName;
    std::set<std::uint32_t> frameColours;
    const gfx::Surface frame = FSkin->FPicture.ToSurface();
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x)
            frameColours.insert(RgbAt(frame, x, y));
    EXPECT_GT(SkinShare(shown, 4, frameColours), 0.9) << "the caption bar";
    EXPECT_GT(SkinShare(shown, shown.Height() - 2, frameColours), 0.9) << "the bottom border";
    const auto& record = *FSkin->CtrlList[std::size_t(FSkin->GetControlIndex("button"))];
    const TBitmap* face = ActivePictureOf(*FSkin, record.PictureIndex);
    ASSERT_NE(face, nullptr);
    const TRect f = record.SkinRect;
    EXPECT_EQ(RgbAt(shown, openButton.Left, openButton.Top), RgbAt(*face, f.Left, f.Top));
    EXPECT_EQ(RgbAt(shown, openButton.Right - 1, openButton.Bottom - 1),
              RgbAt(*face, f.Right - 1, f.Bottom - 1));
}

TEST_P(FileDialogsOnX11, ATypedMaskFiltersTheListAndATypedNameWithEnterOpens) {
    TbsSkinOpenDialog dialog(nullptr);
    Skin(dialog);
    dialog.SetInitialDir(Docs());
    TbsOpenDlgForm* form = nullptr;
    const auto listed = [&] {
        std::set<std::string> names;
        for (int i = 0; i < form->FileListView->FolderCount(); ++i)
            names.insert(form->FileListView->FolderAt(i)->DisplayName());
        return names;
    };
    When(
        "the dialog to show", [&] { return Up(dialog.Form()); },
        [&] {
            form = dialog.Form();
            ClickOn(form->FileNameEdit, TPoint(10, form->FileNameEdit->Height() / 2));
        });
    TbsSkinEdit* edit = nullptr;
    When(
        "the name edit to take the click", [&] { return Taken() && form->FileNameEdit->Focused(); },
        [&] { edit = form->FileNameEdit; });
    TypeInto(edit, "*.txt");
    When(
        "the typed mask", [&] { return form->FileNameEdit->Text() == "*.txt"; },
        [&] { FInput->TypeKey(XK_Return); });
    When(
        "the list to show only what the mask lets through",
        [&] { return form->FileListView->Mask() == "*.txt"; },
        [&] {
            EXPECT_EQ(listed(), (std::set<std::string>{ "sub", "b.txt", "notes.txt" }));
        });
    Erase(edit, 5);
    TypeInto(edit, "notes.txt");
    When(
        "the typed name", [&] { return form->FileNameEdit->Text() == "notes.txt"; },
        [&] { FInput->TypeKey(XK_Return); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), Docs("notes.txt"));
}

// The size the user leaves by dragging the frame's corner comes back at the next call, whatever
// closed the dialog.
TEST_P(FileDialogsOnX11, TheSizeLeftByAFrameDragComesBackNextTime) {
    TbsSkinOpenDialog open(nullptr);
    Skin(open);
    open.SetInitialDir(Docs());
    TbsSkinSelectDirectoryDialog folders(nullptr);
    Skin(folders);
    folders.SetDirectory(Docs());

    struct TCase {
        const char* Name;
        TbsShellDialogComponent& Dialog;
        std::function<TCustomForm*()> Form;
        std::function<TbsSkinForm*()> Frame;
        std::function<TbsSkinButton*()> Cancel;
        std::function<bool()> Execute;
    };
    const TCase cases[] = {
        { "open", open, [&] { return static_cast<TCustomForm*>(open.Form()); },
          [&] { return open.Form() ? open.Form()->BSF : nullptr; },
          [&] { return open.Form()->CancelButton; }, [&] { return open.Execute(); } },
        { "select folder", folders, [&] { return static_cast<TCustomForm*>(folders.DlgForm()); },
          [&] { return folders.DlgForm() ? folders.DlgForm()->BSF : nullptr; },
          [&] { return folders.DlgForm()->CancelButton; }, [&] { return folders.Execute(); } },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TCustomForm* form = nullptr;
        TbsSkinForm* frame = nullptr;
        TSize before;
        When(
            "the dialog to show", [&] { return Up(c.Form()); },
            [&] {
                form = c.Form();
                frame = c.Frame();
                before = TSize(form->ClientWidth(), form->ClientHeight());
            });
        DragCorner(form, frame, 60, 40);
        When(
            "the dialog to be up after the drag", [&] { return Up(form); },
            [&] { ClickOn(c.Cancel(), TPoint(20, 10)); });
        EXPECT_FALSE(c.Execute());
        EXPECT_EQ(TSize(c.Dialog.DialogWidth(), c.Dialog.DialogHeight()),
                  TSize(before.cx + 60, before.cy + 40));

        TSize again;
        When(
            "the dialog to show again", [&] { return Up(c.Form()); },
            [&] {
                again = TSize(c.Form()->ClientWidth(), c.Form()->ClientHeight());
                ClickOn(c.Cancel(), TPoint(20, 10));
            },
            [&] { return UpState(c.Form()); });
        EXPECT_FALSE(c.Execute());
        EXPECT_EQ(again, TSize(before.cx + 60, before.cy + 40));
    }
}

INSTANTIATE_TEST_SUITE_P(BareAndManaged, FileDialogsOnX11, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "Bare"; });

} // namespace
