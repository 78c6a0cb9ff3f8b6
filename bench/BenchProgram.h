#pragma once
// For benchmarks that drive the program's windows on the headless display without its event
// loop: the program's folders in a temporary place, and the loop's pumping.
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/MainThread.h"
#include "platform/win/Win.h"
#include "platform/win/WindowSystem.h"

#include <cstdlib>
#include <memory>
#include <string>

// Silences SDL, makes this thread the main thread, and points the program's settings and data
// folders into a new temporary folder, whose path (ending in "/") it returns.
inline std::string PrepareBenchProgram(const std::string& name) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SetMainThread();
    const std::string root = CreateTempFolder(name);
    setenv(kSettingsFolderVariable, (root + "settings").c_str(), 1);
    setenv(kDataRootVariable, (root + "home").c_str(), 1);
    ForceDirectories(root + "settings");
    return root;
}

// Runs the queued messages and main-thread calls, as the program's event loop does.
inline void PumpBenchMessages() {
    win::MSG msg;
    while (win::PeekMessage(&msg, nullptr, 0, 0, win::PM_REMOVE)) {
        if (msg.message == win::WM_QUIT) continue;
        win::TranslateMessage(&msg);
        win::DispatchMessage(&msg);
    }
    while (CheckSynchronize(0)) {}
}

// Ends the program's windows as a user's close does, frees the application and runs what the
// closing queued.
inline void CloseBenchProgram(std::unique_ptr<TApplication>& application) {
    bool canClose = true;
    Form1->FormCloseQuery(Form1, canClose);
    application.reset();
    PumpBenchMessages();
}

// Destroys whatever windows are left and takes the display away.
inline void EndBenchDisplay() {
    for (const auto& w : win::WindowSystem::Instance().AllWindows())
        win::DestroyWindow(w->FHandle);
    win::InstallBackend(nullptr);
}
