#pragma once
#include "platform/forms/TComponent.h"
#include "platform/forms/TFileDialogForm.h"
#include <string>
#include <vector>

// Asks for one file, or several with ofAllowMultiSelect, in a modal window. Execute is true
// when the user confirmed; FileName and Files then hold full names. Cancel leaves them as they
// were. FilterIndex (from 1) follows the user's choice either way.
class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* owner);

    std::string ClassName() const override { return "TOpenDialog"; }

    // The window's caption; empty gives "Open" ("Save As" in a save dialog).
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    // "Text|mask;mask|Text|mask": entries of a description and the masks it stands for.
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    // Where the dialog opens when FileName names no existing folder; the home folder when
    // this does not exist either.
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& value) { FInitialDir = value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    const std::vector<std::string>& Files() const { return FFiles; }
    // Added, without its dot, to a name typed without extension (the chosen entry's own
    // extension first, when it names one exactly).
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }

    virtual bool Execute();

protected:
    bool FSaveMode{ false };

private:
    std::string FTitle;
    std::string FFilter;
    int FFilterIndex{ 1 };
    std::string FInitialDir;
    std::string FFileName;
    std::vector<std::string> FFiles;
    std::string FDefaultExt;
    TOpenOptions FOptions{ ofHideReadOnly, ofEnableSizing };
};

// Asks for the name to save under; with ofOverwritePrompt an existing file is replaced only
// after the user agreed.
class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* owner);
    std::string ClassName() const override { return "TSaveDialog"; }
};

// A save dialog whose filter starts with the picture formats the program writes and reads.
class TSavePictureDialog : public TSaveDialog {
public:
    explicit TSavePictureDialog(TComponent* owner);
    std::string ClassName() const override { return "TSavePictureDialog"; }
};
