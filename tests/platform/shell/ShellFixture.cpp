#include "ShellFixture.h"

#include "platform/gfx/PngCodec.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr const char* kGlobs = R"(# fixture rules
50:video/mpeg:*.vob
50:application/gzip:*.gz
50:application/x-compressed-tar:*.tar.gz
50:text/x-makefile:makefile
10:text/x-makefile:makefile.*
50:text/x-c++src:*.C:cs
50:text/x-csrc:*.c
60:application/x-sharedlib:*.so.[0-9]*
60:type/heavy:*.y
40:type/long:*.x.y
50:image/png:*.png
50:video/x-scalable:*.svgvid
)";

constexpr const char* kGenericIcons = "application/gzip:package-x-generic\n"
                                      "application/x-compressed-tar:package-x-generic\n";

constexpr const char* kFixtureTheme = R"([Icon Theme]
Name=Fixture
Inherits=hicolor
Directories=16x16/mimetypes,32x32/mimetypes,16x16/places,24x24/places,scalable/mimetypes

[16x16/mimetypes]
Size=16
Type=Fixed

[32x32/mimetypes]
Size=32
Type=Fixed

[16x16/places]
Size=16
Type=Fixed

[24x24/places]
Size=24
Type=Fixed

[scalable/mimetypes]
Size=16
MinSize=8
MaxSize=512
Type=Scalable
)";

constexpr const char* kHicolorTheme = R"([Icon Theme]
Name=Hicolor
Directories=16x16/mimetypes,32x32/mimetypes

[16x16/mimetypes]
Size=16
Type=Threshold

[32x32/mimetypes]
Size=32
Type=Threshold
)";

constexpr const char* kMounts = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                                "proc /proc proc rw,nosuid 0 0\n"
                                "tmpfs /run tmpfs rw 0 0\n"
                                "/dev/sdb1 /media/user/USB\\040Stick vfat rw 0 0\n"
                                "/dev/sdc1 /mnt/data ext4 rw 0 0\n"
                                "tmpfs /mnt/ram tmpfs rw 0 0\n"
                                "/dev/sdd1 /srv/backup ext4 rw 0 0\n"
                                "/dev/sde1 /run/media/fixture/Card exfat rw 0 0\n"
                                "/dev/sdf1 /run/media/other/Card2 exfat rw 0 0\n";

} // namespace

TShellFixture::TShellFixture() {
    MakeFolder("home/.local/share");
    MakeFolder("config");
    WriteFile("data/mime/globs2", kGlobs);
    WriteFile("data/mime/generic-icons", kGenericIcons);
    WriteFile("data/icons/Fixture/index.theme", kFixtureTheme);
    WriteFile("data/icons/hicolor/index.theme", kHicolorTheme);
    for (const int size : { 16, 32 }) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        WriteIcon("data/icons/Fixture/" + folder + "/mimetypes/video-mpeg.png", size, kVideoColour);
        WriteIcon("data/icons/Fixture/" + folder + "/mimetypes/text-x-generic.png", size,
                  kTextColour);
        WriteIcon("data/icons/hicolor/" + folder + "/mimetypes/package-x-generic.png", size,
                  kPackageColour);
        WriteFile("data/icons/Fixture/" + folder + "/mimetypes/image-png.png", "not a picture");
    }
    // The folder icon only at 16 pixels: the large list gets it scaled up.
    WriteIcon("data/icons/Fixture/16x16/places/folder.png", 16, kFolderColour);
    WriteFile("data/icons/Fixture/scalable/mimetypes/video-x-generic.svg", "<svg/>");
    WriteFile("config/gtk-3.0/settings.ini", "[Settings]\ngtk-icon-theme-name=Fixture\n");
    WriteFile("config/user-dirs.dirs",
              "# written by a test\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
              "XDG_MUSIC_DIR=\"relative/not/allowed\"\n");
    WriteFile("mounts", kMounts);
}

TShellEnvironment TShellFixture::Environment() const {
    TShellEnvironment env;
    env.Home = Home();
    env.DataHome = Path("home/.local/share");
    env.DataDirs = { Path("data") };
    env.ConfigHome = Path("config");
    env.MountTable = Path("mounts");
    env.UserName = "fixture";
    return env;
}

std::shared_ptr<TShellNamespace> TShellFixture::Space() const {
    return std::make_shared<TShellNamespace>(Environment());
}

std::string TShellFixture::WriteFile(const std::string& relative,
                                     const std::string& content) const {
    const std::filesystem::path path = Path(relative);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path.string());
    return path.string();
}

std::string TShellFixture::MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Path(relative));
    return Path(relative);
}

std::string TShellFixture::ReadText(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void TShellFixture::WriteIcon(const std::string& relative, int size, gfx::Pixel colour) const {
    const gfx::Surface pixels(size, size, colour);
    const std::vector<std::uint8_t> png = gfx::PngCodec::Encode(pixels, true);
    WriteFile(relative, std::string(png.begin(), png.end()));
}
