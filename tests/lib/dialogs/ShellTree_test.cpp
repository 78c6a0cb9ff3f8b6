#include "ShellTreeFixture.h"

#include <filesystem>

namespace {

using Texts = std::vector<std::string>;

Texts ChildTexts(const TTreeNode* node) {
    Texts texts;
    for (int i = 0; i < node->Count(); ++i)
        texts.push_back(node->Item(i)->Text());
    return texts;
}

TTreeNode* Child(const TTreeNode* node, const std::string& text) {
    for (int i = 0; i < node->Count(); ++i)
        if (node->Item(i)->Text() == text) return node->Item(i);
    return nullptr;
}

class ShellTree : public ShellTreeTest {
protected:
    void SetUp() override {
        ShellTreeTest::SetUp();
        Tree = AddTree();
    }
    TbsSkinDirTreeView* Tree{ nullptr };
};

TEST_F(ShellTree, OpensOnTheDesktopAndFollowsAPathDownItsChain) {
    ASSERT_EQ(Tree->Items().RootCount(), 1);
    TTreeNode* top = Tree->Items().GetFirstNode();
    EXPECT_EQ(top->Text(), "Desktop");
    EXPECT_TRUE(top->Expanded());
    EXPECT_EQ(Tree->Selected(), top);
    EXPECT_FALSE(Tree->ShowRoot());
    EXPECT_EQ(ChildTexts(top), (Texts{ "Home", "Computer" }));

    const std::string deep = Fixture.Path("home/a/b/c/d");
    Tree->SetPath(deep);
    EXPECT_EQ(Tree->Path(), deep);
    ASSERT_TRUE(Tree->Selected());
    EXPECT_EQ(Tree->Selected()->Text(), "d");
    for (const TTreeNode* n = Tree->Selected()->Parent(); n; n = n->Parent())
        EXPECT_TRUE(n->Expanded()) << n->Text();
    EXPECT_EQ(Tree->Selected()->Parent()->Parent()->Text(), "b");

    // A text naming nothing changes nothing, and a new window does not raise it again.
    EXPECT_THROW(Tree->SetPath(Fixture.Path("home/nowhere")), EInvalidPath);
    EXPECT_EQ(Tree->Path(), deep);
    Tree->RecreateWnd();
    EXPECT_NO_THROW(Tree->HandleNeeded());
    EXPECT_EQ(Tree->Path(), deep);

    Tree->ExpandMyComputer();
    EXPECT_EQ(Tree->Selected()->Text(), "Computer");
    EXPECT_TRUE(Tree->Selected()->Expanded());
    EXPECT_EQ(ChildTexts(Tree->Selected()), (Texts{ "File System", "Card", "data", "USB Stick" }));
}

TEST_F(ShellTree, HiddenFoldersShowOnlyWhenAskedAndAVetoLeavesNoNode) {
    Fixture.MakeFolder("home/.secret");
    Fixture.MakeFolder("home/plain");
    Fixture.MakeFolder("home/skipped");
    Tree->SetPath(Fixture.Home());
    EXPECT_FALSE(Child(Tree->Selected(), ".secret"));
    Tree->OnAddFolder = [](TObject*, TbsShellFolder* folder, bool& canAdd) {
        canAdd = folder->DisplayName() != "skipped";
    };
    Tree->SetObjectTypes({ otFolders, otHidden });
    Tree->SetPath(Fixture.Home());
    EXPECT_TRUE(Child(Tree->Selected(), ".secret"));
    EXPECT_TRUE(Child(Tree->Selected(), "plain"));
    EXPECT_FALSE(Child(Tree->Selected(), "skipped"));
}

TEST_F(ShellTree, RefreshShowsANewFolderAndKeepsWhatWasOpenSelectedAndOnTop) {
    for (int i = 0; i < 30; ++i)
        Fixture.MakeFolder("home/many/f" + std::to_string(100 + i));
    Tree->SetPath(Fixture.Path("home/a/b"));
    Tree->SetPath(Fixture.Path("home/many/f120"));
    TTreeNode* many = Tree->Selected()->Parent();
    Tree->SetTopItem(many->Item(10));
    const std::string top = Tree->TopItem()->Text();
    Fixture.MakeFolder("home/many/f099");

    // The path runs through Computer; its "home" node holds both chains.
    Tree->Refresh(many->Parent());
    many = Tree->Selected()->Parent();
    ASSERT_EQ(many->Text(), "many");
    EXPECT_EQ(many->Item(0)->Text(), "f099");
    EXPECT_EQ(Tree->Path(), Fixture.Path("home/many/f120"));
    EXPECT_EQ(Tree->TopItem()->Text(), top);
    EXPECT_TRUE(Child(Child(many->Parent(), "a"), "b")->Expanded());
}

TEST_F(ShellTree, ExpandingAFileStartsNothingAndGivesNoChildren) {
    Fixture.WriteFile("home/film.vob", "x");
    Fixture.WriteFile("home/pack.zip", "x");
    Tree->SetObjectTypes({ otFolders, otNonFolders });
    Tree->SetPath(Fixture.Home());
    for (const char* name : { "film.vob", "pack.zip" }) {
        TTreeNode* file = Child(Tree->Selected(), name);
        ASSERT_TRUE(file) << name;
        file->Expand(false);
        EXPECT_EQ(file->Count(), 0);
        EXPECT_FALSE(file->HasChildren());
    }
    EXPECT_EQ(Launched, Texts{});
}

TEST_F(ShellTree, RenamingInPlaceRenamesTheFolderOrLeavesBoth) {
    Fixture.MakeFolder("home/old");
    Fixture.MakeFolder("home/taken");
    Tree->SetPath(Fixture.Path("home/old"));
    std::string refused;
    FApp->OnException = [&refused](TObject*, const std::exception& e) { refused = e.what(); };
    const auto rename = [this](const std::string& name) {
        bool handled = false;
        Tree->ExecuteCommand("rename", handled);
        EXPECT_TRUE(handled);
        Type(name);
        Key(win::VK_RETURN);
    };
    rename("taken");
    EXPECT_EQ(refused, "Rename to taken failed");
    EXPECT_TRUE(std::filesystem::is_directory(Fixture.Path("home/old")));
    EXPECT_EQ(Tree->Selected()->Text(), "old");

    rename("new");
    EXPECT_TRUE(std::filesystem::is_directory(Fixture.Path("home/new")));
    EXPECT_FALSE(std::filesystem::exists(Fixture.Path("home/old")));
    EXPECT_EQ(Tree->Selected()->Text(), "new");
    EXPECT_EQ(Tree->Path(), Fixture.Path("home/new"));
}

TEST_F(ShellTree, VerbsLeaveTheProgramsFolderAndAKeptFolderItsNode) {
    Fixture.MakeFolder("home/kept");
    Tree->SetPath(Fixture.Path("home/kept"));
    const auto cwd = std::filesystem::current_path();
    RunChosenVerb(Tree, *Tree->SelectedFolder(), "open");
    EXPECT_EQ(std::filesystem::current_path(), cwd);
    EXPECT_EQ(Launched.size(), 1u);

    // The user said no to the trash: the folder is still there, and so is its node.
    Tree->CommandCompleted("delete", true);
    EXPECT_EQ(Tree->Path(), Fixture.Path("home/kept"));
    std::filesystem::remove(Fixture.Path("home/kept"));
    Tree->CommandCompleted("delete", true);
    EXPECT_FALSE(Child(Tree->Items().GetFirstNode()->Item(0), "kept"));
}

} // namespace
