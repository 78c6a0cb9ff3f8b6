#pragma once
#include "lib/dialogs/TbsShellDialogComponent.h"
#include "platform/forms/TListView.h"
#include "platform/rtl/TStringList.h"

#include <cstdint>
#include <string>

class TbsOpenDlgForm;

// The skinned open dialog as a component without a window: every Execute builds a fresh
// TbsOpenDlgForm, shows it modally, copies the results back and frees it. File name, files,
// filter index, size and view style stay between calls. A descendant turns on FSaveMode for the
// save dialog.
class TbsSkinOpenDialog : public TbsShellDialogComponent {
public:
    explicit TbsSkinOpenDialog(TComponent* owner);
    ~TbsSkinOpenDialog() override;

    std::string ClassName() const override { return "TbsSkinOpenDialog"; }

    // True when the user chose a name (the form closed with result 1).
    bool Execute();

    bool ShowHiddenFiles() const { return FShowHiddenFiles; }
    void SetShowHiddenFiles(bool value) { FShowHiddenFiles = value; }
    bool OverwritePromt() const { return FOverwritePromt; }
    void SetOverwritePromt(bool value) { FOverwritePromt = value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
    bool CheckFileExists() const { return FCheckFileExists; }
    void SetCheckFileExists(bool value) { FCheckFileExists = value; }
    bool MultiSelection() const { return FMultiSelection; }
    void SetMultiSelection(bool value) { FMultiSelection = value; }
    bool CtrlAlphaBlend() const { return FCtrlAlphaBlend; }
    void SetCtrlAlphaBlend(bool value) { FCtrlAlphaBlend = value; }
    int CtrlAlphaBlendValue() const { return FCtrlAlphaBlendValue; }
    void SetCtrlAlphaBlendValue(int value) { FCtrlAlphaBlendValue = value; }
    bool CtrlAlphaBlendAnimation() const { return FCtrlAlphaBlendAnimation; }
    void SetCtrlAlphaBlendAnimation(bool value) { FCtrlAlphaBlendAnimation = value; }
    const std::string& LVHeaderSkinDataName() const { return FLVHeaderSkinDataName; }
    void SetLVHeaderSkinDataName(const std::string& value) { FLVHeaderSkinDataName = value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& value) { FInitialDir = value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const std::string& FileName() const { return FFileName; }
    // While the dialog runs, the name also goes into its name edit.
    void SetFileName(const std::string& value);

    // The files chosen at the last OK (folders left out), in list order.
    const TStringList& Files() const { return FFiles; }
    TViewStyle ListViewStyle() const { return FListViewStyle; }
    void SetListViewStyle(TViewStyle value) { FListViewStyle = value; }
    // The list's selected file while the dialog runs, else "".
    std::string GetSelectedFile() const;
    // The form of the running Execute, else null.
    TbsOpenDlgForm* Form() const { return FForm; }

    TNotifyEvent OnFolderChange;

protected:
    // The folder the dialog opens on.
    std::string StartFolder() const;
    // Builds the running form; a descendant adds to it.
    virtual TbsOpenDlgForm* CreateForm();
    virtual void PrepareForm(TbsOpenDlgForm& form);
    virtual void StoreFormState(TbsOpenDlgForm& form);
    virtual int DefaultDialogWidth() const { return 450; }

    bool FSaveMode{ false };

private:
    bool FShowHiddenFiles{ false };
    bool FOverwritePromt{ false };
    std::string FDefaultExt;
    bool FCheckFileExists{ true };
    bool FMultiSelection{ false };
    bool FCtrlAlphaBlend{ false };
    int FCtrlAlphaBlendValue{ 225 };
    bool FCtrlAlphaBlendAnimation{ false };
    std::string FLVHeaderSkinDataName{ "resizebutton" };
    std::string FInitialDir;
    std::string FFilter{ "All files|*.*" };
    int FFilterIndex{ 1 };
    std::string FFileName;
    TStringList FFiles;
    TViewStyle FListViewStyle{ vsList };
    TbsOpenDlgForm* FForm{ nullptr };
};
