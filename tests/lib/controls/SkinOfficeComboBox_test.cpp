// The office picker: the order of its events, where and how high its list opens, choosing by
// pointer, keys and wheel, the fade, and the tool-button look the program uses.
#include "PointerTest.h"
#include "TestSkins.h"
#include "lib/controls/TbsPopupOfficeListBox.h"
#include "lib/controls/TbsSkinOfficeComboBox.h"
#include "lib/controls/TbsSkinScrollBar.h"
#include "lib/skindata/TbsSkinData.h"
#include "lib/skindata/bsSkinControlRecords.h"
#include "lib/skindata/bsSkinListRecords.h"
#include "platform/forms/ControlMessages.h"
#include "platform/win/Painting.h"
#include "platform/win/WindowApi.h"
#include "platform/win/headless/HeadlessBackend.h"
#include "tests/lib/skin/DrawingPictures.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

class SkinOfficeComboBox : public PointerTest {
protected:
    // Rows by caption: "#" before it makes a header row, "-" a disabled one.
    TbsSkinOfficeComboBox* Picker(const std::vector<std::string>& rows, int itemHeight = 30,
                                  int left = 10, int top = 10) {
        auto* combo = Add<TbsSkinOfficeComboBox>(left, top, 150, 41);
        combo->SetListBoxItemHeight(itemHeight);
        for (const std::string& row : rows) {
            TbsSkinOfficeItem* item = combo->Items().Add();
            std::string caption = row;
            if (!caption.empty() && caption[0] == '#') {
                item->SetHeader(true);
                caption.erase(0, 1);
            } else if (!caption.empty() && caption[0] == '-') {
                item->SetEnabled(false);
                caption.erase(0, 1);
            }
            item->SetCaption(caption);
            item->OnClick = [this, caption](TObject*) { FLog.push_back("item:" + caption); };
        }
        combo->OnClick = [this](TObject*) { FLog.push_back("OnClick"); };
        combo->OnChange = [this](TObject*) { FLog.push_back("OnChange"); };
        combo->OnCloseUp = [this](TObject*) { FLog.push_back("OnCloseUp"); };
        Pump();
        return combo;
    }
    static std::vector<std::string> Numbered(int count) {
        std::vector<std::string> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back("row " + std::to_string(i));
        return rows;
    }
    static TRect ScreenRect(TWinControl* control) {
        win::RECT r;
        win::GetWindowRect(control->Handle(), &r);
        return TRect(r.left, r.top, r.right, r.bottom);
    }
    // The centre of a row of the open list, in the list's client coordinates.
    static TPoint RowCentre(TbsSkinCustomOfficeComboBox* combo, int row) {
        const TRect r = combo->FListBox->Items()[row]->ItemRect;
        return TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }

    Log FLog;
};

