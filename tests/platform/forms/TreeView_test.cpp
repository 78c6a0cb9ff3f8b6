#include "FormsTestSupport.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTreeView.h"
#include "platform/win/Win.h"
#include <memory>

namespace formstest {
namespace {

using namespace win;

// Videos (a.avi, b.avi (clip 1)), Music (20 songs), Empty (claims children it does not have).
class TreeView : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        FApp = std::make_unique<TApplication>(nullptr);
        FApp->Initialize();
        FApp->CreateForm(FForm);
        FForm->SetBounds(50, 40, 420, 320);
        FTree = new TTreeView(FForm);
        FTree->SetParent(FForm);
        FTree->SetBounds(10, 10, 200, 150);
        TTreeNodes& n = FTree->Items();
        FVideos = n.Add(nullptr, "Videos");
        n.AddChild(FVideos, "a.avi");
        TTreeNode* b = n.AddChild(FVideos, "b.avi");
        n.AddChild(b, "clip 1");
        FMusic = n.Add(nullptr, "Music");
        for (int i = 0; i < 20; ++i)
            n.AddChild(FMusic, "song " + std::to_string(i));
        FEmpty = n.Add(nullptr, "Empty");
        FEmpty->SetHasChildren(true);
        FTree->OnChange = [this](TObject*, TTreeNode* node) {
            FChanges.push_back(node ? node->Text() : "-");
        };
        FForm->Show();
        FTree->SetFocus();
        Pump();
    }
    void TearDown() override {
        FApp.reset();
        FormsTest::TearDown();
    }
    void Key(UINT vk) {
        FDisplay->TypeKey(vk);
        Pump();
    }
    void ClickAt(int x, int y, bool twice = false) {
        FDisplay->Time().Advance(2000);
        POINT p{ x, y };
        ClientToScreen(FTree->Handle(), &p);
        FDisplay->Click(p.x, p.y);
        if (twice) FDisplay->Click(p.x, p.y);
        Pump();
    }
    void ClickLabel(TTreeNode* node, bool twice = false) {
        const TRect r = node->DisplayRect(true);
        ClickAt(r.Left + 3, r.Top + r.Height() / 2, twice);
    }
    void ClickButton(TTreeNode* node) {
        const TRect r = node->DisplayRect(true);
        ClickAt(r.Left - FTree->Indent() / 2, r.Top + r.Height() / 2);
    }
    void WaitDoubleClickTime() {
        FDisplay->Time().Advance(GetDoubleClickTime() + 1);
        Pump();
    }
    int Rows() {
        int rows = 0;
        for (TTreeNode* n = FTree->Items().GetFirstNode(); n; n = n->GetNextVisible())
            ++rows;
        return rows;
    }

    std::unique_ptr<TApplication> FApp;
    TForm* FForm{ nullptr };
    TTreeView* FTree{ nullptr };
    TTreeNode* FVideos{ nullptr };
    TTreeNode* FMusic{ nullptr };
    TTreeNode* FEmpty{ nullptr };
    std::vector<std::string> FChanges;
};

TEST_F(TreeView, ButtonsAndKeysExpandAndCollapse) {
    EXPECT_EQ(FTree->Items().Count(), 26);
    EXPECT_EQ(Rows(), 3);
    ClickButton(FVideos);
    EXPECT_TRUE(FVideos->Expanded());
    EXPECT_EQ(Rows(), 5);
    EXPECT_TRUE(FChanges.empty()) << "the button expands without selecting";

    ClickLabel(FVideos);
    EXPECT_EQ(FTree->Selected(), FVideos);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(FTree->Selected()->Text(), "b.avi");
    Key(VK_RIGHT);
    EXPECT_TRUE(FTree->Selected()->Expanded()) << "right expands";
    Key(VK_RIGHT);
    EXPECT_EQ(FTree->Selected()->Text(), "clip 1") << "then goes to the first child";
    Key(VK_LEFT);
    EXPECT_EQ(FTree->Selected()->Text(), "b.avi") << "left goes to the parent";

    // Collapsing a branch holding the selection selects the collapsed node.
    FVideos->Collapse(false);
    EXPECT_EQ(FTree->Selected(), FVideos);
    EXPECT_EQ(FChanges.back(), "Videos");

    bool allow = false;
    FTree->OnExpanding = [&](TObject*, TTreeNode*, bool& a) { a = allow; };
    Key(VK_RIGHT);
    EXPECT_FALSE(FVideos->Expanded()) << "OnExpanding refused";
    allow = true;
    ClickLabel(FVideos, true);
    EXPECT_TRUE(FVideos->Expanded()) << "a double click toggles";

    EXPECT_TRUE(FEmpty->HasChildren());
    FEmpty->Expand(false);
    EXPECT_FALSE(FEmpty->HasChildren()) << "no children came: the button goes";
}

