#include "ShellSpaceFixture.h"

#include "lib/controls/TbsSkinButton.h"
#include "lib/controls/TbsSkinEdit.h"
#include "lib/controls/TbsSkinSpeedButton.h"
#include "lib/dialogs/TbsCustomShellTreeView.h"
#include "lib/dialogs/TbsSkinSelectDirectoryDialog.h"
#include "lib/dialogs/bsSkinFolderDialogClasses.h"
#include "lib/frame/TbsSkinForm.h"
#include "lib/skindata/TbsSkinData.h"
#include "platform/forms/TFormReader.h"
#include "platform/rtl/FileSystem.h"
#include "tests/lib/controls/TestSkins.h"
#include "tests/platform/forms/DialogsFixture.h"

#include <memory>
#include <string>
#include <vector>

using namespace win;

namespace {

class SelectDirectoryDialog : public formstest::DialogsTest, protected TRecordedShellSpace {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        FDeep = Fixture.MakeFolder("home/a/b/c/d");
        FDialog = std::make_unique<TbsSkinSelectDirectoryDialog>(nullptr);
    }
    void TearDown() override {
        FDialog.reset();
        DialogsTest::TearDown();
    }
    TbsSelDirDlgForm* Form() const { return FDialog->DlgForm(); }
    TbsSkinDirTreeView* Tree() const { return Form()->DirTreeView; }
    void Click(TControl* control) { ClickAt(control, TPoint(8, 8)); }

    std::string FDeep;
    std::unique_ptr<TbsSkinSelectDirectoryDialog> FDialog;
};

} // namespace

TEST_F(SelectDirectoryDialog, AnExistingFolderIsSelectedAndOkReturnsIt) {
    FDialog->SetTitle("选择目录");
    FDialog->SetDirectory(FDeep);
    std::vector<std::string> events;
    FDialog->OnShow = [&](TObject*) { events.push_back(Form() ? "show with form" : "show"); };
    FDialog->OnClose = [&](TObject*) { events.push_back(Form() ? "close with form" : "close"); };
    std::string shown;
    std::string caption;
    bool okEnabled = false;
    Then([&] {
        shown = Tree()->Path();
        caption = Active()->Caption();
        okEnabled = Form()->OkButton->Enabled();
        EXPECT_TRUE(Form()->BSF->BorderIcons().Empty());
        EXPECT_EQ(Form()->OkButton->Caption(), "OK");
        EXPECT_EQ(Form()->CancelButton->Caption(), "Cancel");
        EXPECT_EQ(Form()->OkButton->BoundsRect(), TRect(20, 15, 90, 40));
        EXPECT_EQ(Form()->CancelButton->BoundsRect(), TRect(100, 15, 170, 40));
        EXPECT_EQ(Form()->ToolPanel, nullptr);
        Click(Form()->OkButton);
    });
    const int before = FApp->ComponentCount();
    EXPECT_TRUE(FDialog->Execute());
    EXPECT_EQ(shown, FDeep);
    EXPECT_EQ(caption, "选择目录");
    EXPECT_TRUE(okEnabled);
    EXPECT_EQ(FDialog->Directory(), FDeep);
    EXPECT_EQ(events, (std::vector<std::string>{ "show", "close with form" }));
    EXPECT_EQ(FDialog->DlgForm(), nullptr);
    EXPECT_EQ(FApp->ComponentCount(), before) << "the form is freed";
}

TEST_F(SelectDirectoryDialog, CancelEscapeAndClosingLeaveTheFolder) {
    struct TCase {
        const char* Name;
        std::function<void()> Close;
    };
    const TCase cases[] = {
        { "escape", [this] { Key(VK_ESCAPE); } },
        { "cancel", [this] { Click(Form()->CancelButton); } },
        { "close", [this] { Form()->Close(); } },
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FDialog->SetDirectory(FDeep);
        Then([&] {
            // Another folder chosen first: still nothing may reach Directory.
            Tree()->SetPath(Fixture.Home());
            c.Close();
        });
        EXPECT_FALSE(FDialog->Execute());
        EXPECT_EQ(FDialog->Directory(), FDeep);
    }
}

