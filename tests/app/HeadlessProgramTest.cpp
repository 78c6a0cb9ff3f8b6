#include "HeadlessProgramTest.h"

#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/dialogs/bsMessages.h"
#include "platform/forms/TMessageForm.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"

#include <cstdlib>
#include <filesystem>

namespace {

class TRecordingLauncher : public TShellLauncher {
public:
    TRecordingLauncher(std::vector<std::string>& launched, const std::string& failure)
        : FLaunched(launched), FFailure(failure) {}
    bool Launch(const std::vector<std::string>& argv) override {
        FLaunched.push_back(argv.at(0) + " " + argv.back());
        return true;
    }
    bool LaunchIn(const std::string&, const std::vector<std::string>& argv) override {
        return Launch(argv);
    }
    // Ends as a program does, later and on the GUI thread.
    void LaunchWatched(const std::vector<std::string>& argv, TLaunchEnded ended) override {
        Launch(argv);
        QueueToMainThread([ended, failure = FFailure] { ended(failure.empty(), failure); });
    }

private:
    std::vector<std::string>& FLaunched;
    const std::string& FFailure;
};

} // namespace

bool TScriptedDialogs::SelectFolder(const std::string&, std::string& directory) {
    if (FFolder.empty()) return false;
    directory = FFolder;
    return true;
}

bool TScriptedDialogs::OpenFiles(const std::string&, const std::string&, bool,
                                 std::vector<std::string>& files) {
    files = FFiles;
    return !files.empty();
}

void HeadlessProgramTest::SetUp() {
    FRoot = CreateTempFolder(FFolderName);
    setenv(kSettingsFolderVariable, (FRoot + "settings").c_str(), 1);
    // Where the settings go when the folder standing for the program's cannot take them.
    if (const char* config = std::getenv("XDG_CONFIG_HOME")) FPreviousConfigHome = config;
    setenv("XDG_CONFIG_HOME", (FRoot + "config").c_str(), 1);
    setenv(kDataRootVariable, (FRoot + "home").c_str(), 1);
    ForceDirectories(FRoot + "settings");
    auto display = std::make_unique<win::HeadlessBackend>();
    FDisplay = display.get();
    win::InstallBackend(std::move(display));
    FPreviousLauncher =
        SetShellLauncher(std::make_unique<TRecordingLauncher>(FLaunched, FLaunchFailure));
    auto dialogs = std::make_unique<TScriptedDialogs>();
    FDialogs = dialogs.get();
    FPreviousDialogs = SetDialogs(std::move(dialogs));
}

void HeadlessProgramTest::TearDown() {
    if (Screen) Screen->OnActiveFormChange = nullptr;
    // The window's close sequence detaches the player and the tasks before the window goes.
    bool canClose = true;
    if (Form1) Form1->FormCloseQuery(Form1, canClose);
    FApp.reset();
    Pump();
    for (const auto& w : win::WindowSystem::Instance().AllWindows())
        win::DestroyWindow(w->FHandle);
    win::ReleaseCapture();
    win::InstallBackend(nullptr);
    SetShellLauncher(std::move(FPreviousLauncher));
    SetDialogs(std::move(FPreviousDialogs));
    unsetenv(kSettingsFolderVariable);
    if (FPreviousConfigHome)
        setenv("XDG_CONFIG_HOME", FPreviousConfigHome->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    unsetenv(kDataRootVariable);
    std::filesystem::remove_all(FRoot);
}

void HeadlessProgramTest::StartProgram() {
    FApp = std::make_unique<TApplication>(nullptr);
    FApp->OnException = [this](TObject*, const std::exception& e) { FErrors.push_back(e.what()); };
    CreateProgramWindows(*FApp);
}

void ClickControl(TControl* control) {
    if (auto* button = dynamic_cast<TbsSkinButton*>(control))
        button->ButtonClick();
    else
        control->Click();
}

void HeadlessProgramTest::AnswerMessageBoxes() {
    Screen->OnActiveFormChange = [this](TObject*) {
        if (auto* box = dynamic_cast<TMessageForm*>(Screen->ActiveForm())) {
            FMessages.push_back(box->Caption() + ": " + box->Message());
            box->SetModalResult(mrOk);
        } else if (auto* skinned = dynamic_cast<TbsMessageForm*>(Screen->ActiveForm())) {
            FMessages.push_back(skinned->Caption() + ": " + skinned->Message->Caption());
            skinned->SetModalResult(mrOk);
        }
    };
}

void HeadlessProgramTest::Pump() {
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) continue;
        // The program's own loop lets the application's filters (an open menu's keys) go first.
        if (FApp && FApp->OnMessage.Filter(msg)) continue;
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
    while (CheckSynchronize(0)) {}
}