TEST_F(TreeView, TypingFindsShownNodes) {
    FDisplay->TypeKey('Z', "m");
    FDisplay->Time().Advance(100);
    FDisplay->TypeKey('Z', "U");
    Pump();
    EXPECT_EQ(FTree->Selected(), FMusic);
    FDisplay->Time().Advance(3000);
    FDisplay->TypeKey('Z', "s");
    Pump();
    EXPECT_EQ(FTree->Selected(), FMusic) << "the songs are in a collapsed branch";
}

TEST_F(TreeView, KeysAndTheWheelScrollTheRows) {
    FMusic->Expand(false);
    const int visible = int(SendMessage(FTree->Handle(), TVM_GETVISIBLECOUNT, 0, 0));
    ASSERT_GT(visible, 2);
    ASSERT_LT(visible, 23);
    EXPECT_EQ(SendMessage(FTree->Handle(), TVM_GETCOUNT, 0, 0), 26);
    SCROLLINFO v;
    v.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(FTree->Handle(), SB_VERT, &v));
    EXPECT_EQ(v.nMax, 22);
    EXPECT_EQ(int(v.nPage), visible);

    Key(VK_DOWN);
    EXPECT_EQ(FTree->Selected(), FVideos) << "the first key selects the first row";
    Key(VK_END);
    EXPECT_EQ(FTree->Selected(), FEmpty);
    EXPECT_EQ(FTree->TopItem()->Text(), "song " + std::to_string(23 - visible - 2));
    EXPECT_EQ(GetScrollPos(FTree->Handle(), SB_VERT), 23 - visible);

    Key(VK_HOME);
    EXPECT_EQ(FTree->TopItem(), FVideos);
    FDisplay->Wheel(-WHEEL_DELTA);
    Pump();
    EXPECT_EQ(GetScrollPos(FTree->Handle(), SB_VERT), 3);
    // The skinned view scrolls by position, then by a thumb message.
    SetScrollPos(FTree->Handle(), SB_VERT, 5, TRUE);
    SendMessage(FTree->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    EXPECT_EQ(GetScrollPos(FTree->Handle(), SB_VERT), 7);
    EXPECT_EQ(FTree->Selected(), FVideos) << "scrolling leaves the selection alone";
}

TEST_F(TreeView, ClicksSelectUnlessRefusedAndDeletingMovesTheSelection) {
    FVideos->Expand(false);
    bool allow = false;
    FTree->OnChanging = [&](TObject*, TTreeNode*, bool& a) { a = allow; };
    ClickLabel(FVideos->Item(0));
    EXPECT_EQ(FTree->Selected(), nullptr);
    allow = true;
    ClickLabel(FVideos->Item(0));
    EXPECT_EQ(FTree->Selected(), FVideos->Item(0));
    EXPECT_EQ(
        FTree->GetNodeAt(FVideos->DisplayRect(true).Left + 2, FVideos->DisplayRect(true).Top + 2),
        FVideos);

    FVideos->Item(0)->Delete();
    EXPECT_EQ(FTree->Selected()->Text(), "b.avi") << "the next sibling takes the selection";
    EXPECT_EQ(FTree->Items().Count(), 25);
    FVideos->Delete();
    EXPECT_EQ(FTree->Selected(), FMusic);
    EXPECT_EQ(FTree->Items().Count(), 22);
    FTree->Items().Clear();
    EXPECT_EQ(FTree->Selected(), nullptr);
    EXPECT_EQ(FChanges.back(), "-");
    Key(VK_DOWN);
}

TEST_F(TreeView, AnswersTheTreeMessages) {
    const HWND h = FTree->Handle();
    auto next = [&](UINT code, const TTreeNode* node) {
        return reinterpret_cast<TTreeNode*>(SendMessage(h, TVM_GETNEXTITEM, code, LPARAM(node)));
    };
    EXPECT_EQ(next(TVGN_ROOT, nullptr), FVideos);
    EXPECT_EQ(next(TVGN_NEXT, FVideos), FMusic);
    EXPECT_EQ(next(TVGN_CHILD, FMusic)->Text(), "song 0");
    EXPECT_EQ(next(TVGN_NEXTVISIBLE, FVideos), FMusic)
        << "children of a collapsed node are not shown";
    EXPECT_TRUE(SendMessage(h, TVM_EXPAND, TVE_EXPAND, LPARAM(FVideos)));
    EXPECT_EQ(next(TVGN_NEXTVISIBLE, FVideos)->Text(), "a.avi");
    EXPECT_TRUE(SendMessage(h, TVM_SELECTITEM, TVGN_CARET, LPARAM(FMusic)));
    EXPECT_EQ(next(TVGN_CARET, nullptr), FMusic);
    EXPECT_EQ(FChanges, (std::vector<std::string>{ "Music" }));

    TTreeNode* gone = FEmpty;
    gone->Delete();
    EXPECT_FALSE(SendMessage(h, TVM_EXPAND, TVE_EXPAND, LPARAM(gone))) << "a stale handle";

    TImageList images(nullptr);
    EXPECT_EQ(SendMessage(h, TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(&images)), 0);
    EXPECT_EQ(FTree->Images(), &images);
    EXPECT_EQ(SendMessage(h, TVM_SETIMAGELIST, TVSIL_NORMAL, 0), LPARAM(&images));
    EXPECT_EQ(FTree->Images(), nullptr);
}

