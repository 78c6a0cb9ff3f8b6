#pragma once
#include "platform/forms/TApplication.h"
#include "tests/x11/XServer.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>

// Xlib's connection; declared alone, so that this header brings in none of its macros.
struct _XDisplay;

// The program on a private X server as in a desktop session, with its settings and data in a
// temporary folder, and a connection of the test's own to the server. The test skips itself
// when no server could be started or the server refuses clients.
class X11ProgramTest : public ::testing::Test {
protected:
    // folderName names the temporary folder, after the suite.
    explicit X11ProgramTest(std::string folderName) : FFolderName(std::move(folderName)) {}

    void SetUp() override;
    // Ends the program as its window's close does, then takes the display and the temporary
    // folder away.
    void TearDown() override;

    // Creates the program's windows as its entry point does and shows the main window.
    void StartProgram();
    // Saves what the screen shows where the main window is, as fileName in the folder above the
    // program's, for a person to look at.
    bool SaveMainWindowPicture(const std::string& fileName);

    x11test::XServer FServer{ 1024, 768 };
    _XDisplay* FUser{ nullptr };
    std::unique_ptr<TApplication> FApp;

private:
    std::string FFolderName;
    std::string FRoot;
};
