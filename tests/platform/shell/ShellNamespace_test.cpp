#include "ShellFixture.h"

#include "platform/rtl/FileSearch.h"
#include "platform/shell/ShellFindData.h"
#include "tests/platform/rtl/ScopedEnv.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace win;

std::vector<std::string> NamesOf(const std::vector<TShellItemId>& items) {
    std::vector<std::string> names;
    for (const TShellItemId& item : items)
        names.push_back(item.Name);
    std::sort(names.begin(), names.end());
    return names;
}

class ShellNamespaceTest : public testing::Test {
protected:
    ShellNamespaceTest() {
        Fixture.WriteFile("home/docs/a.txt", "abc");
        Fixture.MakeFolder("home/docs/sub");
        EXPECT_EQ(::symlink(Fixture.Path("home/docs").c_str(), Fixture.Path("home/link").c_str()),
                  0);
    }

    std::string ParsingName(const TItemIdList& list) const {
        return Desktop->GetDisplayNameOf(list, SHGDN_FORPARSING);
    }

    TShellFixture Fixture;
    std::shared_ptr<TShellNamespace> Space{ Fixture.Space() };
    std::shared_ptr<IShellFolder> Desktop{ Space->DesktopFolder() };
};

TEST_F(ShellNamespaceTest, ParsingFoldsThePathAndRoundTripsThroughTheParsingName) {
    const std::string docs = Fixture.Path("home/docs");
    struct Case {
        std::string text;
        std::string parsingName;
    };
    const Case cases[] = {
        { docs + "/a.txt", docs + "/a.txt" },
        { docs + "/./sub/../a.txt", docs + "/a.txt" },
        { Fixture.Root() + "//home///docs", docs },
        { docs + "/sub/", docs + "/sub" },
        { "/..//" + docs.substr(1), docs },
        { Fixture.Path("home/link/a.txt"), Fixture.Path("home/link/a.txt") },
        { "/", "/" },
    };
    for (const Case& c : cases) {
        const std::optional<TItemIdList> list = Desktop->ParseDisplayName(c.text);
        ASSERT_TRUE(list) << c.text;
        ASSERT_GE(list->size(), 2u);
        EXPECT_EQ((*list)[0].Kind, ikComputer);
        EXPECT_EQ((*list)[1], (TShellItemId{ ikVolume, "/" }));
        EXPECT_EQ(ParsingName(*list), c.parsingName) << c.text;
        EXPECT_EQ(Space->PathOfIdList(*list), c.parsingName) << c.text;
        EXPECT_EQ(Desktop->ParseDisplayName(c.parsingName), list) << c.text;
    }
    // A link keeps its own name and counts as the folder it leads to.
    const TItemIdList viaLink = *Desktop->ParseDisplayName(Fixture.Path("home/link"));
    EXPECT_EQ(viaLink.back(), (TShellItemId{ ikFolder, "link" }));
}

TEST_F(ShellNamespaceTest, ParsingRefusesWhatDoesNotExistOrIsNoAbsolutePath) {
    for (const std::string& text :
         { Fixture.Path("home/missing"), Fixture.Path("home/docs/a.txt/inside"), std::string(),
           std::string("home/docs"), std::string("::{not-a-class}") })
        EXPECT_FALSE(Desktop->ParseDisplayName(text)) << text;
}

