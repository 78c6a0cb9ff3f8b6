#include "lib/dialogs/TbsSkinDriveComboBox.h"

#include "lib/dialogs/TbsSkinDirectoryListBox.h"
#include "lib/dialogs/bsFilePaths.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/MountTable.h"

#include <filesystem>
#include <set>

namespace {

constexpr int kDriveTextGap = 4;

bool IsOpticalFileSystem(const std::string& fs) {
    return fs == "iso9660" || fs == "udf";
}

bool IsMemoryFileSystem(const std::string& fs) {
    return fs == "tmpfs" || fs == "ramfs";
}

// Whether a mount point lies where a user's mounts go: below /media, /mnt or /run/media/<user>.
bool IsUserPlace(const std::string& mountPoint, const std::string& userName) {
    for (const std::string& root :
         { std::string("/media/"), std::string("/mnt/"), "/run/media/" + userName + "/" })
        if (mountPoint.starts_with(root)) return true;
    return false;
}

} // namespace

TbsSkinDriveComboBox::TbsSkinDriveComboBox(TComponent* owner)
    : TbsSkinComboBox(owner), Environment(TShellEnvironment::FromProcess()),
      FFloppy(std::make_unique<TbsGlyphObject>(TbsFileGlyph::Floppy)),
      FFixed(std::make_unique<TbsGlyphObject>(TbsFileGlyph::Hard)),
      FNetwork(std::make_unique<TbsGlyphObject>(TbsFileGlyph::Network)),
      FCDROM(std::make_unique<TbsGlyphObject>(TbsFileGlyph::CDROM)),
      FRAM(std::make_unique<TbsGlyphObject>(TbsFileGlyph::RAM)) {
    const TbsDrawSkinItemEvent drawRow = [this](TObject*, TCanvas& C, int index, int, int,
                                                const TRect& textRect, TOwnerDrawState) {
        DrawDriveRow(C, index, textRect);
    };
    OnComboBoxDrawItem = drawRow;
    SetOnListBoxDrawItem(drawRow);
}

TbsSkinDriveComboBox::~TbsSkinDriveComboBox() = default;

void TbsSkinDriveComboBox::BuildDriveList() {
    const std::vector<TMountEntry> entries = ReadMountTable(Environment.MountTable);
    const std::vector<std::string> userMounts = UserMountPoints(entries, Environment.UserName);
    const std::set<std::string> shown(userMounts.begin(), userMounts.end());
    FRows.clear();
    Items().BeginUpdate();
    Items().Clear();
    const auto add = [&](const std::string& mountPoint, const TbsGlyphObject* glyph,
                         std::string text) {
        text = FTextCase == tcUpperCase ? UpperCase(text) : LowerCase(text);
        FRows.push_back({ mountPoint, glyph });
        Items().AddObject(mountPoint + " " + text, const_cast<TbsGlyphObject*>(glyph));
    };
    const auto label = [&](const std::string& mountPoint) {
        return VolumeLabelText(mountPoint, entries, LabelFolder);
    };
    add("/", FFixed.get(), label("/"));
    std::set<std::string> listed;
    for (const TMountEntry& entry : entries) {
        const std::string& fs = entry.FileSystem;
        const bool memory =
            IsMemoryFileSystem(fs) && IsUserPlace(entry.MountPoint, Environment.UserName);
        if (!shown.count(entry.MountPoint) && !memory) continue;
        if (!listed.insert(entry.MountPoint).second) continue;
        const std::string& at = entry.MountPoint;
        if (IsNetworkFileSystem(fs))
            add(at, FNetwork.get(), NetworkShareText(at, entries, LabelFolder));
        else if (IsOpticalFileSystem(fs))
            add(at, FCDROM.get(), label(at));
        else if (memory)
            add(at, FRAM.get(), label(at));
        else if (IsRemovableMountPoint(at))
            add(at, FFloppy.get(), label(at));
        else
            add(at, FFixed.get(), label(at));
    }
    Items().EndUpdate();
}

const TbsGlyphObject* TbsSkinDriveComboBox::RowGlyph(int index) {
    return index >= 0 && index < int(FRows.size()) ? FRows[std::size_t(index)].Glyph : nullptr;
}

void TbsSkinDriveComboBox::DrawDriveRow(TCanvas& C, int index, const TRect& textRect) {
    int left = textRect.Left;
    if (const TbsGlyphObject* row = RowGlyph(index)) {
        TBitmap& glyph = row->Bitmap();
        C.Draw(left, textRect.Top + (textRect.Height() - glyph.Height()) / 2, &glyph);
        left += glyph.Width() + kDriveTextGap;
    }
    C.Brush().SetStyle(bsClear);
    const int y = textRect.Top + (textRect.Height() - C.TextHeight("Wg")) / 2;
    C.TextRect(textRect, left, y, Items()[index]);
    C.Brush().SetStyle(bsSolid);
}

void TbsSkinDriveComboBox::SetDrive(const std::string& value) {
    SelectDrive(value, true);
}

void TbsSkinDriveComboBox::SelectDrive(const std::string& value, bool moveDirList) {
    if (ItemIndex() >= 0 && value == FDrive) return;
    FDrive = value;
    int found = -1;
    for (std::size_t i = 0; i < FRows.size() && found < 0; ++i)
        if (FRows[i].MountPoint == value) found = int(i);
    if (found < 0) FDrive.clear();
    FInSetDrive = true;
    SetItemIndex(found);
    FInSetDrive = false;
    if (moveDirList && FDirList) FDirList->DriveChange(FDrive);
}

void TbsSkinDriveComboBox::CreateWnd() {
    TbsSkinComboBox::CreateWnd();
    BuildDriveList();
    const std::string drive = FDrive;
    FDrive.clear();
    SelectDrive(drive, false);
}

void TbsSkinDriveComboBox::SetTextCase(TTextCase value) {
    FTextCase = value;
    BuildDriveList();
    const std::string drive = FDrive;
    FDrive.clear();
    SelectDrive(drive, false);
}

void TbsSkinDriveComboBox::SetDirList(TbsSkinDirectoryListBox* value) {
    if (FDirList && FDirList->DriveCombo() == this) FDirList->SetDriveCombo(nullptr);
    FDirList = value;
    if (!value) return;
    value->FreeNotification(this);
    value->SetDriveCombo(this);
}

void TbsSkinDriveComboBox::Change() {
    TbsSkinComboBox::Change();
    if (FInSetDrive) return;
    const int index = ItemIndex();
    if (index >= 0 && index < int(FRows.size())) SetDrive(FRows[std::size_t(index)].MountPoint);
}

void TbsSkinDriveComboBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinComboBox::Notification(component, operation);
    if (operation == opRemove && component == FDirList) FDirList = nullptr;
}
