#include "app/Dialogs.h"
#include "app/FormHandlers.h"
#include "app/ProgramFolders.h"
#include "app/SettingsPlace.h"
#include "app/SettingsSections.h"
#include "app/Unit1.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinLinkLabel.h"
#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/Format.h"
#include "platform/shell/ShellExecute.h"

namespace {

constexpr const char* kFolderNotOpened = "无法打开文件夹“%s”：%s";

} // namespace

void TForm1::ShowOutputFolder(const std::string& folder) {
    FileOutPutPath = folder;
    FOutputFolderEdit->SetText(folder);
}

void TForm1::Button17Click(TObject*) {
    TSettingsFile file = ProgramSettings();
    try {
        ShowOutputFolder(ReadOutputFolder(file, DefaultOutputFolder()));
    } catch (...) {
        // The default folder is made before it is written: the conversions can still use it.
        ShowOutputFolder(DefaultOutputFolder());
        throw;
    }
}

void TForm1::Button16Click(TObject*) {
    TSettingsFile file = ProgramSettings();
    WriteOutputFolder(file, FileOutPutPath);
}

void TForm1::bsSkinButton5Click(TObject*) {
    // Only a folder the user confirmed now; Cancel must not bring back an older choice.
    if (!ChooseFolder(*FOutputFolderDialog)) return;
    const std::string folder = FOutputFolderDialog->Directory();
    if (!DirectoryExists(folder)) return;
    ShowOutputFolder(folder);
    RunOperation(FOperations.WriteOutputFolder);
    FocusJobList();
}

void TForm1::bsSkinButton6Click(TObject*) {
    RunOperation(FOperations.OpenOutputFolder);
    FocusJobList();
}

void TForm1::Button20Click(TObject*) {
    OpenFolder(FOutputFolderEdit->Text());
}

void TForm1::OpenFolder(const std::string& folder) {
    // The opener says how it ended only later, maybe after the window has gone.
    std::weak_ptr<bool> alive = FAlive;
    ShellOpenWatched(folder, [this, alive, folder](bool opened, const std::string& reason) {
        if (!opened && alive.lock()) ShowWarning(Format(kFolderNotOpened, folder, reason));
    });
}

void TForm1::Button3Click(TObject*) {
    TSettingsFile file = ProgramSettings();
    // An index outside the skin list loads nothing: the windows then draw without a skin.
    FSkinData->SetSkinIndex(ReadSkinIndex(file));
}

void TForm1::Button4Click(TObject*) {
    TSettingsFile file = ProgramSettings();
    WriteSkinIndex(file, FSkinData->SkinIndex());
}

void TForm1::bsSkinButton9Click(TObject*) {
    int selected = -1;
    if (ChooseSkin(*FSkinDialog, FSkinData->SkinIndex(), selected))
        FSkinData->SetSkinIndex(selected);
    RunOperation(FOperations.WriteSkin);
}

void TForm1::N23Click(TObject* sender) {
    bsSkinButton9Click(sender);
}
