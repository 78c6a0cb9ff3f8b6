// The skinned page control's geometry: the page area it reports for each tab position with and
// without a record, the centred row of fixed-width tabs with the pointer following it, hidden
// tabs, and the wheel stepping through the pages without wrapping.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsSkinPageControl.h"
#include "lib/controls/TbsSkinUpDown.h"
#include "lib/skindata/bsSkinTabViewRecords.h"
#include "platform/forms/CommCtrl.h"
#include "platform/forms/TImageList.h"
#include "platform/forms/TTabSheet.h"
#include "platform/win/Win.h"

#include <string>
#include <vector>

using namespace win;

namespace {

class SkinPageControl : public PointerTest {
protected:
    void SetUp() override {
        PointerTest::SetUp();
        FForm->SetBounds(40, 30, 520, 360);
    }
    template <class T>
    T* AddPages(int pages, int width = 300) {
        auto* control = Add<T>(10, 10, width, 200);
        for (int i = 0; i < pages; ++i) {
            auto* sheet = new TTabSheet(FForm);
            sheet->SetCaption("Page " + std::to_string(i));
            sheet->SetPageControl(control);
        }
        Pump();
        return control;
    }
    static TRect Answer(TControl* control, UINT msg, WPARAM w = 0) {
        auto* c = static_cast<TWinControl*>(control);
        RECT r = msg == TCM_ADJUSTRECT ? RECT(c->ClientRect()) : RECT{};
        SendMessage(c->Handle(), msg, w, LPARAM(&r));
        return TRect(r);
    }
};

// The page area is the platform's, corrected per tab position: values written as a change
// keep the platform's side, the others are set from the frame's thickness.
TEST_F(SkinPageControl, CorrectsThePageAreaPerTabPosition) {
    auto skin = MakeTestSkin();
    auto record = std::make_unique<TbsDataSkinTabControl>("tab");
    record->SkinRect = TRect(0, 0, 30, 30);
    record->ClRect = TRect(3, 4, 26, 25); // frame: left 3, top 4, right 4, bottom 5
    skin->CtrlList.push_back(std::move(record));
    skin->Empty = false;

    auto* plain = AddPages<TPageControl>(3);
    auto* skinned = AddPages<TbsSkinPageControl>(3);
    // The platform's own area of the same tabs: the skinned control's font, and a one-pixel
    // image list like the one it reserves its tabs' room with.
    plain->Font().Assign(skinned->Font());
    TCustomImageList room(nullptr);
    room.SetSize(1, 1);
    plain->SetImages(&room);
    const int w = skinned->ClientWidth();
    const int h = skinned->ClientHeight();
    struct Case {
        TTabPosition position;
        bool withRecord;
        // From the platform's area p to the expected one.
        TRect (*expected)(const TRect& p, int w, int h);
    };
    const Case cases[] = {
        { tpTop, false,
          [](const TRect& p, int w, int h) { return TRect(1, p.Top - 5, w - 1, h - 1); } },
        { tpBottom, false,
          [](const TRect& p, int w, int) { return TRect(1, 1, w - 1, p.Bottom + 3); } },
        { tpLeft, false,
          [](const TRect& p, int w, int h) { return TRect(p.Left - 3, p.Top - 5, w - 1, h - 1); } },
        { tpRight, false,
          [](const TRect& p, int, int h) {
              return TRect(p.Left - 3, p.Top - 5, p.Right + 3, h - 1);
          } },
        { tpTop, true,
          [](const TRect& p, int w, int h) { return TRect(3, p.Top + 4 - 6, w - 4, h - 5); } },
        { tpBottom, true,
          [](const TRect& p, int w, int) {
              return TRect(3, p.Top + 4 - 4, w - 4, p.Bottom + 4 - 5);
          } },
        { tpLeft, true,
          [](const TRect& p, int w, int h) {
              return TRect(p.Left + 3 - 4, p.Top + 4 - 4, w - 4, h - 5);
          } },
        { tpRight, true,
          [](const TRect& p, int, int h) {
              return TRect(3, p.Top + 4 - 4, p.Right - 4 + 4, h - 5);
          } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(int(c.position)) + (c.withRecord ? " with record" : " plain"));
        skinned->SetSkinData(c.withRecord ? skin.get() : nullptr);
        skinned->GetSkinData();
        plain->SetTabPosition(c.position);
        skinned->SetTabPosition(c.position);
        EXPECT_EQ(Answer(skinned, TCM_ADJUSTRECT), c.expected(Answer(plain, TCM_ADJUSTRECT), w, h));
    }
    skinned->SetSkinData(nullptr);
    plain->SetImages(nullptr);
}

TEST_F(SkinPageControl, HidingTheTabsKeepsWhatTheyWereUntilShownAgain) {
    auto* pages = AddPages<TbsSkinPageControl>(3);
    pages->SetTabPosition(tpLeft);
    pages->SetTabHeight(24);
    pages->ShowTabs();
    EXPECT_FALSE(pages->TabsHidden()) << "showing tabs that were never hidden does nothing";
    pages->HideTabs();
    pages->HideTabs();
    EXPECT_EQ(pages->TabPosition(), tpTop);
    EXPECT_EQ(pages->TabHeight(), 1);
    pages->ShowTabs();
    EXPECT_EQ(pages->TabPosition(), tpLeft);
    EXPECT_EQ(pages->TabHeight(), 24) << "the second hide kept the first saved height";
}

TEST_F(SkinPageControl, CentresARowOfFixedWidthTabsAndFollowsThePointerThere) {
    auto* pages = AddPages<TbsSkinPageControl>(4, 400);
    pages->SetTabsInCenter(true);
    EXPECT_FALSE(pages->TabsInCenter()) << "no centring without a fixed tab width";
    pages->SetTabWidth(60);
    pages->SetTabsInCenter(true);
    ASSERT_TRUE(pages->TabsInCenter());
    Pump();
    const TRect first = Answer(pages, TCM_GETITEMRECT, 0);
    EXPECT_EQ(first.Left, 80);
    EXPECT_EQ(first.Width(), 60);

    const TRect third = Answer(pages, TCM_GETITEMRECT, 2);
    ClickAt(pages, third.Left + 30, third.Top + third.Height() / 2);
    EXPECT_EQ(pages->ActivePageIndex(), 2) << "the click lands on the tab drawn there";
}

TEST_F(SkinPageControl, TheWheelStepsThroughThePagesWithoutWrapping) {
    auto* pages = AddPages<TbsSkinPageControl>(3);
    pages->SetMouseWheelSupport(true);
    pages->SetFocus(); // the wheel turns the focused control
    Pump();
    WheelOver(pages, -1);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    WheelOver(pages, -1);
    WheelOver(pages, -1);
    EXPECT_EQ(pages->ActivePageIndex(), 2) << "the last page stays";
    WheelOver(pages, 1);
    WheelOver(pages, 1);
    WheelOver(pages, 1);
    EXPECT_EQ(pages->ActivePageIndex(), 0) << "the first page stays";
}

TEST_F(SkinPageControl, AnOverflowingRowGetsTheSkinUpDownWhichScrollsIt) {
    auto* pages = AddPages<TbsSkinPageControl>(2);
    EXPECT_EQ(pages->Scroller(), nullptr);
    for (int i = 0; i < 8; ++i) {
        auto* sheet = new TTabSheet(FForm);
        sheet->SetCaption("More page " + std::to_string(i));
        sheet->SetPageControl(pages);
    }
    Pump();
    TbsSkinUpDown* updown = pages->Scroller();
    ASSERT_NE(updown, nullptr);
    EXPECT_EQ(updown->Parent(), pages);
    EXPECT_EQ(updown->BoundsRect(), TRect(300 - 40, 0, 300, 20)) << "at the row's end";
    EXPECT_GT(updown->Max(), 0);
    const int rowStart = Answer(pages, TCM_GETITEMRECT, 0).Left;

    ClickAt(updown, 30, 10); // the up button steps the row on
    EXPECT_EQ(pages->FirstShownTab(), 1);
    EXPECT_EQ(updown->Position(), 1);
    EXPECT_EQ(Answer(pages, TCM_GETITEMRECT, 1).Left, rowStart) << "the second tab leads";

    pages->SetMultiLine(true);
    Pump();
    EXPECT_EQ(pages->Scroller(), nullptr) << "several rows never scroll";
}

// The page closed is the one named, also when it is not the active one.
TEST_F(SkinPageControl, ClosesTheNamedPageOnlyWhenOnCloseAllows) {
    auto* pages = AddPages<TbsSkinPageControl>(3);
    std::vector<std::string> events;
    bool allow = false;
    pages->OnClose = [&](TObject* sender, bool& canClose) {
        events.push_back("close " + static_cast<TTabSheet*>(sender)->Caption());
        canClose = allow;
    };
    pages->OnAfterClose = [&](TObject* sender) {
        events.push_back(sender == pages ? "after" : "after from elsewhere");
    };
    TTabSheet* second = pages->Pages(1);
    pages->ClosePage(second);
    EXPECT_TRUE(second->TabVisible()) << "refused";
    allow = true;
    pages->ClosePage(second);
    EXPECT_FALSE(second->TabVisible());
    EXPECT_EQ(pages->ActivePageIndex(), 0) << "the active page stays";
    EXPECT_EQ(events, (std::vector<std::string>{ "close Page 1", "close Page 1", "after" }));

    pages->SetFreeOnClose(true);
    pages->ClosePage(pages->Pages(2));
    EXPECT_EQ(pages->PageCount(), 2) << "freed";
}

} // namespace
