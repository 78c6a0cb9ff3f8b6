#include "ShellSpaceFixture.h"

#include "lib/dialogs/bsSkinShellCtrls.h"
#include "platform/rtl/FileSearch.h"
#include "platform/shell/ShellNamespace.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace {

TItemIdList ListOf(const std::string& path) {
    const auto list = DesktopShellFolder()->ParseDisplayName(path);
    if (!list) throw std::runtime_error("no such path: " + path);
    return *list;
}

// An item as the tree makes it: its parent's item and the folder it binds to.
std::unique_ptr<TbsShellFolder> ChildOf(TbsShellFolder& parent, const TShellItemId& id) {
    return std::make_unique<TbsShellFolder>(&parent, TItemIdList{ id },
                                            BindFolderInterface(parent.ShellFolder(), { id }));
}

TEST(ShellPidl, TheChainHoldsEveryAncestorFromTheDesktopDown) {
    const TShellItemId computer{ ikComputer, "" };
    const TShellItemId root{ ikVolume, "/" };
    const TShellItemId a{ ikFolder, "a" };
    const TShellItemId b{ ikFolder, "b" };
    const TShellItemId c{ ikFile, "c" };
    struct Case {
        TItemIdList list;
        std::vector<TItemIdList> chain;
    };
    const Case cases[] = {
        { {}, {} },
        { { { ikHome, "" } }, { {} } },
        { { computer, root, a, b, c },
          { {},
            { computer },
            { computer, root },
            { computer, root, a },
            { computer, root, a, b } } },
    };
    for (const Case& k : cases) {
        EXPECT_EQ(PidlChain(k.list), k.chain);
        EXPECT_EQ(int(PidlChain(k.list).size()), PidlItemCount(k.list));
    }
    TItemIdList list{ computer, root, a };
    PidlStripLast(list);
    EXPECT_EQ(list, (TItemIdList{ computer, root }));
    EXPECT_EQ(PidlJoin(list, PidlLastItem({ computer, root, a })),
              (TItemIdList{ computer, root, a }));
    TItemIdList empty;
    PidlStripLast(empty);
    EXPECT_TRUE(empty.empty());
}

TEST(ShellTypes, RootNamesAnyCaseAndEnumerationFlags) {
    EXPECT_EQ(RootFolderIndex("rfDesktop"), rfDesktop);
    EXPECT_EQ(RootFolderIndex("RFDESKTOP"), rfDesktop);
    EXPECT_EQ(RootFolderIndex("rftemplates"), rfTemplates);
    EXPECT_EQ(RootFolderIndex("Desktop"), -1);
    EXPECT_EQ(RootFolderIndex(""), -1);
    EXPECT_EQ(EnumFlagsOf({ otFolders }), 0x20u);
    EXPECT_EQ(EnumFlagsOf({ otFolders, otHidden }), 0xA0u);
    EXPECT_EQ(EnumFlagsOf({ otFolders, otNonFolders, otHidden }), 0xE0u);
}

class ShellModelTest : public ShellSpaceTest {
protected:
    ShellModelTest() {
        Fixture.WriteFile("home/docs/a.txt", "abc");
        Fixture.WriteFile("home/docs/keep.txt", "keep");
        Fixture.MakeFolder("home/docs/sub");
    }
};

TEST_F(ShellModelTest, RootTextsResolveToSpecialFoldersOrPaths) {
    const std::string docs = Fixture.Path("home/docs");
    struct Case {
        std::string root;
        TItemIdList list;
        std::string displayName;
        std::string pathName;
    };
    const Case cases[] = {
        { "rfDesktop", {}, "Desktop", "Desktop" },
        { "RFDESKTOP", {}, "Desktop", "Desktop" },
        { "rfMyComputer", { { ikComputer, "" } }, "Computer", "Computer" },
        { "rfPersonal", { { ikHome, "" } }, "Home", Fixture.Home() },
        { "rfAppData", ListOf(Fixture.Path("config")), "config", Fixture.Path("config") },
        { docs + "/", ListOf(docs), "docs", docs },
    };
    for (const Case& c : cases) {
        std::unique_ptr<TbsShellFolder> folder;
        TRoot root = c.root;
        ResolveRootFolder(folder, "old", root);
        ASSERT_TRUE(folder) << c.root;
        EXPECT_EQ(root, c.root);
        EXPECT_EQ(folder->FullPIDL(), c.list) << c.root;
        EXPECT_EQ(folder->DisplayName(), c.displayName) << c.root;
        EXPECT_EQ(folder->PathName(), c.pathName) << c.root;
        EXPECT_EQ(folder->Level(), 0);
        EXPECT_EQ(folder->Parent(), &DesktopFolderItem());
        EXPECT_TRUE(folder->IsFolder()) << c.root;
    }
}

