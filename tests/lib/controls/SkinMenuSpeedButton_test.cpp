// The menu speed button: where a press opens its menus, the button held down while a menu shows
// and raised when the menu reports that it closed, both menus opened by one press, the images
// menu's selection shown on the button, the new style and the looks of the drop-down part.
#include "ButtonFixture.h"
#include "tests/lib/menus/MenuFixture.h"

#include "lib/controls/TbsSkinMenuSpeedButton.h"
#include "lib/menus/IbsImagesMenu.h"
#include "lib/menus/TbsSkinPopupMenu.h"
#include "lib/skindata/bsSkinMessages.h"
#include "platform/forms/TImageList.h"

#include <optional>

namespace {

using namespace buttonfaces;

// An images menu as far as the button sees one: it notes its popups and closes or chooses
// when the test says.
class TFakeImagesMenu : public TComponent, public IbsImagesMenu {
public:
    TFakeImagesMenu(TComponent* owner, std::vector<std::string>& log)
        : TComponent(owner), FLog(log) {}

    void PopupFromRect(const TRect& r) override {
        FLog.push_back("images menu");
        FShownAt = r;
    }
    std::optional<TSelection> SelectedItem() const override {
        if (FItemIndex < 0) return std::nullopt;
        return TSelection{ "Item", FItemIndex };
    }
    TCustomImageList* Images() const override { return FImages; }
    void SetInternalMenuClose(std::function<void()> handler) override {
        FOnClose = std::move(handler);
    }
    void SetInternalChange(std::function<void()> handler) override {
        FOnChange = std::move(handler);
    }

    // The grid closes after the user chose item `index` (or closed it, for -1).
    void Close(int index = -1) {
        const int old = FItemIndex;
        if (index >= 0) FItemIndex = index;
        if (FOnClose) FOnClose();
        if (index >= 0 && index != old && FOnChange) FOnChange();
    }

    // The user moved the selection to item `index`.
    void Select(int index) {
        FItemIndex = index;
        if (FOnChange) FOnChange();
    }

    TRect FShownAt;
    int FItemIndex{ -1 };
    TCustomImageList* FImages{ nullptr };

private:
    std::vector<std::string>& FLog;
    std::function<void()> FOnClose;
    std::function<void()> FOnChange;
};

class SkinMenuSpeedButton : public ButtonTest {
protected:
    void SetUp() override {
        ButtonTest::SetUp();
        FHost = new menustest::TFakeMenuHost(FForm);
        FMenu = new TbsSkinPopupMenu(FForm);
        for (const char* caption : { "One", "Two" }) {
            auto* item = new TMenuItem(FMenu);
            item->SetCaption(caption);
            FMenu->Items().Add(item);
        }
        FMenu->OnPopup = [this](TObject*) { FLog.push_back("popup menu"); };
    }
    TbsSkinMenuSpeedButton* AddButton(int width = 60, int height = 25) {
        auto* button = Add<TbsSkinMenuSpeedButton>(10, 10, width, height);
        button->OnShowTrackMenu = [this](TObject*) { FLog.push_back("show"); };
        button->OnHideTrackMenu = [this](TObject*) { FLog.push_back("hide"); };
        button->OnClick = [this](TObject*) { FLog.push_back("click"); };
        return button;
    }

