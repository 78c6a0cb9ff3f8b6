// The skinned check and radio box: clicks, groups and their events, the grayed cycle, focus
// and keys, the size across a skin change and the check image's transparent colour.
#include "SkinnedFormTest.h"
#include "lib/controls/TbsSkinCheckRadioBox.h"
#include "lib/controls/TbsSkinPanel.h"
#include "lib/controls/bsActivePicture.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "platform/win/Input.h"

#include <map>

namespace {

class SkinCheckRadioBox : public SkinnedFormTest {
protected:
    TbsSkinCheckRadioBox* Box(TWinControl* parent, bool radio, int group, int top,
                              bool checked = false) {
        auto* box = new TbsSkinCheckRadioBox(FForm);
        box->SetParent(parent);
        box->SetBounds(5, top, 120, 20);
        box->SetCaption("Box");
        box->SetRadio(radio);
        box->SetGroupIndex(group);
        if (checked) box->SetChecked(true);
        box->OnClick = [this, box](TObject*) { ++FClicks[box]; };
        return box;
    }
    TbsSkinPanel* Group(int left) {
        auto* panel = new TbsSkinPanel(FForm);
        panel->SetParent(FForm);
        panel->SetBounds(left, 10, 150, 100);
        return panel;
    }
    std::map<TbsSkinCheckRadioBox*, int> FClicks;
};

TEST_F(SkinCheckRadioBox, ClickChecksAndUnchecksTheGroupUnderTheSameParentWithItsEvents) {
    struct Case {
        const char* Name;
        bool Radio;
        int Group;
        bool ClickedChecked; // the clicked box starts checked
        bool ClickedAfter;
        bool SiblingAfter;
        int ClickedClicks;
        int SiblingClicks;
    };
    const Case cases[] = {
        { "radio in a group", true, 1, false, true, false, 1, 0 },
        { "check box in a group", false, 1, false, true, false, 1, 1 },
        { "radio without a group", true, 0, false, true, true, 1, 0 },
        { "check box without a group", false, 0, false, true, true, 1, 0 },
        { "checked radio", true, 1, true, true, false, 0, 0 },
        { "checked check box", false, 1, true, false, false, 1, 0 },
    };
    for (const Case& c : cases) {
        TbsSkinPanel* panel = Group(5);
        TbsSkinPanel* other = Group(200);
        TbsSkinCheckRadioBox* sibling = Box(panel, c.Radio, c.Group, 5, !c.ClickedChecked);
        TbsSkinCheckRadioBox* clicked = Box(panel, c.Radio, c.Group, 30, c.ClickedChecked);
        TbsSkinCheckRadioBox* elsewhere = Box(other, c.Radio, c.Group, 5, true);
        FClicks.clear();
        Pump();
        ClickAt(clicked, 10, 10);
        EXPECT_EQ(clicked->Checked(), c.ClickedAfter) << c.Name;
        EXPECT_EQ(sibling->Checked(), c.SiblingAfter) << c.Name;
        EXPECT_TRUE(elsewhere->Checked()) << c.Name << ": another parent's group";
        EXPECT_EQ(FClicks[clicked], c.ClickedClicks) << c.Name;
        EXPECT_EQ(FClicks[sibling], c.SiblingClicks) << c.Name;
        EXPECT_EQ(FClicks[elsewhere], 0) << c.Name;
        delete panel;
        delete other;
    }
}

TEST_F(SkinCheckRadioBox, AllowGrayedCyclesUncheckedGrayedCheckedWithAClickEach) {
    TbsSkinCheckRadioBox* box = Box(FForm, false, 0, 10);
    box->SetAllowGrayed(true);
    Pump();
    const TCheckBoxState cycle[] = { cbGrayed, cbChecked, cbUnchecked, cbGrayed };
    int expectedClicks = 0;
    for (TCheckBoxState state : cycle) {
        ClickAt(box, 10, 10);
        EXPECT_EQ(box->State(), state);
        EXPECT_EQ(box->Checked(), state == cbChecked);
        EXPECT_EQ(FClicks[box], ++expectedClicks);
    }
    box->SetChecked(false);
    EXPECT_EQ(box->State(), cbGrayed) << "unchecking leaves the grayed state";
    box->SetState(cbChecked);
    box->SetState(cbGrayed);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(FClicks[box], expectedClicks + 3);
}

TEST_F(SkinCheckRadioBox, ReleaseAwayFromTheBoxDoesNotClick) {
    TbsSkinCheckRadioBox* box = Box(FForm, false, 0, 10);
    Pump();
    const TPoint inside = box->ClientToScreen(TPoint(10, 10));
    const TPoint away = box->ClientToScreen(TPoint(200, 150));
    FDisplay->MoveMouse(inside.X, inside.Y);
    FDisplay->PressButton();
    Pump();
    FDisplay->MoveMouse(away.X, away.Y);
    Pump();
    FDisplay->ReleaseButton();
    Pump();
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(FClicks[box], 0);
}

TEST_F(SkinCheckRadioBox, TakesTheFocusByMouseNotByTabAndSpaceClicksIt) {
    TbsSkinCheckRadioBox* box = Box(FForm, false, 0, 10);
    EXPECT_TRUE(box->CanFocused());
    EXPECT_FALSE(box->TabStop());
    Pump();
    ClickAt(box, 10, 10);
    EXPECT_TRUE(box->Focused());
    EXPECT_TRUE(box->Checked());
    Key(win::VK_SPACE);
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(FClicks[box], 2);
}

TEST_F(SkinCheckRadioBox, FlatBoxKeepsItsBoundsAcrossASkinChange) {
    // A face of fixed size: no guide points.
    AddFaceRecord<TbsDataSkinCheckRadioControl>(*FSkin, "checkbox", 0,
                                                { { 0, 0, 40, 16 }, {}, {}, {}, {}, {} });
    TbsSkinCheckRadioBox* flat = Box(FForm, false, 0, 10);
    TbsSkinCheckRadioBox* framed = Box(FForm, false, 0, 40);
    framed->SetFlat(false);
    for (TbsSkinCheckRadioBox* box : { flat, framed })
        box->SetSkinData(FSkin.get());
    EXPECT_EQ(flat->BoundsRect(), TRect(5, 10, 125, 30));
    EXPECT_EQ(TSize(framed->Width(), framed->Height()), TSize(40, 16))
        << "a fixed face gives the framed box its size";
}

TEST_F(SkinCheckRadioBox, CheckImageLeavesOutItsLowerLeftColour) {
    auto& record = AddFaceRecord<TbsDataSkinCheckRadioControl>(*FSkin, "checkbox", 0,
                                                               NineSliceFace({ 0, 0, 40, 16 }, 0));
    record.CheckImageRect = TRect(100, 20, 113, 33);
    record.UnCheckImageRect = TRect(120, 20, 133, 33);
    TbsSkinCheckRadioBox* box = Box(FForm, false, 0, 10, true);
    box->SetSkinData(FSkin.get());
    const gfx::Surface pixels = PaintedPixels(*box);
    bool key = false;
    bool image = false;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            key = key || RgbAt(pixels, x, y) == PictureAt(100, 32);
            image = image || RgbAt(pixels, x, y) == PictureAt(101, 20);
        }
    EXPECT_TRUE(image);
    EXPECT_FALSE(key);
}