TEST_F(ShellModelTest, ARootThatCannotBeResolvedKeepsTheOldRootAndFolder) {
    std::unique_ptr<TbsShellFolder> folder;
    TRoot good = Fixture.Path("home/docs");
    ResolveRootFolder(folder, "", good);
    TbsShellFolder* const before = folder.get();
    for (const std::string& bad : { std::string(""), Fixture.Path("home/missing"),
                                    std::string("rfNetwork"), std::string("relative/path") }) {
        TRoot root = bad;
        try {
            ResolveRootFolder(folder, good, root);
            ADD_FAILURE() << "no error for \"" << bad << "\"";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Error setting path: \"" + bad + "\"");
        }
        EXPECT_EQ(root, good);
        EXPECT_EQ(folder.get(), before);
    }
}

TEST_F(ShellModelTest, ItemsKnowTheirListsNamesLevelsAndKinds) {
    std::unique_ptr<TbsShellFolder> home = CreateFolderFromPidl({ { ikHome, "" } });
    auto docs = ChildOf(*home, { ikFolder, "docs" });
    auto sub = ChildOf(*docs, { ikFolder, "sub" });
    auto a = ChildOf(*docs, { ikFile, "a.txt" });
    EXPECT_EQ(home->Level(), 0);
    EXPECT_EQ(docs->Level(), 1);
    EXPECT_EQ(a->Level(), 2);
    EXPECT_EQ(a->FullPIDL(),
              (TItemIdList{ { ikHome, "" }, { ikFolder, "docs" }, { ikFile, "a.txt" } }));
    EXPECT_EQ(a->PathName(), Fixture.Path("home/docs/a.txt"));
    EXPECT_EQ(a->FullObjectName(), Fixture.Path("home/docs/a.txt"));
    EXPECT_EQ(a->DisplayName(), "a.txt");
    EXPECT_TRUE(sub->IsFolder());
    EXPECT_FALSE(a->IsFolder());
    EXPECT_FALSE(a->ShellFolder());
    EXPECT_TRUE(docs->SubFolders());
    EXPECT_FALSE(sub->SubFolders());

    auto computer = CreateFolderFromPidl({ { ikComputer, "" } });
    EXPECT_EQ(computer->FullObjectName(), "");
    EXPECT_EQ(DesktopFolderItem().FullObjectName(), "");
    EXPECT_EQ(DesktopFolderItem().DisplayName(), "Desktop");
    EXPECT_EQ(DesktopFolderItem().Parent(), nullptr);
    EXPECT_EQ(ItemDisplayName(nullptr, { { ikHome, "" } }, win::SHGDN_NORMAL), "");
    EXPECT_TRUE(PidlEqual(a->FullPIDL(), TItemIdList(a->FullPIDL())));
    EXPECT_FALSE(PidlEqual(a->FullPIDL(), ListOf(Fixture.Path("home/docs/a.txt"))))
        << "the same file by way of Home and by way of Computer";
}

TEST_F(ShellModelTest, NamesAndKindsReadFromTheIdAgreeWithTheFolder) {
    // Only plain ASCII entry names are read in place; other names and the items that are no
    // entries (Home, Computer, a volume) show as their folder names them.
    Fixture.WriteFile("home/docs/bad\xFF.txt", "x");
    Fixture.WriteFile("home/docs/caf\xC3\xA9.txt", "x");
    std::filesystem::create_directory_symlink(Fixture.Path("home/docs/sub"),
                                              Fixture.Path("home/docs/to-sub"));
    auto docs = CreateFolderFromPidl(ListOf(Fixture.Path("home/docs")));
    const struct {
        TShellItemId id;
        const char* shown;
        bool inPlace;
    } kCases[] = {
        { { ikFile, "a.txt" }, "a.txt", true },
        { { ikFolder, "sub" }, "sub", true },
        { { ikFolder, "to-sub" }, "to-sub", true },
        { { ikFile, "bad\xFF.txt" }, "bad\xEF\xBF\xBD.txt", false },
        { { ikFile, "caf\xC3\xA9.txt" }, "caf\xC3\xA9.txt", false },
    };
    const std::shared_ptr<IShellFolder>& folder = docs->ShellFolder();
    for (const auto& c : kCases) {
        auto item = ChildOf(*docs, c.id);
        EXPECT_EQ(item->DisplayName(), c.shown) << c.shown;
        EXPECT_EQ(item->DisplayName(), folder->GetDisplayNameOf({ c.id }, win::SHGDN_INFOLDER));
        EXPECT_EQ(item->ShownEntryName().has_value(), c.inPlace) << c.shown;
        EXPECT_EQ(item->IsFolder(), ItemIsFolder(folder, { c.id })) << c.shown;
        EXPECT_TRUE(item->InFileSystem()) << c.shown;
    }
    auto home = CreateFolderFromPidl({ { ikHome, "" } });
    auto computer = CreateFolderFromPidl({ { ikComputer, "" } });
    auto root = CreateFolderFromPidl({ { ikComputer, "" }, { ikVolume, "/" } });
    for (const TbsShellFolder* item : { home.get(), computer.get(), root.get() }) {
        EXPECT_FALSE(item->ShownEntryName()) << item->DisplayName();
        EXPECT_TRUE(item->IsFolder()) << item->DisplayName();
    }
    EXPECT_EQ(home->DisplayName(), "Home");
    EXPECT_TRUE(home->InFileSystem());
    EXPECT_FALSE(computer->InFileSystem());
}

