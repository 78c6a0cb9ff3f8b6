#include "FrameFixture.h"

#include "lib/frame/TbsSkinMainMenu.h"
#include "lib/frame/TbsSkinMainMenuBar.h"
#include "lib/frame/bsSkinMenuBarClasses.h"
#include "lib/menus/TbsSkinMenu.h"
#include "lib/menus/TbsSkinMenuItem.h"
#include "lib/menus/TbsSkinPopupWindow.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TFormReader.h"
#include "platform/gfx/TBitmap.h"
#include "tests/lib/menus/MenuFixture.h"

namespace frametest {
namespace {

using namespace win;

TPoint Centre(const TRect& r) {
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

// A form with a skinned menu bar along its top, without a skin, over a main menu made at run
// time (its items have no names): three items with submenus and one command on the bar.
class MainMenuBar : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        FForm = NewForm(TRect(100, 100, 500, 300), bsSizeable);
        FSkinForm = SkinForm(FForm, nullptr);
        FMenu = new TMainMenu(FForm);
        for (const char* caption : { "&File", "&Edit", "&Action", "&Run" }) {
            auto* item = new TMenuItem(FMenu);
            item->SetCaption(caption);
            FMenu->Items().Add(item);
        }
        for (int i = 0; i < 3; ++i)
            for (const char* caption : { "One", "Two" }) {
                auto* sub = new TMenuItem(FMenu);
                sub->SetCaption(caption);
                sub->OnClick = [this](TObject*) { ++FRuns; };
                Top(i)->Add(sub);
            }
        Top(3)->OnClick = [this](TObject*) { ++FRuns; };
        FBar = new TbsSkinMainMenuBar(FForm);
        FBar->SetParent(FForm);
        FBar->SetSkinForm(FSkinForm);
        FBar->SetMainMenu(FMenu);
        FSkinForm->SetMainMenuBar(FBar);
        FForm->Show();
        Layout();
    }

    TMenuItem* Top(int i) { return FMenu->Items().Items(i); }
    TbsSkinMainMenuBarItem* Item(std::size_t i) {
        return dynamic_cast<TbsSkinMainMenuBarItem*>(FBar->ObjectList.at(i).get());
    }
    // The bar lays its items out as it paints.
    void Layout() {
        Pump();
        TBitmap scratch(FBar->Width(), FBar->Height());
        FBar->PaintBar(scratch.Canvas());
    }
    TPoint ScreenCentre(std::size_t item) {
        return FBar->ClientToScreen(Centre(Item(item)->ObjectRect));
    }
    // The children of the menu item the open menu's first level shows, from its first row.
    TMenuItem* FirstRowItem() {
        const auto& levels = FSkinForm->SkinMenu().PopupList();
        if (levels.empty() || levels.front()->ItemList().empty()) return nullptr;
        return levels.front()->ItemList().front()->MenuItem;
    }
    bool MenuOpen() { return FSkinForm->SkinMenu().Visible(); }

