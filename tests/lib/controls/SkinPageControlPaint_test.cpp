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
constexpr std::uint32_t kCloseNormal = 0x101010;
constexpr std::uint32_t kCloseActive = 0x202020;
constexpr std::uint32_t kCloseDown = 0x303030;
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
    auto picture = std::make_unique<TBitmap>(140, 80);
    Fill(*picture, TRect(0, 0, 30, 30), kFrame);
    Fill(*picture, TRect(4, 4, 26, 26), kClient);
    Fill(*picture, TRect(40, 0, 70, 20), kTab);
    Fill(*picture, TRect(40, 0, 70, 1), kTabEdge);
    Fill(*picture, TRect(40, 20, 70, 44), kActive);
    Fill(*picture, TRect(70, 0, 100, 20), kHot);
    Fill(*picture, TRect(0, 60, 10, 70), kRowBG);
    Fill(*picture, TRect(100, 0, 110, 10), kCloseNormal);
    Fill(*picture, TRect(110, 0, 120, 10), kCloseActive);
    Fill(*picture, TRect(120, 0, 130, 10), kCloseDown);
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

TEST_F(SkinPageControlPaint, TheTabUnderThePointerIsHotUntilThePointerLeaves) {
    TbsDataSkinTabControl* record = nullptr;
    auto skin = TabSkin(record);
    for (TbsSkinData* look : { static_cast<TbsSkinData*>(nullptr), skin.get() }) {
        SCOPED_TRACE(look ? "record" : "plain");
        TbsSkinPageControl* pages = AddPages(look);
        const TRect other = pages->GetTabRect(2);
        const std::uint32_t hot = look ? kHot : 0xB6BDD2;
        MoveTo(pages, Centre(other));
        EXPECT_EQ(pages->HotTab(), 2);
        EXPECT_EQ(RgbAt(PaintedPixels(*pages), Centre(other).X, Centre(other).Y), hot);
        MoveTo(pages, Centre(pages->GetTabRect(1)));
        EXPECT_EQ(pages->HotTab(), 1) << "the selected tab is hot too";
        EXPECT_NE(RgbAt(PaintedPixels(*pages), Centre(other).X, Centre(other).Y), hot);
        MoveTo(pages, Centre(other));
        MoveTo(FForm, 510, 340);
        EXPECT_EQ(pages->HotTab(), -1) << "left the control";
        EXPECT_NE(RgbAt(PaintedPixels(*pages), Centre(other).X, Centre(other).Y), hot);
        delete pages;
    }
}

// Close buttons under the pointer: the page closed is the one whose button was pressed and
// released, also when OnChanging kept the selection on another page.
class CloseButtons : public SkinPageControlPaint {
protected:
    void SetUp() override {
        SkinPageControlPaint::SetUp();
        FPages = AddPages(nullptr);
        FPages->SetShowCloseButtons(true);
        FPages->OnChanging = [](TObject*, bool& allow) { allow = false; };
        FPages->OnClose = [this](TObject* sender, bool& canClose) {
            FClosing.push_back(FPages->Pages(0) == sender ? 0 : FPages->Pages(1) == sender ? 1 : 2);
            canClose = FAllow;
        };
        PaintedPixels(*FPages); // the buttons take their places
    }
    TPoint Button(int page) {
        auto* sheet = static_cast<TbsSkinTabSheet*>(FPages->Pages(page));
        const TRect tab = FPages->GetTabRect(page);
        return Centre(TRect(tab.Left + sheet->ButtonRect.Left, tab.Top + sheet->ButtonRect.Top,
                            tab.Left + sheet->ButtonRect.Right,
                            tab.Top + sheet->ButtonRect.Bottom));
    }
    void Click(const TPoint& press, const TPoint& release) {
        MoveTo(FPages, press);
        Press();
        MoveTo(FPages, release);
        Release();
    }

    TbsSkinPageControl* FPages{ nullptr };
    std::vector<int> FClosing;
    bool FAllow{ false };
};

TEST_F(CloseButtons, SitAtTheTabsRightEndAndLightUnderThePointer) {
    auto* sheet = static_cast<TbsSkinTabSheet*>(FPages->Pages(2));
    const TRect tab = FPages->GetTabRect(2);
    EXPECT_EQ(sheet->ButtonRect.Width(), 14);
    EXPECT_GT(sheet->ButtonRect.Left, tab.Width() / 2);
    EXPECT_LE(sheet->ButtonRect.Right, tab.Width());
    MoveTo(FPages, Button(2));
    EXPECT_TRUE(sheet->ButtonMouseIn);
    Press();
    EXPECT_TRUE(sheet->ButtonMouseDown);
    MoveTo(FPages, Centre(FPages->GetTabRect(0)));
    EXPECT_FALSE(sheet->ButtonMouseIn) << "another tab is hot";
    EXPECT_FALSE(sheet->ButtonMouseDown);
    Release();
    EXPECT_TRUE(FClosing.empty()) << "released away from the button";
}

TEST_F(CloseButtons, CloseThePageWhoseButtonWasClickedWhenOnCloseAllows) {
    Click(Button(2), Button(2));
    EXPECT_EQ(FClosing, (std::vector<int>{ 2 }));
    EXPECT_TRUE(FPages->Pages(2)->TabVisible()) << "OnClose refused";
    FAllow = true;
    Click(Button(2), Button(2));
    EXPECT_EQ(FClosing, (std::vector<int>{ 2, 2 }));
    EXPECT_FALSE(FPages->Pages(2)->TabVisible());
    EXPECT_EQ(FPages->ActivePageIndex(), 1) << "OnChanging kept the selection";
}

TEST_F(CloseButtons, ReleasingOnAButtonPressedElsewhereClosesNothing) {
    FAllow = true;
    const TRect tab = FPages->GetTabRect(2);
    Click(TPoint(tab.Left + 4, Centre(tab).Y), Button(2));
    EXPECT_TRUE(FClosing.empty());
    EXPECT_TRUE(FPages->Pages(2)->TabVisible());
}

TEST_F(CloseButtons, WorkOnSideTabsTurnedWithTheirTab) {
    for (TTabPosition position : { tpLeft, tpRight }) {
        SCOPED_TRACE(int(position));
        FPages->SetTabPosition(position);
        FPages->Pages(2)->SetTabVisible(true);
        PaintedPixels(*FPages);
        FAllow = true;
        Click(Button(2), Button(2));
        EXPECT_FALSE(FPages->Pages(2)->TabVisible());
    }
}

TEST_F(CloseButtons, ShowTheRecordsPicturePerState) {
    TbsDataSkinTabControl* record = nullptr;
    auto skin = TabSkin(record);
    record->CloseButtonRect = TRect(100, 0, 110, 10);
    record->CloseButtonActiveRect = TRect(110, 0, 120, 10);
    record->CloseButtonDownRect = TRect(120, 0, 130, 10);
    FPages->SetSkinData(skin.get());
    PaintedPixels(*FPages);
    const TPoint button = Button(2);
    EXPECT_EQ(RgbAt(PaintedPixels(*FPages), button.X, button.Y), kCloseNormal);
    MoveTo(FPages, button);
    EXPECT_EQ(RgbAt(PaintedPixels(*FPages), button.X, button.Y), kCloseActive);
    Press();
    EXPECT_EQ(RgbAt(PaintedPixels(*FPages), button.X, button.Y), kCloseDown);
    Release();
    FPages->SetSkinData(nullptr);
}

} // namespace