TEST_F(ShellModelTest, CapabilitiesAndPropertiesOfEachKindOfItem) {
    Fixture.WriteFile("home/docs/locked.txt", "x");
    ::chmod(Fixture.Path("home/docs/locked.txt").c_str(), 0444);
    auto docs = CreateFolderFromPidl(ListOf(Fixture.Path("home/docs")));
    auto locked = ChildOf(*docs, { ikFile, "locked.txt" });
    auto gone = ChildOf(*docs, { ikFile, "gone.txt" });
    auto home = CreateFolderFromPidl({ { ikHome, "" } });
    auto stick =
        CreateFolderFromPidl({ { ikComputer, "" }, { ikVolume, "/media/user/USB Stick" } });
    auto computer = CreateFolderFromPidl({ { ikComputer, "" } });

    EXPECT_TRUE(locked->Capabilities().Contains(fcCanRename));
    EXPECT_TRUE(locked->Properties().Contains(fpReadOnly));
    EXPECT_TRUE(locked->Properties().Contains(fpFileSystem));
    EXPECT_TRUE(gone->Properties().Empty()) << "an entry that has gone has no properties";
    EXPECT_FALSE(home->Capabilities().Contains(fcCanRename));
    EXPECT_TRUE(home->Properties().Contains(fpFileSystem));
    EXPECT_TRUE(stick->Properties().Contains(fpRemovable));
    EXPECT_FALSE(computer->Properties().Contains(fpFileSystem));
    EXPECT_TRUE(computer->Properties().Contains(fpFileSystemAncestor));
}

TEST_F(ShellModelTest, RenameMovesTheItemsListsAndNeverReplaces) {
    auto docs = CreateFolderFromPidl(ListOf(Fixture.Path("home/docs")));
    auto a = ChildOf(*docs, { ikFile, "a.txt" });
    for (const std::string& name : { std::string("keep.txt"), std::string(""), std::string("."),
                                     std::string(".."), std::string("x/y") }) {
        try {
            a->Rename(name);
            ADD_FAILURE() << "renamed to \"" << name << "\"";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Rename to " + name + " failed");
        }
    }
    EXPECT_EQ(TShellFixture::ReadText(Fixture.Path("home/docs/a.txt")), "abc");
    EXPECT_EQ(TShellFixture::ReadText(Fixture.Path("home/docs/keep.txt")), "keep");

    ASSERT_TRUE(a->Rename("film.vob"));
    EXPECT_EQ(a->PIDL(), (TItemIdList{ { ikFile, "film.vob" } }));
    EXPECT_EQ(a->PathName(), Fixture.Path("home/docs/film.vob"));
    EXPECT_EQ(TShellFixture::ReadText(Fixture.Path("home/docs/film.vob")), "abc");
    const int videoIcon = a->ImageIndex(false);
    EXPECT_NE(videoIcon, 0) << "the icon follows the new name";
    EXPECT_EQ(a->ImageIndex(true), videoIcon);

    // A root item renames through the desktop and keeps its whole list.
    auto sub = CreateFolderFromPidl(ListOf(Fixture.Path("home/docs/sub")));
    ASSERT_TRUE(sub->Rename("sub2"));
    EXPECT_EQ(sub->FullPIDL(), ListOf(Fixture.Path("home/docs/sub2")));
    EXPECT_FALSE(DesktopFolderItem().Rename("x")) << "the desktop cannot be renamed";
    EXPECT_FALSE(CreateFolderFromPidl({ { ikHome, "" } })->Rename("x"));
}