TEST_F(ShellNamespaceTest, TheDesktopHoldsHomeAndComputerWithTheirOwnNames) {
    EXPECT_EQ(NamesOf(*Desktop->EnumObjects(SHCONTF_FOLDERS | SHCONTF_NONFOLDERS)).size(), 2u);
    const TItemIdList home{ { ikHome, "" } };
    const TItemIdList computer{ { ikComputer, "" } };
    EXPECT_EQ(Desktop->GetDisplayNameOf(home, SHGDN_NORMAL), "Home");
    EXPECT_EQ(ParsingName(home), Fixture.Home());
    EXPECT_EQ(Desktop->GetDisplayNameOf(computer, SHGDN_INFOLDER), "Computer");
    EXPECT_EQ(ParsingName(computer), TShellNamespace::kComputerClassName);
    EXPECT_EQ(ParsingName({}), TShellNamespace::kDesktopClassName);
    EXPECT_EQ(Desktop->GetDisplayNameOf({}, SHGDN_NORMAL), "Desktop");
    EXPECT_EQ(Desktop->ParseDisplayName(TShellNamespace::kComputerClassName), computer);
    EXPECT_EQ(Space->PathOfIdList(computer), "");
    EXPECT_EQ(Space->PathOfIdList({}), "");

    // Home lists the home folder's entries, and names them below the home folder.
    const auto homeFolder = Desktop->BindToObject(home);
    ASSERT_TRUE(homeFolder);
    EXPECT_EQ(NamesOf(*homeFolder->EnumObjects(SHCONTF_FOLDERS)),
              (std::vector<std::string>{ "docs", "link" }));
    EXPECT_EQ(Space->PathOfIdList({ { ikHome, "" }, { ikFolder, "docs" } }),
              Fixture.Path("home/docs"));
}

TEST_F(ShellNamespaceTest, ComputerListsTheRootAndTheUsersMountsFromTheTable) {
    const auto computer = Desktop->BindToObject({ { ikComputer, "" } });
    ASSERT_TRUE(computer);
    const auto items = *computer->EnumObjects(SHCONTF_FOLDERS);
    std::vector<std::string> points;
    std::vector<std::string> names;
    for (const TShellItemId& item : items) {
        EXPECT_EQ(item.Kind, ikVolume);
        points.push_back(item.Name);
        names.push_back(computer->GetDisplayNameOf({ item }, SHGDN_INFOLDER));
    }
    // None of these exist here: the listing takes the table's word for them.
    EXPECT_EQ(points, (std::vector<std::string>{ "/", "/media/user/USB Stick", "/mnt/data",
                                                 "/run/media/fixture/Card" }));
    EXPECT_EQ(names, (std::vector<std::string>{ "File System", "USB Stick", "data", "Card" }));
    const TShellItemId stick{ ikVolume, "/media/user/USB Stick" };
    EXPECT_TRUE(computer->GetAttributesOf({ stick }, SFGAO_REMOVABLE));
    EXPECT_FALSE(computer->GetAttributesOf({ { ikVolume, "/mnt/data" } }, SFGAO_REMOVABLE));
    EXPECT_EQ(computer->GetDisplayNameOf({ stick }, SHGDN_FORPARSING), "/media/user/USB Stick");
    EXPECT_TRUE(computer->CompareIDs(0, { { ikVolume, "/" } }, { stick }) < 0);
}

