// The shell file list on a fixture folder: what it lists under each mask, how keys and clicks
// move it, its report columns and their sorting, renaming in place and its shell menu.
#include "ShellListFixture.h"

#include "lib/dialogs/bsShellPidl.h"
#include "lib/skindata/TbsResourceStrData.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/gfx/TBitmap.h"
#include "platform/rtl/FileSystem.h"
#include "platform/rtl/TStringList.h"
#include "platform/win/Win.h"

#include <sys/time.h>
#include <unistd.h>

using namespace win;

namespace {

using Names = std::vector<std::string>;

const Names kFolders{ "b-folder", "VIDEO_TS" };

Names WithFolders(const Names& files) {
    Names all = kFolders;
    all.insert(all.end(), files.begin(), files.end());
    return all;
}

TEST_F(ShellListTest, TheMaskChoosesTheFilesFoldersComeFirstAndHiddenFilesOnlyWhenAsked) {
    const Names everyFile{ "a.txt",    "b.txt",    "big.bin",   "broken",       "Clip.avi",
                           "clip.avi", "Makefile", "movie.VOB", "part-two.mpg", "video.mkv" };
    EXPECT_EQ(List->Mask(), "*.*|*.*");
    EXPECT_EQ(Listed(), WithFolders(everyFile)) << "names without a dot are files too";
    const struct {
        const char* mask;
        Names files;
    } kCases[] = {
        { "*", everyFile },
        { "*.avi;*.VOB", { "Clip.avi", "clip.avi", "movie.VOB" } },
        { "*.avi|*.mpg", { "Clip.avi", "clip.avi", "part-two.mpg" } },
        { "Makefile", { "Makefile" } },
        { "*part*", { "part-two.mpg" } },
        { "[ab]*.txt", { "a.txt", "b.txt" } },
        { "[!a-c]*", { "Makefile", "movie.VOB", "part-two.mpg", "video.mkv" } },
        { "*.avi;;*.mkv", { "Clip.avi", "clip.avi", "video.mkv" } },
        { "", {} },
    };
    for (const auto& c : kCases) {
        List->SetMask(c.mask);
        EXPECT_EQ(Listed(), WithFolders(c.files)) << c.mask;
    }
    List->SetObjectTypes({ otFolders, otNonFolders, otHidden });
    List->SetMask("*.*");
    EXPECT_EQ(IndexOf(".hidden"), 2);
    List->SetObjectTypes({ otNonFolders });
    List->SetMask("*.vob");
    EXPECT_EQ(Listed(), Names{ "movie.VOB" });

    List->SetPath(Media("VIDEO_TS"));
    EXPECT_EQ(Listed(), Names{ "VTS_01_1.VOB" });
    EXPECT_EQ(List->Items().Count(), 1);
}

TEST_F(ShellListTest, ClicksAndKeysOpenFoldersGoUpAndRefresh) {
    int moves = 0;
    List->OnPathChanged = [&](TObject*) { ++moves; };
    DoubleClickRow(IndexOf("b-folder"));
    EXPECT_EQ(List->Path(), Media("b-folder"));
    Key(VK_BACK);
    EXPECT_EQ(List->Path(), Media());
    ClickRow(IndexOf("VIDEO_TS"));
    Key(VK_RETURN);
    EXPECT_EQ(List->Path(), Media("VIDEO_TS"));
    Key(VK_BACK);
    EXPECT_EQ(List->Path(), Media());
    EXPECT_EQ(moves, 4);
    ClickRow(IndexOf("movie.VOB"));
    Key(VK_RETURN);
    DoubleClickRow(IndexOf("movie.VOB"));
    EXPECT_EQ(List->Path(), Media()) << "a file is no folder to open";

    // F5 shows a file added meanwhile and keeps the selected row.
    ClickRow(4);
    Fixture.WriteFile("home/media/aa.txt");
    Key(0x74);
    EXPECT_EQ(IndexOf("aa.txt"), 3);
    ASSERT_NE(List->Selected(), nullptr);
    EXPECT_EQ(List->Selected()->Index(), 4);

    List->SetAutoNavigate(false);
    Key(VK_BACK);
    EXPECT_EQ(List->Path(), Media()) << "without AutoNavigate Backspace is only a key";
    List->SetAutoNavigate(true);

    List->SetPath("/");
    Key(VK_BACK);
    EXPECT_EQ(List->RootFolder()->FullPIDL(), (TItemIdList{ { ikComputer, "" } }));
    Key(VK_BACK);
    EXPECT_TRUE(List->RootFolder()->FullPIDL().empty());
    Key(VK_BACK);
    EXPECT_TRUE(List->RootFolder()->FullPIDL().empty()) << "nothing above the desktop";
    EXPECT_THROW(List->SetPath(Media("missing")), EInvalidPath);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(ShellListTest, SelectedFilesLeaveFoldersOutInListOrder) {
    ClickRow(IndexOf("video.mkv"));
    for (const char* name : { "a.txt", "VIDEO_TS", "Makefile" })
        ClickRow(IndexOf(name), { VK_CONTROL });
    TStringList files;
    List->GetSelectedFiles(files);
    ASSERT_EQ(files.Count(), 3);
    EXPECT_EQ(files.Strings(0), Media("a.txt"));
    EXPECT_EQ(files.Strings(1), Media("Makefile"));
    EXPECT_EQ(files.Strings(2), Media("video.mkv"));
    ClickRow(IndexOf("b-folder"));
    EXPECT_EQ(List->GetSelectedFile(), "") << "a folder is no file";
    ClickRow(IndexOf("b.txt"));
    EXPECT_EQ(List->GetSelectedFile(), Media("b.txt"));
}

TEST_F(ShellListTest, TypingFindsTheNextNameStartingWithItAndWraps) {
    Key(VK_END);
    Type("vi");
    ASSERT_NE(List->ItemFocused(), nullptr);
    EXPECT_EQ(List->ItemFocused()->Index(), IndexOf("VIDEO_TS")) << "wrapped, any case";
    FDisplay->Time().Advance(3000);
    Type("VI");
    EXPECT_EQ(List->ItemFocused()->Index(), IndexOf("video.mkv"));
    FDisplay->Time().Advance(3000);
    Type("zz");
    EXPECT_EQ(List->ItemFocused()->Index(), IndexOf("video.mkv")) << "no match stays";
}

TEST_F(ShellListTest, ReportColumnsComeFromTheSkinsStringsAndTheListsFont) {
    std::unique_ptr<TbsSkinData> skin = menustest::LoadProgramSkin("main");
    TbsResourceStrData strings(nullptr);
    TStringList lines;
    for (const char* line : { "FLV_NAME=Nom", "FLV_SIZE=Taille", "FLV_MODIFIED=Modifié" })
        lines.Add(line);
    strings.SetResStrings(lines);
    skin->SetResourceStrData(&strings);
    List->SetSkinData(skin.get());
    List->RebuildColumns();
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(List->Font());
    const int x = measure.Canvas().TextWidth("X");
    const struct {
        const char* caption;
        int chars;
        TAlignment alignment;
    } kColumns[] = { { "Nom", 25, taLeftJustify },
                     { "Taille", 10, taRightJustify },
                     { "", 10, taLeftJustify },
                     { "Modifié", 14, taLeftJustify } };
    ASSERT_EQ(List->Columns().Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(List->Column(i)->Caption(), kColumns[i].caption);
        EXPECT_EQ(List->Column(i)->Width(), kColumns[i].chars * x) << i;
        EXPECT_EQ(List->Column(i)->Alignment(), kColumns[i].alignment) << i;
    }
    skin->SetResourceStrData(nullptr);
    List->SetSkinData(nullptr);
    List->RebuildColumns();
    EXPECT_EQ(List->Column(2)->Caption(), "Type") << "English without a string table";

    Pump();
    EXPECT_EQ(Row(IndexOf("big.bin")),
              (Names{ "big.bin", "5000000000", ".bin", Row(IndexOf("big.bin"))[3] }));
    List->SetPath("/");
    Key(VK_BACK);
    EXPECT_EQ(List->Columns().Count(), 1) << "Computer has names only";
}

TEST_F(ShellListTest, HeaderClicksSortBySizeAndTimeEitherWay) {
    List->SetMask("*.txt;*.mpg;*.bin");
    Fixture.WriteFile("home/media/a.txt", std::string(300, 'a'));
    Fixture.WriteFile("home/media/b.txt", std::string(20, 'b'));
    Key(0x74);
    ClickHeader(1);
    EXPECT_EQ(Listed(), WithFolders({ "part-two.mpg", "b.txt", "a.txt", "big.bin" }));
    ClickHeader(1);
    EXPECT_EQ(Listed(),
              (Names{ "big.bin", "a.txt", "b.txt", "part-two.mpg", "VIDEO_TS", "b-folder" }))
        << "descending negates it all: folders last";
    EXPECT_TRUE(List->SortDescending());

    const struct {
        const char* name;
        long seconds;
    } kTimes[] = { { "a.txt", 1'600'000'000 },
                   { "b.txt", 1'500'000'000 },
                   { "part-two.mpg", 1'700'000'000 },
                   { "big.bin", 1'550'000'000 } };
    for (const auto& t : kTimes) {
        const timeval times[2] = { { t.seconds, 0 }, { t.seconds, 0 } };
        ASSERT_EQ(::utimes(Media(t.name).c_str(), times), 0);
    }
    // Folders of one time or one type may come in either order: only the files are compared.
    auto files = [this] {
        const Names all = Listed();
        return Names(all.begin() + 2, all.end());
    };
    ClickHeader(3);
    EXPECT_FALSE(List->SortDescending()) << "another column starts ascending";
    EXPECT_EQ(files(), (Names{ "b.txt", "big.bin", "a.txt", "part-two.mpg" }));
    ClickHeader(2);
    const Names byType = files();
    EXPECT_EQ(Names(byType.begin(), byType.begin() + 2), (Names{ "big.bin", "part-two.mpg" }));
}

TEST_F(ShellListTest, AFileGoneSinceListingShowsEmptyDetailsAndSortsWithoutErrors) {
    // Listed afresh, then deleted before its row was ever drawn; a broken link shows what the
    // link itself tells.
    List->SetMask("*");
    DeleteFile(Media("video.mkv"));
    Pump();
    EXPECT_EQ(Row(IndexOf("video.mkv")), (Names{ "video.mkv", "", "", "" }));
    EXPECT_EQ(Row(IndexOf("broken"))[2], "");
    for (int column : { 1, 1, 2, 3 })
        ClickHeader(column);
    EXPECT_EQ(Errors, Names{});
    EXPECT_EQ(List->FolderAt(List->FolderCount()), nullptr);
    EXPECT_EQ(List->FolderAt(-1), nullptr);
}

TEST_F(ShellListTest, RenamingInPlaceRenamesTheFileAndRefusesATakenName) {
    List->OnEdited = [](TObject*, TListItem*, std::string& text) { text = "not used"; };
    ClickRow(IndexOf("a.txt"));
    List->EditSelected();
    Pump();
    ASSERT_TRUE(List->IsEditing());
    Type("renamed.txt");
    Key(VK_RETURN);
    EXPECT_FALSE(FileExists(Media("a.txt")));
    EXPECT_EQ(Fixture.ReadText(Media("renamed.txt")), "a.txt");
    EXPECT_EQ(Row(List->Selected()->Index())[0], "renamed.txt");

    ClickRow(IndexOf("b.txt"));
    List->EditSelected();
    Pump();
    Type("Makefile");
    Key(VK_RETURN);
    EXPECT_EQ(Errors, Names{ "Rename to Makefile failed" });
    EXPECT_EQ(Fixture.ReadText(Media("b.txt")), "b.txt");
    EXPECT_EQ(Fixture.ReadText(Media("Makefile")), "Makefile");
}

TEST_F(ShellListTest, TheListDoesRenameItselfAndFollowsADelete) {
    const int row = IndexOf("clip.avi");
    ClickRow(row);
    RunChosenVerb(List, *List->SelectedFolder(), "delete");
    EXPECT_EQ(IndexOf("clip.avi"), -1) << "the list dropped it";
    EXPECT_TRUE(FileExists(Fixture.Path("home/.local/share/Trash/files/clip.avi")));

    ClickRow(IndexOf("b.txt"));
    RunChosenVerb(List, *List->SelectedFolder(), "rename");
    EXPECT_TRUE(List->IsEditing());
    EXPECT_TRUE(Launched.empty());
}

} // namespace
