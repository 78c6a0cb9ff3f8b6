#include "app/Dialogs.h"

namespace {

class TCancellingDialogs : public IDialogs {
public:
    bool SelectFolder(const std::string&, std::string&) override { return false; }
    bool OpenFiles(const std::string&, const std::string&, bool,
                   std::vector<std::string>&) override {
        return false;
    }
    bool SelectSkin(int, int&) override { return false; }
};

// The dialogs are the desktop's, one set for the whole program.
std::unique_ptr<IDialogs>& Current() {
    static std::unique_ptr<IDialogs> dialogs = std::make_unique<TCancellingDialogs>();
    return dialogs;
}

} // namespace

IDialogs& Dialogs() {
    return *Current();
}

std::unique_ptr<IDialogs> SetDialogs(std::unique_ptr<IDialogs> dialogs) {
    if (!dialogs) dialogs = std::make_unique<TCancellingDialogs>();
    std::swap(Current(), dialogs);
    return dialogs;
}
