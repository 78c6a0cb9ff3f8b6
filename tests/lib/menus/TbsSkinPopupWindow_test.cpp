#include "MenuFixture.h"

#include "platform/win/Win.h"

namespace menustest {
namespace {

using namespace win;

// Plain menus of 20-pixel rows on one monitor whose work area is 1000 x 800.
class SkinPopupLevel : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        FDisplay->SetMonitors({ MonitorArea{ { 0, 0, 1000, 840 }, { 0, 0, 1000, 800 }, true } });
    }
    static std::vector<TItemSpec> Rows(int count) {
        std::vector<TItemSpec> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(Item("Row " + std::to_string(i)));
        return rows;
    }
};

TEST_F(SkinPopupLevel, DropDownsPlaceThemselvesInsideTheWorkArea) {
    struct Case {
        const char* what;
        int rows;
        TRect opener;
        bool up;
        int expectedY; // -1: the work area's bottom less the level's height
        int expectedX; // -1: beside the opener on its right; -2: the work area's right edge
    };
    const Case cases[] = {
        { "fits below", 5, TRect(100, 100, 180, 120), false, 120, 100 },
        { "lower half opens above", 5, TRect(100, 740, 180, 760), false, 740 - 104, 100 },
        { "upper half pushed up and beside", 30, TRect(100, 300, 180, 320), false, -1, -1 },
        { "right edge", 3, TRect(980, 100, 1000, 120), false, 120, -2 },
        { "upward", 5, TRect(100, 500, 180, 520), true, 500 - 104, 100 },
        { "upward without room above", 5, TRect(100, 50, 180, 70), true, 70, 100 },
    };
    for (const Case& c : cases) {
        TbsSkinPopupMenu* menu = MakeMenu(Rows(c.rows));
        menu->PopupFromRect(c.opener, c.up);
        ASSERT_EQ(Levels().size(), 1u) << c.what;
        TbsSkinPopupWindow& level = Level(0);
        EXPECT_EQ(level.Height(), c.rows * 20 + 4) << c.what;
        const int y = c.expectedY == -1 ? 800 - level.Height() : c.expectedY;
        const int x = c.expectedX == -1   ? c.opener.Right + 1
                      : c.expectedX == -2 ? 1000 - level.Width()
                                          : c.expectedX;
        EXPECT_EQ(level.BoundsRect().TopLeft(), TPoint(x, y)) << c.what;
        RECT shown;
        GetWindowRect(level.Handle(), &shown);
        EXPECT_EQ(TPoint(shown.left, shown.top), TPoint(x, y)) << c.what << ": the window";
        Engine().Hide();
    }
}

TEST_F(SkinPopupLevel, SubmenusOpenBesideTheirRowOrOnTheLeftNearTheRightEdge) {
    const std::vector<TItemSpec> items = { Item("Plain"),
                                           Item("More").Sub({ Item("One"), Item("Two") }) };
    for (const int openerX : { 100, 900 }) {
        TbsSkinPopupMenu* menu = MakeMenu(items);
        menu->Popup(openerX, 100);
        ClickRow(0, 1);
        ASSERT_EQ(Levels().size(), 2u);
        const TRect row = Row(0, 1).ObjectRect;
        const TPoint rowOnScreen = Level(0).ClientToScreen(row.TopLeft());
        const int rowRight = rowOnScreen.X + row.Width();
        const TbsSkinPopupWindow& sub = Level(1);
        EXPECT_EQ(sub.Top(), rowOnScreen.Y - 2) << "its first row level with the parent row";
        if (openerX == 100)
            EXPECT_EQ(sub.Left(), rowRight + 1);
        else
            EXPECT_EQ(sub.Left(), rowOnScreen.X - sub.Width() - 1) << "one pixel left of it";
        Engine().Hide();
    }
}

