// The skinned page control's own look: the plain frame and tab fills, the record's state
// pictures with the selected tab joining the page through the frame, bottom tabs flipped, side
// tabs turned, the font from the record, and the room every tab reserves for an image and a
// close button.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinPageControl.h"
#include "lib/controls/TbsSkinTabSheet.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/TImageList.h"
#include "platform/gfx/TBitmap.h"

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kFrame = 0x008080;
constexpr std::uint32_t kClient = 0x00C000;
constexpr std::uint32_t kTab = 0xC0C000;
constexpr std::uint32_t kTabEdge = 0x4040FF;
constexpr std::uint32_t kActive = 0xC00000;
constexpr std::uint32_t kHot = 0xFF8000;
constexpr std::uint32_t kRowBG = 0x606060;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;

TColor ColorOf(std::uint32_t rgb) {
    return TColor((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
}

void Fill(TBitmap& picture, const TRect& r, std::uint32_t rgb) {
    picture.Canvas().Brush().SetColor(ColorOf(rgb));
    picture.Canvas().FillRect(r);
}

// One picture holding the frame face (30 x 30, a 4-pixel frame around its client), the tab
// faces (normal with a marked top row, selected 4 pixels taller, hot) and the row background.
std::unique_ptr<TbsSkinData> TabSkin(TbsDataSkinTabControl*& record) {
    auto skin = MakeTestSkin();
    auto picture = std::make_unique<TBitmap>(120, 80);
    Fill(*picture, TRect(0, 0, 30, 30), kFrame);
    Fill(*picture, TRect(4, 4, 26, 26), kClient);
    Fill(*picture, TRect(40, 0, 70, 20), kTab);
    Fill(*picture, TRect(40, 0, 70, 1), kTabEdge);
    Fill(*picture, TRect(40, 20, 70, 44), kActive);
    Fill(*picture, TRect(70, 0, 100, 20), kHot);
    Fill(*picture, TRect(0, 60, 10, 70), kRowBG);
    const int index = AddPicture(*skin, std::move(picture));
    record = &AddFaceRecord<TbsDataSkinTabControl>(*skin, "tab", index,
                                                   NineSliceFace(TRect(0, 0, 30, 30), 4));
    record->TabRect = TRect(40, 0, 70, 20);
    record->ActiveTabRect = TRect(40, 20, 70, 44);
    record->MouseInTabRect = TRect(70, 0, 100, 20);
    record->TabsBGRect = TRect(0, 60, 10, 70);
    record->TabLeftOffset = 3;
    record->TabRightOffset = 3;
    record->FontName = "Courier New";
    record->FontHeight = 17;
    record->FontColor = ColorOf(0x123456);
    return skin;
}

TPoint Centre(const TRect& r) {
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

class SkinPageControlPaint : public PointerTest {
protected:
    void SetUp() override {
        PointerTest::SetUp();
        FForm->SetBounds(40, 30, 520, 360);
    }
    // Three pages with empty captions in fixed-width tabs, the second one selected.
    TbsSkinPageControl* AddPages(TbsSkinData* skin, TTabPosition position = tpTop) {
        auto* pages = Add<TbsSkinPageControl>(10, 10, 300, 200);
        pages->SetTabWidth(60);
        pages->SetTabPosition(position);
        for (int i = 0; i < 3; ++i)
            (new TbsSkinTabSheet(FForm))->SetPageControl(pages);
        pages->SetSkinData(skin);
        pages->SetActivePageIndex(1);
        Pump();
        return pages;
    }
};

TEST_F(SkinPageControlPaint, PlainLookFramesThePageAndFillsTheTabsByState) {
    TbsSkinPageControl* pages = AddPages(nullptr);
    const TRect page = pages->DisplayRect();
    auto painted = PaintedPixels(*pages);
    const int middle = (page.Top + page.Bottom) / 2;
    EXPECT_EQ(RgbAt(painted, page.Left - 1, middle), RgbOf(clBtnShadow)) << "frame, left";
    EXPECT_EQ(RgbAt(painted, page.Right, middle), RgbOf(clBtnShadow)) << "frame, right";
    EXPECT_EQ(RgbAt(painted, page.Left - 1, page.Bottom), RgbOf(clBtnShadow)) << "corner";
    const TRect selected = pages->GetTabRect(1);
    const TRect other = pages->GetTabRect(0);
    EXPECT_EQ(RgbAt(painted, selected.Left, selected.Top), RgbOf(clNavy));
    EXPECT_EQ(RgbAt(painted, Centre(selected).X, Centre(selected).Y), 0xB6BDD2u);
    EXPECT_EQ(RgbAt(painted, Centre(other).X, Centre(other).Y), PlainFace());

    pages->HideBorderAndTabs();
    painted = PaintedPixels(*pages);
    const TRect hidden = pages->DisplayRect();
    EXPECT_EQ(RgbAt(painted, 150, hidden.Top > 0 ? hidden.Top - 1 : 199), PlainFace())
        << "no frame once hidden";
}

// The selected tab is the taller picture and crosses the frame's top strip; the others are the
// normal picture over the row background, the frame running under them.
TEST_F(SkinPageControlPaint, RecordDrawsStatePicturesAndJoinsTheSelectedTabToThePage) {
    TbsDataSkinTabControl* record = nullptr;
    auto skin = TabSkin(record);
    TbsSkinPageControl* pages = AddPages(skin.get());
    const auto painted = PaintedPixels(*pages);
    const TRect selected = pages->GetTabRect(1);
    const TRect other = pages->GetTabRect(2);
    const int frameTop = pages->DisplayRect().Top - 4;
    EXPECT_EQ(RgbAt(painted, Centre(other).X, Centre(other).Y), kTab);
    EXPECT_EQ(RgbAt(painted, Centre(other).X, other.Top), kTabEdge) << "top row stays on top";
    EXPECT_EQ(RgbAt(painted, Centre(selected).X, Centre(selected).Y), kActive);
    EXPECT_EQ(RgbAt(painted, Centre(other).X, frameTop + 1), kFrame);
    EXPECT_EQ(RgbAt(painted, Centre(selected).X, frameTop + 1), kActive)
        << "no frame line where the selected tab meets the page";
    EXPECT_EQ(RgbAt(painted, 299, 1), kRowBG) << "the row's background right of the tabs";
}

TEST_F(SkinPageControlPaint, BottomTabsAreTheRecordsPictureUpsideDown) {
    TbsDataSkinTabControl* record = nullptr;
    auto skin = TabSkin(record);
    TbsSkinPageControl* pages = AddPages(skin.get(), tpBottom);
    const auto painted = PaintedPixels(*pages);
    const TRect other = pages->GetTabRect(2);
    EXPECT_EQ(RgbAt(painted, Centre(other).X, other.Bottom - 1), kTabEdge);
    EXPECT_EQ(RgbAt(painted, Centre(other).X, other.Top), kTab);
}

// OnDrawSkinTab paints the tab picture blue with a red first pixel: where that pixel lands
// shows how the picture was turned.
TEST_F(SkinPageControlPaint, SideTabsTurnTheirContentUnlessTextStaysHorizontal) {
    struct Case {
        TTabPosition position;
        bool horizontal;
        bool lying; // the picture handed to the event lies along a top row
        TPoint (*corner)(const TRect& tab);
    };
    const Case cases[] = {
        { tpTop, false, true, [](const TRect& r) { return TPoint(r.Left, r.Top); } },
        { tpBottom, false, true, [](const TRect& r) { return TPoint(r.Left, r.Top); } },
        { tpLeft, false, true, [](const TRect& r) { return TPoint(r.Left, r.Bottom - 1); } },
        { tpRight, false, true, [](const TRect& r) { return TPoint(r.Right - 1, r.Top); } },
        { tpLeft, true, false, [](const TRect& r) { return TPoint(r.Left, r.Top); } },
        { tpRight, true, false, [](const TRect& r) { return TPoint(r.Left, r.Top); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.position)) + (c.horizontal ? " horizontal" : ""));
        TbsSkinPageControl* pages = AddPages(nullptr, c.position);
        pages->SetTextInHorizontal(c.horizontal);
        std::vector<int> drawn;
        TRect given;
        pages->OnDrawSkinTab = [&](int tabIndex, const TRect& rct, bool, bool, TCanvas& canvas) {
            drawn.push_back(tabIndex);
            if (tabIndex == 2) given = rct;
            canvas.Brush().SetColor(ColorOf(kBlue));
            canvas.FillRect(rct);
            canvas.SetPixels(0, 0, ColorOf(kRed));
        };
        const auto painted = PaintedPixels(*pages);
        const TRect tab = pages->GetTabRect(2);
        EXPECT_EQ(drawn, (std::vector<int>{ 0, 1, 2 }));
        const bool side = c.position == tpLeft || c.position == tpRight;
        const TSize expected =
            side && c.lying ? TSize(tab.Height(), tab.Width()) : TSize(tab.Width(), tab.Height());
        EXPECT_EQ(given.Width(), expected.cx);
        EXPECT_EQ(given.Height(), expected.cy);
        const TPoint corner = c.corner(tab);
        EXPECT_EQ(RgbAt(painted, corner.X, corner.Y), kRed);
        EXPECT_EQ(RgbAt(painted, Centre(tab).X, Centre(tab).Y), kBlue);
        delete pages;
    }
}

TEST_F(SkinPageControlPaint, TakesTheFontFromTheRecordOrTheDefaultFont) {
    TbsDataSkinTabControl* record = nullptr;
    auto skin = TabSkin(record);
    TbsSkinPageControl* pages = AddPages(nullptr);
    pages->DefaultFont().SetName("DejaVu Sans");
    pages->DefaultFont().SetHeight(12);
    struct Case {
        TbsSkinData* skin;
        bool useSkinFont;
        const char* name;
        int height;
        std::uint32_t colour;
    };
    const Case cases[] = {
        { skin.get(), true, "Courier New", 17, 0x123456 },
        { skin.get(), false, "DejaVu Sans", 12, 0x123456 },
        { nullptr, true, "DejaVu Sans", 12, RgbOf(clBtnText) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + std::string(c.skin ? " with record" : " plain"));
        pages->SetUseSkinFont(c.useSkinFont);
        pages->SetSkinData(c.skin);
        pages->ChangeSkinData();
        EXPECT_EQ(pages->Font().Name(), c.name);
        EXPECT_EQ(pages->Font().Height(), c.height);
        EXPECT_EQ(RgbOf(pages->Font().Color()), c.colour);
    }
    pages->SetSkinData(skin.get());
    EXPECT_EQ(pages->GetTabRect(0).Height(), 20) << "tab height from the record's tab picture";
}

TEST_F(SkinPageControlPaint, EveryTabReservesRoomForAnImageAndACloseButton) {
    TbsSkinPageControl* pages = AddPages(nullptr);
    pages->SetTabWidth(0);
    pages->Pages(0)->SetCaption("Page");
    const int bare = pages->GetTabRect(1).Width();
    auto* images = new TCustomImageList(FForm);
    images->SetSize(16, 16);
    pages->SetImages(images);
    EXPECT_EQ(pages->GetTabRect(1).Width(), bare + 16);
    pages->SetShowCloseButtons(true);
    EXPECT_EQ(pages->GetTabRect(1).Width(), bare + 16 + 14);
    delete images;
    EXPECT_EQ(pages->Images(), nullptr);
    EXPECT_EQ(pages->GetTabRect(1).Width(), bare + 14) << "a freed list gives its room back";

    TbsDataSkinTabControl* record = nullptr;
    auto skin = TabSkin(record);
    record->CloseButtonRect = TRect(100, 0, 110, 10);
    pages->SetSkinData(skin.get());
    EXPECT_EQ(pages->GetTabRect(1).Width(), bare + 10) << "the record's close picture's width";
    pages->SetSkinData(nullptr);
}

} // namespace
