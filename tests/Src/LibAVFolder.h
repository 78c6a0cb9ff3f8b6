#pragma once
#include <string>

// A scratch "LibAV" folder that tests fill with links to the system's media libraries, or with
// files that stand in for a broken library; removed with the object.
class TLibAVFolder {
public:
    TLibAVFolder();
    ~TLibAVFolder();
    TLibAVFolder(const TLibAVFolder&) = delete;
    TLibAVFolder& operator=(const TLibAVFolder&) = delete;

    const std::string& Path() const { return FPath; }
    // A link named linkName to the file the system loads for soname.
    void LinkSystemLibrary(const std::string& linkName, const std::string& soname) const;
    void WriteFile(const std::string& name, const std::string& content) const;

private:
    std::string FPath;
};

// The full path of the file the dynamic loader uses for soname.
std::string SystemLibraryPath(const std::string& soname);
