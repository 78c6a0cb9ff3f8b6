// The skinned list box's looks taken from its record: the skin bars named by the record for
// the vertical, horizontal and combined bar, and the caption buttons' pictures at rest, under
// the pointer and pressed, placed after the face's right guide point as the control grows.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/gfx/TBitmap.h"
#include "platform/win/headless/HeadlessBackend.h"

#include <memory>
#include <string>

namespace {

// Solid blocks, one per bar record, each 100 x 40 in a picture of its own.
constexpr std::uint32_t kVertical = 0x00C000;
constexpr std::uint32_t kHorizontal = 0xC00000;
constexpr std::uint32_t kBoth = 0x0000C0;

class SkinListBoxLooks : public SkinnedFormTest {
protected:
    void SetUp() override {
        SkinnedFormTest::SetUp();
        auto blocks = std::make_unique<TBitmap>(300, 40);
        const std::uint32_t colours[] = { kVertical, kHorizontal, kBoth };
        for (int i = 0; i < 3; ++i) {
            const std::uint32_t c = colours[i];
            blocks->Canvas().Brush().SetColor(
                TColor((c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF)));
            blocks->Canvas().FillRect(TRect(i * 100, 0, i * 100 + 100, 40));
        }
        const int picture = AddPicture(*FSkin, std::move(blocks));
        BarRecord("lbvbar", picture, 0, true);
        BarRecord("lbhbar", picture, 100, false);
        BarRecord("lbbothbar", picture, 200, false);
        // The list's own face: 100 x 40 of the numbered picture, caption strip above the guide
        // points' line at 22, client below it; the buttons right of the right guide point.
        TFaceGeometry face{ TRect(0, 0, 100, 40), TPoint(10, 22), TPoint(30, 22),
                            TPoint(10, 30),       TPoint(30, 30), TRect(4, 22, 96, 36) };
        FRecord = &AddFaceRecord<TbsDataSkinListBox>(*FSkin, "listbox", 0, face);
        FRecord->VScrollBarName = "lbvbar";
        FRecord->HScrollBarName = "lbhbar";
        FRecord->BothScrollBarName = "lbbothbar";
        FRecord->SItemRect = TRect(0, 40, 100, 60);
        FRecord->CaptionRect = TRect(4, 2, 46, 18);
        FRecord->UpButtonRect = TRect(80, 3, 94, 17);
        FRecord->DownButtonRect = TRect(64, 3, 78, 17);
        FRecord->CheckButtonRect = TRect(48, 3, 62, 17);
        FRecord->ActiveUpButtonRect = TRect(100, 0, 114, 14);
        FRecord->ActiveDownButtonRect = TRect(120, 0, 134, 14);
        FRecord->ActiveCheckButtonRect = TRect(140, 0, 154, 14);
        FRecord->DownUpButtonRect = TRect(100, 20, 114, 34);
        FRecord->DownDownButtonRect = TRect(120, 20, 134, 34);
        FRecord->DownCheckButtonRect = TRect(140, 20, 154, 34);
    }
    // A bar record shaped as the program's (arrows, track, stretched thumb), every part of it
    // inside the block at x `left`.
    void BarRecord(const std::string& name, int picture, int left, bool vertical) {
        const TRect face = vertical ? TRect(left, 0, left + 17, 40) : TRect(left, 0, left + 40, 17);
        auto& r = AddFaceRecord<TbsDataSkinScrollBarControl>(*FSkin, name, picture,
                                                             NineSliceFace(face, 4));
        const auto part = [&](int x, int y, int w, int h) {
            return TRect(left + x, y, left + x + w, y + h);
        };
        r.TrackArea = vertical ? TRect(0, 10, 17, 30) : TRect(10, 0, 30, 17);
        r.UpButtonRect = vertical ? TRect(0, 30, 17, 40) : TRect(30, 0, 40, 17);
        r.DownButtonRect = vertical ? TRect(0, 0, 17, 10) : TRect(0, 0, 10, 17);
        r.ActiveUpButtonRect = r.DownUpButtonRect = part(50, 0, 17, 17);
        r.ActiveDownButtonRect = r.DownDownButtonRect = part(70, 0, 17, 17);
        r.ThumbRect = r.ActiveThumbRect = r.DownThumbRect = part(50, 20, 17, 17);
        r.ThumbStretchEffect = true;
        r.ThumbMinSize = 8;
    }
    TbsSkinListBox* List(int items, const std::string& text) {
        auto* list = new TbsSkinListBox(FForm);
        list->SetParent(FForm);
        list->SetSkinData(FSkin.get());
        list->SetBounds(10, 10, 160, 120);
        for (int i = 0; i < items; ++i)
            list->Items().Add(text + std::to_string(i));
        list->UpDateScrollBar();
        Pump();
        return list;
    }
    static std::uint32_t Middle(TbsSkinScrollBar& bar) {
        return RgbAt(PaintedPixels(bar), bar.Width() / 2, bar.Height() / 2);
    }
    void PointAt(TControl* control, const TPoint& p) {
        const TPoint screen = control->ClientToScreen(p);
        FDisplay->MoveMouse(screen.X, screen.Y);
        Pump();
    }

