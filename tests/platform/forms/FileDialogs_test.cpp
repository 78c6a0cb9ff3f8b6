#include "DialogsFixture.h"
#include "platform/forms/FileFilter.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TListBox.h"
#include "platform/forms/TMessageForm.h"
#include "platform/forms/TOpenDialog.h"
#include "platform/forms/TSelectDirectoryDialog.h"
#include "platform/rtl/FileSystem.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace formstest {
namespace {

using namespace win;
using Names = std::vector<std::string>;

// A folder tree of video, text and hidden files, with spaces and Chinese in the names.
class FileDialogs : public DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        FRoot = CreateTempFolder("dialogs");
        ASSERT_FALSE(FRoot.empty());
        for (const char* folder : { "b folder", ".dotdir", "b folder/深层" })
            ASSERT_TRUE(CreateDir(FRoot + folder));
        for (const char* file : { "a.avi", "Movie One.MPG", "notes.txt", ".hidden.avi", "视频.avi",
                                  "b folder/中文 视频.avi" })
            std::ofstream(FRoot + file) << "x";
    }
    void TearDown() override {
        std::filesystem::remove_all(FRoot);
        DialogsTest::TearDown();
    }
    // The list of the dialog up: its files or its folders.
    TListBox* List() {
        auto* files = Part<TListBox>("FileList");
        return files ? files : Part<TListBox>("FolderList");
    }
    Names Lines() {
        Names lines;
        if (auto* list = List())
            for (int i = 0; i < list->Items().Count(); ++i)
                lines.push_back(list->Items()[i]);
        return lines;
    }
    std::string Folder() { return Part<TLabel>("FolderText")->Caption(); }
    void ClickLine(const std::string& text, std::initializer_list<UINT> held = {},
                   bool twice = false) {
        auto* list = List();
        const int index = list->Items().IndexOf(text);
        ASSERT_GE(index, 0) << text;
        const TRect r = list->ItemRect(index);
        ClickAt(list, TPoint(r.Left + 4, (r.Top + r.Bottom) / 2), held, twice);
    }
    // Replaces the name edit's text, as a user selecting it all and typing would.
    void Retype(const std::string& text) {
        Key(VK_END);
        Key(VK_HOME, { VK_SHIFT });
        Type(text);
    }
    // Answers a message box with key and notes its text; fails when none is up.
    void AnswerBox(UINT key, std::string text = {}) {
        auto* box = dynamic_cast<TMessageForm*>(Active());
        ASSERT_NE(box, nullptr) << "a message box asks";
        FBoxes.push_back(box->Message());
        FDisplay->TypeKey(key, std::move(text));
    }

    std::string FRoot;
    Names FBoxes;
};

