#include "ShellFixture.h"

#include "platform/shell/IconTheme.h"
#include "platform/shell/MimeGlobs.h"
#include "platform/shell/MimeIcons.h"
#include "platform/shell/SystemImageList.h"

#include <gtest/gtest.h>

namespace {

TEST(MimeGlobs, NameRulesPickByKindWeightLengthAndCase) {
    TShellFixture fixture;
    const auto space = fixture.Space();
    struct Case {
        const char* name;
        const char* type;
    };
    const Case cases[] = {
        { "a.vob", "video/mpeg" },
        { "B.VOB", "video/mpeg" },
        { "Makefile", "text/x-makefile" },    // a whole-name rule, any case
        { "makefile.am", "text/x-makefile" }, // its lighter glob
        { "a.tar.gz", "application/x-compressed-tar" },
        { "a.gz", "application/gzip" },
        { "main.C", "text/x-c++src" }, // the case-sensitive rule wins the tie
        { "main.c", "text/x-csrc" },
        { "libz.so.1", "application/x-sharedlib" },
        { "a.x.y", "type/heavy" }, // weight before length
        { "README", "" },
        { "", "" },
    };
    for (const Case& c : cases)
        EXPECT_EQ(space->TypeOfName(c.name), c.type) << c.name;
}

TEST(MimeGlobs, AFolderMayClearTheRulesOfTheFoldersAfterIt) {
    TMimeGlobs globs;
    const auto cleared =
        globs.AddRules("50:video/mpeg:__NOGLOBS__\n50:video/x-mine:*.mine\nbroken line\n"
                       "x:video/bad:*.bad\n");
    EXPECT_EQ(cleared, std::vector<std::string>{ "video/mpeg" });
    globs.AddRules("50:video/mpeg:*.vob\n50:video/mpeg:*.mine2\n", cleared);
    EXPECT_EQ(globs.TypeOfName("a.vob"), "");
    EXPECT_EQ(globs.TypeOfName("a.mine"), "video/x-mine");
    EXPECT_EQ(globs.TypeOfName("a.bad"), "") << "a line with no weight is skipped";
    EXPECT_EQ(globs.RuleCount(), 1u);
}

TEST(MimeIcons, ATypesIconsAreItsOwnThenItsGenericOne) {
    TMimeIcons icons;
    icons.AddIcons("text/x-special:special-icon\n");
    icons.AddGenericIcons("application/gzip:package-x-generic\nbad\n");
    using Names = std::vector<std::string>;
    EXPECT_EQ(icons.IconNamesOf("video/mpeg"), (Names{ "video-mpeg", "video-x-generic" }));
    EXPECT_EQ(icons.IconNamesOf("application/gzip"),
              (Names{ "application-gzip", "package-x-generic" }));
    EXPECT_EQ(icons.IconNamesOf("text/x-special"), (Names{ "special-icon", "text-x-generic" }));
    EXPECT_EQ(icons.IconNamesOf("nonsense"), Names{});
}

TEST(IconTheme, TheUsersThemeComesFirstThenWhatItInheritsThenHicolor) {
    TShellFixture fixture;
    const auto theme = TIconTheme::FromEnvironment(fixture.Environment());
    EXPECT_EQ(theme->ThemeChain(), (std::vector<std::string>{ "Fixture", "hicolor" }));
    EXPECT_EQ(theme->FindIcon("video-mpeg", 32),
              fixture.Path("data/icons/Fixture/32x32/mimetypes/video-mpeg.png"));
    EXPECT_EQ(theme->FindIcon("package-x-generic", 16),
              fixture.Path("data/icons/hicolor/16x16/mimetypes/package-x-generic.png"));
    // The threshold folders of hicolor serve 14 to 18 pixels; the svg file is never used.
    EXPECT_NE(theme->FindIcon("package-x-generic", 18), "");
    EXPECT_EQ(theme->FindIcon("package-x-generic", 24), "");
    EXPECT_EQ(theme->FindIcon("video-x-generic", 16), "");
    EXPECT_EQ(theme->FindIcon("folder", 32), "") << "the 24 pixel folder serves no other size";
    EXPECT_EQ(theme->FindIcon("../index", 16), "");

    TIconTheme missing({ fixture.Path("data/icons") }, "NoSuchTheme");
    EXPECT_EQ(missing.ThemeChain(), std::vector<std::string>{ "hicolor" });
}

class SystemIconsTest : public testing::Test {
protected:
    int IconOf(const std::string& path, bool open = false) {
        return Space->IconIndexOf(*Space->ParsePath(path), open);
    }
    gfx::Pixel ColourOf(int index, bool large) {
        const gfx::Surface& picture = Space->SystemImageList(large).Picture(index);
        return picture.At(picture.Width() / 2, picture.Height() / 2);
    }

