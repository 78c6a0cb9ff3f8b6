#include "app/Dialogs.h"

#include "platform/forms/TOpenDialog.h"
#include "platform/forms/TSelectDirectoryDialog.h"

namespace {

// The platform's own dialogs until the skinned ones exist; there is no skin to choose yet.
class TStandardDialogs : public IDialogs {
public:
    bool SelectFolder(const std::string& title, std::string& directory) override {
        TSelectDirectoryDialog dialog(nullptr);
        dialog.SetTitle(title);
        dialog.SetDirectory(directory);
        if (!dialog.Execute()) return false;
        directory = dialog.Directory();
        return true;
    }
    bool OpenFiles(const std::string& title, const std::string& filter, bool several,
                   std::vector<std::string>& files) override {
        TOpenDialog dialog(nullptr);
        dialog.SetTitle(title);
        dialog.SetFilter(filter);
        TOpenOptions options = dialog.Options();
        if (several) options.Include(ofAllowMultiSelect);
        options.Include(ofFileMustExist);
        dialog.SetOptions(options);
        if (!dialog.Execute()) return false;
        files = several ? dialog.Files() : std::vector<std::string>{ dialog.FileName() };
        return true;
    }
    bool SelectSkin(int, int&) override { return false; }
};

// The dialogs are the desktop's, one set for the whole program.
std::unique_ptr<IDialogs>& Current() {
    static std::unique_ptr<IDialogs> dialogs = std::make_unique<TStandardDialogs>();
    return dialogs;
}

} // namespace

IDialogs& Dialogs() {
    return *Current();
}

std::unique_ptr<IDialogs> SetDialogs(std::unique_ptr<IDialogs> dialogs) {
    if (!dialogs) dialogs = std::make_unique<TStandardDialogs>();
    std::swap(Current(), dialogs);
    return dialogs;
}
