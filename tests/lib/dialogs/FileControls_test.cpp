#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinStdLabel.h"
#include "lib/dialogs/TbsSkinDirectoryListBox.h"
#include "lib/dialogs/TbsSkinDriveComboBox.h"
#include "lib/dialogs/TbsSkinFileListBox.h"
#include "lib/dialogs/bsFilePaths.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TScreen.h"
#include "platform/rtl/FilePath.h"
#include "platform/rtl/InOutError.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/ControlsFixture.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace win;

namespace {

// Whether glyph's picture (its background left out) is drawn somewhere inside area of pixels.
bool ShowsGlyph(const gfx::Surface& pixels, const TRect& area, const TbsGlyphObject& glyph) {
    const TBitmap& bitmap = glyph.Bitmap();
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    const std::uint32_t clear = RgbAt(bitmap, 0, h - 1);
    for (int top = area.Top; top + h <= area.Bottom; ++top)
        for (int left = area.Left; left + w <= area.Right; ++left) {
            bool same = true;
            for (int y = 0; y < h && same; ++y)
                for (int x = 0; x < w && same; ++x) {
                    const std::uint32_t shown = RgbAt(bitmap, x, y);
                    same = shown == clear || RgbAt(pixels, left + x, top + y) == shown;
                }
            if (same) return true;
        }
    return false;
}

// A folder three levels below a scratch folder, with sub-folders out of order and one hidden.
class FolderList : public formstest::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        FCwd = std::filesystem::current_path();
        for (const char* sub : { "gamma", "alpha", "Beta", ".hidden" })
            std::filesystem::create_directories(FRoot / ("a/b/c/" + std::string(sub)));
        FRoot.WriteFile("a/b/c/file.txt", "x");
        FTable = FRoot.WriteFile("mounts", "/dev/sda1 / ext4 rw 0 0\n");
        FList = new TbsSkinDirectoryListBox(FForm);
        FList->MountTableFile = FTable;
        FList->SetParent(FForm);
        FList->SetBounds(0, 0, 300, 260);
        FList->SetDirectory(FRoot / "a/b/c");
        Pump();
    }
    void TearDown() override {
        EXPECT_EQ(std::filesystem::current_path(), FCwd) << "the process's folder is left alone";
        ControlsTest::TearDown();
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < FList->Items().Count(); ++i)
            rows.push_back(FList->Items()[i]);
        return rows;
    }
    void ClickRow(int index, bool twice) {
        const TRect row = FList->ListBox->ItemRect(index);
        const TPoint at = FList->ListBox->ClientToScreen(TPoint(row.Left + 30, row.Top + 3));
        FDisplay->Time().Advance(1000);
        FDisplay->Click(at.X, at.Y);
        Pump();
        if (!twice) return;
        FDisplay->Time().Advance(50);
        FDisplay->Click(at.X, at.Y);
        Pump();
    }

    ScratchFolder FRoot;
    std::filesystem::path FCwd;
    std::string FTable;
    TbsSkinDirectoryListBox* FList{ nullptr };
};

TEST_F(FolderList, ShowsTheAncestorsTheFolderAndItsSubFoldersWithTheirGlyphsAndPaths) {
    const std::string folder = FRoot / "a/b/c";
    ASSERT_EQ(FList->Directory(), folder);
    // "/", the scratch folder's own path, then a, b and c.
    std::vector<std::string> ancestors{ "/" };
    std::vector<std::string> paths{ "/" };
    for (std::size_t slash = 1; slash <= folder.size();) {
        std::size_t end = folder.find('/', slash);
        if (end == std::string::npos) end = folder.size();
        ancestors.push_back(folder.substr(slash, end - slash));
        paths.push_back(folder.substr(0, end));
        slash = end + 1;
    }
    std::vector<std::string> expected = ancestors;
    for (const char* sub : { "Beta", "alpha", "gamma" }) // in byte order: names keep their case
        expected.push_back(sub);
    EXPECT_EQ(Rows(), expected);

    const int current = int(ancestors.size()) - 1;
    EXPECT_EQ(FList->ItemIndex(), current);
    for (int i = 0; i < int(expected.size()); ++i) {
        SCOPED_TRACE(expected[std::size_t(i)]);
        TObject* glyph = FList->Items().Objects(i);
        if (i < current) {
            EXPECT_EQ(glyph, FList->OpenedBMP());
            EXPECT_EQ(FList->GetItemPath(i), paths[std::size_t(i)]);
            EXPECT_EQ(FList->ItemIndent(i), i * 4 + 2);
        } else if (i == current) {
            EXPECT_EQ(glyph, FList->CurrentBMP());
            EXPECT_EQ(FList->GetItemPath(i), folder);
            EXPECT_EQ(FList->ItemIndent(i), i * 4 + 2);
        } else {
            EXPECT_EQ(glyph, FList->ClosedBMP());
            EXPECT_EQ(FList->GetItemPath(i), folder + "/" + expected[std::size_t(i)]);
            EXPECT_EQ(FList->ItemIndent(i), DirLevel(folder) * 4 + 6);
        }
    }
    EXPECT_EQ(FList->GetItemPath(int(expected.size())), "");

    // The root alone is the current row.
    FList->SetDirectory("/");
    ASSERT_GE(FList->Items().Count(), 1);
    EXPECT_EQ(FList->Items()[0], "/");
    EXPECT_EQ(FList->Items().Objects(0), FList->CurrentBMP());
    EXPECT_EQ(FList->ItemIndex(), 0);
}

