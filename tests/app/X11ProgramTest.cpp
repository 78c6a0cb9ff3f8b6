#include "X11ProgramTest.h"

#include "Src/FFPlay.h"
#include "app/Program.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/Unit1.h"
#include "platform/gfx/Surface.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "platform/win/x11/X11Backend.h"
#include "tests/x11/XCapture.h"

#include <cstdlib>
#include <filesystem>
// Last: Xlib's names and macros.
#include "tests/x11/XlibApi.h"

void X11ProgramTest::SetUp() {
    if (FServer.Name().empty()) GTEST_SKIP() << "no Xvfb could be started";
    FUser = XOpenDisplay(FServer.Name().c_str());
    if (!FUser) GTEST_SKIP() << "the X server did not accept a client";
    setenv("DISPLAY", FServer.Name().c_str(), 1);
    FRoot = CreateTempFolder(FFolderName);
    setenv(kSettingsFolderVariable, FRoot.c_str(), 1);
    setenv(kDataRootVariable, FRoot.c_str(), 1);
    win::InstallBackend(std::make_unique<win::X11Backend>(FServer.Name().c_str()));
}

void X11ProgramTest::TearDown() {
    if (!FUser) return;
    if (Form1) {
        bool canClose = true;
        Form1->FormCloseQuery(nullptr, canClose);
        Form1->VOVezade->Stop(true);
    }
    FApp.reset();
    win::InstallBackend(nullptr);
    XCloseDisplay(FUser);
    unsetenv(kSettingsFolderVariable);
    unsetenv(kDataRootVariable);
    std::filesystem::remove_all(FRoot);
}

void X11ProgramTest::StartProgram() {
    FApp = std::make_unique<TApplication>(nullptr);
    CreateProgramWindows(*FApp);
    if (Form1) Form1->Show();
}

bool X11ProgramTest::SaveMainWindowPicture(const std::string& fileName) {
    const TRect bounds = Form1->BoundsRect();
    const gfx::Surface shot = x11test::CaptureXWindow(FUser, XDefaultRootWindow(FUser), bounds.Left,
                                                      bounds.Top, bounds.Width(), bounds.Height());
    return win::HeadlessBackend::SavePng(shot, ProgramFolder() + "../" + fileName);
}