TEST_F(FileDialogs, ListFoldersFirstHidesDotNamesAndFollowsTheChosenEntry) {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Video|*.avi;*.mpg|Text|*.TXT");
    dialog.SetInitialDir(FRoot);
    dialog.SetFileName("keep.avi");
    Names video;
    Names text;
    Then([&] {
        video = Lines();
        Key(VK_TAB); // from the name edit to the type list
        Key(VK_DOWN);
    });
    Then([&] {
        text = Lines();
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(video, (Names{ "b folder/", "a.avi", "Movie One.MPG", "视频.avi" }));
    EXPECT_EQ(text, (Names{ "b folder/", "notes.txt" }));
    EXPECT_EQ(dialog.FileName(), "keep.avi") << "cancel returns nothing";
    EXPECT_TRUE(dialog.Files().empty());
    EXPECT_EQ(dialog.FilterIndex(), 2);
}

TEST_F(FileDialogs, ClickedNamesComeBackWhole) {
    TOpenDialog dialog(nullptr);
    dialog.SetInitialDir(FRoot);
    Then([&] { ClickLine("视频.avi"); });
    Then([&] { Key(VK_RETURN); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), FRoot + "视频.avi");
    EXPECT_EQ(dialog.Files(), Names{ FRoot + "视频.avi" });

    // The next run opens where the last name was. Enter on a folder of the list enters it,
    // Backspace goes back up, and so does a double click on a folder.
    std::vector<std::string> folders;
    Then([&] {
        ClickLine("b folder/");
        Key(VK_RETURN);
    });
    Then([&] {
        folders.push_back(Folder());
        Key(VK_BACK);
    });
    Then([&] {
        folders.push_back(Folder());
        ClickLine("b folder/", {}, true);
    });
    Then([&] { ClickLine("中文 视频.avi", {}, true); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(folders, (Names{ FRoot + "b folder/", FRoot }));
    EXPECT_EQ(dialog.FileName(), FRoot + "b folder/中文 视频.avi");
}

TEST_F(FileDialogs, MultipleSelectionReturnsTheFilesWithoutFolders) {
    TOpenDialog dialog(nullptr);
    dialog.SetOptions({ ofAllowMultiSelect, ofFileMustExist });
    dialog.SetInitialDir(FRoot);
    std::string edit;
    Then([&] {
        ClickLine("b folder/");
        ClickLine("a.avi", { VK_CONTROL });
        ClickLine("Movie One.MPG", { VK_CONTROL });
        ClickLine("视频.avi", { VK_CONTROL });
    });
    Then([&] {
        edit = Part<TEdit>("FileNameEdit")->Text();
        Key(VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(edit, "\"a.avi\" \"Movie One.MPG\" \"视频.avi\"");
    EXPECT_EQ(dialog.Files(),
              (Names{ FRoot + "a.avi", FRoot + "Movie One.MPG", FRoot + "视频.avi" }));
    EXPECT_EQ(dialog.FileName(), FRoot + "a.avi");
}

TEST_F(FileDialogs, TypedFoldersMasksAndRelativeNamesWork) {
    TOpenDialog dialog(nullptr);
    dialog.SetOptions({ ofFileMustExist });
    dialog.SetInitialDir(FRoot + "b folder/深层");
    std::string folder;
    Names masked;
    Then([&] {
        Type("missing.avi");
        Key(VK_RETURN);
    });
    Then([&] { AnswerBox(VK_RETURN); });
    Then([&] {
        Retype("..");
        Key(VK_RETURN);
    });
    Then([&] {
        folder = Folder();
        Type("*.AVI");
        Key(VK_RETURN);
    });
    Then([&] {
        masked = Lines();
        Retype("深层/../中文 视频.avi");
        Key(VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(FBoxes, Names{ "missing.avi\nFile not found.\nCheck the file name and try again." });
    EXPECT_EQ(folder, FRoot + "b folder/");
    EXPECT_EQ(masked, (Names{ "深层/", "中文 视频.avi" }));
    EXPECT_EQ(dialog.FileName(), FRoot + "b folder/中文 视频.avi");
}

TEST_F(FileDialogs, SavingOverAFileAsksFirst) {
    TSaveDialog dialog(nullptr);
    dialog.SetOptions({ ofOverwritePrompt });
    dialog.SetFilter("Video|*.avi|All|*.*");
    dialog.SetInitialDir(FRoot);
    Then([&] {
        Type("a.avi");
        Key(VK_RETURN);
    });
    Then([&] { AnswerBox('N', "n"); });
    Then([&] { Key(VK_RETURN); });
    Then([&] { AnswerBox('Y', "y"); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), FRoot + "a.avi");
    const std::string question = "a.avi already exists.\nDo you want to replace it?";
    EXPECT_EQ(FBoxes, (Names{ question, question }));

    // Without the option nothing asks: a box would wait for input the test never gives.
    dialog.SetOptions({});
    Then([&] { Key(VK_RETURN); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), FRoot + "a.avi");
}

TEST_F(FileDialogs, SavedNamesGetTheEntrysOrTheDefaultExtension) {
    struct Case {
        int filterIndex;
        const char* typed;
        const char* saved;
    };
    const Case cases[] = { { 1, "new", "new.avi" },
                           { 2, "new", "new.mkv" },
                           { 1, "new.txt", "new.txt" } };
    for (const Case& c : cases) {
        TSaveDialog dialog(nullptr);
        dialog.SetFilter("Video|*.avi|All|*.*");
        dialog.SetFilterIndex(c.filterIndex);
        dialog.SetDefaultExt("mkv");
        dialog.SetInitialDir(FRoot);
        Then([&] {
            Type(c.typed);
            Key(VK_RETURN);
        });
        ASSERT_TRUE(dialog.Execute()) << c.typed;
        EXPECT_EQ(dialog.FileName(), FRoot + c.saved) << c.filterIndex << " " << c.typed;
    }
}

TEST_F(FileDialogs, AMissingPathIsRefusedWhenItMustExist) {
    TSavePictureDialog dialog(nullptr);
    dialog.SetOptions({ ofPathMustExist });
    dialog.SetInitialDir(FRoot);
    Then([&] {
        Type("nowhere/shot.bmp");
        Key(VK_RETURN);
    });
    Then([&] { AnswerBox(VK_RETURN); });
    Then([&] { Key(VK_ESCAPE); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(FBoxes,
              Names{ FRoot + "nowhere/\nPath does not exist.\nCheck the path and try again." });
    EXPECT_TRUE(dialog.FileName().empty());
}

// Points $HOME somewhere else for the life of the object.
class THomeFolder {
public:
    explicit THomeFolder(const std::string& folder) {
        if (const char* old = std::getenv("HOME")) FOld = old;
        setenv("HOME", folder.c_str(), 1);
    }
    ~THomeFolder() { setenv("HOME", FOld.c_str(), 1); }

private:
    std::string FOld;
};

TEST_F(FileDialogs, AFolderIsChosenByClickingEnteringOrTyping) {
    THomeFolder home(FRoot);
    TSelectDirectoryDialog dialog(nullptr);
    dialog.SetDirectory(FRoot + "gone");
    std::string opened;
    Names lines;
    Then([&] {
        opened = Folder();
        lines = Lines();
        ClickLine("b folder");
    });
    Then([&] { Key(VK_RETURN); });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(opened, FRoot) << "a missing folder opens the home folder";
    EXPECT_EQ(lines, Names{ "b folder" });
    EXPECT_EQ(dialog.Directory(), FRoot + "b folder");

    Then([&] { ClickLine("深层", {}, true); });
    Then([&] {
        opened = Folder();
        Key(VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(opened, FRoot + "b folder/深层/");
    EXPECT_EQ(dialog.Directory(), FRoot + "b folder/深层");

    Then([&] {
        Key(VK_TAB); // from the list to the path edit
        Retype("../..");
        Key(VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Directory() + "/", FRoot);

    // A typed folder that does not exist is refused, and cancel changes nothing.
    Then([&] {
        Key(VK_TAB);
        Retype("nowhere");
        Key(VK_RETURN);
    });
    Then([&] { AnswerBox(VK_RETURN); });
    Then([&] { Key(VK_ESCAPE); });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(FBoxes, Names{ "nowhere\nThe folder does not exist." });
    EXPECT_EQ(dialog.Directory() + "/", FRoot);
}

TEST_F(FileDialogs, WithoutAHomeTheFolderDialogOpensAtTheRoot) {
    THomeFolder home(FRoot + "gone");
    TSelectDirectoryDialog dialog(nullptr);
    std::string opened;
    Then([&] {
        opened = Folder();
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(opened, "/");
}

TEST(FileFilter, EntriesMasksAndExtensions) {
    const auto entries = ParseFileFilter("Video|*.avi; *.mpg|All|*.*|Dangling");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].Description, "Video");
    EXPECT_EQ(entries[0].Masks, (Names{ "*.avi", "*.mpg" }));
    EXPECT_EQ(entries[1].Masks, Names{ "*.*" });
    EXPECT_TRUE(ParseFileFilter("").empty());

    struct Case {
        const char* name;
        const char* masks;
        bool matches;
        const char* extension;
    };
    const Case cases[] = { { "CLIP.AVI", "*.avi;*.mpg", true, "avi" },
                           { "clip.mpg", "*.avi;*.mpg", true, "avi" },
                           { "clip.mp4", "*.avi;*.mpg", false, "avi" },
                           { "noext", "*.*", true, "" },
                           { "视频.Avi", "*.aVi", true, "aVi" },
                           { "a.jpeg", "*.jp*", true, "" },
                           { "anything", "", true, "" } };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesAnyMask(c.name, SplitMasks(c.masks)), c.matches) << c.name << c.masks;
        EXPECT_EQ(MaskExtension(SplitMasks(c.masks)), c.extension) << c.masks;
    }
}

} // namespace
} // namespace formstest