TEST_F(FolderList, DoubleClickAndEnterOpenAFolderAndTheLabelFollows) {
    auto* label = new TbsSkinStdLabel(FForm);
    label->SetParent(FForm);
    label->SetAutoSize(false);
    label->SetBounds(0, 265, 120, 15);
    FList->SetDirLabel(label);
    auto* files = new TbsSkinFileListBox(FForm);
    files->SetParent(FForm);
    files->SetBounds(305, 0, 90, 260);
    FList->SetFileList(files);
    int changes = 0;
    FList->OnChange = [&](TObject*) { ++changes; };
    const std::string folder = FList->Directory();

    const int alpha = FList->Items().IndexOf("alpha");
    ClickRow(alpha, true);
    EXPECT_EQ(FList->Directory(), folder + "/alpha");
    EXPECT_EQ(files->Directory(), folder + "/alpha") << "the linked file list went along";
    EXPECT_EQ(changes, 1);
    // Shortened to the label's width: the scratch folder's path gave way to "...".
    EXPECT_TRUE(label->Caption().starts_with("/.../")) << label->Caption();
    EXPECT_TRUE(label->Caption().ends_with("/c/alpha")) << label->Caption();
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(label->Font());
    EXPECT_LE(measure.Canvas().TextWidth(label->Caption()), label->Width());

    // Enter on the chosen ancestor opens it.
    FList->SetItemIndex(FList->Items().IndexOf("b"));
    FList->ListBox->SetFocus();
    FDisplay->TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(FList->Directory(), FRoot / "a/b");
    EXPECT_EQ(files->Directory(), FRoot / "a/b");
    EXPECT_EQ(changes, 2);
}

TEST_F(FolderList, DrawsEachRowsGlyphWhileTheListBoxsOwnEventsStillCome) {
    int dblClicks = 0;
    int keyPresses = 0;
    FList->OnListBoxDblClick = [&](TObject* sender) {
        EXPECT_EQ(sender, FList);
        ++dblClicks;
    };
    FList->OnListBoxKeyPress = [&](TObject*, char32_t&) { ++keyPresses; };

    const gfx::Surface pixels = PaintedPixels(*FList->ListBox);
    const auto rowArea = [&](int index) {
        TRect row = FList->ListBox->ItemRect(index);
        row.Right = std::min(row.Right, pixels.Width());
        return row;
    };
    const int current = FList->ItemIndex();
    const int alpha = FList->Items().IndexOf("alpha");
    EXPECT_TRUE(ShowsGlyph(pixels, rowArea(0), *FList->OpenedBMP()));
    EXPECT_TRUE(ShowsGlyph(pixels, rowArea(current), *FList->CurrentBMP()));
    EXPECT_TRUE(ShowsGlyph(pixels, rowArea(alpha), *FList->ClosedBMP()));
    EXPECT_FALSE(ShowsGlyph(pixels, rowArea(alpha), *FList->CurrentBMP()));

    const std::string folder = FList->Directory();
    ClickRow(alpha, true);
    EXPECT_EQ(FList->Directory(), folder + "/alpha");
    EXPECT_EQ(dblClicks, 1);
    FList->SetItemIndex(FList->Items().IndexOf("c"));
    FList->ListBox->SetFocus();
    FDisplay->TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(FList->Directory(), folder);
    EXPECT_EQ(keyPresses, 1);

    // A handler of the list box's own drawing takes the rows over.
    std::set<int> drawn;
    FList->OnDrawItem = [&](TObject*, TCanvas&, int index, int, int, const TRect&,
                            TOwnerDrawState) { drawn.insert(index); };
    const gfx::Surface own = PaintedPixels(*FList->ListBox);
    EXPECT_TRUE(drawn.contains(0));
    EXPECT_FALSE(ShowsGlyph(own, rowArea(0), *FList->OpenedBMP()));
}

