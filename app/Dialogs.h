#pragma once
#include <memory>
#include <string>
#include <vector>

class TbsSkinOpenDialog;
class TbsSkinSelectDirectoryDialog;
class TbsSelectSkinDialog;

// The standard dialogs the program's windows open: the window's own skinned dialog components;
// tests put their own in place.
class IDialogs {
public:
    virtual ~IDialogs() = default;
    // Lets the user choose a folder, starting at directory; true with the folder in directory
    // after OK.
    virtual bool SelectFolder(const std::string& title, std::string& directory) = 0;
    // Lets the user choose files matching filter ("text|*.a;*.b|..."); true with their names.
    virtual bool OpenFiles(const std::string& title, const std::string& filter, bool several,
                           std::vector<std::string>& files) = 0;
    // Lets the user choose a skin of the list, starting at current; true with the choice.
    virtual bool SelectSkin(int current, int& selected) = 0;
};

IDialogs& Dialogs();
// Installs dialogs (nullptr: the skinned components again); returns the ones it replaces.
std::unique_ptr<IDialogs> SetDialogs(std::unique_ptr<IDialogs> dialogs);

// The window's dialog components run through the installed dialogs, which by default show the
// component itself with its settings and what it remembers from the last call.

// True after OK; the chosen folder is then the dialog's Directory. Cancel leaves Directory as it
// was.
bool ChooseFolder(TbsSkinSelectDirectoryDialog& dialog);
// True with at least one chosen file: the chosen one, or with MultiSelection all of them.
bool ChooseFiles(TbsSkinOpenDialog& dialog, std::vector<std::string>& files);
// True with the index of the chosen skin of the dialog's skin list.
bool ChooseSkin(TbsSelectSkinDialog& dialog, int current, int& selected);