TEST_F(SelectDirectoryDialog, AMissingOrEmptyFolderOpensOnComputer) {
    for (const std::string& directory : { Fixture.Path("gone/away"), std::string() }) {
        FDialog->SetDirectory(directory);
        std::string selected;
        bool expanded = false;
        Then([&] {
            selected = Tree()->Selected() ? Tree()->Selected()->Text() : "";
            expanded = Tree()->Selected() && Tree()->Selected()->Expanded();
            Key(VK_ESCAPE);
        });
        EXPECT_FALSE(FDialog->Execute());
        EXPECT_EQ(selected, "Computer") << directory;
        EXPECT_TRUE(expanded) << directory;
        EXPECT_EQ(FDialog->Directory(), directory);
    }
}

TEST_F(SelectDirectoryDialog, OkIsRefusedWhileNoFolderIsSelected) {
    FDialog->SetDirectory(FDeep);
    bool enabledWithout = true;
    Then([&] {
        Tree()->SetSelected(nullptr);
        enabledWithout = Form()->OkButton->Enabled();
        Key(VK_RETURN);
        Click(Form()->OkButton);
    });
    bool stillOpen = false;
    Then([&] {
        stillOpen = Form() && Active() == Form();
        Tree()->SetPath(FDeep);
        Key(VK_RETURN);
    });
    EXPECT_TRUE(FDialog->Execute());
    EXPECT_FALSE(enabledWithout);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(FDialog->Directory(), FDeep);
}

TEST_F(SelectDirectoryDialog, ThePlainSizeIsKeptAndTheSkinRaisesItToItsFrame) {
    TSize first;
    Then([&] {
        first = TSize(Active()->ClientWidth(), Active()->ClientHeight());
        // The user's new size, as the frame's size loop would leave it.
        Active()->SetClientWidth(333);
        Active()->SetClientHeight(311);
        Key(VK_ESCAPE);
    });
    FDialog->Execute();
    EXPECT_EQ(first, TSize(280, 280));
    EXPECT_EQ(FDialog->DialogWidth(), 333);
    EXPECT_EQ(FDialog->DialogHeight(), 311);
    TSize second;
    Then([&] {
        second = TSize(Active()->ClientWidth(), Active()->ClientHeight());
        Key(VK_ESCAPE);
    });
    FDialog->Execute();
    EXPECT_EQ(second, TSize(333, 311));

    auto skin = LoadProgramSkin("main");
    FDialog->SetSkinData(skin.get());
    FDialog->SetDialogWidth(0);
    FDialog->SetDialogHeight(1);
    FDialog->SetDialogMinWidth(400);
    FDialog->SetDialogMinHeight(350);
    TSize skinned;
    TSize minimum;
    Then([&] {
        skinned = TSize(Active()->ClientWidth(), Active()->ClientHeight());
        minimum = TSize(Form()->BSF->GetMinWidth(), Form()->BSF->GetMinHeight());
        Key(VK_ESCAPE);
    });
    FDialog->Execute();
    EXPECT_EQ(skinned, TSize(std::max(280, minimum.cx), std::max(280, minimum.cy)));
    EXPECT_GE(skinned.cx, 400);
    EXPECT_GE(skinned.cy, 350);
    skin.reset();
    EXPECT_EQ(FDialog->SkinData(), nullptr);
}