TEST_F(FolderList, AFolderThatIsNotThereRaisesAndLeavesTheList) {
    const auto rows = Rows();
    const std::string folder = FList->Directory();
    EXPECT_THROW(FList->SetDirectory("missing"), EInOutError);
    EXPECT_EQ(FList->Directory(), folder);
    EXPECT_EQ(Rows(), rows);
    // A relative name is taken from the list's own folder.
    FList->SetDirectory("gamma");
    EXPECT_EQ(FList->Directory(), folder + "/gamma");
}

TEST_F(FolderList, CaseRulesFollowTheMountsFileSystem) {
    EXPECT_TRUE(FList->CaseSensitive());
    EXPECT_EQ(FList->DisplayCase("Beta"), "Beta");
    std::filesystem::remove(FTable);
    FRoot.WriteFile("mounts",
                    "/dev/sda1 / ext4 rw 0 0\n/dev/sdb1 " + FRoot.Path() + " vfat rw 0 0\n");
    FList->Update();
    EXPECT_FALSE(FList->CaseSensitive());
    EXPECT_TRUE(FList->PreserveCase());
    EXPECT_EQ(FList->FileCompareText("BETA", "beta"), 0);
    const auto rows = Rows();
    EXPECT_EQ(std::vector<std::string>(rows.end() - 3, rows.end()),
              (std::vector<std::string>{ "alpha", "Beta", "gamma" }))
        << "sorted without regard to case";
}

// A folder of clips in two cases of extension, a hidden one, another kind and a sub-folder.
class FileList : public formstest::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        for (const char* name : { "b.avi", "a.AVI", "c.mpg", ".hidden.avi" })
            FRoot.WriteFile(name, "x");
        std::filesystem::create_directories(FRoot / "sub");
        FRoot.WriteFile("sub/d.avi", "x");
        FList = new TbsSkinFileListBox(FForm);
        FList->SetParent(FForm);
        FList->SetBounds(0, 0, 200, 200);
        FList->SetDirectory(FRoot.Path() + "/");
        Pump();
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (int i = 0; i < FList->Items().Count(); ++i)
            rows.push_back(FList->Items()[i]);
        return rows;
    }
    using TRows = std::vector<std::string>;

    ScratchFolder FRoot;
    TbsSkinFileListBox* FList{ nullptr };
};

TEST_F(FileList, ListsEachMatchingFileOnceInOrderAndFoldersOnlyWhenAsked) {
    ASSERT_EQ(FList->Directory(), FRoot.Path());
    EXPECT_EQ(Rows(), (TRows{ "a.AVI", "b.avi", "c.mpg" })) << "hidden files stay out";
    struct TCase {
        const char* Mask;
        TbsFileType Type;
        TRows Expected;
    };
    const TCase cases[] = {
        { "*.avi;*.AVI", { bsftNormal }, { "a.AVI", "b.avi" } },
        { "*.avi; *.mpg", { bsftNormal }, { "a.AVI", "b.avi", "c.mpg" } },
        { "*.*", { bsftNormal, bsftDirectory }, { "[sub]", "a.AVI", "b.avi", "c.mpg" } },
        { "*.*", { bsftDirectory }, { "[sub]" } },
        { "*.avi", { bsftNormal, bsftHidden }, { ".hidden.avi", "a.AVI", "b.avi" } },
        { "*.none", { bsftNormal }, {} },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Mask);
        FList->SetFileType(c.Type);
        FList->SetMask(c.Mask);
        EXPECT_EQ(Rows(), c.Expected);
    }
}

TEST_F(FileList, ALongReadingShowsTheHourGlassAndPutsTheCursorBack) {
    ASSERT_NE(Screen, nullptr);
    std::vector<TCursor> shown;
    Screen->OnCursorChange = [&](TObject*) { shown.push_back(Screen->Cursor()); };
    FList->Update();
    EXPECT_TRUE(shown.empty()) << "a short folder reads without the hourglass";

    std::filesystem::create_directories(FRoot / "many");
    for (int i = 0; i < 120; ++i)
        FRoot.WriteFile("many/clip" + std::to_string(i) + ".avi", "x");
    FList->ApplyFilePath(FRoot / "many/");
    Screen->OnCursorChange = nullptr;
    EXPECT_EQ(FList->Items().Count(), 120);
    EXPECT_EQ(shown, (std::vector<TCursor>{ crHourGlass, crDefault }));
}

