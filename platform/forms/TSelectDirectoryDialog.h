#pragma once
#include "platform/forms/TComponent.h"
#include <string>

// Asks for a folder in a modal window that lists folders, enters one on a double click, goes
// up with Backspace or the Up button and takes a typed path. It opens at Directory when that
// exists, else at the home folder, else at "/". Execute is true after OK, with the chosen
// folder (no trailing '/' but for the root) in Directory; Cancel leaves Directory alone.
class TSelectDirectoryDialog : public TComponent {
public:
    explicit TSelectDirectoryDialog(TComponent* owner);

    std::string ClassName() const override { return "TSelectDirectoryDialog"; }

    // The window's caption; empty gives "Select folder".
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& value) { FDirectory = value; }

    bool Execute();

private:
    std::string FTitle;
    std::string FDirectory;
};
