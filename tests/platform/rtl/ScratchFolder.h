#pragma once
#include <string>

// A fresh folder under the temporary folder for one test, removed with everything in it when
// the object goes away. Path() ends without a separator.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return FPath; }
    std::string operator/(const std::string& name) const { return FPath + "/" + name; }

    // Writes a file of the given content below the folder and returns its full name.
    std::string WriteFile(const std::string& name, const std::string& content) const;

private:
    std::string FPath;
};
