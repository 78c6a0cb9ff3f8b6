#include "MenuFixture.h"

#include "lib/menus/TbsSkinHint.h"
#include "lib/menus/TbsSkinImagesMenu.h"
#include "lib/menus/TbsSkinImagesMenuPopupWindow.h"
#include "lib/skindraw/bsSystemVersion.h"
#include "platform/win/Win.h"

namespace menustest {
namespace {

using namespace win;

// An images menu of 16 x 16 pictures (cells of 26 x 26) on one monitor whose work area is
// 1000 x 800; every event is logged in the order it fires.
class SkinImagesMenu : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        FDisplay->SetMonitors({ MonitorArea{ { 0, 0, 1000, 840 }, { 0, 0, 1000, 800 }, true } });
        FMenu = new TbsSkinImagesMenu(FForm);
        FMenu->SetImages(MakeImages());
        FMenu->OnMenuPopup = [this](TObject*) { FLog.push_back("popup"); };
        FMenu->OnMenuClose = [this](TObject*) { FLog.push_back("close"); };
        FMenu->OnItemClick = [this](TObject*) { FLog.push_back("item click"); };
        FMenu->OnChange = [this](TObject*) { FLog.push_back("change"); };
        FMenu->SetInternalMenuClose([this] { FLog.push_back("internal close"); });
        FMenu->SetInternalChange([this] { FLog.push_back("internal change"); });
    }
    // "c" an image cell, "b" a button row, "h" a header row; item i shows image i % 4.
    void AddItems(const std::string& kinds) {
        for (char kind : kinds) {
            TbsImagesMenuItem* item = FMenu->ImagesItems().Add();
            const int index = item->Index();
            item->SetImageIndex(index % 4);
            item->SetCaption("Item " + std::to_string(index));
            item->SetButton(kind == 'b');
            item->SetHeader(kind == 'h');
            item->OnClick = [this, index](TObject* sender) {
                FLog.push_back("click " + std::to_string(index));
                EXPECT_EQ(sender, FMenu);
            };
        }
    }
    // Through the program's own loop, as the grid's hook on it is what sees keys and clicks.
    void Pump() { FApp->ProcessMessages(); }
    void ClickAt(const TPoint& screen, MouseButton button = MouseButton::Left) {
        FDisplay->MoveMouse(screen.X, screen.Y);
        FDisplay->PressButton(button);
        Pump();
        FDisplay->ReleaseButton(button);
        Pump();
    }
    TbsSkinImagesMenuPopupWindow& Grid() {
        EXPECT_NE(FMenu->PopupWindow(), nullptr);
        return *FMenu->PopupWindow();
    }
    TRect Rect(int item) { return FMenu->ImagesItems().Items(item)->ItemRect; }
    TPoint ItemCentre(int item) {
        const TRect r = Rect(item);
        return Grid().ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
    }
    void Open() {
        FMenu->PopupFromRect(TRect(100, 100, 180, 120));
        Pump();
        FLog.clear();
    }
    void Press(UINT vk) {
        FDisplay->TypeKey(vk);
        Pump();
    }
    gfx::Surface ShownGrid() {
        Pump();
        const auto* native = FDisplay->Native(Grid().Handle());
        return native ? native->FPresented : gfx::Surface();
    }

    TbsSkinImagesMenu* FMenu{ nullptr };
};

TEST_F(SkinImagesMenu, LaysOutCellsInRowsAndButtonsAndHeadersOnRowsOfTheirOwn) {
    FMenu->SetColumnsCount(4);
    for (int ignored : { 0, 51 }) {
        FMenu->SetColumnsCount(ignored);
        EXPECT_EQ(FMenu->ColumnsCount(), 4) << ignored;
    }
    AddItems("ccccc"
             "b"
             "cccccc"
             "h"
             "c");
    Open();
    struct Case {
        int item;
        TRect rect;
    };
    const Case cases[] = {
        { 0, TRect(5, 5, 31, 31) },     { 3, TRect(83, 5, 109, 31) },
        { 4, TRect(5, 32, 31, 58) },    { 5, TRect(5, 59, 109, 85) }, // ends the open row
        { 6, TRect(5, 86, 31, 112) },   { 9, TRect(83, 86, 109, 112) },
        { 10, TRect(5, 113, 31, 139) }, { 12, TRect(5, 140, 109, 166) }, // header: a cell high
        { 13, TRect(5, 167, 31, 193) },
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rect(c.item), c.rect) << "item " << c.item;
    EXPECT_EQ(Grid().Width(), 4 * 26 + 10);
    EXPECT_EQ(Grid().Height(), 193 - 5 + 10);
}

