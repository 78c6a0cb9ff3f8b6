#pragma once
#include "platform/gfx/Surface.h"
#include "platform/shell/ShellEnvironment.h"
#include "platform/shell/ShellNamespace.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <memory>
#include <string>

// A desktop of its own in a scratch folder: a home folder, the XDG data and settings folders,
// a MIME database with a few rules, an icon theme "Fixture" of 16 and 32 pixel PNGs that
// inherits "hicolor", user-dirs.dirs, and a mount table. Each icon is one flat colour, so a
// test can tell which file an image came from.
class TShellFixture {
public:
    TShellFixture();

    // The scratch folder; every path below starts here.
    const std::string& Root() const { return FScratch.Path(); }
    std::string Path(const std::string& relative) const { return Root() + "/" + relative; }
    std::string Home() const { return Path("home"); }

    TShellEnvironment Environment() const;
    // A namespace over the fixture (made afresh each call).
    std::shared_ptr<TShellNamespace> Space() const;

    std::string WriteFile(const std::string& relative, const std::string& content = "") const;
    std::string MakeFolder(const std::string& relative) const;
    // The whole content of a file.
    static std::string ReadText(const std::string& fileName);
    // A PNG of size x size pixels of one colour.
    void WriteIcon(const std::string& relative, int size, gfx::Pixel colour) const;

    // The colours of the fixture's icons.
    static constexpr gfx::Pixel kVideoColour = gfx::MakePixel(0xE0, 0x10, 0x10, 0xFF);
    static constexpr gfx::Pixel kTextColour = gfx::MakePixel(0x10, 0xC0, 0x10, 0xFF);
    static constexpr gfx::Pixel kPackageColour = gfx::MakePixel(0x10, 0x10, 0xE0, 0xFF);
    static constexpr gfx::Pixel kFolderColour = gfx::MakePixel(0xF0, 0xD0, 0x20, 0xFF);

private:
    ScratchFolder FScratch;
};
