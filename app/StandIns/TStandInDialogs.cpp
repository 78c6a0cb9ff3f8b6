#include "app/StandIns/TStandInDialogs.h"

#include "app/Dialogs.h"
#include "platform/rtl/FileSystem.h"

bool TStandInSelectDirectoryDialog::Execute() {
    std::string folder = DirectoryExists(FDirectory) ? FDirectory : HomeFolder();
    if (!Dialogs().SelectFolder(FTitle, folder)) return false;
    FDirectory = folder;
    return true;
}

bool TStandInOpenDialog::Execute() {
    std::vector<std::string> files;
    if (!Dialogs().OpenFiles(FTitle, FFilter, FMultiSelection, files) || files.empty())
        return false;
    FFiles = std::move(files);
    FFileName = FFiles.front();
    return true;
}

bool TStandInSelectSkinDialog::Execute(int skinIndex) {
    int selected = skinIndex;
    if (!Dialogs().SelectSkin(skinIndex, selected)) return false;
    FSelectedSkinIndex = selected;
    return true;
}