TEST_F(SkinImagesMenu, OpensBelowOrAboveTheRectangleInsideTheWorkArea) {
    AddItems("cccc");
    struct Case {
        const char* what;
        TRect opener;
        TPoint expected; // y -1: above the opener
    };
    const Case cases[] = {
        { "below", TRect(100, 100, 180, 120), TPoint(100, 120) },
        { "above without room below", TRect(100, 700, 180, 720), TPoint(100, -1) },
        { "pulled in from the right edge", TRect(990, 100, 1000, 120), TPoint(1000 - 36, 120) },
        { "pushed right of the left edge", TRect(-50, 100, 0, 120), TPoint(0, 120) },
    };
    for (const Case& c : cases) {
        FMenu->PopupFromRect(c.opener);
        Pump();
        const int y = c.expected.Y == -1 ? c.opener.Top - Grid().Height() : c.expected.Y;
        RECT shown;
        GetWindowRect(Grid().Handle(), &shown);
        EXPECT_EQ(TPoint(shown.left, shown.top), TPoint(c.expected.X, y)) << c.what;
        EXPECT_TRUE(IsWindowVisible(Grid().Handle())) << c.what;
        FMenu->Hide();
        Pump();
    }
    EXPECT_EQ(FMenu->PopupWindow(), nullptr);
}

TEST_F(SkinImagesMenu, WithoutImagesOnlyTheOpeningIsReported) {
    AddItems("cc");
    FMenu->SetImages(nullptr);
    FMenu->Popup(10, 10);
    EXPECT_EQ(FMenu->PopupWindow(), nullptr);
    EXPECT_EQ(FLog, std::vector<std::string>{ "popup" });
}

TEST_F(SkinImagesMenu, AClickOnACellChoosesItWithoutActivatingTheGrid) {
    AddItems("cccc");
    FMenu->SetItemIndex(1);
    Open();
    const HWND grid = Grid().Handle();
    EXPECT_EQ(FDisplay->PointerGrab(), grid) << "the grid holds the mouse";
    const HWND activeBefore = FDisplay->LastActivated();
    FDisplay->MoveMouse(ItemCentre(2).X, ItemCentre(2).Y);
    Pump();
    EXPECT_EQ(Grid().MouseInItem(), 2);
    ClickAt(ItemCentre(2));
    EXPECT_EQ(FMenu->ItemIndex(), 2);
    EXPECT_EQ(FMenu->PopupWindow(), nullptr);
    EXPECT_EQ(FDisplay->LastActivated(), activeBefore);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "internal close", "close", "click 2", "item click",
                                               "internal change", "change" }));
    ASSERT_TRUE(FMenu->SelectedItem());
    EXPECT_EQ(FMenu->SelectedItem()->ImageIndex, 2);
    EXPECT_NE(FDisplay->PointerGrab(), grid) << "the mouse is given back";
}

TEST_F(SkinImagesMenu, ClosingWithoutChoosing) {
    AddItems("hcbcc");
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        { "click outside", [this] { ClickAt(TPoint(600, 600)); } },
        { "right click outside", [this] { ClickAt(TPoint(600, 600), MouseButton::Right); } },
        { "Escape", [this] { Press(VK_ESCAPE); } },
        { "Alt", [this] { Press(VK_MENU); } },
        { "the menu's Hide", [this] { FMenu->Hide(); } },
        { "opening again", [this] { FMenu->Popup(300, 300); } },
    };
    for (const Case& c : cases) {
        FMenu->SetItemIndex(3);
        Open();
        TbsSkinImagesMenuPopupWindow* first = FMenu->PopupWindow();
        c.act();
        Pump();
        EXPECT_NE(FMenu->PopupWindow(), first) << c.what;
        EXPECT_EQ(FMenu->ItemIndex(), 3) << c.what;
        for (const std::string& entry : FLog)
            EXPECT_TRUE(entry == "internal close" || entry == "close" || entry == "popup")
                << c.what << ": " << entry;
        FMenu->Hide();
        Pump();
    }
}

TEST_F(SkinImagesMenu, EnterChoosesTheHoveredItemOrConfirmsTheSelectedOne) {
    AddItems("cccc");
    FMenu->SetItemIndex(1);
    Open();
    Press(VK_RETURN);
    EXPECT_EQ(FLog,
              (std::vector<std::string>{ "internal close", "close", "click 1", "item click" }))
        << "no change without a new item";

    Open();
    Press(VK_RIGHT);
    Press(VK_RIGHT);
    Press(VK_SPACE);
    EXPECT_EQ(FMenu->ItemIndex(), 1) << "the second item hovered by Right twice";

    Open();
    Press(VK_LEFT);
    Press(VK_RETURN);
    EXPECT_EQ(FMenu->ItemIndex(), 3);
    EXPECT_EQ(FLog.back(), "change");
}