TEST_F(ShellNamespaceTest, EnumerationListsTheKindsAskedFor) {
    Fixture.MakeFolder("list/Folder");
    Fixture.MakeFolder("list/.hiddenFolder");
    Fixture.WriteFile("list/file.txt");
    Fixture.WriteFile("list/.hiddenFile");
    ASSERT_EQ(::symlink("Folder", Fixture.Path("list/linkToFolder").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", Fixture.Path("list/brokenLink").c_str()), 0);
    const auto folder = Desktop->BindToObject(*Space->ParsePath(Fixture.Path("list")));
    ASSERT_TRUE(folder);
    using Names = std::vector<std::string>;
    struct Case {
        std::uint32_t flags;
        Names names;
    };
    const Case cases[] = {
        { SHCONTF_FOLDERS, { "Folder", "linkToFolder" } },
        { SHCONTF_NONFOLDERS, { "brokenLink", "file.txt" } },
        { SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, { ".hiddenFolder", "Folder", "linkToFolder" } },
        { SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN,
          { ".hiddenFile", ".hiddenFolder", "Folder", "brokenLink", "file.txt", "linkToFolder" } },
        { SHCONTF_INCLUDEHIDDEN, {} },
    };
    for (const Case& c : cases) {
        const auto items = folder->EnumObjects(c.flags);
        ASSERT_TRUE(items);
        EXPECT_EQ(NamesOf(*items), c.names) << c.flags;
        for (const TShellItemId& item : *items)
            EXPECT_EQ(item.IsFolder(), item.Name.find("older") != std::string::npos) << item.Name;
    }
    EXPECT_FALSE(Desktop->BindToObject(*Space->ParsePath(Fixture.Path("list/file.txt"))));
    ::chmod(Fixture.Path("list/Folder").c_str(), 0);
    if (::access(Fixture.Path("list/Folder").c_str(), R_OK) != 0) {
        const auto locked = folder->BindToObject({ { ikFolder, "Folder" } });
        EXPECT_FALSE(locked->EnumObjects(SHCONTF_FOLDERS)) << "an unreadable folder lists nothing";
    }
    ::chmod(Fixture.Path("list/Folder").c_str(), 0755);
}

TEST_F(ShellNamespaceTest, CompareSortsFoldersFirstThenNamesWithoutCaseKeepingCasesApart) {
    const auto docs = Desktop->BindToObject(*Space->ParsePath(Fixture.Path("home/docs")));
    std::vector<TShellItemId> items{ { ikFile, "b.txt" },
                                     { ikFile, "a" },
                                     { ikFolder, "music" },
                                     { ikFile, "A" },
                                     { ikFolder, "Zeta" } };
    std::sort(items.begin(), items.end(), [&](const TShellItemId& x, const TShellItemId& y) {
        return docs->CompareIDs(0, { x }, { y }) < 0;
    });
    std::vector<std::string> order;
    for (const TShellItemId& item : items)
        order.push_back(item.Name);
    EXPECT_EQ(order, (std::vector<std::string>{ "music", "Zeta", "A", "a", "b.txt" }));
    EXPECT_NE(docs->CompareIDs(0, { { ikFile, "A" } }, { { ikFile, "a" } }), 0);

    // The desktop tells absolute lists apart step by step: 0 means the same item.
    const TItemIdList a = *Space->ParsePath(Fixture.Path("home/docs/a.txt"));
    const TItemIdList sub = *Space->ParsePath(Fixture.Path("home/docs/sub"));
    EXPECT_EQ(Desktop->CompareIDs(0, a, *Space->ParsePath(Fixture.Path("home/docs/a.txt"))), 0);
    EXPECT_GT(Desktop->CompareIDs(0, a, sub), 0) << "the folder sub before the file a.txt";
    EXPECT_LT(Desktop->CompareIDs(0, TItemIdList(a.begin(), a.end() - 1), a), 0);
    EXPECT_LT(Desktop->CompareIDs(0, { { ikHome, "" } }, { { ikComputer, "" } }), 0);
    EXPECT_EQ(Desktop->CompareIDs(0, {}, {}), 0);
}

TEST_F(ShellNamespaceTest, AttributesComeFromTheEntryAndAGoneEntryHasNone) {
    Fixture.WriteFile("attr/readonly.txt", "x");
    ::chmod(Fixture.Path("attr/readonly.txt").c_str(), 0444);
    Fixture.WriteFile("attr/plain.txt", "x");
    Fixture.MakeFolder("attr/folder/inner");
    Fixture.MakeFolder("attr/empty");
    ASSERT_EQ(::symlink("plain.txt", Fixture.Path("attr/link").c_str()), 0);
    ASSERT_EQ(::symlink("nowhere", Fixture.Path("attr/broken").c_str()), 0);
    const auto folder = Desktop->BindToObject(*Space->ParsePath(Fixture.Path("attr")));
    const std::uint32_t all = 0xFFFFFFFF;
    struct Case {
        TShellItemId item;
        std::uint32_t set;
        std::uint32_t unset;
    };
    const Case cases[] = {
        { { ikFolder, "folder" },
          SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR |
              SFGAO_CANRENAME | SFGAO_DROPTARGET,
          SFGAO_READONLY | SFGAO_LINK | SFGAO_HIDDEN },
        { { ikFolder, "empty" }, SFGAO_FOLDER, SFGAO_HASSUBFOLDER },
        { { ikFile, "readonly.txt" },
          SFGAO_READONLY | SFGAO_FILESYSTEM | SFGAO_CANDELETE,
          SFGAO_FOLDER | SFGAO_LINK },
        { { ikFile, "link" }, SFGAO_LINK, SFGAO_READONLY | SFGAO_FOLDER },
        { { ikFile, "broken" }, SFGAO_LINK | SFGAO_FILESYSTEM, SFGAO_READONLY | SFGAO_FOLDER },
        { { ikFile, "gone.txt" }, 0, all },
    };
    for (const Case& c : cases) {
        const std::uint32_t attributes = folder->GetAttributesOf({ c.item }, all);
        EXPECT_EQ(attributes & c.set, c.set) << c.item.Name;
        EXPECT_EQ(attributes & c.unset, 0u) << c.item.Name;
    }
    // Only the bits asked for come back.
    EXPECT_EQ(folder->GetAttributesOf({ { ikFolder, "folder" } }, SFGAO_FOLDER), SFGAO_FOLDER);
}

TEST_F(ShellNamespaceTest, NamesShowAsUtf8WhileTheIdKeepsTheBytes) {
    const std::string raw = "bad\xFF"
                            "name.txt";
    Fixture.WriteFile("home/docs/" + raw, "x");
    const auto docs = Desktop->BindToObject(*Space->ParsePath(Fixture.Path("home/docs")));
    const auto items = *docs->EnumObjects(SHCONTF_NONFOLDERS);
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&](const TShellItemId& i) { return i.Name == raw; });
    ASSERT_NE(found, items.end());
    EXPECT_EQ(docs->GetDisplayNameOf({ *found }, SHGDN_INFOLDER), "bad\xEF\xBF\xBDname.txt");
    const std::string parsing = docs->GetDisplayNameOf({ *found }, SHGDN_FORPARSING);
    EXPECT_EQ(parsing, Fixture.Path("home/docs/" + raw));
    EXPECT_TRUE(Desktop->ParseDisplayName(parsing));
}

