#include "lib/dialogs/TbsSkinDirectoryListBox.h"

#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/dialogs/TbsSkinDriveComboBox.h"
#include "lib/dialogs/TbsSkinFileListBox.h"
#include "lib/dialogs/bsFileCtrlGlyphs.h"
#include "lib/dialogs/bsFilePaths.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSearch.h"
#include "platform/rtl/InOutError.h"
#include "platform/rtl/TextUtils.h"
#include "platform/shell/MountTable.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kNoGlyphWidth = 16;
constexpr int kTextGap = 6;

// File systems that keep names as typed but find them in any case.
bool FoldsCase(const std::string& fileSystem) {
    return fileSystem == "vfat" || fileSystem == "exfat" || fileSystem == "ntfs" ||
           fileSystem == "ntfs3" || fileSystem == "msdos";
}

} // namespace

TbsSkinDirectoryListBox::TbsSkinDirectoryListBox(TComponent* owner)
    : TbsSkinListBox(owner), FOpened(std::make_unique<TbsGlyphObject>(TbsFileGlyph::OpenFolder)),
      FClosed(std::make_unique<TbsGlyphObject>(TbsFileGlyph::ClosedFolder)),
      FCurrent(std::make_unique<TbsGlyphObject>(TbsFileGlyph::CurrentFolder)) {
    SetWidth(145);
    BuildFolderList();
}

TbsSkinDirectoryListBox::~TbsSkinDirectoryListBox() = default;

void TbsSkinDirectoryListBox::SetDirectory(const std::string& value) {
    if (value.empty() || FileCompareText(value, FDirectory) == 0) return;
    const std::string folder = SplitDirAndFile(value, FDirectory).DirPart;
    const std::string drive = MountPointOf(ReadMountTable(MountTableFile), folder);
    if (drive != Drive() && FDriveCombo) {
        FInSetDir = true;
        try {
            FDriveCombo->SetDrive(drive);
        } catch (...) {
            FInSetDir = false;
            throw;
        }
        FInSetDir = false;
    }
    FDirectory = folder;
    BuildFolderList();
    Change();
}

std::string TbsSkinDirectoryListBox::Drive() const {
    return MountPointOf(ReadMountTable(MountTableFile), FDirectory);
}

void TbsSkinDirectoryListBox::DriveChange(const std::string& newDrive) {
    if (FInSetDir || newDrive.empty() || newDrive == Drive()) return;
    try {
        FDirectory = ExistingFolder(newDrive, "/");
    } catch (const EInOutError&) {
        return; // gone, or no medium: the list stays where it was
    }
    BuildFolderList();
    Change();
}

void TbsSkinDirectoryListBox::SetDriveCombo(TbsSkinDriveComboBox* value) {
    FDriveCombo = value;
    if (value) value->FreeNotification(this);
}

std::string TbsSkinDirectoryListBox::DisplayCase(const std::string& s) const {
    return FPreserveCase || FCaseSensitive ? s : LowerCase(s);
}

int TbsSkinDirectoryListBox::FileCompareText(const std::string& a, const std::string& b) const {
    return FCaseSensitive ? CompareStr(a, b) : CompareText(a, b);
}