TEST_F(SkinOfficeComboBox, EveryChoiceFiresInOrderAlsoForNoRow) {
    using Action = std::function<void(TbsSkinOfficeComboBox*)>;
    struct Case {
        const char* Name;
        int Start;
        Action Act;
        Log Events;
        int Index;
    };
    // Rows: A, B, a header, C, D disabled, E.
    const Case cases[] = {
        { "same index",
          1,
          [](auto* c) { c->SetItemIndex(1); },
          { "item:B", "OnClick", "OnChange" },
          1 },
        { "other index",
          1,
          [](auto* c) { c->SetItemIndex(3); },
          { "item:C", "OnClick", "OnChange" },
          3 },
        { "-1", 1, [](auto* c) { c->SetItemIndex(-1); }, { "OnClick", "OnChange" }, -1 },
        { "loaded from a description",
          1,
          [](auto* c) {
              c->SetLoading(true);
              c->SetItemIndex(3);
              c->SetLoading(false);
          },
          { "item:C" },
          3 },
        { "Down at the last row",
          5,
          [this](auto*) { Key(win::VK_DOWN); },
          { "item:E", "OnClick", "OnChange" },
          5 },
        // The list's own step makes C current, then the control's setter does again.
        { "Down over the header and the disabled row",
          1,
          [this](auto*) { Key(win::VK_DOWN); },
          { "item:C", "item:C", "OnClick", "OnChange" },
          3 },
        { "Up with -1", -1, [this](auto*) { Key(win::VK_UP); }, { "OnClick", "OnChange" }, -1 },
        { "Enter on the old row",
          3,
          [this](auto* c) {
              c->DropDown();
              Key(win::VK_RETURN);
          },
          { "OnClick", "OnChange", "OnCloseUp" },
          3 },
        { "Escape after moving the highlight",
          3,
          [this](auto* c) {
              c->DropDown();
              WheelOver(c, -1);
              Key(win::VK_ESCAPE);
          },
          { "item:E", "item:C" },
          3 },
        { "wheel while closed",
          1,
          [this](auto* c) { WheelOver(c, -1); },
          { "item:C", "item:C", "OnClick", "OnChange" },
          3 },
        { "wheel while open",
          1,
          [this](auto* c) {
              c->DropDown();
              WheelOver(c, -1);
          },
          { "item:C" },
          3 },
        // An index naming no row is still announced; the closed control shows nothing.
        { "index at the count",
          1,
          [](auto* c) { c->SetItemIndex(6); },
          { "OnClick", "OnChange" },
          6 },
        { "index past the count",
          1,
          [](auto* c) { c->SetItemIndex(11); },
          { "OnClick", "OnChange" },
          11 },
    };
    for (const Case& c : cases) {
        TbsSkinOfficeComboBox* combo = Picker({ "A", "B", "#h", "C", "-D", "E" });
        combo->SetFocus();
        Pump();
        combo->SetItemIndex(c.Start);
        FLog.clear();
        c.Act(combo);
        EXPECT_EQ(FLog, c.Events) << c.Name;
        EXPECT_EQ(combo->ItemIndex(), c.Index) << c.Name;
        // The closed control draws only a row that exists.
        combo->CloseUp(false);
        PaintedPixels(*combo);
        delete combo;
    }
}

TEST_F(SkinOfficeComboBox, ListOpensRightAlignedBelowOrAboveWithItsShownHeight) {
    FDisplay->SetMonitors({ win::MonitorArea{ { 0, 0, 1000, 840 }, { 0, 0, 1000, 800 }, true } });
    struct Case {
        const char* Name;
        int FormTop;
        int Rows;
        int ListBoxWidth;
        int Height;
        bool Above;
    };
    // 4 rows of 60 in a plain list: 4 x 60 + 5.
    const Case cases[] = {
        { "below", 30, 10, 0, 245, false },
        { "above near the bottom", 520, 10, 0, 245, true },
        { "two rows near the bottom fit below", 520, 2, 0, 125, false },
        { "wider list reaches out to the left", 30, 10, 260, 245, false },
        { "wider list above", 520, 10, 260, 245, true },
    };
    for (const Case& c : cases) {
        FForm->SetBounds(300, c.FormTop, 400, 200);
        Pump();
        TbsSkinOfficeComboBox* combo = Picker(Numbered(c.Rows), 60, 20, 60);
        combo->SetDropDownCount(4);
        combo->SetListBoxWidth(c.ListBoxWidth);
        combo->DropDown();
        Pump();
        ASSERT_TRUE(combo->IsPopupVisible()) << c.Name;
        const TRect list = ScreenRect(combo->FListBox);
        const TRect control = ScreenRect(combo);
        EXPECT_EQ(list.Height(), c.Height) << c.Name;
        EXPECT_EQ(list.Width(), c.ListBoxWidth ? c.ListBoxWidth : control.Width()) << c.Name;
        EXPECT_EQ(list.Right, control.Right) << c.Name;
        if (c.Above)
            EXPECT_EQ(list.Bottom, control.Top) << c.Name;
        else
            EXPECT_EQ(list.Top, control.Bottom) << c.Name;
        combo->CloseUp(false);
        delete combo;
    }
}