TEST_F(SkinImagesMenu, ArrowsMoveThroughTheGridSkippingHeaders) {
    // Row 1: header; row 2: cells 1-3; row 3: cells 4-5; row 4: button 6; row 5: cell 7.
    FMenu->SetColumnsCount(3);
    AddItems("h"
             "ccc"
             "cc"
             "b"
             "c");
    Open();
    struct Step {
        UINT key;
        int hovered;
    };
    const Step steps[] = {
        { VK_DOWN, 1 }, // none hovered: the first item after the header
        { VK_RIGHT, 2 }, { VK_DOWN, 5 },  { VK_DOWN, 6 }, // same column, then the button row
        { VK_DOWN, 7 },  { VK_DOWN, 7 },                  // nothing lower: no change
        { VK_UP, 6 },    { VK_UP, 4 }, // from a button row up to the first column
        { VK_UP, 1 },    { VK_UP, 1 }, // only the header above: no change
        { VK_LEFT, 7 },                // the first after a header wraps to the last
        { VK_LEFT, 6 },  { VK_RIGHT, 7 }, { VK_RIGHT, 1 }, // the last wraps past the header
    };
    for (const Step& s : steps) {
        Press(s.key);
        EXPECT_EQ(Grid().MouseInItem(), s.hovered) << "key " << s.key;
    }
}

TEST_F(SkinImagesMenu, KeysNeverReachTheFocusedControlWhileOpen) {
    AddItems("cc");
    std::vector<int> reached;
    FForm->SetKeyPreview(true);
    FForm->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { reached.push_back(key); };
    Open();
    Press(VK_RIGHT);
    Press('A');
    EXPECT_TRUE(reached.empty());
    Press(VK_ESCAPE);
    Press('B');
    EXPECT_EQ(reached, std::vector<int>{ 'B' }) << "closed, keys go on as before";
}

TEST_F(SkinImagesMenu, PlainCellsShowHoverSelectionAndPressInTheirColours) {
    FMenu->SetColumnsCount(3);
    AddItems("ccc");
    FMenu->SetItemIndex(0);
    Open();
    FDisplay->MoveMouse(ItemCentre(2).X, ItemCentre(2).Y);
    Pump();
    gfx::Surface pixels = ShownGrid();
    ASSERT_FALSE(pixels.Empty());
    const auto at = [&](int item, int dx, int dy) {
        return ColorAt(pixels, Rect(item).Left + dx, Rect(item).Top + dy);
    };
    EXPECT_EQ(at(0, 0, 0), ColorToRGB(0x800000)) << "selected: framed";
    EXPECT_EQ(at(0, 2, 2), ColorToRGB(0xB59385)) << "selected: pressed face";
    EXPECT_EQ(at(2, 2, 2), ColorToRGB(0xD2BDB6)) << "hovered: hot face";
    EXPECT_EQ(at(1, 2, 2), ColorToRGB(clWindow)) << "neither: the background";
    EXPECT_EQ(at(1, 8, 8), ColorToRGB(clLime)) << "its image";
    EXPECT_EQ(ColorAt(pixels, 0, 0), ColorToRGB(clBtnShadow)) << "the frame";

    FDisplay->PressButton();
    Pump();
    pixels = ShownGrid();
    EXPECT_EQ(at(2, 2, 2), ColorToRGB(0xB59385)) << "pressed on an item";
    EXPECT_EQ(at(0, 2, 2), ColorToRGB(clWindow)) << "the selection steps back while pressed";
    FDisplay->ReleaseButton();
    Pump();
}

TEST_F(SkinImagesMenu, FadesInTenAStepOnATimer) {
    if (!CanUseLayeredWindows()) GTEST_SKIP() << "no layered windows";
    AddItems("cc");
    FMenu->SetAlphaBlend(true);
    FMenu->SetAlphaBlendAnimation(true);
    FMenu->SetAlphaBlendValue(35);
    Open();
    EXPECT_EQ(Grid().Alpha(), 0) << "shown at once, fading afterwards";
    std::vector<int> seen;
    for (int i = 0; i < 20 && Grid().Alpha() < 35; ++i) {
        Wait(5);
        if (Grid().Alpha() != (seen.empty() ? 0 : seen.back())) seen.push_back(Grid().Alpha());
    }
    EXPECT_EQ(seen, (std::vector<int>{ 10, 20, 30, 35 })) << "capped at the value";
}

