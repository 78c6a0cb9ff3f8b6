#include "ShellTreeFixture.h"

namespace {

// Counts how often the tree rebuilds from its root and how often its selection moves.
class TCountingTree : public TbsSkinDirTreeView {
public:
    explicit TCountingTree(TComponent* owner) : TbsSkinDirTreeView(owner) {
        OnChange = [this](TObject*, TTreeNode*) { ++Moves; };
    }
    int Rebuilds{ 0 };
    int Moves{ 0 };

protected:
    bool CanExpand(TTreeNode* node) override {
        if (!node->Parent()) ++Rebuilds;
        return TbsSkinDirTreeView::CanExpand(node);
    }
};

class ShellLinks : public ShellTreeTest {
protected:
    void SetUp() override {
        ShellTreeTest::SetUp();
        Tree = AddTree<TCountingTree>();
        Combo = AddCombo<TCountingCombo>();
    }
    void ResetCounts() {
        Tree->Rebuilds = Tree->Moves = 0;
        Combo->Rebuilds = 0;
    }
    TCountingTree* Tree{ nullptr };
    TCountingCombo* Combo{ nullptr };
};

TEST_F(ShellLinks, LinkingTakesTheLinkersRootAndRebuildsOnlyWhenItDiffers) {
    ResetCounts();
    Tree->SetShellComboBox(Combo);
    EXPECT_EQ(Combo->ShellTreeView(), Tree);
    EXPECT_EQ(Tree->Rebuilds + Combo->Rebuilds, 0) << "equal roots";

    Tree->SetShellComboBox(nullptr);
    EXPECT_EQ(Combo->ShellTreeView(), nullptr);
    Tree->SetRoot("rfMyComputer");
    ResetCounts();
    Combo->SetShellTreeView(Tree);
    EXPECT_EQ(Tree->Root(), "rfDesktop");
    EXPECT_EQ(Tree->Rebuilds, 1);
    EXPECT_EQ(Combo->Rebuilds, 0);
    EXPECT_EQ(Tree->ShellComboBox(), Combo);
}

TEST_F(ShellLinks, EachUserActionMovesEachControlOnce) {
    Tree->SetShellComboBox(Combo);
    ResetCounts();
    Combo->SetItemIndex(1); // Home, picked with the list closed
    EXPECT_EQ(Tree->Path(), Fixture.Home());
    EXPECT_EQ(Tree->Moves, 1);
    EXPECT_EQ(Combo->Rebuilds, 1);
    EXPECT_EQ(Combo->Path(), Fixture.Home());

    ResetCounts();
    Tree->SetSelected(Tree->Items().GetFirstNode()->Item(1)); // Computer, as a click would
    EXPECT_EQ(Combo->Path(), Tree->Path());
    EXPECT_EQ(Combo->Rebuilds, 1);
    EXPECT_EQ(Tree->Moves, 1);

    ResetCounts();
    Tree->SetPath(Fixture.Path("vol/data/one/two"));
    EXPECT_EQ(Combo->Path(), Fixture.Path("vol/data/one/two"));
    EXPECT_EQ(Combo->Rebuilds, 1);
    EXPECT_EQ(Combo->Items()[Combo->ItemIndex()], "two");
}

TEST_F(ShellLinks, TheTreesRootStaysHomeTheCombosReachesTheTree) {
    Tree->SetShellComboBox(Combo);
    ResetCounts();
    Tree->SetRoot("rfMyComputer");
    EXPECT_EQ(Combo->Root(), "rfDesktop");
    EXPECT_EQ(Combo->Rebuilds, 0);
    Combo->SetRoot("rfPersonal");
    EXPECT_EQ(Tree->Root(), "rfPersonal");
    EXPECT_EQ(Tree->Items().GetFirstNode()->Text(), "Home");
}

TEST_F(ShellLinks, AReplacedOrDestroyedPartnerIsForgotten) {
    Tree->SetShellComboBox(Combo);
    auto* other = AddCombo<TCountingCombo>();
    Tree->SetShellComboBox(other);
    EXPECT_EQ(Combo->ShellTreeView(), nullptr) << "the replaced box no longer pushes to the tree";
    ResetCounts();
    Combo->SetItemIndex(2);
    EXPECT_EQ(Tree->Moves, 0);

    delete Tree;
    EXPECT_EQ(other->ShellTreeView(), nullptr);
    other->SetItemIndex(1);
    EXPECT_EQ(other->Path(), Fixture.Home());
    delete other;
}

} // namespace
