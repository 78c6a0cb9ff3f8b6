#include "platform/forms/TSelectDirectoryDialog.h"
#include "platform/forms/DialogLayout.h"
#include "platform/forms/FolderListing.h"
#include "platform/forms/MessageBoxFlags.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListBox.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/win/Input.h"
#include <vector>

using namespace win;

namespace {

constexpr int kClientWidth = 360;
constexpr int kClientHeight = 320;
constexpr int kMargin = 8;

class TSelectDirectoryForm : public TCustomForm {
public:
    explicit TSelectDirectoryForm(TComponent* owner) : TCustomForm(owner) {
        SetBorderStyle(bsDialog);
        SetPosition(poScreenCenter);
        SetClientWidth(kClientWidth);
        SetClientHeight(kClientHeight);
        Build();
    }

    std::string ClassName() const override { return "TSelectDirectoryForm"; }

    void SetFolder(const std::string& folder) {
        if (folder.empty() || !DirectoryExists(folder)) return;
        FFolder = IncludeTrailingPathDelimiter(ExpandFileName(folder));
        FEntries = ListFolder(FFolder, {}, true);
        FFolderText->SetCaption(FFolder);
        FFolderList->Items().BeginUpdate();
        FFolderList->Items().Clear();
        for (const TSearchRec& entry : FEntries)
            FFolderList->Items().Add(entry.Name);
        FFolderList->Items().EndUpdate();
        FFolderEdit->SetText(ExcludeTrailingPathDelimiter(FFolder));
    }
    const std::string& Chosen() const { return FChosen; }

private:
    void Build() {
        FFolderText = PlaceControl<TLabel>(this, "FolderText", kMargin, 10, kClientWidth - 100, 16);
        FFolderText->SetShowAccelChar(false);
        auto* up = PlaceControl<TButton>(this, "UpButton", kClientWidth - kMargin - 75, 6, 75, 23);
        up->SetCaption("&Up");
        up->OnClick = [this](TObject*) { GoUp(); };
        FFolderList = PlaceControl<TListBox>(this, "FolderList", kMargin, 36,
                                             kClientWidth - 2 * kMargin, 206);
        FFolderList->OnClick = [this](TObject*) {
            if (const int i = Selected(); i >= 0) FFolderEdit->SetText(FFolder + FEntries[i].Name);
        };
        FFolderList->OnDblClick = [this](TObject*) {
            if (const int i = Selected(); i >= 0) SetFolder(FFolder + FEntries[i].Name);
        };
        FFolderList->OnKeyDown = [this](TObject*, unsigned short& key, TShiftState) {
            if (key != VK_BACK) return;
            key = 0;
            GoUp();
        };
        auto* label = PlaceControl<TLabel>(this, "FolderLabel", kMargin, 254, 50, 16);
        label->SetCaption("&Folder:");
        FFolderEdit =
            PlaceControl<TEdit>(this, "FolderEdit", 60, 250, kClientWidth - 60 - kMargin, 21);
        label->SetFocusControl(FFolderEdit);
        auto* ok =
            PlaceControl<TButton>(this, "OKButton", kClientWidth - 2 * (75 + kMargin), 284, 75, 25);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        ok->OnClick = [this](TObject*) { Accept(); };
        auto* cancel =
            PlaceControl<TButton>(this, "CancelButton", kClientWidth - 75 - kMargin, 284, 75, 25);
        cancel->SetCaption("Cancel");
        cancel->SetCancel(true);
        cancel->SetModalResult(mrCancel);
        SetActiveControl(FFolderList);
    }
    int Selected() {
        const int i = FFolderList->ItemIndex();
        return i >= 0 && i < int(FEntries.size()) ? i : -1;
    }
    void GoUp() {
        if (FFolder != "/") SetFolder(ExtractFilePath(ExcludeTrailingPathDelimiter(FFolder)));
    }
    void Accept() {
        const std::string typed = FFolderEdit->Text();
        const std::string full = typed.empty() ? FFolder : ResolveTypedName(FFolder, typed);
        if (!DirectoryExists(full)) {
            Application->MessageBox(typed + "\nThe folder does not exist.", Caption(),
                                    MB_OK | MB_ICONWARNING);
            return;
        }
        FChosen = ExcludeTrailingPathDelimiter(full);
        SetModalResult(mrOk);
    }

    std::string FFolder;
    std::string FChosen;
    std::vector<TSearchRec> FEntries;
    TLabel* FFolderText{ nullptr };
    TListBox* FFolderList{ nullptr };
    TEdit* FFolderEdit{ nullptr };
};

} // namespace

TSelectDirectoryDialog::TSelectDirectoryDialog(TComponent* owner) : TComponent(owner) {}

bool TSelectDirectoryDialog::Execute() {
    TSelectDirectoryForm form(nullptr);
    form.AfterConstruction();
    form.SetCaption(FTitle.empty() ? "Select folder" : FTitle);
    form.SetFolder(ExistingFolderOrHome(FDirectory));
    if (form.ShowModal() != mrOk) return false;
    FDirectory = form.Chosen();
    return true;
}