    TForm* FForm{ nullptr };
    TbsSkinForm* FSkinForm{ nullptr };
    TMainMenu* FMenu{ nullptr };
    TbsSkinMainMenuBar* FBar{ nullptr };
    int FRuns{ 0 };
};

TEST_F(MainMenuBar, ItemsAreTheirCaptionsWidthAndTwelvePixelsInARowWithoutASkin) {
    ASSERT_EQ(FBar->ObjectList.size(), 4u);
    EXPECT_EQ(FBar->Height(), 22);
    EXPECT_EQ(Item(0)->ObjectRect.Left, 2);
    for (std::size_t i = 0; i < 4; ++i) {
        TBitmap scratch(1, 1);
        scratch.Canvas().Font().Assign(FBar->DefItemFont());
        const int text = scratch.Canvas().TextWidth(StripHotkey(Top(int(i))->Caption()));
        EXPECT_NEAR(Item(i)->ObjectRect.Width(), text + 12, 1) << i;
        if (i > 0) {
            EXPECT_EQ(Item(i)->ObjectRect.Left, Item(i - 1)->ObjectRect.Right);
        }
        EXPECT_TRUE(Item(i)->Visible);
    }
}

TEST_F(MainMenuBar, TheWindowShowsTheBarAsItPaintsItselfAndAHoveredItemLightsUp) {
    auto barOnScreen = [this] {
        const gfx::Surface shown = Shown(FForm);
        const TPoint origin = FBar->ClientToScreen(TPoint(0, 0));
        const int dx = origin.X - FForm->Left(), dy = origin.Y - FForm->Top();
        TBitmap expected(FBar->Width(), FBar->Height());
        FBar->PaintBar(expected.Canvas());
        const gfx::Surface pixels = expected.ToSurface();
        int differing = 0;
        for (int y = 0; y < pixels.Height(); ++y)
            for (int x = 0; x < pixels.Width(); ++x)
                if ((shown.At(x + dx, y + dy) & 0xFFFFFF) != (pixels.At(x, y) & 0xFFFFFF))
                    ++differing;
        return differing;
    };
    FBar->Repaint();
    EXPECT_EQ(barOnScreen(), 0);
    const TPoint inItem = FBar->ClientToScreen(Centre(Item(1)->ObjectRect));
    FDisplay->MoveMouse(inItem.X, inItem.Y);
    Wait(60);
    EXPECT_TRUE(Item(1)->Active);
    EXPECT_EQ(barOnScreen(), 0);
    const TPoint face =
        FBar->ClientToScreen(TPoint(Item(1)->ObjectRect.Left + 2, Item(1)->ObjectRect.Top + 2));
    // The hovered face of an item drawn without a skin.
    EXPECT_EQ(RgbAt(Shown(FForm), face.X - FForm->Left(), face.Y - FForm->Top()),
              RgbOf(TColor(0xD2BDB6)));
}

TEST_F(MainMenuBar, OverflowHidesItemsAndTheMarkerOffersThemWideningRestoresTheirEnabledState) {
    Top(3)->SetEnabled(false);
    FBar->UpDateEnabledItems();
    const int narrow = Item(1)->ObjectRect.Right + 8;
    FBar->SetAlign(alNone);
    FBar->SetBounds(0, 0, narrow, 22);
    Layout();
    ASSERT_EQ(FBar->Width(), narrow);
    EXPECT_TRUE(FBar->Scroll);
    EXPECT_TRUE(Item(1)->Visible);
    for (std::size_t i : { 2u, 3u }) {
        EXPECT_FALSE(Item(i)->Visible) << i;
        EXPECT_FALSE(Item(i)->Enabled) << i;
    }
    EXPECT_EQ(FBar->GetMarkerRect().Width(), 5);
    EXPECT_EQ(FBar->GetMarkerRect().Right, narrow - 2);

    // A press on the marker opens a menu that starts with the first hidden item.
    FDisplay->Click(FBar->ClientToScreen(Centre(FBar->GetMarkerRect())).X,
                    FBar->ClientToScreen(Centre(FBar->GetMarkerRect())).Y);
    Pump();
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(FirstRowItem(), Top(2));
    FSkinForm->SkinMenu().Hide();

    FBar->SetBounds(0, 0, 300, 22);
    Layout();
    EXPECT_FALSE(FBar->Scroll);
    EXPECT_TRUE(Item(2)->Visible && Item(2)->Enabled);
    EXPECT_TRUE(Item(3)->Visible);
    EXPECT_FALSE(Item(3)->Enabled);
}

TEST_F(MainMenuBar, TheMarkersMenuStartsAtTheFirstHiddenItemEvenPastItemsTheBarDoesNotShow) {
    Top(0)->SetVisible(false);
    FBar->UpDateItems();
    Layout();
    ASSERT_EQ(FBar->ObjectList.size(), 3u);
    FBar->SetAlign(alNone);
    FBar->SetBounds(0, 0, Item(0)->ObjectRect.Right + 8, 22);
    Layout();
    ASSERT_FALSE(Item(1)->Visible);
    // A hidden item keeps what the menu says for the moment it fits again.
    Top(2)->SetEnabled(false);
    FBar->UpDateEnabledItems();
    Layout();
    EXPECT_FALSE(Item(1)->Enabled);
    const TPoint marker = FBar->ClientToScreen(Centre(FBar->GetMarkerRect()));
    FDisplay->Click(marker.X, marker.Y);
    Pump();
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(FirstRowItem(), Top(2));
    FSkinForm->SkinMenu().Hide();

    Top(2)->SetEnabled(true);
    FBar->UpDateEnabledItems();
    EXPECT_FALSE(Item(1)->Enabled);
    FBar->SetBounds(0, 0, 300, 22);
    Layout();
    EXPECT_TRUE(Item(1)->Visible && Item(1)->Enabled);
}

TEST_F(MainMenuBar, AMainMenuThatGoesTakesTheBarsItemsWithIt) {
    delete FMenu;
    FMenu = nullptr;
    EXPECT_EQ(FBar->MainMenu(), nullptr);
    EXPECT_TRUE(FBar->ObjectList.empty());
    Layout();
    EXPECT_FALSE(FBar->FindAccelItem('F'));
}

TEST_F(MainMenuBar, MainMenuModeHighlightsWrapsOpensAndLeaves) {
    FBar->EnterMainMenu();
    EXPECT_TRUE(FBar->MenuActive);
    EXPECT_TRUE(FSkinForm->InMainMenu);
    EXPECT_TRUE(Item(0)->Active);
    for (std::size_t step = 1; step <= 4; ++step) {
        FBar->SelectNextItem();
        EXPECT_TRUE(Item(step % 4)->Active) << step;
        EXPECT_FALSE(Item((step + 3) % 4)->Active) << step;
    }
    FBar->SelectPriorItem();
    EXPECT_TRUE(Item(3)->Active);
    FBar->SelectNextItem();
    ASSERT_TRUE(Item(0)->Active);

    EXPECT_TRUE(FBar->ClickActiveItem());
    EXPECT_TRUE(Item(0)->FDown);
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(FirstRowItem(), Top(0)->Items(0));
    // Right with the submenu open moves it along to the next item.
    FBar->SelectNextItem();
    EXPECT_FALSE(Item(0)->FDown);
    EXPECT_TRUE(Item(1)->FDown);
    EXPECT_EQ(FirstRowItem(), Top(1)->Items(0));

    FSkinForm->LeaveMainMenu();
    EXPECT_FALSE(FBar->MenuActive);
    EXPECT_FALSE(FSkinForm->InMainMenu);
    EXPECT_FALSE(MenuOpen());
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(Item(i)->Active || Item(i)->FDown) << i;
    EXPECT_EQ(FRuns, 0);
}

TEST_F(MainMenuBar, SubMenuClosedLeavesThePressedItemHighlighted) {
    FBar->EnterMainMenu();
    ASSERT_TRUE(FBar->ClickActiveItem());
    FBar->SubMenuClosed();
    EXPECT_FALSE(Item(0)->FDown);
    EXPECT_TRUE(Item(0)->Active);
}

TEST_F(MainMenuBar, AnAcceleratorOpensItsItemsMenuAndAnUnknownOneIsNotTaken) {
    EXPECT_FALSE(FBar->FindAccelItem('Z'));
    EXPECT_TRUE(FBar->FindAccelItem('e'));
    EXPECT_TRUE(Item(1)->FDown);
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(FirstRowItem(), Top(1)->Items(0));
    // Another accelerator while the menu is open switches to that item's menu.
    EXPECT_TRUE(FBar->FindAccelItem('A'));
    EXPECT_FALSE(Item(1)->FDown);
    EXPECT_EQ(FirstRowItem(), Top(2)->Items(0));
}

TEST_F(MainMenuBar, HoveringAnotherItemWhileASubmenuIsOpenSwitchesMenusWithoutAClick) {
    FDisplay->MoveMouse(ScreenCentre(0).X, ScreenCentre(0).Y);
    Pump();
    FDisplay->Click(ScreenCentre(0).X, ScreenCentre(0).Y);
    Wait(60);
    ASSERT_TRUE(Item(0)->FDown);
    ASSERT_TRUE(MenuOpen());
    FDisplay->MoveMouse(ScreenCentre(1).X, ScreenCentre(1).Y);
    Wait(120);
    EXPECT_FALSE(Item(0)->FDown);
    EXPECT_TRUE(Item(1)->FDown);
    ASSERT_TRUE(MenuOpen());
    EXPECT_EQ(FirstRowItem(), Top(1)->Items(0));
    EXPECT_EQ(FRuns, 0);
}

TEST_F(MainMenuBar, ADisabledItemIgnoresThePointerAndTheKeys) {
    Top(1)->SetEnabled(false);
    FBar->UpDateEnabledItems();
    FDisplay->MoveMouse(ScreenCentre(1).X, ScreenCentre(1).Y);
    Wait(60);
    EXPECT_FALSE(Item(1)->Active);
    FDisplay->Click(ScreenCentre(1).X, ScreenCentre(1).Y);
    Pump();
    EXPECT_FALSE(MenuOpen());
    EXPECT_FALSE(FBar->FindAccelItem('E'));
    FBar->EnterMainMenu();
    FBar->SelectNextItem();
    EXPECT_TRUE(Item(2)->Active);
}

TEST_F(MainMenuBar, AnItemWithoutSubitemsRunsItsCommandAndLeavesMainMenuMode) {
    FBar->EnterMainMenu();
    EXPECT_TRUE(FBar->FindAccelItem('R'));
    EXPECT_EQ(FRuns, 1);
    EXPECT_FALSE(FSkinForm->InMainMenu);
    EXPECT_FALSE(FSkinForm->InMenu);
    EXPECT_FALSE(FBar->MenuActive);
    EXPECT_FALSE(MenuOpen());

    FDisplay->Click(ScreenCentre(3).X, ScreenCentre(3).Y);
    Pump();
    EXPECT_EQ(FRuns, 2);
}

TEST_F(MainMenuBar, ItemsMadeAtRunTimeAreToldApartByThemselvesNotByTheirEmptyNames) {
    ASSERT_EQ(Item(0)->IDName, Item(1)->IDName);
    Item(0)->MouseEnter();
    Item(1)->LeaveOtherItems();
    EXPECT_FALSE(Item(0)->Active);

    Item(0)->SetDown(true);
    EXPECT_TRUE(Item(1)->CloseOtherItem());
    EXPECT_FALSE(Item(0)->FDown);
    EXPECT_FALSE(Item(0)->CloseOtherItem());
}

TEST_F(MainMenuBar, MergingReplacesItemsOfTheSameGroupAndSwitchesScrollingOffForGood) {
    Top(0)->SetGroupIndex(0);
    Top(1)->SetGroupIndex(1);
    Top(2)->SetGroupIndex(1);
    Top(3)->SetGroupIndex(3);
    auto* child = new TMainMenu(FForm);
    for (auto [caption, group] : { std::pair{ "Window", 1 }, std::pair{ "Tools", 2 } }) {
        auto* item = new TMenuItem(child);
        item->SetCaption(caption);
        item->SetGroupIndex(group);
        child->Items().Add(item);
    }
    FBar->Merge(child);
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < FBar->ObjectList.size(); ++i)
        captions.push_back(Item(i)->MenuItem->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{ "&File", "Window", "Tools", "&Run" }));
    EXPECT_TRUE(FBar->ChildMenuIn);
    EXPECT_FALSE(FBar->ScrollMenu());
    EXPECT_EQ(FBar->GetChildMainMenu(), child);

    FBar->UnMerge();
    EXPECT_EQ(FBar->ObjectList.size(), 4u);
    EXPECT_FALSE(FBar->ChildMenuIn);
    EXPECT_FALSE(FBar->ScrollMenu());
}