TEST_F(SkinPopupLevel, ALevelTallerThanTheWorkAreaScrollsOnItsZones) {
    TbsSkinPopupMenu* menu = MakeMenu(Rows(60));
    menu->Items().Items(0)->Add(new TMenuItem(FForm)); // row 0 has a submenu
    menu->PopupFromRect(TRect(100, 300, 180, 320), false);
    const TbsSkinPopupWindow& level = Level(0);
    EXPECT_EQ(level.Height(), 800);
    EXPECT_EQ(level.Top(), 0);
    EXPECT_EQ(level.Left(), 181) << "beside the opener";
    EXPECT_TRUE(level.Scroll());
    EXPECT_EQ(Row(0, 0).ObjectRect.Top, 12) << "below the upper scroll zone";
    EXPECT_EQ(level.VisibleCount(), (788 - 12) / 20);
    EXPECT_FALSE(Row(0, level.VisibleCount()).FVisible);

    ClickRow(0, 0);
    ASSERT_EQ(Levels().size(), 2u);
    PointAt(level.ClientToScreen(TPoint(50, 795)));
    EXPECT_EQ(level.ScrollCode(), 2);
    EXPECT_EQ(Levels().size(), 1u) << "scrolling closes the submenus";
    Wait(300);
    EXPECT_EQ(level.VisibleStartIndex(), 3) << "a row every 100 ms";
    EXPECT_FALSE(Row(0, 2).FVisible);
    EXPECT_EQ(Row(0, 3).ObjectRect.Top, 12);

    PointAt(level.ClientToScreen(TPoint(50, 400)));
    EXPECT_EQ(level.ScrollCode(), 0);
    Wait(300);
    EXPECT_EQ(level.VisibleStartIndex(), 3) << "stopped on leaving the zone";
    PointAt(level.ClientToScreen(TPoint(50, 5)));
    EXPECT_EQ(level.ScrollCode(), 1);
    Wait(1000);
    EXPECT_EQ(level.VisibleStartIndex(), 0) << "up to the first row, no further";
    EXPECT_EQ(level.ScrollCode(), 0);
}

TEST_F(SkinPopupLevel, TheItemLimitMakesALevelScroll) {
    Engine().SetMaxMenuItemsInWindow(4);
    TbsSkinPopupMenu* menu = MakeMenu(Rows(10));
    menu->Popup(100, 100);
    EXPECT_TRUE(Level(0).Scroll());
    EXPECT_EQ(Level(0).Height(), 4 * 20 + 4 + 20);
    EXPECT_EQ(Level(0).BoundsRect().TopLeft(), TPoint(100, 100)) << "placed like any drop-down";
    EXPECT_EQ(Level(0).VisibleCount(), 4);
}

TEST_F(SkinPopupLevel, ArrowKeysSkipWhatCannotBeChosenWithoutWrappingPastTheEnd) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B").Disabled() });
    menu->Popup(100, 100);
    EXPECT_EQ(Level(0).ActiveItem(), 0) << "the first enabled row is highlighted on opening";
    Key(VK_DOWN);
    EXPECT_EQ(Level(0).ActiveItem(), 0) << "no wrap past the disabled last row";
    Key(VK_UP);
    EXPECT_EQ(Level(0).ActiveItem(), 0);
    Engine().Hide();

    menu = MakeMenu({ Item("X").Disabled(), Item("-"), Item("A"), Item("B") });
    menu->Popup(100, 100);
    EXPECT_EQ(Level(0).ActiveItem(), 2);
    Key(VK_DOWN);
    EXPECT_EQ(Level(0).ActiveItem(), 3);
    EXPECT_TRUE(Row(0, 3).Active);
    EXPECT_FALSE(Row(0, 2).Active);
    Key(VK_DOWN);
    EXPECT_EQ(Level(0).ActiveItem(), 2) << "from the last row on to the first enabled one";
    Key(VK_UP);
    EXPECT_EQ(Level(0).ActiveItem(), 2) << "nor past the disabled first row";
    Key(VK_RETURN);
    EXPECT_EQ(FLog, std::vector<std::string>{ "click A" });
    EXPECT_TRUE(Levels().empty());

    menu = MakeMenu({ Item("A"), Item("B") });
    menu->Popup(100, 100);
    Key(VK_UP);
    EXPECT_EQ(Level(0).ActiveItem(), 1) << "from the first row round to the last";
}

