#pragma once
#include <memory>
#include <string>
#include <vector>

// The standard dialogs the program's windows open: the platform's own until the skinned dialogs
// exist; tests put their own in place.
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
// Installs dialogs (nullptr: the platform's again); returns the ones it replaces.
std::unique_ptr<IDialogs> SetDialogs(std::unique_ptr<IDialogs> dialogs);