TEST_F(FileList, AClickOnAnotherFileIsAChangeAndStillReachesTheListBoxsOwnEvent) {
    int clicks = 0;
    int changes = 0;
    FList->OnListBoxClick = [&](TObject* sender) {
        EXPECT_EQ(sender, FList);
        ++clicks;
    };
    FList->OnChange = [&](TObject*) { ++changes; };
    const auto clickRow = [&](int index) {
        const TRect row = FList->ListBox->ItemRect(index);
        const TPoint at = FList->ListBox->ClientToScreen(TPoint(row.Left + 30, row.Top + 3));
        FDisplay->Time().Advance(1000);
        FDisplay->Click(at.X, at.Y);
        Pump();
    };
    clickRow(1);
    EXPECT_EQ(FList->FileName(), FRoot / "b.avi");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
    clickRow(2);
    EXPECT_EQ(FList->FileName(), FRoot / "c.mpg");
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 2);
}

TEST_F(FileList, ATypedPathSetsTheMaskOrChoosesTheFile) {
    auto* edit = new TEdit(FForm);
    edit->SetParent(FForm);
    FList->SetFileEdit(edit);
    FList->SetMask("*.avi");
    EXPECT_EQ(edit->Text(), "*.avi") << "nothing chosen: the edit shows the mask";

    FList->ApplyFilePath("*.mpg");
    EXPECT_EQ(FList->Mask(), "*.mpg");
    EXPECT_EQ(FList->ItemIndex(), -1);
    EXPECT_EQ(FList->FileName(), "");

    FList->SetMask("*.avi");
    FList->ApplyFilePath("b.avi");
    EXPECT_EQ(FList->FileName(), FRoot / "b.avi");
    EXPECT_EQ(edit->Text(), "b.avi");

    // A file the mask hides becomes the mask and is chosen.
    FList->ApplyFilePath("c.mpg");
    EXPECT_EQ(FList->Mask(), "c.mpg");
    EXPECT_EQ(Rows(), (TRows{ "c.mpg" }));
    EXPECT_EQ(FList->FileName(), FRoot / "c.mpg");

    // Another folder with a pattern.
    FList->ApplyFilePath(FRoot / "sub/*.avi");
    EXPECT_EQ(FList->Directory(), FRoot / "sub");
    EXPECT_EQ(Rows(), (TRows{ "d.avi" }));

    EXPECT_THROW(FList->ApplyFilePath(FRoot / "missing/x.avi"), EInOutError);
    EXPECT_EQ(FList->Directory(), FRoot / "sub") << "the list stays where it was";
    EXPECT_EQ(Rows(), (TRows{ "d.avi" }));
}

// A mount table with one mount of each kind, and volume labels as links to their devices.
class DriveCombo : public formstest::ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        std::filesystem::create_directories(FRoot / "dev");
        for (const char* device : { "sda1", "sdb1", "sr0", "sda2" })
            FRoot.WriteFile("dev/" + std::string(device), "");
        std::filesystem::create_directories(FRoot / "by-label");
        for (const auto& [label, device] :
             { std::pair{ "Root Disk", "sda1" }, std::pair{ "Stick", "sdb1" },
               std::pair{ "Movie", "sr0" } })
            std::filesystem::create_symlink(FRoot / ("dev/" + std::string(device)),
                                            FRoot / ("by-label/" + std::string(label)));
        const std::string dev = FRoot / "dev/";
        FRoot.WriteFile("mounts", dev + "sda1 / ext4 rw 0 0\n" +                   //
                                      "proc /proc proc rw 0 0\n" +                 //
                                      dev + "sda2 /home ext4 rw 0 0\n" +           //
                                      dev + "sdb1 /media/me/STICK vfat rw 0 0\n" + //
                                      dev + "sr0 /run/media/me/DVD iso9660 ro 0 0\n" +
                                      "server:/share /mnt/nas nfs rw 0 0\n" +
                                      "tmpfs /mnt/ram tmpfs rw 0 0\n" +
                                      "tmpfs /run/user/1000 tmpfs rw 0 0\n");
        FCombo = new TbsSkinDriveComboBox(FForm);
        FCombo->Environment.MountTable = FRoot / "mounts";
        FCombo->Environment.UserName = "me";
        FCombo->LabelFolder = FRoot / "by-label";
        FCombo->SetParent(FForm);
        FCombo->SetBounds(0, 0, 200, 22);
        Pump();
    }
    using TRows = std::vector<std::string>;
    TRows Rows() {
        TRows rows;
        for (int i = 0; i < FCombo->Items().Count(); ++i)
            rows.push_back(FCombo->Items()[i]);
        return rows;
    }

    ScratchFolder FRoot;
    TbsSkinDriveComboBox* FCombo{ nullptr };
};

