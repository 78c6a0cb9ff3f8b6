// The file filter combo box: its filter parsed into descriptions and masks, the mask of the
// choice, the file list box it hands the mask to, and the folder test beside it.
#include "lib/dialogs/TbsSkinFileListBox.h"
#include "lib/dialogs/TbsSkinFilterComboBox.h"
#include "platform/forms/TApplication.h"
#include "platform/rtl/TStrings.h"
#include "tests/platform/forms/FormsTestSupport.h"
#include "tests/platform/rtl/ScratchFolder.h"

#include <memory>
#include <unistd.h>

namespace {

class FilterComboBox : public formstest::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(40, 40, 400, 300);
        Combo = new TbsSkinFilterComboBox(FForm);
        Combo->OnChange = [this](TObject*) { ++Changes; };
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    std::vector<std::string> Descriptions() const {
        std::vector<std::string> items;
        for (int i = 0; i < Combo->Items().Count(); ++i)
            items.push_back(Combo->Items()[i]);
        return items;
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TbsSkinFilterComboBox* Combo{ nullptr };
    int Changes{ 0 };
};

using Texts = std::vector<std::string>;

TEST_F(FilterComboBox, TheFilterBecomesDescriptionsAndMasksAsTheyStand) {
    EXPECT_EQ(Descriptions(), Texts{ "All files (*.*)" });
    const struct {
        const char* filter;
        Texts items;
        Texts masks;
    } kCases[] = {
        { "Videos|*.avi;*.mpg|All files|*.*", { "Videos", "All files" }, { "*.avi;*.mpg", "*.*" } },
        { "Text | *.txt|lonely", { "Text " }, { " *.txt" } },
        { "Only|", { "Only" }, { "" } },
        { "", {}, {} },
    };
    for (const auto& c : kCases) {
        Combo->SetFilter(c.filter);
        EXPECT_EQ(Descriptions(), c.items) << c.filter;
        EXPECT_EQ(Combo->MaskList(), c.masks) << c.filter;
    }
    EXPECT_EQ(Combo->Mask(), "*.*") << "an empty list";

    Combo->SetFilter("Videos|*.avi|Audio|*.mp3|All|*");
    Combo->SetItemIndex(-1);
    Changes = 0;
    EXPECT_EQ(Combo->Mask(), "*");
    EXPECT_EQ(Combo->ItemIndex(), 2) << "the last item was chosen";
    EXPECT_EQ(Changes, 1);
    Combo->SetFilter("VIDEOS|*.AVI|AUDIO|*.MP3|ALL|*");
    EXPECT_EQ(Combo->ItemIndex(), 2) << "a filter differing in case is the same filter";
}

TEST_F(FilterComboBox, AnIndexChosenBeforeTheWindowSurvivesItsCreation) {
    Combo->SetFilter("Videos|*.avi|Audio|*.mp3");
    Combo->SetItemIndex(1);
    EXPECT_FALSE(Combo->HandleAllocated());
    Combo->SetParent(FForm);
    FForm->Show();
    Pump();
    ASSERT_TRUE(Combo->HandleAllocated());
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Mask(), "*.mp3");
}

TEST_F(FilterComboBox, TheLinkedFileListTakesTheMaskOfEachChoice) {
    ScratchFolder folder;
    folder.WriteFile("a.avi", "a");
    folder.WriteFile("b.mp3", "b");
    auto* files = new TbsSkinFileListBox(FForm);
    files->SetParent(FForm);
    files->SetDirectory(folder.Path());
    Combo->SetFilter("Videos|*.avi|Audio|*.mp3");
    Combo->SetFileList(files);
    EXPECT_EQ(files->FilterCombo(), Combo);
    Combo->SetItemIndex(1);
    EXPECT_EQ(files->Mask(), "*.mp3");
    ASSERT_EQ(files->Items().Count(), 1);
    EXPECT_EQ(files->Items()[0], "b.mp3");
    delete files;
    EXPECT_EQ(Combo->FileList(), nullptr) << "a list that goes is forgotten";
    Combo->SetItemIndex(0);
}

TEST(FolderExists, OnlyForExistingFolders) {
    ScratchFolder folder;
    const std::string file = folder.WriteFile("f.txt", "x");
    EXPECT_TRUE(FolderExists(folder.Path()));
    EXPECT_TRUE(FolderExists("/"));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(folder.Path() + "/missing"));
    EXPECT_FALSE(FolderExists(""));
}

} // namespace
