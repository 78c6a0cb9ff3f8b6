#include "lib/dialogs/bsShellVerbPrompts.h"

#include "platform/forms/MessageBoxFlags.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/Format.h"

using namespace win;

namespace {

// The application's own message box. Without an application there is nobody to ask, and
// nothing goes to the trash unasked.
class TPlainShellVerbPrompts : public IShellVerbPrompts {
public:
    bool ConfirmDelete(const std::string& displayName, bool isFolder) override {
        if (!Application) return false;
        return Application->MessageBox(DeleteQuestion(displayName, isFolder), "Confirm Delete",
                                       MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
    void ShowProperties(const std::string& displayName, const std::string& text) override {
        if (Application)
            Application->MessageBox(text, PropertiesCaption(displayName),
                                    MB_OK | MB_ICONINFORMATION);
    }
};

IShellVerbPrompts* g_prompts = nullptr;

} // namespace

IShellVerbPrompts& ShellVerbPrompts() {
    static TPlainShellVerbPrompts plain;
    return g_prompts ? *g_prompts : plain;
}

IShellVerbPrompts* SetShellVerbPrompts(IShellVerbPrompts* prompts) {
    IShellVerbPrompts* previous = g_prompts;
    g_prompts = prompts;
    return previous;
}

std::string DeleteQuestion(const std::string& displayName, bool isFolder) {
    return isFolder ? Format("Are you sure you want to move the folder \"%s\" and all its contents "
                             "to the Trash?",
                             displayName)
                    : Format("Are you sure you want to move \"%s\" to the Trash?", displayName);
}

std::string PropertiesCaption(const std::string& displayName) {
    return displayName + " Properties";
}