TEST_F(TreeView, ASelectedNodeShowsItsSelectedImage) {
    TImageList images(nullptr);
    images.SetSize(16, 16);
    for (TColor color : { clRed, clLime }) {
        TBitmap bitmap;
        bitmap.SetSize(16, 16);
        bitmap.Canvas().Brush().SetColor(color);
        bitmap.Canvas().FillRect(TRect(0, 0, 16, 16));
        images.Add(bitmap, nullptr);
    }
    FTree->SetImages(&images);
    FMusic->SetImageIndex(0);
    FMusic->SetSelectedIndex(1);
    auto imageColour = [&] {
        Pump();
        const TRect text = FMusic->DisplayRect(true);
        POINT p{ text.Left - 3 - 8, text.Top + text.Height() / 2 };
        ClientToScreen(FTree->Handle(), &p);
        const gfx::Surface screen = FDisplay->ComposeScreen();
        const gfx::Pixel px = screen.Row(p.y)[p.x];
        return RGB(gfx::PixelR(px), gfx::PixelG(px), gfx::PixelB(px));
    };
    EXPECT_EQ(imageColour(), ColorToRGB(clRed));
    FTree->SetSelected(FMusic);
    EXPECT_EQ(imageColour(), ColorToRGB(clLime));
    FTree->SetImages(nullptr);
}

TEST_F(TreeView, DeletionIsAnnouncedChildrenFirstAndSortingReordersTheRows) {
    std::vector<std::string> deleted;
    FTree->OnDeletion = [&](TObject*, TTreeNode* node) { deleted.push_back(node->Text()); };
    FVideos->Item(1)->Delete();
    EXPECT_EQ(deleted, (std::vector<std::string>{ "clip 1", "b.avi" }));

    FTree->Items().Add(nullptr, "Archive");
    FTree->AlphaSort();
    EXPECT_EQ(FTree->Items().GetFirstNode()->Text(), "Archive");
    EXPECT_EQ(FTree->TopItem()->Text(), "Archive") << "the rows follow the new order";
    FMusic->Expand(false);
    const auto number = [](const TTreeNode* n) { return std::stoi(n->Text().substr(5)); };
    FMusic->CustomSort([&](TTreeNode* a, TTreeNode* b) { return number(b) - number(a); }, false);
    EXPECT_EQ(FMusic->GetFirstChild()->Text(), "song 19");
}

TEST_F(TreeView, LabelEditingRenamesUnlessReadOnly) {
    ClickLabel(FMusic);
    ClickLabel(FMusic, true);
    WaitDoubleClickTime();
    EXPECT_FALSE(FTree->IsEditing()) << "a double click does not rename";
    ClickLabel(FMusic);
    EXPECT_FALSE(FTree->IsEditing()) << "not before the double-click time";
    WaitDoubleClickTime();
    ASSERT_TRUE(FTree->IsEditing()) << "a slow second click renames";
    FDisplay->TypeKey('Z', "Songs");
    Pump();
    Key(VK_RETURN);
    EXPECT_EQ(FMusic->Text(), "Songs");
    EXPECT_TRUE(FTree->Focused());
    FTree->SetReadOnly(true);
    EXPECT_FALSE(FMusic->EditText());
}

TEST_F(TreeView, RemovingABranchEndsTheRenamesWaitingInIt) {
    int edited = 0;
    FTree->OnEdited = [&](TObject*, TTreeNode*, std::string&) { ++edited; };
    TTreeNode* clip = FVideos->GetLastChild()->GetFirstChild();
    ASSERT_TRUE(clip->EditText());
    FVideos->GetLastChild()->Delete();
    EXPECT_FALSE(FTree->IsEditing()) << "the rename of a child of the branch ended";

    ClickLabel(FMusic);
    ClickLabel(FMusic); // a second click on the selected node's label waits to rename it
    FMusic->Delete();
    WaitDoubleClickTime();
    EXPECT_FALSE(FTree->IsEditing()) << "the node that went is not renamed";
    EXPECT_EQ(edited, 0);
}

} // namespace
} // namespace formstest