    TShellFixture Fixture;
    std::shared_ptr<TShellNamespace> Space{ Fixture.Space() };
};

TEST_F(SystemIconsTest, AFileTakesItsTypesIconThenTheGenericOneThenTheBuiltInFile) {
    struct Case {
        const char* name;
        gfx::Pixel colour; // 0: the built-in generic file, image 0
    };
    const Case cases[] = {
        { "film.vob", TShellFixture::kVideoColour },   // the type's own icon
        { "Makefile", TShellFixture::kTextColour },    // its generic icon
        { "a.gz", TShellFixture::kPackageColour },     // generic icon from hicolor
        { "b.tar.gz", TShellFixture::kPackageColour }, // the same icon, the same image
        { "picture.png", 0 },                          // a broken PNG is no icon
        { "clip.svgvid", 0 },                          // only a scalable picture
        { "README", 0 },                               // no type at all
    };
    int packageIndex = -1;
    for (const Case& c : cases) {
        const int index = IconOf(Fixture.WriteFile("files/" + std::string(c.name)));
        if (c.colour == 0) {
            EXPECT_EQ(index, 0) << c.name;
            continue;
        }
        EXPECT_GT(index, 0) << c.name;
        EXPECT_EQ(ColourOf(index, false), c.colour) << c.name;
        EXPECT_EQ(ColourOf(index, true), c.colour) << c.name;
        if (c.colour == TShellFixture::kPackageColour) {
            if (packageIndex >= 0) {
                EXPECT_EQ(index, packageIndex);
            }
            packageIndex = index;
        }
    }
    EXPECT_EQ(Space->SystemImageList(false).Width(), 16);
    EXPECT_EQ(Space->SystemImageList(true).Width(), 32);
    EXPECT_EQ(Space->SystemImageList(false).Count(), Space->SystemImageList(true).Count());
}

TEST_F(SystemIconsTest, EachIconFileIsReadOnce) {
    for (int i = 0; i < 3; ++i)
        IconOf(Fixture.WriteFile("files/" + std::to_string(i) + ".vob"));
    const int afterVideo = Space->IconFilesRead();
    EXPECT_GE(afterVideo, 2) << "the video icon at 16 and at 32 pixels";
    for (int i = 0; i < 3; ++i)
        IconOf(Fixture.WriteFile("files/" + std::to_string(i) + ".VOB"));
    EXPECT_EQ(Space->IconFilesRead(), afterVideo);
    const int count = Space->SystemImageList(false).Count();
    IconOf(Fixture.Path("files"));
    IconOf(Fixture.Path("files"));
    EXPECT_EQ(Space->SystemImageList(false).Count(), count + 1);
}

TEST_F(SystemIconsTest, PlacesAndDevicesTakeTheirIconsAndStandInsOfTheirRoles) {
    Fixture.MakeFolder("folder");
    const int folder = IconOf(Fixture.Path("folder"));
    EXPECT_EQ(ColourOf(folder, false), TShellFixture::kFolderColour);
    EXPECT_EQ(ColourOf(folder, true), TShellFixture::kFolderColour) << "scaled up";
    EXPECT_EQ(IconOf(Fixture.Path("folder"), true), folder) << "no open folder: the folder";

    // The fixture theme has none of these: each role gets a picture of its own.
    const int desktop = Space->IconIndexOf({}, false);
    const int home = Space->IconIndexOf({ { ikHome, "" } }, false);
    const int computer = Space->IconIndexOf({ { ikComputer, "" } }, false);
    const int disk = Space->IconIndexOf({ { ikComputer, "" }, { ikVolume, "/" } }, false);
    const int stick =
        Space->IconIndexOf({ { ikComputer, "" }, { ikVolume, "/media/user/USB Stick" } }, false);
    const int data = Space->IconIndexOf({ { ikComputer, "" }, { ikVolume, "/mnt/data" } }, false);
    const std::vector<int> roles{ 0, folder, desktop, home, computer, disk, stick };
    for (std::size_t i = 0; i < roles.size(); ++i)
        for (std::size_t j = i + 1; j < roles.size(); ++j)
            EXPECT_NE(roles[i], roles[j]) << i << " " << j;
    EXPECT_EQ(data, disk);
}

TEST(SystemIcons, WithoutAnyThemeEveryIconIsBuiltIn) {
    TShellFixture fixture;
    TShellEnvironment env = fixture.Environment();
    env.DataDirs = { fixture.Path("nothing") };
    const auto space = std::make_shared<TShellNamespace>(env);
    EXPECT_EQ(space->IconIndexOf(*space->ParsePath(fixture.WriteFile("x.vob")), false), 0);
    const int folder = space->IconIndexOf(*space->ParsePath(fixture.MakeFolder("f")), false);
    EXPECT_GT(folder, 0);
    // Built-in pictures have alpha: their corners are clear.
    EXPECT_EQ(gfx::PixelA(space->SystemImageList(true).Picture(0).At(0, 0)), 0);
    EXPECT_EQ(space->IconFilesRead(), 0);
}

} // namespace
