// The folder tree's watcher: while AutoRefresh is on, the folder the user chose is watched and
// a folder made in it shows up under its node.
#include "ShellTreeFixture.h"

namespace {

bool HasChild(const TTreeNode* node, const std::string& text) {
    for (int i = 0; i < node->Count(); ++i)
        if (node->Item(i)->Text() == text) return true;
    return false;
}

TTreeNode* ChildNode(const TTreeNode* node, const std::string& text) {
    for (int i = 0; i < node->Count(); ++i)
        if (node->Item(i)->Text() == text) return node->Item(i);
    return nullptr;
}

using ShellTreeWatch = ShellTreeTest;

TEST_F(ShellTreeWatch, TheChosenFolderIsWatchedOnlyWhileAutoRefreshIsOn) {
    auto* tree = AddTree();
    EXPECT_FALSE(tree->AutoRefresh());
    tree->SetPath(Fixture.Path("home/a"));
    TTreeNode* a = tree->Selected();
    ASSERT_NE(a, nullptr);

    tree->SetSelected(ChildNode(a, "b")); // as the user's choice does
    EXPECT_EQ(tree->Notifier(), nullptr) << "off: nothing watches";

    tree->SetAutoRefresh(true);
    tree->SetSelected(a);
    ASSERT_NE(tree->Notifier(), nullptr);
    EXPECT_EQ(tree->Notifier()->Root(), Fixture.Path("home/a"));
    Fixture.MakeFolder("home/a/fresh");
    EXPECT_TRUE(
        ServeUntil([&] { return tree->Selected() && HasChild(tree->Selected(), "fresh"); }));
    EXPECT_EQ(tree->Path(), Fixture.Path("home/a")) << "the choice stays";

    tree->SetAutoRefresh(false);
    EXPECT_EQ(tree->Notifier(), nullptr);
    EXPECT_TRUE(Launched.empty());
}

} // namespace