    menustest::TFakeMenuHost* FHost{ nullptr };
    TbsSkinPopupMenu* FMenu{ nullptr };
    std::vector<std::string> FLog;
};

TEST_F(SkinMenuSpeedButton, PressesOpenTheMenusWhereTheModeAndRecordSay) {
    // A record whose faces carry their own marker: the drop-down part is 20,0,30,26 of a 30 x
    // 26 face that grows in width only.
    TFaceGeometry face;
    face.SkinRect = TRect(0, 40, 30, 66);
    face.RT = TPoint(25, 4);
    face.ClRect = TRect(2, 2, 20, 24);
    AddFaceRecord<TbsDataSkinMenuButtonControl>(*FSkin, "toolmenubutton", 0, face).TrackButtonRect =
        TRect(20, 0, 30, 26);
    std::vector<std::string> unused;
    auto* images = new TFakeImagesMenu(FForm, unused);

    struct Case {
        const char* label;
        bool popup, images, trackMode, skinned;
        int width;
        TPoint at;
        bool opens;
    };
    const Case cases[] = {
        { "no menu", false, false, false, false, 60, { 5, 5 }, false },
        { "no menu, on the strip", false, false, true, false, 60, { 50, 5 }, false },
        { "whole button", true, false, false, false, 60, { 5, 5 }, true },
        { "strip, inside", true, false, true, false, 60, { 50, 10 }, true },
        { "strip, left edge", true, false, true, false, 60, { 45, 10 }, true },
        { "strip, right edge", false, true, true, false, 60, { 60, 24 }, true },
        { "left of the strip", true, false, true, false, 60, { 44, 10 }, false },
        { "record part moved with the face", false, true, true, true, 40, { 30, 0 }, true },
        { "record part, far corner", false, true, true, true, 40, { 40, 26 }, true },
        { "record part where the face had it", false, true, true, true, 40, { 25, 5 }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        auto* button = Add<TbsSkinMenuSpeedButton>(10, 10, c.width, 26);
        if (c.skinned) button->SetSkinData(FSkin.get());
        button->SetSkinPopupMenu(c.popup ? FMenu : nullptr);
        button->SetSkinImagesMenu(c.images ? images : nullptr);
        button->SetTrackButtonMode(c.trackMode);
        EXPECT_EQ(button->Width(), c.width);
        EXPECT_EQ(button->HitsDropDown(c.at.X, c.at.Y), c.opens);
        delete button;
    }
}

TEST_F(SkinMenuSpeedButton, ButtonStaysDownWhileItsMenuShowsAndNeverClicks) {
    auto* button = AddButton();
    button->SetSkinPopupMenu(FMenu);
    PointAt(button);
    PressLeft();
    EXPECT_EQ(FLog, (std::vector<std::string>{ "show", "popup menu" }));
    EXPECT_TRUE(FHost->SkinMenu().Visible());
    ASSERT_FALSE(FHost->SkinMenu().PopupList().empty());
    // The menu opens below the button.
    const TPoint origin = button->ClientOrigin();
    EXPECT_GE(FHost->SkinMenu().PopupList()[0]->Top(), origin.Y + button->Height());
    EXPECT_TRUE(button->MenuTracked());
    ReleaseLeft();
    EXPECT_TRUE(button->Down());

    FLog.clear();
    FHost->SkinMenu().Hide();
    Pump();
    EXPECT_EQ(FLog, std::vector<std::string>{ "hide" });
    EXPECT_FALSE(button->Down());
    EXPECT_FALSE(button->MouseIn());
    EXPECT_FALSE(button->MenuTracked());
    // Nothing of the press is left holding the pointer: the next press is an ordinary one.
    button->SetSkinPopupMenu(nullptr);
    ClickAt(button, 10, 10);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "hide", "click" }));
}

TEST_F(SkinMenuSpeedButton, InTrackButtonModeTheRestOfTheButtonClicks) {
    auto* button = AddButton();
    button->SetSkinPopupMenu(FMenu);
    button->SetTrackButtonMode(true);
    ClickAt(button, 10, 10);
    EXPECT_EQ(FLog, std::vector<std::string>{ "click" });
    FLog.clear();
    ClickAt(button, 52, 10);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "show", "popup menu" }));
    // The closing message alone raises the button.
    button->Perform(win::WM_SKINMENUCLOSED, 0, 0);
    EXPECT_FALSE(button->Down());
}

TEST_F(SkinMenuSpeedButton, OnePressOpensBothMenusPopupMenuFirst) {
    auto* images = new TFakeImagesMenu(FForm, FLog);
    auto* button = AddButton();
    button->SetSkinPopupMenu(FMenu);
    button->SetSkinImagesMenu(images);
    ClickAt(button, 10, 10);
    EXPECT_EQ(FLog, (std::vector<std::string>{ "show", "popup menu", "show", "images menu" }));
    const TPoint origin = button->ClientOrigin();
    EXPECT_EQ(images->FShownAt, TRect(origin.X, origin.Y, origin.X + 60, origin.Y + 25));
    FLog.clear();
    images->Close();
    EXPECT_EQ(FLog, std::vector<std::string>{ "hide" });
    EXPECT_FALSE(button->Down());
}

TEST_F(SkinMenuSpeedButton, ShowsTheImageTheImagesMenuHasSelected) {
    auto* list = new TImageList(FForm);
    list->SetSize(16, 16);
    TBitmap strip(32, 16);
    strip.Canvas().Brush().SetColor(clRed);
    strip.Canvas().FillRect(TRect(0, 0, 16, 16));
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(TRect(16, 0, 32, 16));
    list->Add(strip, nullptr);
    auto* images = new TFakeImagesMenu(FForm, FLog);
    images->FImages = list;
    images->FItemIndex = 0;
    auto* button = AddButton(40, 25);
    button->SetSkinImagesMenu(images);
    button->SetUseImagesMenuImage(true);
    // The plain look: the image centred left of the 15-pixel strip.
    const auto shownColour = [&] {
        Pump();
        const TPoint p = button->ClientToScreen(TPoint(12, 12));
        return RgbAt(FDisplay->ComposeScreen(), p.X, p.Y);
    };
    button->Repaint();
    EXPECT_EQ(shownColour(), 0xFF0000u);
    // A new selection shows at once, also while the grid is still open.
    images->Select(1);
    EXPECT_EQ(shownColour(), 0x0000FFu);
}