TEST_F(DriveCombo, ListsTheRootThenTheUsersMountsWithKindAndLabel) {
    EXPECT_EQ(Rows(),
              (TRows{ "/ [root disk]", "/media/me/STICK [stick]", "/run/media/me/DVD [movie]",
                      "/mnt/nas server:/share", "/mnt/ram []" }));
    const TbsFileGlyph kinds[] = { TbsFileGlyph::Hard, TbsFileGlyph::Floppy, TbsFileGlyph::CDROM,
                                   TbsFileGlyph::Network, TbsFileGlyph::RAM };
    std::set<const TbsGlyphObject*> glyphs;
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(FCombo->RowGlyph(i), nullptr);
        glyphs.insert(FCombo->RowGlyph(i));
        const TBitmap& bitmap = FCombo->RowGlyph(i)->Bitmap();
        EXPECT_EQ(bitmap.Width(), 16);
        EXPECT_EQ(bitmap.Height(), kinds[i] == TbsFileGlyph::RAM ? 11 : 16);
    }
    EXPECT_EQ(glyphs.size(), 5u) << "one glyph per kind";
    EXPECT_EQ(FCombo->Drive(), "/");
    EXPECT_EQ(FCombo->ItemIndex(), 0);

    FCombo->SetTextCase(tcUpperCase);
    EXPECT_EQ(Rows()[0], "/ [ROOT DISK]");
    EXPECT_EQ(Rows()[1], "/media/me/STICK [STICK]") << "the mount point keeps its case";
    EXPECT_EQ(FCombo->ItemIndex(), 0);
}

TEST_F(DriveCombo, LabelsComeFromTheLabelFolderAndSharesFromTheMountSource) {
    std::filesystem::create_symlink(FRoot / "dev/sda2", FRoot / "by-label/My\\x20Films");
    const std::vector<TMountEntry> mounts = ReadMountTable(FRoot / "mounts");
    const std::string labels = FRoot / "by-label";
    struct TCase {
        const char* MountPoint;
        const char* Volume;
        const char* Share;
    };
    const TCase cases[] = {
        { "/", "[Root Disk]", "[Root Disk]" },
        { "/home", "[My Films]", "[My Films]" }, // udev's escapes decoded
        { "/run/media/me/DVD", "[Movie]", "[Movie]" },
        { "/mnt/nas", "[]", "server:/share" },
        { "/mnt/ram", "[]", "[]" },
        { "/nowhere", "[]", "[]" },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.MountPoint);
        EXPECT_EQ(VolumeLabelText(c.MountPoint, mounts, labels), c.Volume);
        EXPECT_EQ(NetworkShareText(c.MountPoint, mounts, labels), c.Share);
    }
    EXPECT_EQ(VolumeLabelText("/", mounts, FRoot / "none"), "[]") << "no label folder";
}

TEST_F(DriveCombo, DrawsTheRowsGlyphInTheFieldAndInTheDropDownList) {
    const gfx::Surface field = PaintedPixels(*FCombo);
    const TRect whole(0, 0, field.Width(), field.Height());
    EXPECT_TRUE(ShowsGlyph(field, whole, *FCombo->RowGlyph(0)));
    EXPECT_FALSE(ShowsGlyph(field, whole, *FCombo->RowGlyph(2)));
    FCombo->SetItemIndex(2);
    const gfx::Surface optical = PaintedPixels(*FCombo);
    EXPECT_TRUE(ShowsGlyph(optical, whole, *FCombo->RowGlyph(2)));

    FCombo->DropDown();
    Pump();
    TbsListBox& rows = *FCombo->FListBox->ListBox;
    ASSERT_TRUE(rows.Visible());
    const gfx::Surface list = PaintedPixels(rows);
    for (int i = 0; i < FCombo->Items().Count(); ++i) {
        SCOPED_TRACE(FCombo->Items()[i]);
        TRect row = rows.ItemRect(i);
        row.Right = std::min(row.Right, list.Width());
        row.Bottom = std::min(row.Bottom, list.Height());
        EXPECT_TRUE(ShowsGlyph(list, row, *FCombo->RowGlyph(i)));
    }
}

