#pragma once
#include "lib/dialogs/TbsSkinOpenDialog.h"

// The open dialog with a picture preview beside the list: the selected picture at its own size
// with scroll bars, or stretched to the panel. The panel's width and the stretch state the user
// leaves come back at the next call.
class TbsSkinOpenPictureDialog : public TbsSkinOpenDialog {
public:
    explicit TbsSkinOpenPictureDialog(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinOpenPictureDialog"; }

    // The preview starts stretched.
    bool StretchPicture() const { return FStretchPicture; }
    void SetStretchPicture(bool value) { FStretchPicture = value; }
    int ImagePanelWidth() const { return FImagePanelWidth; }
    void SetImagePanelWidth(int value) { FImagePanelWidth = value; }
    bool DialogStretch() const { return FDialogStretch; }
    void SetDialogStretch(bool value) { FDialogStretch = value; }

protected:
    TbsOpenDlgForm* CreateForm() override;
    void PrepareForm(TbsOpenDlgForm& form) override;
    void StoreFormState(TbsOpenDlgForm& form) override;
    int DefaultDialogWidth() const override { return 550; }

private:
    bool FStretchPicture{ false };
    int FImagePanelWidth{ 190 };
    bool FDialogStretch{ false };
};

// The picture dialog in save mode.
class TbsSkinSavePictureDialog : public TbsSkinOpenPictureDialog {
public:
    explicit TbsSkinSavePictureDialog(TComponent* owner);
    std::string ClassName() const override { return "TbsSkinSavePictureDialog"; }
};
