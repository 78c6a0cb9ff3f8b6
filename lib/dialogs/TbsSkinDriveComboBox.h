#pragma once
#include "lib/controls/TbsSkinComboBox.h"
#include "lib/dialogs/bsFileCtrlGlyphs.h"
#include "platform/shell/ShellEnvironment.h"

#include <memory>
#include <string>
#include <vector>

class TbsSkinDirectoryListBox;

enum TTextCase { tcLowerCase, tcUpperCase };

// The mounted file systems a user browses: "/" first, then the mounts below /media,
// /run/media/<user> and /mnt, each shown as "<mount point> [label]" with a glyph of its kind.
// A drive here is a mount point.
class TbsSkinDriveComboBox : public TbsSkinComboBox {
public:
    explicit TbsSkinDriveComboBox(TComponent* owner);
    ~TbsSkinDriveComboBox() override;

    std::string ClassName() const override { return "TbsSkinDriveComboBox"; }

    // The chosen mount point; empty for none.
    const std::string& Drive() const { return FDrive; }
    void SetDrive(const std::string& value);
    TTextCase TextCase() const { return FTextCase; }
    void SetTextCase(TTextCase value);
    // Goes to the chosen mount point.
    TbsSkinDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TbsSkinDirectoryListBox* value);

    virtual void BuildDriveList();
    // The glyph of a row: it tells the drive's kind.
    const TbsGlyphObject* RowGlyph(int index);

    // Where the mounts, the user's name and the volume labels are read from.
    TShellEnvironment Environment;
    std::string LabelFolder{ "/dev/disk/by-label" };

protected:
    // The list is read when the window is made, and the drive chosen in it.
    void CreateWnd() override;
    void Change() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    struct TDriveRow {
        std::string MountPoint;
        const TbsGlyphObject* Glyph;
    };
    // The row's glyph, then its text, in the field and in the drop-down list alike.
    void DrawDriveRow(TCanvas& C, int index, const TRect& textRect);
    // Selects the drive's row; the linked folder list goes there only when asked.
    void SelectDrive(const std::string& value, bool moveDirList);

    std::string FDrive{ "/" };
    TTextCase FTextCase{ tcLowerCase };
    TbsSkinDirectoryListBox* FDirList{ nullptr };
    std::vector<TDriveRow> FRows;
    bool FInSetDrive{ false };
    std::unique_ptr<TbsGlyphObject> FFloppy;
    std::unique_ptr<TbsGlyphObject> FFixed;
    std::unique_ptr<TbsGlyphObject> FNetwork;
    std::unique_ptr<TbsGlyphObject> FCDROM;
    std::unique_ptr<TbsGlyphObject> FRAM;
};