TEST_F(DriveCombo, ChoosingAMountMovesTheLinkedFolderListAndTheListsDriveShowsInTheCombo) {
    // The folder list's own table makes a scratch folder a mount of its own.
    ScratchFolder elsewhere;
    std::filesystem::create_directories(elsewhere / "sub");
    FRoot.WriteFile("list-mounts",
                    "/dev/sda1 / ext4 rw 0 0\n/dev/sdc1 " + elsewhere.Path() + " ext4 rw 0 0\n");
    auto* folders = new TbsSkinDirectoryListBox(FForm);
    folders->MountTableFile = FRoot / "list-mounts";
    folders->SetParent(FForm);
    folders->SetBounds(0, 30, 200, 200);
    folders->SetDirectory(elsewhere / "sub");
    FCombo->SetDirList(folders);
    EXPECT_EQ(folders->DriveCombo(), FCombo);
    EXPECT_EQ(folders->Drive(), elsewhere.Path());
    EXPECT_EQ(folders->Directory(), elsewhere / "sub") << "linking alone moves nothing";

    FCombo->SetDrive("/mnt/nas"); // not reachable here: the folder list stays
    EXPECT_EQ(FCombo->Drive(), "/mnt/nas");
    EXPECT_EQ(FCombo->ItemIndex(), 3);
    EXPECT_EQ(folders->Directory(), elsewhere / "sub");

    FCombo->SetItemIndex(0); // as a choice in the list does
    EXPECT_EQ(FCombo->Drive(), "/");
    EXPECT_EQ(folders->Directory(), "/");

    // The other way: the list's folder on another drive moves the combo's choice only.
    folders->SetDirectory(elsewhere / "sub");
    EXPECT_EQ(FCombo->Drive(), "") << "a mount the combo does not list";
    EXPECT_EQ(FCombo->ItemIndex(), -1);
    EXPECT_EQ(folders->Directory(), elsewhere / "sub");
    folders->SetDirectory("/");
    EXPECT_EQ(FCombo->ItemIndex(), 0);
    EXPECT_EQ(folders->Directory(), "/");

    FCombo->SetDrive("/nowhere");
    EXPECT_EQ(FCombo->Drive(), "");
    EXPECT_EQ(FCombo->ItemIndex(), -1);
    EXPECT_EQ(folders->Directory(), "/");

    delete FCombo;
    FCombo = nullptr;
    EXPECT_EQ(folders->DriveCombo(), nullptr);
}

TEST(FileGlyphs, EachIsItsSizeOnABackgroundOfItsBottomLeftColour) {
    struct TCase {
        TbsFileGlyph Glyph;
        int Height;
    };
    const TCase cases[] = {
        { TbsFileGlyph::Floppy, 16 },       { TbsFileGlyph::Hard, 16 },
        { TbsFileGlyph::Network, 16 },      { TbsFileGlyph::CDROM, 16 },
        { TbsFileGlyph::RAM, 11 },          { TbsFileGlyph::OpenFolder, 15 },
        { TbsFileGlyph::ClosedFolder, 15 }, { TbsFileGlyph::CurrentFolder, 15 }
    };
    std::set<std::vector<std::uint32_t>> pictures;
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Glyph));
        const auto glyph = MakeFileGlyph(c.Glyph);
        ASSERT_EQ(glyph->Width(), 16);
        ASSERT_EQ(glyph->Height(), c.Height);
        const gfx::Surface pixels = glyph->ToSurface();
        const std::uint32_t clear = pixels.At(0, c.Height - 1) & 0xFFFFFF;
        std::vector<std::uint32_t> picture;
        int shown = 0;
        for (int y = 0; y < c.Height; ++y)
            for (int x = 0; x < 16; ++x) {
                picture.push_back(pixels.At(x, y) & 0xFFFFFF);
                shown += (pixels.At(x, y) & 0xFFFFFF) != clear ? 1 : 0;
            }
        EXPECT_GT(shown, 30) << "a picture, not only background";
        EXPECT_EQ(pixels.At(0, 0) & 0xFFFFFF, clear) << "the corners are background";
        pictures.insert(picture);
    }
    EXPECT_EQ(pictures.size(), std::size(cases)) << "every glyph is its own picture";
}

} // namespace