TEST_F(MainMenuBar, AMaximizedChildsButtonsFrameTheItems) {
    FBar->MDIChildMaximized();
    Layout();
    ASSERT_EQ(FBar->ButtonsCount, 4);
    ASSERT_EQ(FBar->ObjectList.size(), 8u);
    const TbsStdCommand order[] = { cmSysMenu, cmClose, cmMaximize, cmMinimize };
    const int side = FBar->Height() - 4;
    for (std::size_t i = 0; i < 4; ++i) {
        auto* button = dynamic_cast<TbsSkinMainMenuBarButton*>(FBar->ObjectList[i].get());
        ASSERT_TRUE(button) << i;
        EXPECT_EQ(button->Command, order[i]) << i;
        EXPECT_EQ(button->ObjectRect.Width(), side) << i;
        EXPECT_EQ(button->ObjectRect.Height(), side) << i;
    }
    const int w = FBar->Width();
    EXPECT_EQ(FBar->ObjectList[0]->ObjectRect.Left, 2);
    EXPECT_EQ(FBar->ObjectList[1]->ObjectRect.Right, w - 2);
    EXPECT_EQ(FBar->ObjectList[2]->ObjectRect.Right, w - 2 - side - 2);
    EXPECT_EQ(FBar->ObjectList[3]->ObjectRect.Right, w - 2 - 2 * (side + 2));
    EXPECT_EQ(Item(4)->ObjectRect.Left, 2 + side + 2);
    EXPECT_EQ(FBar->NewItemsRect.Right, w - 2 - 3 * (side + 2));

    // No child is maximized any more: the buttons go.
    FBar->MDIChildRestored();
    EXPECT_EQ(FBar->ButtonsCount, 0);
    EXPECT_EQ(FBar->ObjectList.size(), 4u);
}