TEST_F(SelectDirectoryDialog, TheNewFolderButtonMakesOneFolderUnderAFileSystemFolder) {
    FDialog->SetShowToolBar(true);
    FDialog->SetDirectory(Fixture.Path("home/a"));
    const std::string made = Fixture.Path("home/a/New Folder");
    std::vector<std::string> errors;
    FApp->OnException = [&](TObject*, const std::exception& e) { errors.push_back(e.what()); };
    std::string hint;
    std::vector<std::string> childrenAfter;
    std::string edit;
    Then([&] {
        hint = Form()->NewFolderToolButton->Hint();
        edit = Form()->DirEdit->Text();
        Click(Form()->NewFolderToolButton);
    });
    Then([&] {
        ASSERT_TRUE(DirectoryExists(made));
        // Made once: the second press finds it and does nothing.
        Click(Form()->NewFolderToolButton);
    });
    Then([&] {
        for (TTreeNode* n = Tree()->Selected()->GetFirstChild(); n; n = n->GetNextSibling())
            childrenAfter.push_back(n->Text());
        Tree()->ExpandMyComputer();
        Click(Form()->NewFolderToolButton);
    });
    Then([&] { Key(VK_ESCAPE); });
    FDialog->Execute();
    EXPECT_EQ(hint, "Create New Folder");
    EXPECT_EQ(edit, Fixture.Path("home/a"));
    EXPECT_EQ(childrenAfter, (std::vector<std::string>{ "b", "New Folder" }));
    EXPECT_FALSE(DirectoryExists(Fixture.Path("home/a/New Folder/New Folder")));
    EXPECT_EQ(errors, std::vector<std::string>{});
}

TEST_F(SelectDirectoryDialog, EnterInThePathEditMovesTheTreeOnlyToAnExistingFolder) {
    FDialog->SetShowToolBar(true);
    FDialog->SetDirectory(Fixture.Path("home/a"));
    struct TCase {
        std::string Typed;
        std::string Expected;
    };
    const std::vector<TCase> cases = {
        { Fixture.Path("home/a/b/c"), Fixture.Path("home/a/b/c") },
        { Fixture.Path("home/a/nothing"), Fixture.Path("home/a/b/c") },
        { "b", Fixture.Path("home/a/b/c") },
    };
    std::vector<std::string> paths;
    for (const TCase& c : cases) {
        Then([&] {
            Form()->DirEdit->SetText(c.Typed);
            char32_t key = U'\r';
            Form()->DirEditKeyPress(Form()->DirEdit, key);
            EXPECT_EQ(key, U'\r') << "passed on";
            paths.push_back(Tree()->Path());
        });
    }
    Then([&] { Key(VK_ESCAPE); });
    FDialog->Execute();
    ASSERT_EQ(paths.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(paths[i], cases[i].Expected) << cases[i].Typed;
}

TEST_F(SelectDirectoryDialog, TheFormDescriptionSetsTheChoosersSettings) {
    RegisterSkinFolderDialogClasses();
    constexpr const char* kForm = R"(object MainForm: TForm
  object bsSkinData1: TbsSkinData
  end
  object bsSkinSelectDirectoryDialog2: TbsSkinSelectDirectoryDialog
    ToolButtonsTransparent = True
    DialogWidth = 0
    AlphaBlendValue = 200
    SkinData = bsSkinData1
    CtrlSkinData = bsSkinData1
    DefaultFont.Name = 'Tahoma'
    Title = '选择输出目录'
    ToolButtons = False
  end
end
)";
    TForm form(nullptr);
    ReadFormDescription(&form, kForm, "MainForm.dfm");
    auto* dialog =
        DescribedComponent<TbsSkinSelectDirectoryDialog>(&form, "bsSkinSelectDirectoryDialog2");
    auto* skin = DescribedComponent<TbsSkinData>(&form, "bsSkinData1");
    ASSERT_TRUE(dialog && skin);
    EXPECT_TRUE(dialog->ToolButtonsTransparent());
    EXPECT_FALSE(dialog->ShowToolBar());
    EXPECT_EQ(dialog->SkinData(), skin);
    EXPECT_EQ(dialog->CtrlSkinData(), skin);
    EXPECT_EQ(dialog->DefaultFont().Name(), "Tahoma");
    EXPECT_EQ(dialog->Title(), "选择输出目录");
}
