// The file list linked with the folder tree and the location combo box: each user action moves
// every linked control once, and links are dropped cleanly.
#include "ShellTreeFixture.h"

#include "lib/dialogs/TbsCustomShellListView.h"

namespace {

// Counts how often the list reads its folder.
class TCountingList : public TbsSkinFileListView {
public:
    using TbsSkinFileListView::TbsSkinFileListView;
    int Rebuilds{ 0 };

protected:
    void EnumerateFolders() override {
        ++Rebuilds;
        TbsSkinFileListView::EnumerateFolders();
    }
};

class TCountingTree : public TbsSkinDirTreeView {
public:
    explicit TCountingTree(TComponent* owner) : TbsSkinDirTreeView(owner) {
        OnChange = [this](TObject*, TTreeNode*) { ++Moves; };
    }
    int Moves{ 0 };
};

class ShellListPartners : public ShellTreeTest {
protected:
    void SetUp() override {
        ShellTreeTest::SetUp();
        Fixture.MakeFolder("home/a");
        Combo = AddCombo<TCountingCombo>();
        List = AddList();
    }
    TCountingList* AddList() {
        auto* list = Add<TCountingList>(205, 10, 190, 200);
        list->SetViewStyle(vsReport);
        list->HandleNeeded();
        Pump();
        return list;
    }
    void ResetCounts() { List->Rebuilds = Combo->Rebuilds = 0; }
    void DoubleClickRow(int index) {
        const TRect r = List->ItemRect(index, drLabel);
        const TPoint at = List->ClientToScreen(TPoint(r.Left + 4, (r.Top + r.Bottom) / 2));
        FDisplay->Time().Advance(2000);
        FDisplay->Click(at.X, at.Y);
        Pump();
        FDisplay->Time().Advance(50);
        FDisplay->Click(at.X, at.Y);
        Pump();
    }
    int RowOf(const std::string& name) const {
        for (int i = 0; i < List->FolderCount(); ++i)
            if (List->FolderAt(i)->DisplayName() == name) return i;
        return -1;
    }
    TCountingCombo* Combo{ nullptr };
    TCountingList* List{ nullptr };
};

TEST_F(ShellListPartners, LinkingTakesTheLinkersRootAndNilUnlinksBothSides) {
    ResetCounts();
    List->SetShellComboBox(Combo);
    EXPECT_EQ(Combo->ShellListView(), List);
    EXPECT_EQ(List->Rebuilds + Combo->Rebuilds, 0) << "equal roots rebuild nothing";

    Combo->SetShellListView(nullptr);
    EXPECT_EQ(List->ShellComboBox(), nullptr);
    List->SetRoot(Fixture.Home());
    ResetCounts();
    List->SetShellComboBox(Combo);
    EXPECT_EQ(Combo->Root(), Fixture.Home()) << "the linked box takes the list's root";
    EXPECT_EQ(Combo->Rebuilds, 1);
    EXPECT_EQ(List->Rebuilds, 0);

    List->SetShellComboBox(nullptr);
    EXPECT_EQ(Combo->ShellListView(), nullptr);
}

TEST_F(ShellListPartners, ComboAndListMoveEachOtherOnce) {
    Combo->SetShellListView(List);
    ResetCounts();
    Combo->SetItemIndex(1); // Home, picked with the list closed
    EXPECT_EQ(List->Path(), Fixture.Home());
    EXPECT_EQ(List->Rebuilds, 1);
    EXPECT_EQ(Combo->Rebuilds, 1) << "the box rebuilt for the pick, and not again for the list";

    ResetCounts();
    const int row = RowOf("a");
    ASSERT_GE(row, 0);
    DoubleClickRow(row);
    EXPECT_EQ(List->Path(), Fixture.Path("home/a"));
    EXPECT_EQ(Combo->Path(), Fixture.Path("home/a"));
    EXPECT_EQ(Combo->Items()[Combo->ItemIndex()], "a");
    EXPECT_EQ(Combo->Rebuilds, 1);
    EXPECT_EQ(List->Rebuilds, 1);
}

TEST_F(ShellListPartners, ATreeSelectionMovesListAndComboOnceEach) {
    auto* tree = AddTree<TCountingTree>();
    tree->SetShellListView(List);
    tree->SetShellComboBox(Combo);
    ResetCounts();
    tree->Moves = 0;
    tree->SetSelected(tree->Items().GetFirstNode()->Item(0)); // Home, as a click would
    EXPECT_EQ(List->Path(), Fixture.Home());
    EXPECT_EQ(Combo->Path(), Fixture.Home());
    EXPECT_EQ(tree->Moves, 1);
    EXPECT_EQ(List->Rebuilds, 1);
    EXPECT_EQ(Combo->Rebuilds, 1);

    ResetCounts();
    tree->Moves = 0;
    List->SetPath(Fixture.Path("home/a/b"));
    EXPECT_EQ(tree->Path(), Fixture.Path("home/a/b")) << "the list moves the tree";
    EXPECT_EQ(Combo->Path(), Fixture.Path("home/a/b"));
    EXPECT_EQ(tree->Moves, 1);
    EXPECT_EQ(List->Rebuilds, 1);
    EXPECT_EQ(Combo->Rebuilds, 1);
}

TEST_F(ShellListPartners, RootChangesTravelAsFarAsTheyShould) {
    auto* tree = AddTree<TCountingTree>();
    tree->SetShellListView(List);
    List->SetShellComboBox(Combo);
    ResetCounts();
    tree->SetRoot("rfPersonal");
    EXPECT_EQ(List->Root(), "rfPersonal");
    EXPECT_EQ(List->Path(), Fixture.Home());
    EXPECT_EQ(Combo->Root(), "rfDesktop") << "the box keeps its root";
    EXPECT_EQ(Combo->Rebuilds, 0);

    Combo->SetRoot("rfMyComputer");
    EXPECT_EQ(List->Root(), "rfMyComputer");
    EXPECT_EQ(tree->Root(), "rfMyComputer") << "the list hands its new root to its tree";
    tree->SetShellComboBox(Combo);
    Combo->SetRoot("rfPersonal");
    EXPECT_EQ(tree->Root(), "rfPersonal");
    EXPECT_EQ(List->Root(), "rfPersonal");
}

TEST_F(ShellListPartners, AReplacedOrDestroyedPartnerIsForgotten) {
    auto* tree = AddTree<TCountingTree>();
    tree->SetShellListView(List);
    Combo->SetShellListView(List);
    auto* other = AddList();
    Combo->SetShellListView(other);
    EXPECT_EQ(List->ShellComboBox(), nullptr) << "the replaced list no longer pushes to the box";
    other->SetShellComboBox(nullptr);
    List->SetShellComboBox(Combo);
    tree->SetShellListView(other);
    EXPECT_EQ(List->ShellTreeView(), nullptr);
    other->SetShellTreeView(nullptr);
    EXPECT_EQ(tree->ShellListView(), nullptr) << "the list side clears the back-link too";
    List->SetShellTreeView(tree);
    EXPECT_EQ(tree->ShellListView(), List);

    delete List;
    EXPECT_EQ(Combo->ShellListView(), nullptr);
    EXPECT_EQ(tree->ShellListView(), nullptr);
    Combo->SetItemIndex(1);
    tree->SetPath(Fixture.Home());
    EXPECT_EQ(Combo->Path(), Fixture.Home());
}

} // namespace