TEST_F(MainMenuBar, FormDescriptionsNameTheBarAndTheSkinnedMainMenu) {
    RegisterSkinMenuBarClasses();
    constexpr const char* kForm = R"(object MenuForm: TForm
  Width = 300
  Height = 200
  object bsSkinMainMenuBar1: TbsSkinMainMenuBar
    Align = alTop
    Height = 22
    ScrollMenu = False
    DefItemFont.Name = 'Tahoma'
    DefaultHeight = 24
    PopupToUp = True
    SkinDataName = 'mainmenubar'
    MainMenu = bsSkinMainMenu1
  end
  object bsSkinMainMenu1: TbsSkinMainMenu
    object N1: TMenuItem
      Caption = '文件'
    end
    object N2: TMenuItem
      Caption = '帮助'
    end
  end
end
)";
    TForm* form = NewForm(TRect(0, 0, 300, 200));
    ReadFormDescription(form, kForm, "MenuForm.dfm");
    auto* bar = DescribedComponent<TbsSkinMainMenuBar>(form, "bsSkinMainMenuBar1");
    auto* menu = DescribedComponent<TbsSkinMainMenu>(form, "bsSkinMainMenu1");
    ASSERT_TRUE(bar && menu);
    EXPECT_EQ(bar->MainMenu(), menu);
    EXPECT_FALSE(bar->ScrollMenu());
    EXPECT_TRUE(bar->PopupToUp());
    EXPECT_EQ(bar->DefItemFont().Name(), "Tahoma");
    EXPECT_EQ(bar->DefaultHeight(), 24);
    ASSERT_EQ(bar->ObjectList.size(), 2u);
    EXPECT_EQ(bar->ObjectList[1]->IDName, "N2");
}

