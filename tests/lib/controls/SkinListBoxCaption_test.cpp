// The skinned list box's caption buttons: a click steps once at its release, a held button
// repeats at 600 ms and then every 100 ms with one more step at the release, nothing moves past
// the ends, the check button clicks the list, and leaving clears the hover.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsListBox.h"
#include "lib/controls/TbsSkinListBox.h"

#include <vector>

namespace {

class SkinListBoxCaption : public PointerTest {
protected:
    TbsSkinListBox* CaptionList(int items) {
        auto* list = new TbsSkinListBox(FForm);
        list->SetParent(FForm);
        list->SetCaptionMode(true);
        list->SetBounds(10, 10, 150, 120);
        for (int i = 0; i < items; ++i)
            list->Items().Add("item " + std::to_string(i));
        list->SetItemIndex(0);
        Pump();
        // The buttons are laid out when the caption is painted.
        list->Repaint();
        return list;
    }
    static TPoint Centre(const TRect& r) {
        return TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }
};

TEST_F(SkinListBoxCaption, DownButtonStepsOnReleaseAndRepeatsWhileHeld) {
    TbsSkinListBox* list = CaptionList(20);
    // Up at the right, down left of it, check left of that, each 17 wide.
    EXPECT_EQ(list->Buttons[0].R, TRect(131, 2, 148, 18));
    EXPECT_EQ(list->Buttons[1].R, TRect(114, 2, 131, 18));
    EXPECT_EQ(list->Buttons[2].R, TRect(97, 2, 114, 18));

    MoveTo(list, Centre(list->Buttons[1].R));
    Press();
    EXPECT_EQ(list->ItemIndex(), 0) << "no step at the press";
    Release();
    EXPECT_EQ(list->ItemIndex(), 1) << "a click steps at its release";

    // Held: the first step at 600 ms, then one every 100 ms.
    std::vector<int> seen;
    Press();
    for (int ms = 0; ms < 900; ms += 50) {
        Wait(50, 5);
        seen.push_back(list->ItemIndex());
    }
    const std::vector<int> expected = { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5 };
    EXPECT_EQ(seen, expected);
    Release();
    EXPECT_EQ(list->ItemIndex(), 6) << "one more at the release";
    // No repeat after the release.
    Wait(500, 10);
    EXPECT_EQ(list->ItemIndex(), 6);
}

TEST_F(SkinListBoxCaption, ButtonsStopAtTheEndsAndCheckClicksTheList) {
    TbsSkinListBox* list = CaptionList(3);
    int clicks = 0;
    list->OnListBoxClick = [&clicks](TObject*) { ++clicks; };
    struct Case {
        const char* Name;
        int Button;
        int Start;
        int Expected;
        int HoldMs;
    };
    const Case cases[] = {
        { "up held at the first item", 0, 0, 0, 1000 },
        { "down held at the last item", 1, 2, 2, 1000 },
        { "up", 0, 2, 1, 0 },
        { "check held", 2, 1, 1, 1000 },
    };
    for (const Case& c : cases) {
        list->SetItemIndex(c.Start);
        MoveTo(list, Centre(list->Buttons[c.Button].R));
        Press();
        Wait(c.HoldMs, 10);
        Release();
        EXPECT_EQ(list->ItemIndex(), c.Expected) << c.Name;
    }
    EXPECT_EQ(clicks, 1);

    // An assigned event replaces the button's own action.
    int ups = 0;
    list->OnUpButtonClick = [&ups](TObject*) { ++ups; };
    MoveTo(list, Centre(list->Buttons[0].R));
    Press();
    Wait(1000, 10);
    Release();
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(list->ItemIndex(), 1);

    // Leaving the control clears every button's hover.
    EXPECT_TRUE(list->Buttons[0].MouseIn);
    MoveTo(FForm, 300, 150);
    for (const TbsCBButtonX& b : list->Buttons)
        EXPECT_FALSE(b.MouseIn);
}

} // namespace
