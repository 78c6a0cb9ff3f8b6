#include "platform/forms/TFileDialogForm.h"
#include "platform/forms/DialogLayout.h"
#include "platform/forms/FolderListing.h"
#include "platform/forms/MessageBoxFlags.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListBox.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/Input.h"

using namespace win;

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 310;
constexpr int kMargin = 8;
constexpr int kFieldLeft = 100;
constexpr int kFieldWidth = 280;

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

TFileDialogForm::TFileDialogForm(TComponent* owner, bool saveMode)
    : TCustomForm(owner), FSaveMode(saveMode) {
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetCaption(saveMode ? "Save As" : "Open");
    SetClientWidth(kClientWidth);
    SetClientHeight(kClientHeight);
    Build();
}

void TFileDialogForm::Build() {
    auto* lookIn = PlaceControl<TLabel>(this, "LookInLabel", kMargin, 10, 60, 16);
    lookIn->SetCaption("Look in:");
    FFolderText = PlaceControl<TLabel>(this, "FolderText", 70, 10, 320, 16);
    FFolderText->SetShowAccelChar(false);
    FUpButton = PlaceControl<TButton>(this, "UpButton", kClientWidth - kMargin - 75, 6, 75, 23);
    FUpButton->SetCaption("&Up");
    FUpButton->OnClick = [this](TObject*) { GoUp(); };

    FFileList =
        PlaceControl<TListBox>(this, "FileList", kMargin, 36, kClientWidth - 2 * kMargin, 196);
    FFileList->OnClick = [this](TObject*) { ListSelectionChanged(); };
    FFileList->OnDblClick = [this](TObject*) { ListDoubleClicked(); };
    FFileList->OnKeyDown = [this](TObject*, unsigned short& key, TShiftState) { ListKeyDown(key); };

    auto* nameLabel = PlaceControl<TLabel>(this, "FileNameLabel", kMargin, 248, 90, 16);
    nameLabel->SetCaption("File &name:");
    FFileNameEdit = PlaceControl<TEdit>(this, "FileNameEdit", kFieldLeft, 244, kFieldWidth, 21);
    nameLabel->SetFocusControl(FFileNameEdit);
    auto* typeLabel = PlaceControl<TLabel>(this, "FilterLabel", kMargin, 280, 90, 16);
    typeLabel->SetCaption(FSaveMode ? "Save as &type:" : "Files of &type:");
    FFilterCombo = PlaceControl<TComboBox>(this, "FilterCombo", kFieldLeft, 276, kFieldWidth, 22);
    FFilterCombo->SetStyle(csDropDownList);
    FFilterCombo->OnChange = [this](TObject*) {
        FTypedMasks.clear();
        Refill();
    };
    typeLabel->SetFocusControl(FFilterCombo);

    const int buttonLeft = kClientWidth - kMargin - 75;
    FOkButton = PlaceControl<TButton>(this, "OKButton", buttonLeft, 242, 75, 25);
    FOkButton->SetCaption(FSaveMode ? "&Save" : "&Open");
    FOkButton->SetDefault(true);
    FOkButton->OnClick = [this](TObject*) { Accept(); };
    FCancelButton = PlaceControl<TButton>(this, "CancelButton", buttonLeft, 274, 75, 25);
    FCancelButton->SetCaption("Cancel");
    FCancelButton->SetCancel(true);
    FCancelButton->SetModalResult(mrCancel);
    SetActiveControl(FFileNameEdit);
}

void TFileDialogForm::SetOptions(TOpenOptions value) {
    FOptions = value;
    const bool several = value.Contains(ofAllowMultiSelect);
    FFileList->SetMultiSelect(several);
    FFileList->SetExtendedSelect(several);
}

void TFileDialogForm::SetFilter(const std::string& filter, int index) {
    FFilter = ParseFileFilter(filter);
    FFilterCombo->Items().Clear();
    for (const TFileFilterEntry& entry : FFilter)
        FFilterCombo->Items().Add(entry.Description);
    if (!FFilter.empty())
        FFilterCombo->SetItemIndex(index >= 1 && index <= int(FFilter.size()) ? index - 1 : 0);
    FTypedMasks.clear();
    Refill();
}

int TFileDialogForm::FilterIndex() {
    return FFilterCombo->ItemIndex() + 1;
}

void TFileDialogForm::SetFolder(const std::string& folder) {
    if (folder.empty() || !DirectoryExists(folder)) return;
    FFolder = IncludeTrailingPathDelimiter(ExpandFileName(folder));
    Refill();
}

void TFileDialogForm::SetFileName(const std::string& name) {
    FFileNameEdit->SetText(name);
}

void TFileDialogForm::Refill() {
    if (FFolder.empty()) return;
    std::vector<std::string> masks = FTypedMasks;
    const int index = FFilterCombo->ItemIndex();
    if (masks.empty() && index >= 0 && index < int(FFilter.size())) masks = FFilter[index].Masks;
    FEntries = ListFolder(FFolder, masks, false);
    FFolderText->SetCaption(FFolder);
    FFileList->Items().BeginUpdate();
    FFileList->Items().Clear();
    for (const TSearchRec& entry : FEntries)
        FFileList->Items().Add(entry.IsDirectory() ? entry.Name + "/" : entry.Name);
    FFileList->Items().EndUpdate();
}