TEST_F(SkinMenuSpeedButton, NewStyleNamesItsRecordOnce) {
    auto* button = AddButton();
    EXPECT_EQ(button->SkinDataName(), "toolmenubutton");
    button->SetNewStyle(true);
    EXPECT_EQ(button->SkinDataName(), "resizetoolbutton");
    button->SetNewStyle(false);
    EXPECT_EQ(button->SkinDataName(), "resizetoolbutton");
}

TEST_F(SkinMenuSpeedButton, TrackedDropDownPartShowsThePressedFace) {
    // The faces of the record carry their own marker in their right 10 pixels.
    AddButtonRecord<TbsDataSkinMenuButtonControl>("toolmenubutton").TrackButtonRect =
        TRect(30, 0, 40, 20);
    auto* button = AddButton(40, 20);
    button->SetSkinData(FSkin.get());
    button->SetSkinPopupMenu(FMenu);
    button->SetTrackButtonMode(true);
    PointAt(button, 35, 10);
    PressLeft();
    ASSERT_TRUE(button->MenuTracked());
    EXPECT_EQ(ShownFace(*button, 2, 2), "hot");
    EXPECT_EQ(ShownFace(*button, 33, 2), "pressed");
    ReleaseLeft();
}

TEST_F(SkinMenuSpeedButton, NewStyleDrawsTheMainAndTrackRecordsOfTheSkin) {
    // Both records grow both ways (edges of 4), so each part keeps its face's corners.
    const TFaceGeometry mainFace = NineSliceFace(kNormal, 4);
    auto& main = AddFaceRecord<TbsDataSkinButtonControl>(*FSkin, "resizetoolbutton", 0, mainFace);
    FillButtonRecord(main);
    const TRect trackNormal(0, 40, 20, 60), trackHot(20, 40, 40, 60), trackDown(40, 40, 60, 60);
    std::vector<std::string> unused;
    auto* images = new TFakeImagesMenu(FForm, unused);
    const auto cornerOf = [&](const TRect& face) { return PictureAt(face.Left + 1, face.Top + 1); };

    for (bool trackRecordIsAButton : { true, false }) {
        SCOPED_TRACE(trackRecordIsAButton ? "track record" : "track record of another kind");
        if (trackRecordIsAButton) {
            auto& track = AddFaceRecord<TbsDataSkinButtonControl>(*FSkin, "vtracktoolbutton", 0,
                                                                  NineSliceFace(trackNormal, 4));
            track.ActiveSkinRect = trackHot;
            track.DownSkinRect = trackDown;
        } else {
            FSkin->CtrlList.back() = std::make_unique<TbsDataSkinCustomControl>("vtracktoolbutton");
        }
        auto* button = AddButton(60, 20);
        button->SetNewStyle(true);
        button->SetSkinData(FSkin.get());
        button->SetSkinImagesMenu(images);
        button->SetTrackButtonMode(true);
        const auto at = [&](int x, int y) { return RgbAt(PaintedPixels(*button), x, y); };
        EXPECT_EQ(at(1, 1), cornerOf(kNormal)) << "at rest, the main face over all";
        PointAt(button, 10, 10);
        EXPECT_EQ(at(1, 1), cornerOf(kHot));
        EXPECT_EQ(at(46, 1), cornerOf(trackRecordIsAButton ? trackHot : kHot));
        PointAt(button, 50, 10);
        PressLeft();
        ASSERT_TRUE(button->MenuTracked());
        EXPECT_EQ(at(1, 1), cornerOf(kHot)) << "the main part stays up while the menu shows";
        EXPECT_EQ(at(46, 1), cornerOf(trackRecordIsAButton ? trackDown : kPressed));
        ReleaseLeft();
        images->Close();
        delete button;
        PointAway();
    }
}

TEST_F(SkinMenuSpeedButton, FlatButtonAtRestShowsOnlyItsContentAndMarker) {
    auto* button = AddButton(40, 25);
    button->SetFlat(true);
    button->SetCaption("");
    const std::uint32_t parent = 0x123456;
    const gfx::Surface pixels = PaintedPixels(*button, parent);
    EXPECT_EQ(RgbAt(pixels, 2, 2), parent);
    // The triangle in the strip (25 to 40): five pixels wide in its middle row.
    const TColor text = ColorToRGB(clBtnText);
    const std::uint32_t textRgb =
        std::uint32_t(text & 0xFF) << 16 | (text & 0xFF00) | (text >> 16 & 0xFF);
    int marked = 0;
    for (std::uint32_t c : ColoursIn(pixels, TRect(25, 0, 40, 25)))
        marked += c == textRgb;
    EXPECT_EQ(marked, 9);
    for (std::uint32_t c : ColoursIn(pixels, TRect(0, 0, 25, 25)))
        EXPECT_EQ(c, parent);
}

} // namespace
