#include "lib/dialogs/TbsSkinOpenPictureDialog.h"

#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/controls/TbsSkinScrollBox.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/controls/TbsSkinSplitter.h"
#include "lib/dialogs/TbsOpenDlgForm.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/FileSystem.h"

TbsSkinOpenPictureDialog::TbsSkinOpenPictureDialog(TComponent* owner) : TbsSkinOpenDialog(owner) {
    SetTitle("Open picture");
    SetAlphaBlendValue(200);
    SetFilter("All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
              "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
}

TbsOpenDlgForm* TbsSkinOpenPictureDialog::CreateForm() {
    return new TbsOpenPictureDlgForm(Application, FSaveMode, CtrlSkinData(),
                                     ToolButtonsTransparent());
}

void TbsSkinOpenPictureDialog::PrepareForm(TbsOpenDlgForm& form) {
    // The picture dialog has no default extension and no folder-change event.
    form.DefaultExt.clear();
    form.OnFolderChange = nullptr;
    form.ImagePanel->SetWidth(FImagePanelWidth);
    form.ImagePanel->SetSkinData(CtrlSkinData());
    form.ScrollBox->SetSkinData(CtrlSkinData());
    form.SBHScrollBar->SetSkinData(CtrlSkinData());
    form.SBVScrollBar->SetSkinData(CtrlSkinData());
    form.StretchButton->SetSkinData(CtrlSkinData());
    form.Splitter->SetSkinData(CtrlSkinData());
    TbsSkinOpenDialog::PrepareForm(form);
    if (FStretchPicture || FDialogStretch) {
        form.StretchButton->SetDown(true);
        form.StretchButtonClick(form.StretchButton);
    }
    if (!FileName().empty() && FileExists(FileName())) form.LoadPreview(FileName());
}

void TbsSkinOpenPictureDialog::StoreFormState(TbsOpenDlgForm& form) {
    TbsSkinOpenDialog::StoreFormState(form);
    FDialogStretch = form.StretchButton->Down();
    FImagePanelWidth = form.ImagePanel->Width();
}

TbsSkinSavePictureDialog::TbsSkinSavePictureDialog(TComponent* owner)
    : TbsSkinOpenPictureDialog(owner) {
    FSaveMode = true;
    SetTitle("Save file");
}
