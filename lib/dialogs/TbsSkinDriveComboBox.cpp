#include "lib/dialogs/TbsSkinDriveComboBox.h"

#include "lib/dialogs/TbsSkinDirectoryListBox.h"
#include "platform/rtl/InOutError.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/MountTable.h"

#include <filesystem>
#include <set>

namespace {

constexpr int kDriveTextGap = 4;

bool IsNetworkFileSystem(const std::string& fs) {
    return fs == "nfs" || fs == "nfs4" || fs == "cifs" || fs == "smb3" || fs == "fuse.sshfs" ||
           fs == "sshfs";
}

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

std::string TbsSkinDriveComboBox::LabelOf(const std::string& device) const {
    std::error_code error;
    const auto target = std::filesystem::weakly_canonical(device, error);
    if (error) return {};
    for (const auto& entry : std::filesystem::directory_iterator(LabelFolder, error)) {
        std::error_code linkError;
        if (std::filesystem::weakly_canonical(entry.path(), linkError) == target && !linkError)
            return entry.path().filename().string();
    }
    return {};
}

void TbsSkinDriveComboBox::BuildDriveList() {
    const std::vector<TMountEntry> entries = ReadMountTable(Environment.MountTable);
    const std::vector<std::string> userMounts = UserMountPoints(entries, Environment.UserName);
    const std::set<std::string> shown(userMounts.begin(), userMounts.end());
    FRows.clear();
    Items().BeginUpdate();
    Items().Clear();
    const auto add = [&](const std::string& mountPoint, const TbsGlyphObject* glyph,
                         std::string label) {
        label = FTextCase == tcUpperCase ? UpperCase(label) : LowerCase(label);
        FRows.push_back({ mountPoint, glyph });
        Items().AddObject(mountPoint + " [" + label + "]", const_cast<TbsGlyphObject*>(glyph));
    };
    std::string rootLabel;
    for (const TMountEntry& entry : entries)
        if (entry.MountPoint == "/") rootLabel = LabelOf(entry.Device);
    add("/", FFixed.get(), rootLabel);
    std::set<std::string> listed;
    for (const TMountEntry& entry : entries) {
        const std::string& fs = entry.FileSystem;
        const bool memory =
            IsMemoryFileSystem(fs) && IsUserPlace(entry.MountPoint, Environment.UserName);
        if (!shown.count(entry.MountPoint) && !memory) continue;
        if (!listed.insert(entry.MountPoint).second) continue;
        if (IsNetworkFileSystem(fs))
            add(entry.MountPoint, FNetwork.get(), entry.Device);
        else if (IsOpticalFileSystem(fs))
            add(entry.MountPoint, FCDROM.get(), LabelOf(entry.Device));
        else if (memory)
            add(entry.MountPoint, FRAM.get(), {});
        else if (IsRemovableMountPoint(entry.MountPoint))
            add(entry.MountPoint, FFloppy.get(), LabelOf(entry.Device));
        else
            add(entry.MountPoint, FFixed.get(), LabelOf(entry.Device));
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
    if (!moveDirList || !FDirList || FDrive.empty()) return;
    try {
        FDirList->SetDirectory(FDrive);
    } catch (const EInOutError&) {
        // A mount that cannot be entered (gone, or no medium) leaves the folder list alone.
    }
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
    FDirList = value;
    if (value) value->FreeNotification(this);
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