TEST_F(SkinImagesMenu, AGridWithoutItemsOpensAsAnEmptyFrame) {
    Open();
    EXPECT_EQ(Grid().Width(), 26 + 10);
    EXPECT_EQ(Grid().Height(), 10);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(FMenu->PopupWindow(), nullptr);
    EXPECT_EQ(FMenu->ItemIndex(), -1);
}

TEST_F(SkinImagesMenu, SkinnedGridTakesItsFrameFromThePopupWindowRecord) {
    auto skin = LoadProgramSkin("main");
    FMenu->SetSkinData(skin.get());
    FMenu->SetColumnsCount(2);
    AddItems("cc"
             "b");
    Open();
    ASSERT_TRUE(Grid().SkinSupport());
    const TbsDataSkinPopupWindow& pw = skin->PopupWindow;
    const TBitmap& picture = *skin->FActivePictures[std::size_t(pw.WindowPictureIndex)];
    EXPECT_EQ(Rect(0).TopLeft(), pw.ItemsRect.TopLeft());
    EXPECT_EQ(Grid().Width(), picture.Width() + 2 * 26 - pw.ItemsRect.Width());
    EXPECT_EQ(Grid().Height(), picture.Height() + (26 + 1 + 26) - pw.ItemsRect.Height());
    const int buttonIndex = skin->GetControlIndex("menuitembutton");
    ASSERT_GE(buttonIndex, 0) << "the program's skin has cell faces";
    FDisplay->MoveMouse(ItemCentre(2).X, ItemCentre(2).Y);
    Pump();
    const gfx::Surface pixels = ShownGrid();
    const TRect button = Rect(2);
    const COLORREF plainHot = ColorToRGB(0xD2BDB6);
    EXPECT_NE(ColorAt(pixels, button.Left + 2, button.Top + 2), plainHot)
        << "the hovered button row wears the skin's face, not the plain one";
    FMenu->Hide();
    Pump();
    FMenu->SetSkinData(nullptr);
}

TEST_F(SkinImagesMenu, HoveringAnItemWithAHintShowsItAfterThePauseAndLeavingHidesIt) {
    auto* hint = new TbsSkinHint(FForm);
    FMenu->SetSkinHint(hint);
    AddItems("ccc");
    FMenu->ImagesItems().Items(1)->SetHint("Blue");
    Open();
    const auto hover = [&](const TPoint& p) {
        FDisplay->MoveMouse(p.X, p.Y);
        Pump();
        Wait(FApp->HintPause() + 100);
    };
    hover(ItemCentre(1));
    EXPECT_TRUE(hint->IsVisible());
    hover(ItemCentre(2));
    EXPECT_FALSE(hint->IsVisible()) << "an item without a hint";
    hover(ItemCentre(1));
    ASSERT_TRUE(hint->IsVisible());
    FMenu->SetShowHints(false);
    Press(VK_ESCAPE);
    EXPECT_TRUE(hint->IsVisible()) << "ShowHints off: closing leaves the hint alone";
    hint->HideHint();
    delete hint;
    EXPECT_EQ(FMenu->SkinHint(), nullptr) << "a hint that goes is forgotten";
}

TEST_F(SkinImagesMenu, FreeingTheMenuWhileOpenGivesTheLoopAndMouseBack) {
    AddItems("cc");
    Open();
    const HWND grid = Grid().Handle();
    std::vector<int> reached;
    FForm->SetKeyPreview(true);
    FForm->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { reached.push_back(key); };
    delete FMenu;
    FMenu = nullptr;
    EXPECT_NE(FDisplay->PointerGrab(), grid);
    Press('A');
    EXPECT_EQ(reached, std::vector<int>{ 'A' });
}

TEST_F(SkinImagesMenu, AReleaseOutsideTheItemsKeepsTheGridOpen) {
    AddItems("cc");
    Open();
    const TPoint frame = Grid().ClientToScreen(TPoint(2, 2));
    ClickAt(frame);
    ASSERT_NE(FMenu->PopupWindow(), nullptr);
    EXPECT_EQ(FDisplay->PointerGrab(), Grid().Handle()) << "still holding the mouse";
    ClickAt(ItemCentre(1));
    EXPECT_EQ(FMenu->ItemIndex(), 1);
}

} // namespace
} // namespace menustest