// The program's main-window menu bar in each of its skins.
TEST_F(MainMenuBar, TheProgramsMenuBarLooksAsReviewed) {
    for (const char* skinName : { "main", "tool" }) {
        FSkin = LoadProgramSkin(skinName);
        auto* menu = new TbsSkinMainMenu(FForm);
        for (const char* caption : { "文件", "编辑", "动作", "帮助" }) {
            auto* item = new TMenuItem(menu);
            item->SetCaption(caption);
            item->Add(new TMenuItem(menu));
            menu->Items().Add(item);
        }
        menu->SetSkinData(FSkin.get());
        FBar->SetMainMenu(menu);
        FBar->SetSkinData(FSkin.get());
        FBar->SetAlign(alNone);
        FBar->SetBounds(0, 0, 240, 22);
        TBitmap picture(FBar->Width(), FBar->Height());
        FBar->PaintBar(picture.Canvas());
        EXPECT_EQ(FBar->ObjectList.size(), 4u) << skinName;
        menustest::ExpectMatchesGolden(picture.ToSurface(), std::string("lib/frame/MenuBar_") +
                                                                skinName + "_golden.png");
        FBar->SetSkinData(nullptr);
        FBar->SetMainMenu(FMenu);
        delete menu;
        FSkin.reset();
    }
}

