#include "lib/dialogs/TbsSkinOpenDialog.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/controls/TbsSkinToolBar.h"
#include "lib/dialogs/TbsCustomShellComboBox.h"
#include "lib/dialogs/TbsCustomShellListView.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "lib/dialogs/TbsSkinFilterComboBox.h"
#include "lib/dialogs/bsFileDialogNames.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMenuItem.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"
#include "platform/shell/ShellNamespace.h"

#include <algorithm>
#include <cstdint>

TbsSkinOpenDialog::TbsSkinOpenDialog(TComponent* owner)
    : TbsShellDialogComponent(owner, "Open file", 225) {}

TbsSkinOpenDialog::~TbsSkinOpenDialog() = default;

void TbsSkinOpenDialog::SetFileName(const std::string& value) {
    FFileName = value;
    if (FForm) FForm->FileNameEdit->SetText(value);
}

std::string TbsSkinOpenDialog::GetSelectedFile() const {
    return FForm ? FForm->FileListView->GetSelectedFile() : std::string();
}

std::string TbsSkinOpenDialog::StartFolder() const {
    // The home folder stands where a Windows program would start in its own folder.
    if (const std::string folder = ExtractFileDir(FFileName); !folder.empty()) return folder;
    if (!FInitialDir.empty() && DirectoryExists(FInitialDir)) return FInitialDir;
    return ShellNamespace()->Environment().Home;
}

TbsOpenDlgForm* TbsSkinOpenDialog::CreateForm() {
    return new TbsOpenDlgForm(Application, FSaveMode, CtrlSkinData(), ToolButtonsTransparent());
}

void TbsSkinOpenDialog::PrepareForm(TbsOpenDlgForm& form) {
    TbsSkinForm& frame = *form.BSF;
    PrepareSizedFrame(form, frame);
    frame.SetMenusAlphaBlend(FCtrlAlphaBlend);
    frame.SetMenusAlphaBlendValue(FCtrlAlphaBlendValue);
    frame.SetMenusAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
    for (TbsSkinCustomComboBox* box :
         { static_cast<TbsSkinCustomComboBox*>(form.ShellBox),
           static_cast<TbsSkinCustomComboBox*>(form.FilterComboBox) }) {
        box->SetAlphaBlend(FCtrlAlphaBlend);
        box->SetAlphaBlendValue(std::uint8_t(FCtrlAlphaBlendValue));
        box->SetAlphaBlendAnimation(FCtrlAlphaBlendAnimation);
    }

    form.OpenButton->SetDefaultFont(DefaultFont());
    form.CancelButton->SetDefaultFont(DefaultFont());
    form.ShellBox->SetDefaultFont(DefaultFont());
    form.FileListView->SetDefaultFont(DefaultFont());

    switch (FListViewStyle) {
    case vsIcon:
        form.IconItemClick(nullptr);
        break;
    case vsSmallIcon:
        form.SmallIconItemClick(nullptr);
        break;
    case vsReport:
        form.ReportItemClick(nullptr);
        break;
    default:
        form.ListItemClick(nullptr);
        break;
    }

    TbsSkinFileListView& list = *form.FileListView;
    list.SetHeaderSkinDataName(FLVHeaderSkinDataName);
    list.SetSkinData(CtrlSkinData());
    list.SetMultiSelect(FMultiSelection);
    if (FShowHiddenFiles) {
        TShellObjectTypes types = list.ObjectTypes();
        types.Include(otHidden);
        list.SetObjectTypes(types);
    }
    list.SetRoot(StartFolder());

    form.FilterComboBox->SetFilter(FFilter);
    form.FilterComboBox->SetItemIndex(FFilterIndex - 1);
    // The list shows what the chosen filter lets through from the start.
    list.SetMask(form.FilterComboBox->Mask());

    const auto skin = [this](auto* control) { control->SetSkinData(CtrlSkinData()); };
    skin(form.ToolPanel);
    skin(form.BottomPanel);
    skin(form.FileListViewPanel);
    skin(form.Drivelabel);
    skin(form.OpenFileLabel);
    skin(form.FileTypeLabel);
    skin(form.BackToolButton);
    skin(form.UpToolButton);
    skin(form.NewFolderToolButton);
    skin(form.StyleToolButton);
    skin(form.FLVHScrollBar);
    skin(form.FLVVScrollBar);
    skin(form.FileNameEdit);
    skin(form.ShellBox);
    skin(form.FilterComboBox);
    skin(form.OpenButton);
    skin(form.CancelButton);
    form.ShellBox->SetSkinDataName("combobox");

    RestoreDialogSize(form, frame, DefaultDialogWidth(), 290);

    if (list.Items().Count() > 0) list.SetItemFocused(list.Items()[0]);
    form.FileNameEdit->SetText(ExtractFileName(FFileName));
    form.InitHistory();
}

void TbsSkinOpenDialog::StoreFormState(TbsOpenDlgForm& form) {
    FFilterIndex = form.FilterComboBox->ItemIndex() + 1;
    StoreDialogSize(form);
    FListViewStyle = form.FileListView->ViewStyle();
}

bool TbsSkinOpenDialog::Execute() {
    if (OnShow) OnShow(this);
    FForm = CreateForm();
    FForm->OverwritePromt = FOverwritePromt;
    FForm->OnFolderChange = OnFolderChange;
    FForm->CheckFileExists = FCheckFileExists;
    FForm->DefaultExt = FDefaultExt;
    const TExecuteEnd<TbsOpenDlgForm> end{ *this, FForm, &OnClose };
    PrepareForm(*FForm);
    const bool result = FForm->ShowModal() == mrOk;
    StoreFormState(*FForm);
    if (!result) return false;
    FFileName = FForm->FileName;
    if (FSaveMode)
        FFileName = CompletedSaveName(FFileName, FForm->FilterComboBox->Mask(), FDefaultExt);
    FForm->FileListView->GetSelectedFiles(FFiles);
    return true;
}
