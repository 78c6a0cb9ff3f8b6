#include "platform/forms/TOpenDialog.h"
#include "platform/forms/FolderListing.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/FileSystem.h"

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
    TFileDialogForm form(nullptr, FSaveMode);
    form.AfterConstruction();
    if (!FTitle.empty()) form.SetCaption(FTitle);
    form.SetOptions(FOptions);
    form.SetDefaultExt(FDefaultExt);
    const std::string named = ExtractFilePath(FFileName);
    form.SetFolder(!named.empty() && DirectoryExists(named) ? named
                                                            : ExistingFolderOrHome(FInitialDir));
    form.SetFilter(FFilter, FFilterIndex);
    form.SetFileName(ExtractFileName(FFileName));
    const bool confirmed = form.ShowModal() == mrOk;
    if (form.FilterIndex() > 0) FFilterIndex = form.FilterIndex();
    if (confirmed) {
        FFiles = form.Files();
        FFileName = FFiles.empty() ? std::string() : FFiles.front();
    }
    return confirmed;
}

TSaveDialog::TSaveDialog(TComponent* owner) : TOpenDialog(owner) {
    FSaveMode = true;
}

TSavePictureDialog::TSavePictureDialog(TComponent* owner) : TSaveDialog(owner) {
    SetFilter("All (*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.ico)|*.bmp;*.png;*.jpg;*.jpeg;*.gif;*.ico|"
              "Bitmaps (*.bmp)|*.bmp|PNG images (*.png)|*.png|"
              "JPEG images (*.jpg;*.jpeg)|*.jpg;*.jpeg|GIF images (*.gif)|*.gif|"
              "Icons (*.ico)|*.ico");
}
