#pragma once
#include "lib/controls/TbsSkinListBox.h"
#include "lib/dialogs/bsFileCtrlGlyphs.h"

#include <memory>
#include <string>

class TbsSkinDriveComboBox;
class TbsSkinFileListBox;
class TbsSkinStdLabel;

// The folders from "/" down to the list's folder (open glyphs), the folder itself (the current
// glyph) and its sub-folders in order (closed glyphs), each indented by its depth. A double
// click or Enter opens the chosen folder. The list keeps its folder as a text of its own and
// never changes the process's current folder.
class TbsSkinDirectoryListBox : public TbsSkinListBox {
public:
    explicit TbsSkinDirectoryListBox(TComponent* owner);
    ~TbsSkinDirectoryListBox() override;

    std::string ClassName() const override { return "TbsSkinDirectoryListBox"; }

    const std::string& Directory() const { return FDirectory; }
    // value may be relative to the list's folder; a folder that does not exist raises
    // EInOutError and leaves the list as it was.
    virtual void SetDirectory(const std::string& value);

    // The mount point the list's folder lies on, the list's drive.
    std::string Drive() const;
    // Goes to another drive's root; a mount that cannot be entered is ignored.
    void DriveChange(const std::string& newDrive);
    // The drive combo box that shows the list's drive; the combo box links itself.
    TbsSkinDriveComboBox* DriveCombo() const { return FDriveCombo; }
    void SetDriveCombo(TbsSkinDriveComboBox* value);

    // The file system's case rules for the list's folder: only FAT and NTFS mounts fold case.
    bool PreserveCase() const { return FPreserveCase; }
    bool CaseSensitive() const { return FCaseSensitive; }
    std::string DisplayCase(const std::string& s) const;
    // Below zero, zero or above zero, as the folder's file system compares names.
    int FileCompareText(const std::string& a, const std::string& b) const;

    // Shows the list's folder whenever it changes.
    TbsSkinFileListBox* FileList() const { return FFileList; }
    void SetFileList(TbsSkinFileListBox* value);
    TbsSkinStdLabel* DirLabel() const { return FDirLabel; }
    void SetDirLabel(TbsSkinStdLabel* value);

    // Opens the chosen folder; so do a double click and Enter.
    void OpenCurrent();
    void ListBoxDblClick() override;
    void ListBoxKeyPress(char32_t& key) override;
    void Update();
    // The folder item index stands for; empty past the end.
    std::string GetItemPath(int index);
    // The horizontal room an item takes: glyph, indent and text.
    int ItemIndent(int index);

    // The glyphs, which also tell the rows' kinds apart.
    TbsGlyphObject* OpenedBMP() const { return FOpened.get(); }
    TbsGlyphObject* ClosedBMP() const { return FClosed.get(); }
    TbsGlyphObject* CurrentBMP() const { return FCurrent.get(); }

    TNotifyEvent OnChange;
    // Where mounts are read from, to learn the folder's file system.
    std::string MountTableFile{ "/proc/self/mounts" };

protected:
    virtual void Change();
    virtual void BuildFolderList();
    void Notification(TComponent* component, TOperation operation) override;
    // Each row's glyph at its depth's indent, then the name.
    void DrawRowContent(TCanvas& C, int index, const TSize& size, const TRect& textRect,
                        TOwnerDrawState state) override;

private:
    void ReadCaseRules();
    void UpdateDirLabel();

    std::string FDirectory{ "/" };
    bool FPreserveCase{ true };
    bool FCaseSensitive{ true };
    TbsSkinFileListBox* FFileList{ nullptr };
    TbsSkinDriveComboBox* FDriveCombo{ nullptr };
    // Set while the list itself tells its drive combo box of a new drive.
    bool FInSetDir{ false };
    TbsSkinStdLabel* FDirLabel{ nullptr };
    std::unique_ptr<TbsGlyphObject> FOpened;
    std::unique_ptr<TbsGlyphObject> FClosed;
    std::unique_ptr<TbsGlyphObject> FCurrent;
};