TEST_F(ShellModelTest, DetailTextsComeFromTheEntryOnceLoaded) {
    const std::string big = Fixture.WriteFile("home/docs/big.VOB");
    ASSERT_EQ(::truncate(big.c_str(), 5LL << 30), 0);
    const utimbuf times{ 0, 1700000001 }; // an odd second
    ASSERT_EQ(::utime(big.c_str(), &times), 0);
    auto docs = CreateFolderFromPidl(ListOf(Fixture.Path("home/docs")));
    auto file = ChildOf(*docs, { ikFile, "big.VOB" });
    auto sub = ChildOf(*docs, { ikFolder, "sub" });

    try {
        file->DetailText(1);
        ADD_FAILURE() << "no error before LoadColumnDetails";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "big.VOB: Missing call to LoadColumnDetails");
    }
    file->LoadColumnDetails(docs.get(), nullptr, 4);
    EXPECT_EQ(file->DetailText(1), "5368709120");
    EXPECT_EQ(file->DetailText(2), ".VOB");
    EXPECT_EQ(file->DetailText(3),
              FormatDateTime("yyyy-mm-dd hh:nn:ss", FileTimeToDateTime(1700000000)));
    EXPECT_EQ(file->DetailText(4), std::to_string(faArchive));
    EXPECT_THROW(file->DetailText(5), EListError);

    sub->LoadColumnDetails(docs.get(), nullptr, 4);
    EXPECT_EQ(sub->DetailText(1), "-1");
    EXPECT_EQ(sub->DetailText(3), "") << "a folder shows no time";
    EXPECT_EQ(sub->DetailText(4), std::to_string(faDirectory));

    // A list of Computer has no file-system details.
    auto computer = CreateFolderFromPidl({ { ikComputer, "" } });
    auto root = ChildOf(*computer, { ikVolume, "/" });
    root->LoadColumnDetails(computer.get(), nullptr, 4);
    EXPECT_THROW(root->DetailText(1), Exception);

    auto gone = ChildOf(*docs, { ikFile, "gone.txt" });
    try {
        gone->LoadColumnDetails(docs.get(), nullptr, 4);
        ADD_FAILURE() << "no error for an item that has gone";
    } catch (const EInvalidPath& e) {
        EXPECT_EQ(e.Message(), "Unable to retrieve folder details for \"gone.txt\". Error code $2");
    }
}

TEST(ShellFindData, ColumnsOfFindData) {
    TShellFindData folder;
    folder.Name = "dir.d";
    folder.Attributes = faDirectory | faHidden;
    TShellFindData old;
    old.Name = "old";
    old.Size = 10;
    old.Attributes = faArchive | faReadOnly;
    old.WriteTime = 0; // 1970: older than the two-second form can hold
    EXPECT_EQ(FindDataColumnText(folder, 1), "-1");
    EXPECT_EQ(FindDataColumnText(folder, 2), ".d");
    EXPECT_EQ(FindDataColumnText(folder, 4), "18");
    EXPECT_EQ(FindDataColumnText(old, 1), "10");
    EXPECT_EQ(FindDataColumnText(old, 2), "");
    EXPECT_EQ(FindDataModified(old), -1.0);
    EXPECT_EQ(FindDataColumnText(old, 3), "");
    EXPECT_EQ(FindDataColumnText(old, 4), "33");
    EXPECT_EQ(FindDataColumnText(old, 0), "");
    EXPECT_EQ(FindDataModified(folder), -1.0);
}

TEST_F(ShellModelTest, OpeningStartsTheOpenerInTheItemsFolderAndLeavesOursAlone) {
    const auto before = std::filesystem::current_path();
    auto docs = CreateFolderFromPidl(ListOf(Fixture.Path("home/docs")));
    auto a = ChildOf(*docs, { ikFile, "a.txt" });
    EXPECT_EQ(a->ExecuteDefault(), 1);
    EXPECT_EQ(CreateFolderFromPidl({ { ikComputer, "" } })->ExecuteDefault(), 0);
    EXPECT_EQ(Launched, (std::vector<std::string>{ "[" + Fixture.Path("home/docs") + "] xdg-open " +
                                                   Fixture.Path("home/docs/a.txt") }));
    EXPECT_EQ(std::filesystem::current_path(), before);
}

} // namespace