TEST_F(ShellNamespaceTest, RenameNeverReplacesAndRefusesNamesThatAreNoEntryName) {
    Fixture.WriteFile("home/docs/keep.txt", "keep");
    const auto docs = Desktop->BindToObject(*Space->ParsePath(Fixture.Path("home/docs")));
    const TItemIdList a{ { ikFile, "a.txt" } };
    for (const std::string& name : { std::string("keep.txt"), std::string(""), std::string("."),
                                     std::string(".."), std::string("x/y") })
        EXPECT_FALSE(docs->SetNameOf(a, name)) << name;
    EXPECT_EQ(ReadShellFindData(Fixture.Path("home/docs/a.txt"))->Size, 3);
    EXPECT_EQ(ReadShellFindData(Fixture.Path("home/docs/keep.txt"))->Size, 4);

    const auto renamed = docs->SetNameOf(a, "b.txt");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(*renamed, (TItemIdList{ { ikFile, "b.txt" } }));
    EXPECT_EQ(ReadShellFindData(Fixture.Path("home/docs/b.txt"))->Size, 3);
    // A longer list renames its last item and keeps the steps before it.
    const TItemIdList sub = *Space->ParsePath(Fixture.Path("home/docs/sub"));
    const auto moved = Desktop->SetNameOf(sub, "sub2");
    ASSERT_TRUE(moved);
    EXPECT_EQ(Space->PathOfIdList(*moved), Fixture.Path("home/docs/sub2"));
    EXPECT_EQ(moved->back().Kind, ikFolder);
}

