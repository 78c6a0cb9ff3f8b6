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

TbsSkinOpenDialog::TbsSkinOpenDialog(TComponent* owner) : TComponent(owner) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetStyle({});
}

TbsSkinOpenDialog::~TbsSkinOpenDialog() = default;

void TbsSkinOpenDialog::SetSkinData(TbsSkinData* value) {
    FSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinOpenDialog::SetCtrlSkinData(TbsSkinData* value) {
    FCtrlSkinData = value;
    if (value) value->FreeNotification(this);
}

void TbsSkinOpenDialog::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FSkinData) FSkinData = nullptr;
    if (component == FCtrlSkinData) FCtrlSkinData = nullptr;
}

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
    return new TbsOpenDlgForm(Application, FSaveMode, FCtrlSkinData, FToolButtonsTransparent);
}

void TbsSkinOpenDialog::PrepareForm(TbsOpenDlgForm& form) {
    form.SetCaption(FTitle);
    TbsSkinForm& frame = *form.BSF;
    frame.SetBorderIcons({});
    frame.SetSkinData(FSkinData);
    frame.SetMenusSkinData(FCtrlSkinData);
    frame.SetMinWidth(FDialogMinWidth);
    frame.SetMinHeight(FDialogMinHeight);
    frame.SetAlphaBlend(FAlphaBlend);
    frame.SetAlphaBlendAnimation(FAlphaBlendAnimation);
    frame.SetAlphaBlendValue(FAlphaBlendValue);
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

    form.OpenButton->SetDefaultFont(FDefaultFont);
    form.CancelButton->SetDefaultFont(FDefaultFont);
    form.ShellBox->SetDefaultFont(FDefaultFont);
    form.FileListView->SetDefaultFont(FDefaultFont);

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
    list.SetSkinData(FCtrlSkinData);
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

    const auto skin = [this](auto* control) { control->SetSkinData(FCtrlSkinData); };
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

    int width = FDialogWidth < 1 ? DefaultDialogWidth() : FDialogWidth;
    int height = FDialogHeight < 1 ? 290 : FDialogHeight;
    if (FSkinData && !FSkinData->Empty) {
        width = std::max(width, frame.GetMinWidth());
        height = std::max(height, frame.GetMinHeight());
    }
    // The frame's share of the size is known only once the window exists.
    form.HandleNeeded();
    form.SetClientWidth(width);
    form.SetClientHeight(height);

    if (list.Items().Count() > 0) list.SetItemFocused(list.Items()[0]);
    form.FileNameEdit->SetText(ExtractFileName(FFileName));
    form.InitHistory();
}

void TbsSkinOpenDialog::StoreFormState(TbsOpenDlgForm& form) {
    FFilterIndex = form.FilterComboBox->ItemIndex() + 1;
    FDialogWidth = form.ClientWidth();
    FDialogHeight = form.ClientHeight();
    FListViewStyle = form.FileListView->ViewStyle();
}

bool TbsSkinOpenDialog::Execute() {
    if (OnShow) OnShow(this);
    FForm = CreateForm();
    FForm->OverwritePromt = FOverwritePromt;
    FForm->OnFolderChange = OnFolderChange;
    FForm->CheckFileExists = FCheckFileExists;
    FForm->DefaultExt = FDefaultExt;
    struct TFormEnd {
        TbsSkinOpenDialog& Dialog;
        ~TFormEnd() {
            if (Dialog.OnClose) Dialog.OnClose(&Dialog);
            delete Dialog.FForm;
            Dialog.FForm = nullptr;
        }
    } end{ *this };
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
