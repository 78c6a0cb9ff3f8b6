#include "ShellTreeFixture.h"

#include "lib/controls/TbsListBox.h"
#include "tests/lib/controls/TestSkins.h"

#include <filesystem>
#include <optional>

namespace {

const std::uint32_t kFolder = TShellFixture::kFolderColour & 0xFFFFFF;

// The first column of a band of rows where the fixture's folder icon shows.
std::optional<int> FolderIconLeft(const gfx::Surface& pixels, const TRect& row) {
    for (int x = row.Left; x < row.Right; ++x)
        if (RgbAt(pixels, x, (row.Top + row.Bottom) / 2) == kFolder) return x;
    return std::nullopt;
}

TRect Moved(TRect r, TPoint by) {
    return TRect(r.Left + by.X, r.Top + by.Y, r.Right + by.X, r.Bottom + by.Y);
}

void Save(const gfx::Surface& pixels, const std::string& name) {
    const std::string fileName = std::string(VC_SHEET_DIR) + "/" + name;
    EXPECT_TRUE(win::HeadlessBackend::SavePng(pixels, fileName)) << fileName;
}

class ShellPictures : public ShellTreeTest {
protected:
    void SetUp() override {
        ShellTreeTest::SetUp();
        FSkin = LoadProgramSkin("main");
    }
    void TearDown() override {
        ShellTreeTest::TearDown();
        FSkin.reset();
    }
    std::unique_ptr<TbsSkinData> FSkin;
    const std::string FDeep{ Fixture.Path("home/a/b/c/d") };
};

TEST_F(ShellPictures, TheTreesIconsSitAtTheirIndentAndTheSelectionIsHighlighted) {
    auto* tree = AddTree();
    tree->SetBounds(10, 10, 300, 280);
    tree->SetSkinData(FSkin.get());
    tree->SetFocus();
    tree->SetPath(FDeep);
    tree->SetTopItem(tree->Selected()->Parent()->Parent()->Parent());
    Pump();
    const gfx::Surface pixels = PaintedPixels(*tree);
    Save(pixels, "shell-tree.png");
    std::optional<int> base;
    for (TTreeNode* node = tree->TopItem(); node; node = node->GetNextVisible()) {
        const TRect text = node->DisplayRect(true);
        if (text.Bottom > pixels.Height()) break;
        const auto left = FolderIconLeft(pixels, TRect(0, text.Top, text.Left, text.Bottom));
        ASSERT_TRUE(left) << node->Text();
        const int origin = *left - node->Level() * tree->Indent();
        if (!base) base = origin;
        EXPECT_EQ(origin, *base) << node->Text();
    }
    const TRect selected = tree->Selected()->DisplayRect(true);
    EXPECT_EQ(RgbAt(pixels, selected.Right - 1, selected.Top + 1), RgbOf(clHighlight));
}

TEST_F(ShellPictures, TheOpenCombosRowsIndentTheirIconsAndHighlightTheChosenOne) {
    auto* combo = AddCombo();
    combo->SetSkinData(FSkin.get());
    combo->SetDropDownCount(20);
    combo->SetPath(FDeep);
    combo->DropDown();
    Pump();
    ASSERT_TRUE(combo->IsPopupVisible());
    TbsListBox& list = *combo->FListBox->ListBox;
    const gfx::Surface pixels = PaintedPixels(*combo->FListBox);
    Save(pixels, "shell-combo-open.png");
    const TPoint offset = combo->FListBox->ScreenToClient(list.ClientToScreen(TPoint(0, 0)));
    std::optional<int> base;
    int checked = 0;
    for (int i = 0; i < combo->ItemsEx().Count(); ++i) {
        const TRect row = Moved(list.ItemRect(i), offset);
        if (row.Bottom > pixels.Height()) break;
        const auto left = FolderIconLeft(pixels, row);
        if (!left) continue; // the desktop, Computer and the volumes have icons of their own
        const int origin = *left - combo->ItemsEx().ItemAt(i)->Indent * 8;
        if (!base) base = origin;
        EXPECT_EQ(origin, *base) << combo->Items()[i];
        ++checked;
    }
    EXPECT_GE(checked, 5);
    const TRect chosen = Moved(list.ItemRect(combo->ItemIndex()), offset);
    const TRect other = Moved(list.ItemRect(0), offset);
    EXPECT_NE(RgbAt(pixels, chosen.Right - 2, chosen.Top + 2),
              RgbAt(pixels, other.Right - 2, other.Top + 2));
    combo->CloseUp(false);
}

} // namespace