TEST_F(SkinOfficeComboBox, PressDragAndReleaseOverTheListChoosesTheRowUnderThePointer) {
    TbsSkinOfficeComboBox* combo = Picker(Numbered(6));
    combo->SetItemIndex(0);
    FLog.clear();
    // A click on the control that never enters the list leaves it open.
    MoveTo(combo, 20, 20);
    Press();
    EXPECT_TRUE(combo->IsPopupVisible());
    FLog.clear();
    Release();
    EXPECT_TRUE(combo->IsPopupVisible());
    EXPECT_TRUE(FLog.empty());
    // Another press on the control closes it without a choice.
    Press();
    Release();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 0);
    // Pressed on the control, dragged onto row 2 and released there.
    MoveTo(combo, 20, 20);
    Press();
    FLog.clear();
    MoveTo(combo->FListBox, RowCentre(combo, 2));
    EXPECT_EQ(combo->FListBox->ItemIndex(), 2);
    EXPECT_TRUE(FLog.empty());
    Release();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(FLog, (Log{ "OnClick", "OnChange", "OnCloseUp" }));
    // The control kept the focus throughout.
    EXPECT_TRUE(combo->Focused());
}

TEST_F(SkinOfficeComboBox, HoldingBelowAListWithABarStepsEvery25MsOverSelectableRows) {
    std::vector<std::string> rows = Numbered(10);
    rows[3] = "#header";
    rows[4] = "-off";
    TbsSkinOfficeComboBox* combo = Picker(rows);
    combo->SetDropDownCount(3);
    combo->SetItemIndex(0);
    MoveTo(combo, 20, 20);
    Press();
    ASSERT_NE(combo->FListBox->ScrollBar, nullptr);
    MoveTo(combo->FListBox, RowCentre(combo, 1));
    EXPECT_EQ(combo->FListBox->ItemIndex(), 1);
    MoveTo(combo->FListBox, 20, combo->FListBox->Height() + 10);
    EXPECT_EQ(combo->TimerMode, 2);
    Wait(25, 25);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 2);
    // The next step passes the header and the disabled row.
    Wait(25, 25);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 5);
    Wait(200, 25);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 9);
    // Released away from the list: nothing is chosen.
    FLog.clear();
    Release();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->TimerMode, 0);
    EXPECT_EQ(FLog, (Log{ "item:row 0" }));
}

TEST_F(SkinOfficeComboBox, ClickingInTheListNeverTakesTheFocusOrActivation) {
    TbsSkinOfficeComboBox* combo = Picker(Numbered(5));
    combo->SetFocus();
    Pump();
    combo->DropDown();
    Pump();
    const TPoint row = RowCentre(combo, 3);
    MoveTo(combo->FListBox, row);
    EXPECT_EQ(combo->FListBox->ItemIndex(), 3);
    Press();
    Release();
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(win::GetActiveWindow(), FForm->Handle());
}