TEST_F(ShellNamespaceTest, SpecialFoldersFollowUserDirsAndTheSettingsFolder) {
    EXPECT_FALSE(Space->SpecialFolderLocation(sfDesktopDirectory))
        << "the desktop folder named in user-dirs.dirs does not exist yet";
    Fixture.MakeFolder("home/Schreibtisch");
    const struct {
        TSpecialFolder folder;
        std::string path;
    } cases[] = {
        { sfDesktopDirectory, Fixture.Path("home/Schreibtisch") },
        { sfTemplates, Fixture.Home() },
        { sfAppData, Fixture.Path("config") },
    };
    for (const auto& c : cases) {
        const auto list = Space->SpecialFolderLocation(c.folder);
        ASSERT_TRUE(list) << c.path;
        EXPECT_EQ(Space->PathOfIdList(*list), c.path);
    }
    EXPECT_EQ(*Space->SpecialFolderLocation(sfDesktop), TItemIdList{});
    EXPECT_EQ(*Space->SpecialFolderLocation(sfHome), (TItemIdList{ { ikHome, "" } }));
}

TEST(ShellEnvironment, ReadsTheVariablesAndIgnoresRelativeOnes) {
    ScopedEnv home("HOME", "/home/someone");
    ScopedEnv dataHome("XDG_DATA_HOME", "relative/data");
    ScopedEnv dataDirs("XDG_DATA_DIRS", "/opt/share/:relative:/usr/share");
    ScopedEnv configHome("XDG_CONFIG_HOME", "/etc/someone/");
    const TShellEnvironment env = TShellEnvironment::FromProcess("/tmp/mounts");
    EXPECT_EQ(env.Home, "/home/someone");
    EXPECT_EQ(env.DataHome, "/home/someone/.local/share");
    EXPECT_EQ(env.DataDirs, (std::vector<std::string>{ "/opt/share", "/usr/share" }));
    EXPECT_EQ(env.ConfigHome, "/etc/someone");
    EXPECT_EQ(env.MountTable, "/tmp/mounts");
    ScopedEnv noDirs("XDG_DATA_DIRS", nullptr);
    EXPECT_EQ(TShellEnvironment::FromProcess().DataDirs,
              (std::vector<std::string>{ "/usr/local/share", "/usr/share" }));
}

TEST(ShellFindData, SizesPastFourGigabytesAttributesAndBrokenLinks) {
    TShellFixture fixture;
    const std::string big = fixture.WriteFile("big.bin");
    ASSERT_EQ(::truncate(big.c_str(), 5LL << 30), 0) << "a sparse file takes no room";
    fixture.WriteFile(".hidden", "x");
    ::chmod(fixture.Path(".hidden").c_str(), 0400);
    fixture.MakeFolder("folder");
    ASSERT_EQ(::symlink("nowhere", fixture.Path("broken").c_str()), 0);
    struct Case {
        std::string name;
        std::int64_t size;
        int attributes;
    };
    const Case cases[] = {
        { "big.bin", 5LL << 30, faArchive },
        { ".hidden", 1, faArchive | faReadOnly | faHidden },
        { "folder", 0, faDirectory },
        { "broken", 7, faArchive }, // the link itself: its text "nowhere"
    };
    for (const Case& c : cases) {
        const auto data = ReadShellFindData(fixture.Path(c.name));
        ASSERT_TRUE(data) << c.name;
        EXPECT_EQ(data->Name, c.name);
        EXPECT_EQ(data->Size, c.size) << c.name;
        EXPECT_EQ(data->Attributes, c.attributes) << c.name;
    }
    int error = 0;
    EXPECT_FALSE(ReadShellFindData(fixture.Path("missing"), &error));
    EXPECT_EQ(error, ENOENT);
}

} // namespace