    TbsDataSkinListBox* FRecord{ nullptr };
};

TEST_F(SkinListBoxLooks, BarsTakeTheRecordsNamesAndTheCombinedOneWhileBothShow) {
    struct Case {
        const char* name;
        int items;
        int columns;
        bool extent;
        const char* vertical;   // the vertical (or multi-column) bar's record, "" when none
        const char* horizontal; // the horizontal-extent bar's record, "" when none
        bool both;
        std::uint32_t verticalLook, horizontalLook;
    };
    const std::string wide = "A row far wider than the list can show at once ";
    const Case cases[] = {
        { "rows overflow", 20, 0, false, "lbvbar", "", false, kVertical, 0 },
        { "wide rows", 2, 0, true, "", "lbhbar", false, 0, kHorizontal },
        { "both", 20, 0, true, "lbvbar", "lbbothbar", true, kVertical, kBoth },
        { "columns", 40, 2, false, "lbhbar", "", false, kHorizontal, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinListBox* list = List(c.items, wide);
        list->SetColumns(c.columns);
        list->SetHorizontalExtent(c.extent);
        Pump();
        ASSERT_EQ(list->ScrollBar != nullptr, *c.vertical != 0);
        ASSERT_EQ(list->HScrollBar != nullptr, *c.horizontal != 0);
        if (list->ScrollBar) {
            EXPECT_EQ(list->ScrollBar->SkinDataName(), c.vertical);
            EXPECT_EQ(Middle(*list->ScrollBar), c.verticalLook);
        }
        if (list->HScrollBar) {
            EXPECT_EQ(list->HScrollBar->SkinDataName(), c.horizontal);
            EXPECT_EQ(list->HScrollBar->Both(), c.both);
            EXPECT_EQ(Middle(*list->HScrollBar), c.horizontalLook);
        }
        delete list;
    }
}

TEST_F(SkinListBoxLooks, CaptionButtonsShowTheirPictureAtRestUnderThePointerAndPressed) {
    TbsSkinListBox* list = List(10, "item ");
    list->SetCaptionMode(true);
    list->SetItemIndex(5);
    list->Repaint();
    Pump();
    // 60 pixels wider than the face: every button moves right by 60.
    EXPECT_EQ(list->Buttons[0].R, TRect(140, 3, 154, 17));
    EXPECT_EQ(list->Buttons[1].R, TRect(124, 3, 138, 17));
    EXPECT_EQ(list->Buttons[2].R, TRect(108, 3, 122, 17));
    struct Case {
        int button;
        TRect rest; // relative to the face
        TRect hot, pressed;
    };
    const Case cases[] = {
        { 0, FRecord->UpButtonRect, FRecord->ActiveUpButtonRect, FRecord->DownUpButtonRect },
        { 1, FRecord->DownButtonRect, FRecord->ActiveDownButtonRect, FRecord->DownDownButtonRect },
        { 2, FRecord->CheckButtonRect, FRecord->ActiveCheckButtonRect,
          FRecord->DownCheckButtonRect },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const TRect r = list->Buttons[c.button].R;
        const auto shown = [&] { return RgbAt(PaintedPixels(*list), r.Left + 2, r.Top + 3); };
        PointAt(FForm, TPoint(400, 300));
        EXPECT_EQ(shown(), PictureAt(c.rest.Left + 2, c.rest.Top + 3));
        PointAt(list, TPoint(r.Left + 5, r.Top + 5));
        EXPECT_EQ(shown(), PictureAt(c.hot.Left + 2, c.hot.Top + 3));
        FDisplay->PressButton();
        Pump();
        EXPECT_EQ(shown(), PictureAt(c.pressed.Left + 2, c.pressed.Top + 3));
        // Released away from the button: no step, the picture at rest again.
        PointAt(FForm, TPoint(400, 300));
        FDisplay->ReleaseButton();
        Pump();
        EXPECT_EQ(shown(), PictureAt(c.rest.Left + 2, c.rest.Top + 3));
    }
    EXPECT_EQ(list->ItemIndex(), 5);

    // Without the buttons the caption takes the whole strip and no button is drawn.
    list->SetShowCaptionButtons(false);
    list->Repaint();
    for (const TbsCBButtonX& b : list->Buttons)
        EXPECT_TRUE(b.R.IsEmpty());
}

} // namespace
