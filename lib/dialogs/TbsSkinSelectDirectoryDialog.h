#pragma once
#include "lib/dialogs/TbsShellDialogComponent.h"
#include "platform/forms/TCustomForm.h"

#include <string>

class TbsSkinData;
class TbsSkinForm;
class TbsSkinPanel;
class TbsSkinDirTreeView;
class TbsSkinScrollBar;
class TbsSkinButton;
class TbsSkinSpeedButton;
class TbsSkinEdit;

// The folder chooser's window, built in code: the folder tree with its two bars, OK and Cancel
// and, when asked for, a tool bar with a path edit and a new-folder button.
class TbsSelDirDlgForm : public TForm {
public:
    TbsSelDirDlgForm(TComponent* owner, TbsSkinData* ctrlSkinData, bool showToolBar,
                     bool toolButtonsTransparent);
    std::string ClassName() const override { return "TbsSelDirDlgForm"; }

    TbsSkinForm* BSF{ nullptr };
    TbsSkinPanel* DirTreeViewPanel{ nullptr };
    TbsSkinPanel* BottomPanel{ nullptr };
    TbsSkinDirTreeView* DirTreeView{ nullptr };
    TbsSkinScrollBar* VScrollBar{ nullptr };
    TbsSkinScrollBar* HScrollBar{ nullptr };
    TbsSkinButton* OkButton{ nullptr };
    TbsSkinButton* CancelButton{ nullptr };
    // These three exist only with the tool bar.
    TbsSkinPanel* ToolPanel{ nullptr };
    TbsSkinSpeedButton* NewFolderToolButton{ nullptr };
    TbsSkinEdit* DirEdit{ nullptr };

    // Creates "New Folder" in the selected file-system folder when no such entry exists yet,
    // and lists it under the selected node.
    void NewFolderToolButtonClick(TObject* sender);
    // Enter moves the tree to the typed folder when it exists.
    void DirEditKeyPress(TObject* sender, char32_t& key);
    // OK is only offered while a folder is selected, so that it never returns an empty choice.
    void DirTreeViewChange(TObject* sender);

protected:
    TbsSkinData* CtrlSD{ nullptr };
    bool ShowToolBar{ false };

private:
    void BuildToolBar(bool toolButtonsTransparent);
    void BuildTree();
    void BuildButtons();
};

// Lets the user pick a folder in a skinned window: each Execute builds a fresh TbsSelDirDlgForm
// owned by the application, shows it modally, copies the chosen folder into Directory and frees
// the form.
class TbsSkinSelectDirectoryDialog : public TbsShellDialogComponent {
public:
    explicit TbsSkinSelectDirectoryDialog(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinSelectDirectoryDialog"; }

    // True when the user closed the dialog with OK.
    bool Execute();

    // The folder shown first when it exists; the chosen folder after OK.
    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& value) { FDirectory = value; }
    bool ShowToolBar() const { return FShowToolBar; }
    void SetShowToolBar(bool value) { FShowToolBar = value; }

    // The dialog's form while Execute runs, else null.
    TbsSelDirDlgForm* DlgForm() const { return FDlgFrm; }

private:
    void Prepare(TbsSelDirDlgForm& form);
    bool Run(TbsSelDirDlgForm& form);

    std::string FDirectory;
    bool FShowToolBar{ false };
    TbsSelDirDlgForm* FDlgFrm{ nullptr };
};
