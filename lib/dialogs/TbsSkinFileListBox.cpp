#include "lib/dialogs/TbsSkinFileListBox.h"

#include "lib/dialogs/TbsSkinDirectoryListBox.h"
#include "lib/dialogs/bsFilePaths.h"
#include "platform/forms/TCustomEdit.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FileSearch.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TextUtils.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Past this many rows the reading shows the hourglass.
constexpr int kBusyRows = 100;

// The search attributes the filter asks for; bsftNormal adds none.
int AttributeWord(TbsFileType type) {
    int word = 0;
    if (type.Contains(bsftReadOnly)) word |= faReadOnly;
    if (type.Contains(bsftHidden)) word |= faHidden;
    if (type.Contains(bsftSystem)) word |= faSysFile;
    if (type.Contains(bsftDirectory)) word |= faDirectory;
    if (type.Contains(bsftArchive)) word |= faArchive;
    return word;
}

// Puts the screen's cursor back however the reading ends.
class TCursorRestorer {
public:
    TCursorRestorer() : FSaved(Screen ? Screen->Cursor() : crDefault) {}
    ~TCursorRestorer() {
        if (Screen) Screen->SetCursor(FSaved);
    }
    TCursorRestorer(const TCursorRestorer&) = delete;
    TCursorRestorer& operator=(const TCursorRestorer&) = delete;

private:
    TCursor FSaved;
};

} // namespace

TbsSkinFileListBox::TbsSkinFileListBox(TComponent* owner) : TbsSkinListBox(owner) {
    SetWidth(145);
    ReadFileNames();
}

TbsSkinFileListBox::~TbsSkinFileListBox() = default;

void TbsSkinFileListBox::ListBoxClick() {
    TbsSkinListBox::ListBoxClick();
    if (ItemIndex() != FLastSel) Change();
}

void TbsSkinFileListBox::SetMask(const std::string& value) {
    if (value == FMask) return;
    FMask = value;
    ReadFileNames();
}

void TbsSkinFileListBox::SetFileType(TbsFileType value) {
    if (value == FFileType) return;
    FFileType = value;
    ReadFileNames();
}

void TbsSkinFileListBox::SetFileEdit(TCustomEdit* value) {
    FFileEdit = value;
    if (!value) return;
    value->FreeNotification(this);
    const std::string name = SelectedItemName();
    value->SetText(name.empty() ? FMask : name);
}

void TbsSkinFileListBox::SetDirList(TbsSkinDirectoryListBox* value) {
    FDirList = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinFileListBox::ReadFileNames() {
    const std::string folder = ExistingFolder(FDirectory, "/");
    const int word = AttributeWord(FFileType);
    const bool normal = FFileType.Contains(bsftNormal);
    std::set<std::string> seen;
    std::vector<std::string> rows;
    TCursorRestorer cursor;
    std::size_t start = 0;
    while (start <= FMask.size()) {
        std::size_t end = FMask.find(';', start);
        if (end == std::string::npos) end = FMask.size();
        const std::string pattern = Trim(FMask.substr(start, end - start));
        start = end + 1;
        if (pattern.empty()) continue;
        for (const TSearchRec& entry : FindFiles(AppendPathPart(folder, pattern), word)) {
            if (!normal && !(entry.Attr & word)) continue;
            const std::string row = entry.IsDirectory() ? "[" + entry.Name + "]" : entry.Name;
            // A file that two patterns match is still one file.
            if (!seen.insert(row).second) continue;
            rows.push_back(row);
            if (int(rows.size()) == kBusyRows && Screen) Screen->SetCursor(crHourGlass);
        }
    }
    std::sort(rows.begin(), rows.end(),
              [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    TStrings& items = Items();
    items.BeginUpdate();
    items.Clear();
    for (const std::string& row : rows)
        items.Add(row);
    items.EndUpdate();
    UpDateScrollBar();
    Change();
}

std::string TbsSkinFileListBox::SelectedItemName() {
    const int index = ItemIndex();
    return index >= 0 && index < Items().Count() ? Items()[index] : std::string();
}

std::string TbsSkinFileListBox::GetFilePath() {
    const std::string name = SelectedItemName();
    return name.empty() ? std::string() : AppendPathPart(FDirectory, name);
}

void TbsSkinFileListBox::Change() {
    FLastSel = ItemIndex();
    if (FFileEdit) {
        const std::string name = SelectedItemName();
        FFileEdit->SetText(name.empty() ? FMask : name);
        FFileEdit->SelectAll();
    }
    if (OnChange) OnChange(this);
}

void TbsSkinFileListBox::SelectFileName(const std::string& name) {
    if (CompareText(name, SelectedItemName()) != 0) {
        int found = -1;
        for (int i = 0; i < Items().Count() && found < 0; ++i)
            if (CompareText(Items()[i], name) == 0) found = i;
        SetItemIndex(found);
    }
    Change();
}

void TbsSkinFileListBox::ChangeDirectory(const std::string& newDir) {
    const std::string folder = ExistingFolder(newDir, FDirectory);
    if (folder == FDirectory) return;
    FDirectory = folder;
    ReadFileNames();
}

void TbsSkinFileListBox::ApplyFilePath(const std::string& editText) {
    if (editText.empty() || editText == GetFilePath()) return;
    const TbsDirAndFile split = SplitDirAndFile(editText, FDirectory);
    if (FDirList)
        FDirList->SetDirectory(split.DirPart);
    else
        ChangeDirectory(split.DirPart);
    if (split.FilePart.find_first_of("*?") != std::string::npos) {
        SetMask(split.FilePart);
        return;
    }
    if (split.FilePart.empty()) return;
    SelectFileName(split.FilePart);
    if (CompareText(SelectedItemName(), split.FilePart) != 0 &&
        FileExists(AppendPathPart(FDirectory, split.FilePart))) {
        SetMask(split.FilePart);
        SelectFileName(split.FilePart);
    }
}

void TbsSkinFileListBox::Notification(TComponent* component, TOperation operation) {
    TbsSkinListBox::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FFileEdit) FFileEdit = nullptr;
    if (component == FDirList) FDirList = nullptr;
}
