#pragma once
#include "app/Dialogs.h"
#include "platform/forms/TApplication.h"
#include "platform/shell/ShellExecute.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Answers the folder dialog with a prepared folder and the open dialogs with prepared files;
// an empty answer cancels.
class TScriptedDialogs : public IDialogs {
public:
    bool SelectFolder(const std::string& title, std::string& directory) override;
    bool OpenFiles(const std::string& title, const std::string& filter, bool several,
                   std::vector<std::string>& files) override;
    bool SelectSkin(int, int&) override { return false; }

    std::string FFolder;
    std::vector<std::string> FFiles;
};

// The program on a fresh headless display, its settings and data folders ("settings/" and
// "home/") in a temporary folder of its own, the dialogs scripted and what it hands to the
// desktop recorded instead of opened.
class TControl;

// Clicks a control as the user's click would: a skinned button through its own click path,
// anything else through Click.
void ClickControl(TControl* control);

class HeadlessProgramTest : public ::testing::Test {
protected:
    // folderName names the temporary folder, after the suite.
    explicit HeadlessProgramTest(std::string folderName) : FFolderName(std::move(folderName)) {}

    void SetUp() override;
    // Runs the main window's close sequence, frees the program and every window left, and puts
    // back the display, the launcher, the dialogs and the environment as they were.
    void TearDown() override;

    // Creates the program's windows as its entry point does; exceptions the application object
    // reports are kept in FErrors.
    void StartProgram();
    // Answers every message box with OK from now on, keeping each as "caption: text" in
    // FMessages.
    void AnswerMessageBoxes();
    // Runs the queued messages and main-thread calls, as the event loop would, without waiting;
    // a WM_QUIT is dropped, since the test is the loop.
    void Pump();

    std::string FRoot;
    win::HeadlessBackend* FDisplay{ nullptr };
    std::unique_ptr<TApplication> FApp;
    std::vector<std::string> FErrors;
    std::vector<std::string> FMessages;
    // Each launch as "program argument", e.g. "xdg-open /home/...".
    std::vector<std::string> FLaunched;
    // What every watched launch answers: empty for success, else the reason it failed with.
    std::string FLaunchFailure;
    TScriptedDialogs* FDialogs{ nullptr };

private:
    std::string FFolderName;
    std::unique_ptr<TShellLauncher> FPreviousLauncher;
    std::unique_ptr<IDialogs> FPreviousDialogs;
    std::optional<std::string> FPreviousConfigHome;
};