TEST_F(SkinPopupLevel, EscapeAndLeftCloseTheInnermostLevelFirst) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("More").Sub({ Item("One"), Item("Two") }),
                                        Item("E&xit"), Item("&Gone").Disabled() });
    menu->Popup(100, 100);
    Key(VK_LEFT);
    EXPECT_EQ(Levels().size(), 1u) << "Left on the first level does nothing";
    Key(VK_RIGHT);
    ASSERT_EQ(Levels().size(), 2u) << "Right opens the active row's submenu";
    EXPECT_TRUE(Row(0, 0).Down);
    Key(VK_ESCAPE);
    EXPECT_EQ(Levels().size(), 1u);
    EXPECT_FALSE(Row(0, 0).Down);
    Key(VK_RETURN);
    ASSERT_EQ(Levels().size(), 2u) << "Enter opens it too";
    Key(VK_LEFT);
    EXPECT_EQ(Levels().size(), 1u);
    Key('G');
    EXPECT_EQ(Level(0).ActiveItem(), 2) << "a disabled row's accelerator highlights it";
    EXPECT_EQ(Levels().size(), 1u);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "click More", "click More" }));
    Key(VK_ESCAPE);
    EXPECT_TRUE(Levels().empty()) << "Escape on the first level closes the menu";
    EXPECT_FALSE(Engine().Visible());

    FLog.clear();
    menu->Popup(100, 100);
    Key('x');
    EXPECT_EQ(FLog, std::vector<std::string>{ "click E&xit" }) << "an accelerator runs its row";
}

TEST_F(SkinPopupLevel, OnlyALeftButtonReleaseRunsARow) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B") });
    menu->Popup(100, 100);
    ClickAt(RowCentre(0, 1), MouseButton::Right);
    EXPECT_TRUE(FLog.empty());
    EXPECT_EQ(Level(0).ActiveItem(), 1) << "the release still moves the highlight";
    ClickAt(RowCentre(0, 1), MouseButton::Middle);
    EXPECT_TRUE(FLog.empty());
    ClickRow(0, 1);
    EXPECT_EQ(FLog, std::vector<std::string>{ "click B" });
}

TEST_F(SkinPopupLevel, TheFirstRowIsHighlightedWithoutItsSubmenuUntilThePointerComes) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("More").Sub({ Item("One") }), Item("B") });
    menu->Popup(100, 100);
    EXPECT_TRUE(Row(0, 0).Active);
    EXPECT_TRUE(Row(0, 0).WaitCommand);
    EXPECT_EQ(Engine().WItem(), nullptr);
    Wait(1000);
    EXPECT_EQ(Levels().size(), 1u);
    PointAtRow(0, 0);
    EXPECT_FALSE(Row(0, 0).WaitCommand);
    EXPECT_EQ(Engine().WItem(), &Row(0, 0));
    Wait(500);
    EXPECT_EQ(Levels().size(), 2u);
}

TEST_F(SkinPopupLevel, APlainLevelWithImagesHasAGlyphColumnOfTheImagesWidthAndFive) {
    TbsSkinPopupMenu* menu = MakeMenu({ Item("Image").Image(0), Item("Text") });
    menu->SetImages(MakeImages());
    menu->Popup(100, 100);
    EXPECT_EQ(Level(0).GlyphWidth(), 21);
    PointAtRow(0, 0); // the highlight leaves the second row plain
    const gfx::Surface pixels = Shown(0);
    const int y = Row(0, 1).ObjectRect.Top + 1;
    EXPECT_EQ(ColorAt(pixels, 22, y), ColorToRGB(clBtnFace));
    EXPECT_EQ(ColorAt(pixels, 23, y), ColorToRGB(clWindow));
    // The caption starts in the first text column.
    int firstInk = -1;
    const TRect row = Row(0, 1).ObjectRect;
    for (int x = 23; x < row.Right && firstInk < 0; ++x)
        for (int yy = row.Top; yy < row.Bottom; ++yy)
            if (ColorAt(pixels, x, yy) != ColorToRGB(clWindow)) {
                firstInk = x;
                break;
            }
    EXPECT_GE(firstInk, 2 + 23);
    EXPECT_LE(firstInk, 2 + 23 + 3);
}

