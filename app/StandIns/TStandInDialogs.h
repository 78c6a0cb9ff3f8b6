#pragma once
#include "platform/forms/TComponent.h"
#include <string>
#include <vector>

// The skinned dialog components as plain components: their settings as the windows' descriptions
// give them, Execute through the program's dialogs.

class TStandInSelectDirectoryDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TStandInSelectDirectoryDialog"; }

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    // The folder last confirmed with OK; where the dialog opens when that folder exists.
    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& value) { FDirectory = value; }
    bool ToolButtons() const { return FToolButtons; }
    void SetToolButtons(bool value) { FToolButtons = value; }
    // True when the user confirmed a folder.
    bool Execute();

private:
    std::string FTitle;
    std::string FDirectory;
    bool FToolButtons{ true };
};

class TStandInOpenDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TStandInOpenDialog"; }

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    bool MultiSelection() const { return FMultiSelection; }
    void SetMultiSelection(bool value) { FMultiSelection = value; }
    const std::string& FileName() const { return FFileName; }
    const std::vector<std::string>& Files() const { return FFiles; }
    bool Execute();

private:
    std::string FTitle;
    std::string FFilter;
    bool FMultiSelection{ false };
    std::string FFileName;
    std::vector<std::string> FFiles;
};

class TStandInSelectSkinDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TStandInSelectSkinDialog"; }

    int SelectedSkinIndex() const { return FSelectedSkinIndex; }
    bool Execute(int skinIndex);

private:
    int FSelectedSkinIndex{ -1 };
};
