#include "MenuFixture.h"

#include "lib/menus/bsMenuGlyphs.h"
#include "platform/forms/TTimer.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/Win.h"

namespace menustest {
namespace {

using namespace win;

using SkinMenuRows = MenuTest;

// Every kind of row: image with shortcut, separator, header, check, radio, a checked image,
// submenu, the close command of a system menu and a disabled row.
std::vector<TItemSpec> EveryKindOfRow() {
    return {
        Item("&Open").Image(0).Keys(scCtrl | 'O'),
        Item("-"),
        Item("-Picture type-").Disabled(),
        Item("Show &preview").Check(),
        Item("&BMP").RadioCheck(),
        Item("&JPEG").RadioCheck().Image(2),
        Item("&More").Sub({ Item("One") }),
        Item("&Close").Named("BSF_CLOSE").Keys(scAlt | VK_F4),
        Item("Disabled").Disabled(),
    };
}

TEST_F(SkinMenuRows, APlainLevelDrawsEveryKindOfRow) {
    TbsSkinPopupMenu* menu = MakeMenu(EveryKindOfRow());
    menu->SetImages(MakeImages());
    menu->Popup(100, 100);
    ExpectMatchesGolden(Shown(0), "lib/menus/PlainLevel_golden.png");
}

TEST_F(SkinMenuRows, ASkinnedLevelDrawsEveryKindOfRowFromTheSkin) {
    auto skin = LoadProgramSkin("main");
    TbsSkinPopupMenu* menu = MakeMenu(EveryKindOfRow());
    menu->SetImages(MakeImages());
    menu->SetSkinData(skin.get());
    menu->Popup(100, 100);
    ASSERT_NE(Level(0).PW(), nullptr);
    ExpectMatchesGolden(Shown(0), "lib/menus/SkinnedLevel_golden.png");
}

TEST_F(SkinMenuRows, OnlyADisabledItemWithDashesAtBothEndsIsAHeader) {
    struct Case {
        const char* caption;
        bool enabled;
        bool header;
    };
    const Case cases[] = {
        { "-Type-", false, true }, { "-Type-", true, false }, { "-", false, false },
        { "--", false, true },     { "-Type", false, false }, { "Type-", false, false },
    };
    std::vector<TItemSpec> items;
    for (const Case& c : cases)
        items.push_back(c.enabled ? Item(c.caption) : Item(c.caption).Disabled());
    MakeMenu(items)->Popup(100, 100);
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(Row(0, int(i)).IsHeader(), cases[i].header)
            << cases[i].caption << (cases[i].enabled ? " enabled" : " disabled");
}

TEST_F(SkinMenuRows, MorphProgressStaysBetweenNoneAndAll) {
    MakeMenu({ Item("A") })->Popup(100, 100);
    TbsSkinMenuItem& row = Row(0, 0);
    const std::pair<double, double> cases[] = { { 1.7, 1 }, { -0.3, 0 }, { 0.4, 0.4 } };
    for (const auto& [written, read] : cases) {
        row.SetMorphKf(written);
        EXPECT_DOUBLE_EQ(row.MorphKf(), read) << written;
    }
}

// The skin's menu-item record, changed by the test before a menu opens.
TbsDataSkinMenuItem& MenuItemRecord(TbsSkinData& skin) {
    return dynamic_cast<TbsDataSkinMenuItem&>(
        *skin.ObjectList[std::size_t(skin.GetIndex("menuitem"))]);
}

TEST_F(SkinMenuRows, AnimatedRowsRunTheirFramesAndRunBackOnlyWhenTheSkinSaysSo) {
    for (const bool backward : { false, true }) {
        auto skin = LoadProgramSkin("main");
        TbsDataSkinMenuItem& record = MenuItemRecord(*skin);
        record.AnimateSkinRect = TRect(48, 66, 176, 88); // two frames side by side
        record.FrameCount = 2;
        record.AnimateInterval = 30;
        record.InActiveAnimation = backward;
        TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B") });
        menu->SetSkinData(skin.get());
        menu->Popup(100, 100);
        PointAtRow(0, 1);
        EXPECT_EQ(Level(0).MorphTimer().Interval(), 30u);
        Wait(90);
        EXPECT_EQ(Row(0, 1).CurrentFrame, 3) << "past the last frame, where it rests";
        PointAtRow(0, 0);
        if (!backward) {
            EXPECT_EQ(Row(0, 1).CurrentFrame, 0) << "the inactive face at once";
        } else {
            EXPECT_GT(Row(0, 1).CurrentFrame, 0);
            Wait(90);
            EXPECT_EQ(Row(0, 1).CurrentFrame, 0) << "run back a frame every 30 ms";
        }
        Engine().Hide();
    }
}

TEST_F(SkinMenuRows, MorphingRowsMoveAFifthPerStepTowardsTheirState) {
    auto skin = LoadProgramSkin("main");
    MenuItemRecord(*skin).Morphing = true;
    TbsSkinPopupMenu* menu = MakeMenu({ Item("A"), Item("B") });
    menu->SetSkinData(skin.get());
    menu->Popup(100, 100);
    PointAtRow(0, 1);
    Wait(40);
    EXPECT_NEAR(Row(0, 1).MorphKf(), 0.4 + 0.2 * 2, 0.41) << "moving";
    Wait(200);
    EXPECT_DOUBLE_EQ(Row(0, 1).MorphKf(), 1);
    EXPECT_DOUBLE_EQ(Row(0, 0).MorphKf(), 0) << "the row left went back";
    EXPECT_FALSE(Level(0).MorphTimer().Enabled()) << "the timer stops when nothing moves";
    skin->SetEnableSkinEffects(false);
    EXPECT_FALSE(Row(0, 1).EnableMorphing());
}

TEST_F(SkinMenuRows, AnItemThatDrawsItselfDoesSoOnlyOnASkinnedLevel) {
    auto skin = LoadProgramSkin("main");
    TbsSkinPopupMenu* menu = MakeMenu({ Item("Owner drawn"), Item("Plain") });
    int calls = 0;
    TRect given;
    menu->Items().Items(0)->OnDrawItem = [&](TObject* sender, TCanvas& canvas, const TRect& r,
                                             bool selected) {
        ++calls;
        given = r;
        EXPECT_EQ(sender, &Row(0, 0));
        EXPECT_TRUE(selected) << "the first row is highlighted on opening";
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(TRect(r.Left, 2, r.Left + 10, 12));
    };
    menu->Popup(100, 100);
    Shown(0);
    EXPECT_EQ(calls, 0) << "the plain look never asks the item";
    Engine().Hide();

    menu->SetSkinData(skin.get());
    menu->Popup(100, 100);
    const gfx::Surface pixels = Shown(0);
    ASSERT_GT(calls, 0);
    const TRect& row = Row(0, 0).ObjectRect;
    EXPECT_EQ(ColorAt(pixels, row.Left + given.Left + 5, row.Top + 5), ColorToRGB(clRed));
    EXPECT_NE(ColorAt(pixels, row.Left + given.Left + 30, row.Top + 5), ColorToRGB(clRed))
        << "the background face, and nothing else of the menu's own";
}

TEST_F(SkinMenuRows, GlyphPaintersDrawTheirMarksPixelForPixel) {
    struct Case {
        const char* name;
        void (*paint)(TCanvas&, int, int, TColor);
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        { "arrow", DrawMenuArrowImage, { "X...", "XX..", "XXX.", "XXXX", "XXX.", "XX..", "X..." } },
        { "check",
          DrawMenuCheckImage,
          // Each stroke's end point is left out, as a line's always is.
          { "........", "......X.", ".....XX.", "X...XXX.", "XX.XXX..", "XXXXX...", ".XXX....",
            "..X....." } },
        { "radio",
          DrawMenuRadioImage,
          { ".XXXX.", "XXXXXX", "XXXXXX", "XXXXXX", "XXXXXX", ".XXXX." } },
    };
    for (const Case& c : cases) {
        const int w = int(c.rows[0].size()), h = int(c.rows.size());
        TBitmap b;
        b.SetSize(w + 2, h + 2);
        b.Canvas().Brush().SetColor(clWhite);
        b.Canvas().FillRect(TRect(0, 0, w + 2, h + 2));
        c.paint(b.Canvas(), 1, 1, clBlack);
        std::vector<std::string> drawn;
        for (int y = 1; y <= h; ++y) {
            std::string line;
            for (int x = 1; x <= w; ++x)
                line += b.Canvas().Pixels(x, y) == clBlack ? 'X' : '.';
            drawn.push_back(line);
        }
        EXPECT_EQ(drawn, c.rows) << c.name;
    }
}

} // namespace
} // namespace menustest