TEST_F(SkinPopupLevel, ASkinWithoutMenuItemRecordGivesPlainLevels) {
    auto skin = LoadProgramSkin("main");
    std::erase_if(skin->ObjectList, [](const auto& record) {
        return dynamic_cast<TbsDataSkinMenuItem*>(record.get()) != nullptr;
    });
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("-"), Item("B") });
    menu->SetSkinData(skin.get());
    menu->Popup(100, 100);
    EXPECT_EQ(Level(0).PW(), nullptr);
    EXPECT_EQ(Level(0).Height(), 20 + 4 + 20 + 4);
    EXPECT_FALSE(Shown(0).Empty());
}

TEST_F(SkinPopupLevel, AMenuItemRecordWithoutPictureLeavesTheSharedRecordWhole) {
    auto skin = LoadProgramSkin("main");
    auto* record = dynamic_cast<TbsDataSkinMenuItem*>(
        skin->ObjectList[std::size_t(skin->GetIndex("menuitem"))].get());
    ASSERT_NE(record, nullptr);
    const TRect face = record->SkinRect;
    record->ActivePictureIndex = 99;
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B") });
    menu->SetSkinData(skin.get());
    for (int showing = 0; showing < 2; ++showing) {
        menu->Popup(100, 100);
        EXPECT_EQ(record->SkinRect, face) << showing;
        EXPECT_TRUE(Row(0, 0).SkinRect().IsEmpty()) << "the row draws no face";
        EXPECT_EQ(Row(0, 1).ObjectRect.Height(), face.Height()) << "every level keeps its rows";
        Shown(0);
        Engine().Hide();
    }
}

TEST_F(SkinPopupLevel, AlphaMenusAreTranslucentAndTheFirstLevelFadesIn) {
    Engine().SetAlphaBlend(true);
    Engine().SetAlphaBlendValue(150);
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A").Sub({ Item("One") }), Item("B") });
    menu->Popup(100, 100);
    const auto* native = FDisplay->Native(Level(0).Handle());
    ASSERT_NE(native, nullptr);
    EXPECT_TRUE(native->FPopup);
    EXPECT_EQ(native->FPopupKind, PopupKind::Menu);
    EXPECT_EQ(native->FAlpha, 150) << "without the animation the alpha is there at once";
    Engine().Hide();

    Engine().SetAlphaBlendAnimation(true);
    menu->Popup(100, 100);
    native = FDisplay->Native(Level(0).Handle());
    EXPECT_EQ(native->FAlpha, 0);
    Wait(10); // the shortest interval a window timer has
    EXPECT_EQ(native->FAlpha, 10) << "a fifteenth of the alpha per step";
    Wait(200);
    EXPECT_EQ(native->FAlpha, 150);
    ClickRow(0, 0);
    EXPECT_EQ(FDisplay->Native(Level(1).Handle())->FAlpha, 150) << "submenus do not fade";
    Engine().Hide();

    FDisplay->SetCompositor(false);
    menu->Popup(100, 100);
    EXPECT_EQ(FDisplay->Native(Level(0).Handle())->FAlpha, 255) << "opaque without a compositor";
}

TEST_F(SkinPopupLevel, TheSkinsMaskCutsTheLevelsCorners) {
    auto skin = LoadProgramSkin("main");
    TBitmap& frame = *skin->FActivePictures[std::size_t(skin->PopupWindow.WindowPictureIndex)];
    auto mask = std::make_unique<TBitmap>();
    mask->SetSize(frame.Width(), frame.Height());
    mask->Canvas().Brush().SetColor(clBlack);
    mask->Canvas().FillRect(TRect(0, 0, frame.Width(), frame.Height()));
    mask->Canvas().SetPixels(0, 0, clWhite); // the top-left corner is off the window
    skin->FActivePictures.push_back(std::move(mask));
    skin->PopupWindow.MaskPictureIndex = int(skin->FActivePictures.size()) - 1;
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B") });
    menu->SetSkinData(skin.get());
    menu->Popup(100, 100);
    const auto* native = FDisplay->Native(Level(0).Handle());
    ASSERT_TRUE(native->FShape.has_value());
    EXPECT_FALSE(native->FShape->Contains(0, 0));
    EXPECT_TRUE(native->FShape->Contains(1, 0));
    EXPECT_TRUE(native->FShape->Contains(Level(0).Width() - 1, Level(0).Height() - 1));
}

} // namespace
} // namespace menustest
