#pragma once
#include <string>

// What the verbs ask and tell the user: the question before an item goes to the trash and the
// properties box. The skinned message box answers them once it is installed; until then the
// application's plain message box does.
class IShellVerbPrompts {
public:
    virtual ~IShellVerbPrompts() = default;
    // True when the user agrees to move the item to the trash.
    virtual bool ConfirmDelete(const std::string& displayName, bool isFolder) = 0;
    // Shows text (one line per fact) as the properties of the item.
    virtual void ShowProperties(const std::string& displayName, const std::string& text) = 0;
};

// The prompts in use: the one installed, else the plain message box.
IShellVerbPrompts& ShellVerbPrompts();
// Puts prompts in place (not owned; null: the plain message box again); returns the one it
// replaces, null when none was installed.
IShellVerbPrompts* SetShellVerbPrompts(IShellVerbPrompts* prompts);

// The texts the prompts show: the delete question and the properties box's caption.
std::string DeleteQuestion(const std::string& displayName, bool isFolder);
std::string PropertiesCaption(const std::string& displayName);