// A bar skin of flat colours: the bar face, the item's normal, hover and pressed faces side by
// side and a strip of three animation frames under them.
class SkinnedMainMenuBar : public MainMenuBar {
protected:
    static constexpr std::uint32_t kBar = 0x102030, kNormal = 0x405060, kHover = 0x708090,
                                   kDown = 0xA0B0C0;
    void SetUp() override {
        MainMenuBar::SetUp();
        FSkin = MakeTestSkin();
        auto picture = std::make_unique<TBitmap>(90, 60);
        auto fill = [&picture](const TRect& r, std::uint32_t rgb) {
            picture->Canvas().Brush().SetColor(
                TColor((rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16));
            picture->Canvas().FillRect(r);
        };
        fill(TRect(0, 0, 90, 20), kBar);
        fill(TRect(0, 20, 30, 40), kNormal);
        fill(TRect(30, 20, 60, 40), kHover);
        fill(TRect(60, 20, 90, 40), kDown);
        fill(TRect(0, 40, 90, 60), kHover);
        AddPicture(*FSkin, std::move(picture));
        auto bar = std::make_unique<TbsDataSkinMainMenuBar>("mainmenubar");
        bar->PictureIndex = 0;
        bar->SkinRect = TRect(0, 0, 40, 20);
        bar->ItemsRect = TRect(2, 0, 38, 20);
        bar->MenuBarItem = "baritem";
        FSkin->CtrlList.push_back(std::move(bar));
        auto item = std::make_unique<TbsDataSkinMainMenuBarItem>("baritem");
        item->ActivePictureIndex = 0;
        item->SkinRect = TRect(0, 20, 30, 40);
        item->ActiveSkinRect = TRect(30, 20, 60, 40);
        item->DownRect = TRect(60, 20, 90, 40);
        item->TextRct = TRect(5, 0, 25, 20);
        item->FontName = "Arial";
        item->FontHeight = 12;
        FRecord = item.get();
        FSkin->ObjectList.push_back(std::move(item));
        FSkin->Empty = false;
    }
    void Apply() {
        FBar->SetSkinData(FSkin.get());
        Layout();
    }
    std::uint32_t ShownAt(std::size_t item) {
        const TPoint p = FBar->ClientToScreen(
            TPoint(Item(item)->ObjectRect.Left + 1, Item(item)->ObjectRect.Top + 1));
        return RgbAt(Shown(FForm), p.X - FForm->Left(), p.Y - FForm->Top());
    }
    void Hover(std::size_t item) {
        FDisplay->MoveMouse(ScreenCentre(item).X, ScreenCentre(item).Y);
        Wait(60);
    }
    void PointOutside() {
        FDisplay->MoveMouse(5, 5);
        Wait(60);
    }

    TbsDataSkinMainMenuBarItem* FRecord{ nullptr };
};

TEST_F(SkinnedMainMenuBar, ItemsKeepTheRecordsMarginsAroundTheirCaptionAndFadeToTheHoverFace) {
    FRecord->Morphing = true;
    Apply();
    EXPECT_EQ(FBar->Height(), 20);
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().SetName("Arial");
    scratch.Canvas().Font().SetHeight(12);
    const int text = scratch.Canvas().TextWidth("File");
    EXPECT_EQ(Item(0)->ObjectRect.Left, 2);
    EXPECT_NEAR(Item(0)->ObjectRect.Width(), 5 + text + 5 + 2, 1);
    EXPECT_EQ(ShownAt(0), kNormal);

    Hover(0);
    EXPECT_TRUE(Item(0)->Active);
    EXPECT_TRUE(FBar->MorphTimer().Enabled());
    Wait(200);
    EXPECT_DOUBLE_EQ(Item(0)->MorphKf(), 1);
    EXPECT_FALSE(FBar->MorphTimer().Enabled());
    EXPECT_EQ(ShownAt(0), kHover);

    PointOutside();
    Wait(200);
    EXPECT_DOUBLE_EQ(Item(0)->MorphKf(), 0);
    EXPECT_EQ(ShownAt(0), kNormal);

    FBar->EnterMainMenu();
    ASSERT_TRUE(FBar->ClickActiveItem());
    Pump();
    EXPECT_EQ(ShownAt(0), kDown);
}

TEST_F(SkinnedMainMenuBar, AnimationFramesRunForwardOnHoverAndBackOnlyWhenTheRecordAsks) {
    for (const bool runsBack : { false, true }) {
        FRecord->AnimateSkinRect = TRect(0, 40, 90, 60);
        FRecord->FrameCount = 3;
        FRecord->AnimateInterval = 30;
        FRecord->InActiveAnimation = runsBack;
        Apply();
        Hover(1);
        Wait(200);
        EXPECT_EQ(Item(1)->CurrentFrame, 3) << runsBack;
        EXPECT_FALSE(FBar->AnimateTimer().Enabled()) << runsBack;
        PointOutside();
        EXPECT_EQ(Item(1)->CurrentFrame, runsBack ? 3 - 1 : 0) << runsBack;
        Wait(200);
        EXPECT_EQ(Item(1)->CurrentFrame, 0) << runsBack;
        FBar->SetSkinData(nullptr);
    }
}

} // namespace
} // namespace frametest