int TFileDialogForm::FocusedEntry() {
    const int index = FFileList->ItemIndex();
    return index >= 0 && index < int(FEntries.size()) ? index : -1;
}

void TFileDialogForm::ListSelectionChanged() {
    std::vector<std::string> names;
    for (int i = 0; i < int(FEntries.size()); ++i)
        if (!FEntries[i].IsDirectory() && FFileList->Selected(i)) names.push_back(FEntries[i].Name);
    if (names.empty()) return;
    if (names.size() == 1) {
        FFileNameEdit->SetText(names.front());
        return;
    }
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "\"" : " \"") + name + "\"";
    FFileNameEdit->SetText(text);
}

void TFileDialogForm::ListDoubleClicked() {
    const int index = FocusedEntry();
    if (index < 0) return;
    if (FEntries[index].IsDirectory())
        SetFolder(FFolder + FEntries[index].Name);
    else
        Accept();
}

void TFileDialogForm::ListKeyDown(unsigned short& key) {
    if (key != VK_BACK) return;
    key = 0;
    GoUp();
}

void TFileDialogForm::GoUp() {
    if (FFolder.empty() || FFolder == "/") return;
    SetFolder(ExtractFilePath(ExcludeTrailingPathDelimiter(FFolder)));
}

std::vector<std::string> TFileDialogForm::TypedNames() const {
    const std::string text = Trimmed(FFileNameEdit->Text());
    if (text.empty()) return {};
    if (!FOptions.Contains(ofAllowMultiSelect) || text.front() != '"') return { text };
    std::vector<std::string> names;
    size_t start = text.find('"');
    while (start != std::string::npos) {
        const size_t end = text.find('"', start + 1);
        if (end == std::string::npos) break;
        if (end > start + 1) names.push_back(text.substr(start + 1, end - start - 1));
        start = text.find('"', end + 1);
    }
    return names;
}

void TFileDialogForm::Accept() {
    // Enter on a folder of the list opens it, whatever the name edit holds.
    if (FFileList->Focused()) {
        const int index = FocusedEntry();
        if (index >= 0 && FEntries[index].IsDirectory() && FFileList->Selected(index)) {
            SetFolder(FFolder + FEntries[index].Name);
            return;
        }
    }
    const std::vector<std::string> names = TypedNames();
    if (names.empty()) return;
    if (names.size() == 1) {
        const std::string& typed = names.front();
        if (typed.find_first_of("*?") != std::string::npos &&
            typed.find(PathDelim) == std::string::npos) {
            FTypedMasks = SplitMasks(typed);
            Refill();
            return;
        }
        const std::string full = ResolveTypedName(FFolder, typed);
        if (DirectoryExists(full)) {
            SetFolder(full);
            FFileNameEdit->SetText("");
            return;
        }
    }
    std::vector<std::string> files;
    for (const std::string& typed : names) {
        const std::string name = CheckedName(ResolveTypedName(FFolder, typed));
        if (name.empty()) return;
        files.push_back(name);
    }
    if (FSaveMode && !ConfirmOverwrite(files.front())) return;
    FFiles = std::move(files);
    SetModalResult(mrOk);
}

std::string TFileDialogForm::CheckedName(const std::string& full) {
    std::string name = full;
    const bool keepAsTyped = !FSaveMode && FileExists(name);
    if (!FDefaultExt.empty() && !keepAsTyped && ExtractFileExt(ExtractFileName(name)).empty() &&
        !ExtractFileName(name).empty()) {
        // The entry chosen names the extension when it names one exactly.
        std::string extension = MaskExtension(FTypedMasks);
        const int index = FFilterCombo->ItemIndex();
        if (extension.empty() && FTypedMasks.empty() && index >= 0 && index < int(FFilter.size()))
            extension = MaskExtension(FFilter[index].Masks);
        name += "." + (extension.empty() ? FDefaultExt : extension);
    }
    const std::string path = ExtractFilePath(name);
    const bool checkPath = FOptions.Contains(ofPathMustExist) || FOptions.Contains(ofFileMustExist);
    if (ExtractFileName(name).empty() || (checkPath && !DirectoryExists(path))) {
        Application->MessageBox(path + "\nPath does not exist.\nCheck the path and try again.",
                                Caption(), MB_OK | MB_ICONWARNING);
        return {};
    }
    if (!FSaveMode && FOptions.Contains(ofFileMustExist) && !FileExists(name)) {
        Application->MessageBox(ExtractFileName(name) +
                                    "\nFile not found.\nCheck the file name and try again.",
                                Caption(), MB_OK | MB_ICONWARNING);
        return {};
    }
    return name;
}

bool TFileDialogForm::ConfirmOverwrite(const std::string& name) {
    if (!FOptions.Contains(ofOverwritePrompt) || !FileExists(name)) return true;
    return Application->MessageBox(ExtractFileName(name) +
                                       " already exists.\nDo you want to replace it?",
                                   Caption(), MB_YESNO | MB_ICONWARNING) == IDYES;
}
