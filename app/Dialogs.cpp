#include "app/Dialogs.h"

#include "lib/dialogs/TbsSelectSkinDialog.h"
#include "lib/dialogs/TbsSkinOpenDialog.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"

namespace {

// The component a Choose call is running, for the default dialogs to show.
TComponent* RunningDialog = nullptr;

class TRunningDialog {
public:
    explicit TRunningDialog(TComponent& dialog) : FPrevious(RunningDialog) {
        RunningDialog = &dialog;
    }
    ~TRunningDialog() { RunningDialog = FPrevious; }
    TRunningDialog(const TRunningDialog&) = delete;
    TRunningDialog& operator=(const TRunningDialog&) = delete;

private:
    TComponent* FPrevious;
};

// The running component of type T, or else a fresh one that lives for the call.
template <typename T>
class TDialogInUse {
public:
    TDialogInUse() : FDialog(dynamic_cast<T*>(RunningDialog)) {
        if (!FDialog) {
            FOwned = std::make_unique<T>(nullptr);
            FDialog = FOwned.get();
        }
    }
    T* operator->() const { return FDialog; }

private:
    std::unique_ptr<T> FOwned;
    T* FDialog;
};

// Shows the skinned components themselves.
class TSkinnedDialogs : public IDialogs {
public:
    bool SelectFolder(const std::string& title, std::string& directory) override {
        const TDialogInUse<TbsSkinSelectDirectoryDialog> dialog;
        dialog->SetTitle(title);
        // Cancel leaves the component's folder alone; only a different start is written.
        if (dialog->Directory() != directory) dialog->SetDirectory(directory);
        if (!dialog->Execute()) return false;
        directory = dialog->Directory();
        return true;
    }
    bool OpenFiles(const std::string& title, const std::string& filter, bool several,
                   std::vector<std::string>& files) override {
        const TDialogInUse<TbsSkinOpenDialog> dialog;
        dialog->SetTitle(title);
        dialog->SetFilter(filter);
        dialog->SetMultiSelection(several);
        if (!dialog->Execute()) return false;
        files.clear();
        if (several)
            for (int i = 0; i < dialog->Files().Count(); ++i)
                files.push_back(dialog->Files()[i]);
        if (files.empty()) files.push_back(dialog->FileName());
        return true;
    }
    bool SelectSkin(int current, int& selected) override {
        const TDialogInUse<TbsSelectSkinDialog> dialog;
        if (!dialog->Execute(current)) return false;
        selected = dialog->SelectedSkinIndex();
        return true;
    }
};

// The dialogs are the program's, one set for the whole program.
std::unique_ptr<IDialogs>& Current() {
    static std::unique_ptr<IDialogs> dialogs = std::make_unique<TSkinnedDialogs>();
    return dialogs;
}

} // namespace

IDialogs& Dialogs() {
    return *Current();
}

std::unique_ptr<IDialogs> SetDialogs(std::unique_ptr<IDialogs> dialogs) {
    if (!dialogs) dialogs = std::make_unique<TSkinnedDialogs>();
    std::swap(Current(), dialogs);
    return dialogs;
}

bool ChooseFolder(TbsSkinSelectDirectoryDialog& dialog) {
    const TRunningDialog running(dialog);
    std::string folder = dialog.Directory();
    if (!Dialogs().SelectFolder(dialog.Title(), folder)) return false;
    dialog.SetDirectory(folder);
    return true;
}

bool ChooseFiles(TbsSkinOpenDialog& dialog, std::vector<std::string>& files) {
    const TRunningDialog running(dialog);
    std::vector<std::string> chosen;
    if (!Dialogs().OpenFiles(dialog.Title(), dialog.Filter(), dialog.MultiSelection(), chosen) ||
        chosen.empty())
        return false;
    files = std::move(chosen);
    return true;
}

bool ChooseSkin(TbsSelectSkinDialog& dialog, int current, int& selected) {
    const TRunningDialog running(dialog);
    return Dialogs().SelectSkin(current, selected);
}