TEST_F(SkinOfficeComboBox, FadeStepsOnATimerAndClosingEndsIt) {
    FDisplay->SetCompositor(true);
    TbsSkinOfficeComboBox* combo = Picker(Numbered(5));
    combo->SetAlphaBlend(true);
    combo->SetAlphaBlendAnimation(true);
    combo->SetAlphaBlendValue(200);
    combo->DropDown();
    // The first step comes at once; each further one takes a timer tick, none is skipped.
    std::vector<int> seen{ combo->FListBox->FadeAlpha() };
    for (int waited = 0; combo->FListBox->Fading() && waited < 1000; waited += 5) {
        Wait(5, 5);
        if (combo->FListBox->FadeAlpha() != seen.back())
            seen.push_back(combo->FListBox->FadeAlpha());
    }
    std::vector<int> expected;
    for (int a = 13; a < 200; a += 13)
        expected.push_back(a);
    expected.push_back(200);
    EXPECT_EQ(seen, expected);
    win::BYTE alpha = 0;
    win::GetLayeredWindowAttributes(combo->FListBox->Handle(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 200);
    // Every opening starts again from nothing; closing halfway ends the fade.
    combo->CloseUp(false);
    combo->DropDown();
    EXPECT_EQ(combo->FListBox->FadeAlpha(), 13);
    Wait(20, 5);
    EXPECT_TRUE(combo->FListBox->Fading());
    const int reached = combo->FListBox->FadeAlpha();
    combo->CloseUp(false);
    EXPECT_FALSE(combo->FListBox->Fading());
    Wait(50, 5);
    EXPECT_EQ(combo->FListBox->FadeAlpha(), reached);
}

// The box of the pixels in area that differ from the fill at (1, 1).
TRect InkBox(const gfx::Surface& pixels, const TRect& area) {
    const std::uint32_t fill = RgbAt(pixels, 1, 1);
    TRect box(area.Right, area.Bottom, 0, 0);
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (RgbAt(pixels, x, y) != fill) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST_F(SkinOfficeComboBox, PlainToolLookFramesByStateAndShiftsTheItemWhileOpen) {
    TbsSkinOfficeComboBox* combo = Picker({ "first", "second" });
    combo->SetToolButtonStyle(true);
    combo->SetItemIndex(1);
    const int w = combo->Width(), h = combo->Height();
    const gfx::Surface closed = PaintedPixels(*combo);
    EXPECT_EQ(RgbAt(closed, 0, 0), RgbOf(clBtnShadow));
    EXPECT_EQ(RgbAt(closed, 1, 1), PlainFace());
    combo->Perform(CM_MOUSEENTER, 0, 0);
    const gfx::Surface hot = PaintedPixels(*combo);
    EXPECT_EQ(RgbAt(hot, 0, 0), RgbOf(TColor(0x800000)));
    EXPECT_EQ(RgbAt(hot, 1, 1), RgbOf(TColor(0xD2BDB6)));
    combo->Perform(CM_MOUSELEAVE, 0, 0);
    combo->DropDown();
    // The open look shows the row held at opening, whatever the list highlights.
    combo->FListBox->SetItemIndex(0);
    const gfx::Surface open = PaintedPixels(*combo);
    EXPECT_EQ(RgbAt(open, 0, 0), RgbOf(TColor(0x800000)));
    EXPECT_EQ(RgbAt(open, 1, 1), RgbOf(TColor(0xB59385)));
    // The item begins 2 px further right; the drop-down mark moves 2 px right and down.
    const TRect item(1, 1, w - 17, h - 1), arrow(w - 17, 1, w - 1, h - 1);
    const TRect before = InkBox(closed, item);
    const TRect after = InkBox(open, item);
    ASSERT_LT(before.Left, before.Right);
    EXPECT_EQ(after.Left - before.Left, 2);
    const TRect markBefore = InkBox(closed, arrow);
    const TRect markAfter = InkBox(open, arrow);
    ASSERT_LT(markBefore.Left, markBefore.Right);
    EXPECT_EQ(markAfter.Left - markBefore.Left, 2);
    EXPECT_EQ(markAfter.Top - markBefore.Top, 2);
    combo->CloseUp(false);
}

TEST_F(SkinOfficeComboBox, SkinnedLooksDrawFromTheProgramSkins) {
    for (const char* name : { "main", "tool" }) {
        std::unique_ptr<TbsSkinData> skin = LoadProgramSkin(name);
        TbsSkinOfficeComboBox* combo = Picker({ "first", "second" });
        combo->SetItemIndex(0);
        const gfx::Surface plain = PaintedPixels(*combo);
        combo->SetSkinData(skin.get());
        ASSERT_NE(combo->FIndex, -1) << name;
        const gfx::Surface skinned = PaintedPixels(*combo);
        EXPECT_FALSE(SamePixels(plain, skinned)) << name;
        combo->SetToolButtonStyle(true);
        const gfx::Surface tool = PaintedPixels(*combo);
        EXPECT_FALSE(SamePixels(tool, skinned)) << name;
        combo->DropDown();
        EXPECT_FALSE(SamePixels(PaintedPixels(*combo), tool)) << name;
        // The list is skinned after the control, by its own record name.
        EXPECT_NE(combo->FListBox->FIndex, -1) << name;
        combo->CloseUp(false);
        combo->SetSkinData(nullptr);
        delete combo;
    }
}

TEST_F(SkinOfficeComboBox, PaintSkinToDrawsTheGivenTextWithoutAssigningIt) {
    std::unique_ptr<TbsSkinData> skin = LoadProgramSkin("main");
    for (bool skinned : { false, true })
        for (bool tool : { false, true }) {
            TbsSkinOfficeComboBox* combo = Picker({ "first", "second" });
            combo->SetShowItemImage(false);
            combo->SetToolButtonStyle(tool);
            combo->SetItemIndex(1);
            if (skinned) combo->SetSkinData(skin.get());
            FLog.clear();
            const std::string shown = combo->Text();
            TBitmap withText(combo->Width(), combo->Height());
            TBitmap withoutText(combo->Width(), combo->Height());
            combo->PaintSkinTo(withText.Canvas(), 0, 0, "WWWWWW");
            combo->PaintSkinTo(withoutText.Canvas(), 0, 0, "");
            EXPECT_TRUE(FLog.empty()) << skinned << tool;
            EXPECT_EQ(combo->Text(), shown) << skinned << tool;
            EXPECT_EQ(combo->ItemIndex(), 1);
            bool differs = false;
            for (int x = 0; x < combo->Width() - 17 && !differs; ++x)
                for (int y = 0; y < combo->Height() && !differs; ++y)
                    differs = RgbAt(withText, x, y) != RgbAt(withoutText, x, y);
            EXPECT_TRUE(differs) << "the given text is drawn, skinned " << skinned << " tool "
                                 << tool;
            combo->SetSkinData(nullptr);
            delete combo;
        }
}

// A skin of the test's own: a "combobox" record, list records, and a tool-button record of
// the kind given under "resizetoolbutton".
template <class TToolRecord>
std::unique_ptr<TbsSkinData> PickerSkin(bool withComboRecord) {
    auto skin = MakeTestSkin();
    const int picture = AddPicture(*skin, NumberedPicture(200, 100));
    if (withComboRecord)
        AddFaceRecord<TbsDataSkinComboBox>(*skin, "combobox", picture,
                                           NineSliceFace(TRect(0, 0, 60, 20), 3));
    AddFaceRecord<TbsDataSkinListBox>(*skin, "listbox", picture,
                                      NineSliceFace(TRect(0, 30, 40, 70), 4));
    AddFaceRecord<TbsDataSkinListBox>(*skin, "resizetoolpanel", picture,
                                      NineSliceFace(TRect(100, 30, 140, 70), 4));
    AddFaceRecord<TToolRecord>(*skin, "resizetoolbutton", picture,
                               NineSliceFace(TRect(60, 0, 100, 24), 4));
    return skin;
}

bool Uniform(const gfx::Surface& pixels) {
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (RgbAt(pixels, x, y) != RgbAt(pixels, 0, 0)) return false;
    return true;
}

TEST_F(SkinOfficeComboBox, ToolLookTakesOnlyAButtonRecordUnderTheButtonName) {
    for (bool buttonRecord : { true, false }) {
        auto skin = buttonRecord ? PickerSkin<TbsDataSkinButtonControl>(true)
                                 : PickerSkin<TbsDataSkinCustomControl>(true);
        TbsSkinOfficeComboBox* combo = Picker({ "first", "second" });
        combo->SetToolButtonStyle(true);
        combo->SetItemIndex(0);
        combo->SetSkinData(skin.get());
        ASSERT_NE(combo->FIndex, -1);
        // A record of another kind counts as missing: the tool look draws nothing.
        EXPECT_EQ(Uniform(PaintedPixels(*combo)), !buttonRecord) << buttonRecord;
        combo->SetSkinData(nullptr);
        delete combo;
    }
}

TEST_F(SkinOfficeComboBox, TheListFollowsTheControlsSkinByItsOwnRecordName) {
    TbsSkinOfficeComboBox* combo = Picker(Numbered(3));
    combo->SetListBoxSkinDataName("resizetoolpanel");
    // Without the control's record the list stays plain, though the skin has its record.
    auto bare = PickerSkin<TbsDataSkinButtonControl>(false);
    combo->SetSkinData(bare.get());
    EXPECT_EQ(combo->FIndex, -1);
    EXPECT_EQ(combo->FListBox->FIndex, -1);
    combo->DropDown();
    EXPECT_EQ(combo->FListBox->FIndex, -1);
    combo->CloseUp(false);
    // The name survives that state: with the control's record the list takes its own.
    auto full = PickerSkin<TbsDataSkinButtonControl>(true);
    combo->SetSkinData(full.get());
    EXPECT_NE(combo->FIndex, -1);
    EXPECT_EQ(combo->ListBoxSkinDataName(), "resizetoolpanel");
    EXPECT_EQ(combo->FListBox->SkinDataName(), "resizetoolpanel");
    EXPECT_EQ(combo->FListBox->FIndex, full->GetControlIndex("resizetoolpanel"));
    combo->SetSkinData(nullptr);
}

} // namespace