void TbsSkinDirectoryListBox::SetFileList(TbsSkinFileListBox* value) {
    FFileList = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinDirectoryListBox::SetDirLabel(TbsSkinStdLabel* value) {
    FDirLabel = value;
    if (value) {
        value->FreeNotification(this);
        UpdateDirLabel();
    }
}

void TbsSkinDirectoryListBox::OpenCurrent() {
    const int index = ItemIndex();
    if (index >= 0) SetDirectory(GetItemPath(index));
}

void TbsSkinDirectoryListBox::Update() {
    BuildFolderList();
    Change();
}

std::string TbsSkinDirectoryListBox::GetItemPath(int index) {
    if (index < 0 || index >= Items().Count()) return {};
    if (index == 0) return "/";
    TObject* glyph = Items().Objects(index);
    if (glyph == FClosed.get()) return AppendPathPart(FDirectory, Items()[index]);
    if (glyph == FCurrent.get()) return FDirectory;
    // An ancestor: the folder up to its own '/' after the root's.
    std::size_t end = 0;
    for (int slashes = 0; end < FDirectory.size(); ++end)
        if (FDirectory[end] == PathDelim && ++slashes == index + 1) break;
    return FDirectory.substr(0, end);
}

int TbsSkinDirectoryListBox::ItemIndent(int index) {
    return Items().Objects(index) == FClosed.get() ? DirLevel(FDirectory) * 4 + 6 : index * 4 + 2;
}

void TbsSkinDirectoryListBox::Change() {
    if (FFileList) FFileList->ChangeDirectory(FDirectory);
    UpdateDirLabel();
    if (OnChange) OnChange(this);
}

void TbsSkinDirectoryListBox::ReadCaseRules() {
    const std::vector<TMountEntry> mounts = ReadMountTable(MountTableFile);
    const std::string mountPoint = MountPointOf(mounts, FDirectory);
    std::string fileSystem;
    for (const TMountEntry& entry : mounts)
        if (entry.MountPoint == mountPoint) fileSystem = entry.FileSystem;
    FCaseSensitive = !FoldsCase(fileSystem);
    FPreserveCase = true;
}

void TbsSkinDirectoryListBox::BuildFolderList() {
    ReadCaseRules();
    TStrings& items = Items();
    items.BeginUpdate();
    items.Clear();
    items.AddObject("/", FDirectory == "/" ? FCurrent.get() : FOpened.get());
    if (FDirectory != "/") {
        std::vector<std::string> parts;
        std::size_t start = 1;
        while (start <= FDirectory.size()) {
            std::size_t end = FDirectory.find(PathDelim, start);
            if (end == std::string::npos) end = FDirectory.size();
            if (end > start) parts.push_back(FDirectory.substr(start, end - start));
            start = end + 1;
        }
        for (std::size_t i = 0; i < parts.size(); ++i)
            items.AddObject(parts[i], i + 1 == parts.size() ? FCurrent.get() : FOpened.get());
    }
    const int current = items.Count() - 1;
    std::vector<std::string> folders;
    for (const TSearchRec& entry : FindFiles(AppendPathPart(FDirectory, "*"), faDirectory))
        if (entry.IsDirectory()) folders.push_back(entry.Name);
    std::sort(folders.begin(), folders.end(), [this](const std::string& a, const std::string& b) {
        return FileCompareText(a, b) < 0;
    });
    for (const std::string& folder : folders)
        items.AddObject(folder, FClosed.get());
    items.EndUpdate();
    SetItemIndex(current);
    UpDateScrollBar();
}

void TbsSkinDirectoryListBox::ListBoxDblClick() {
    TbsSkinListBox::ListBoxDblClick();
    OpenCurrent();
}

void TbsSkinDirectoryListBox::ListBoxKeyPress(char32_t& key) {
    TbsSkinListBox::ListBoxKeyPress(key);
    if (key == U'\r') OpenCurrent();
}

void TbsSkinDirectoryListBox::DrawRowContent(TCanvas& C, int index, const TSize& size,
                                             const TRect& textRect, TOwnerDrawState state) {
    if (OnDrawItem) {
        TbsSkinListBox::DrawRowContent(C, index, size, textRect, state);
        return;
    }
    const auto* row = dynamic_cast<const TbsGlyphObject*>(Items().Objects(index));
    const int left = textRect.Left + ItemIndent(index);
    int glyphWidth = kNoGlyphWidth;
    if (row) {
        TBitmap& glyph = row->Bitmap();
        glyphWidth = glyph.Width();
        C.Draw(left, textRect.Top + (textRect.Height() - glyph.Height()) / 2, &glyph);
    }
    C.Brush().SetStyle(bsClear);
    const int y = textRect.Top + (textRect.Height() - C.TextHeight("Wg")) / 2;
    C.TextRect(textRect, left + glyphWidth + kTextGap, y, Items()[index]);
    C.Brush().SetStyle(bsSolid);
}

void TbsSkinDirectoryListBox::UpdateDirLabel() {
    if (!FDirLabel) return;
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(FDirLabel->Font());
    const int width = FDirLabel->AutoSize() ? Width() : FDirLabel->Width();
    FDirLabel->SetCaption(ShortenPathToWidth(FDirectory, measure.Canvas(), width));
}

void TbsSkinDirectoryListBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinListBox::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FDirLabel) FDirLabel = nullptr;
    if (component == FFileList) FFileList = nullptr;
    if (component == FDriveCombo) FDriveCombo = nullptr;
}
