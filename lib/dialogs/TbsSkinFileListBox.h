#pragma once
#include "lib/controls/TbsSkinListBox.h"
#include "platform/forms/TSet.h"

#include <string>

class TCustomEdit;
class TbsSkinDirectoryListBox;
class TbsSkinFilterComboBox;

enum TbsFileAttr {
    bsftReadOnly,
    bsftHidden,
    bsftSystem,
    bsftVolumeID,
    bsftDirectory,
    bsftArchive,
    bsftNormal
};
using TbsFileType = TSet<TbsFileAttr>;

// A folder's files that match a mask of patterns joined by ';' and an attribute filter, in
// order, each once; folders as "[name]" when asked for. The list keeps its folder as a text of
// its own and never changes the process's current folder.
class TbsSkinFileListBox : public TbsSkinListBox {
public:
    explicit TbsSkinFileListBox(TComponent* owner);
    ~TbsSkinFileListBox() override;

    std::string ClassName() const override { return "TbsSkinFileListBox"; }

    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& value) { ApplyFilePath(value); }
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& value);
    TbsFileType FileType() const { return FFileType; }
    void SetFileType(TbsFileType value);
    // The chosen file's full name, empty without a choice; written as a typed path is.
    std::string FileName() { return GetFilePath(); }
    void SetFileName(const std::string& value) { ApplyFilePath(value); }

    TCustomEdit* FileEdit() const { return FFileEdit; }
    void SetFileEdit(TCustomEdit* value);
    TbsSkinDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TbsSkinDirectoryListBox* value);

    // The filter combo box that hands this list its mask; written by the combo box's link.
    TbsSkinFilterComboBox* FilterCombo() const { return FFilterCombo; }
    void SetFilterComboLink(TbsSkinFilterComboBox* value) { FFilterCombo = value; }

    // Reads the folder again.
    void Update() { ReadFileNames(); }
    // A typed path: its folder becomes the list's (through the linked folder list when there
    // is one), a pattern becomes the mask, a name is chosen; an existing file the mask hides
    // becomes the mask itself. A folder that does not exist raises EInOutError.
    virtual void ApplyFilePath(const std::string& editText);
    // Shows newDir (relative to the list's folder or absolute) when it is another folder.
    void ChangeDirectory(const std::string& newDir);
    std::string SelectedItemName();

    TNotifyEvent OnChange;
    // A click on another file is a change.
    void ListBoxClick() override;

protected:
    virtual void Change();
    virtual void ReadFileNames();
    virtual std::string GetFilePath();
    void Notification(TComponent* component, TOperation operation) override;

private:
    void SelectFileName(const std::string& name);

    std::string FDirectory{ "/" };
    std::string FMask{ "*.*" };
    TbsFileType FFileType{ bsftNormal };
    TCustomEdit* FFileEdit{ nullptr };
    TbsSkinDirectoryListBox* FDirList{ nullptr };
    TbsSkinFilterComboBox* FFilterCombo{ nullptr };
    int FLastSel{ -1 };
};