TEST_F(SkinCheckRadioBox, ProgramSkinsCheckImagesLeaveTheirKeyColourOut) {
    struct Case {
        const char* Skin;
        const char* Record;
        bool Radio;
    };
    const Case cases[] = { { "main", "checkbox", false },
                           { "main", "radiobox", true },
                           { "tool", "radiobox", true } };
    for (const Case& c : cases) {
        const auto skin = LoadProgramSkin(c.Skin);
        const int index = skin->GetControlIndex(c.Record);
        if (index < 0) continue;
        const auto* record = dynamic_cast<const TbsDataSkinCheckRadioControl*>(
            skin->CtrlList[std::size_t(index)].get());
        ASSERT_TRUE(record) << c.Skin << " " << c.Record;
        const TBitmap* picture = ActivePictureOf(*skin, record->PictureIndex);
        ASSERT_TRUE(picture);
        for (const bool checked : { false, true }) {
            const TRect& image = checked ? record->CheckImageRect : record->UnCheckImageRect;
            const std::uint32_t key = RgbAt(*picture, image.Left, image.Bottom - 1);
            TbsSkinCheckRadioBox* box = Box(FForm, c.Radio, 0, 10, checked);
            box->SetSkinDataName(c.Record);
            box->SetSkinData(skin.get());
            const gfx::Surface pixels = PaintedPixels(*box, 0xFFFFFF);
            int keyPixels = 0;
            for (int y = 0; y < pixels.Height(); ++y)
                for (int x = 0; x < 3 + image.Width(); ++x)
                    keyPixels += RgbAt(pixels, x, y) == key && key != 0xFFFFFF;
            EXPECT_EQ(keyPixels, 0) << c.Skin << " " << c.Record << (checked ? " checked" : "");
            delete box;
        }
    }
}

} // namespace
